#pragma once

#include <string>
#include <vector>

// The program's SQL texts as its data classes, rebuilds and research tools send them,
// with sample ids, counts and dates filled in: the translator must read every one.
struct ProgramSqlText {
    std::string name;
    std::string jetSql;
};

// Each shared select text, completed into a statement the way its callers complete it.
const std::vector<ProgramSqlText>& SharedSelectStatements();

// Every other fixed text of the program.
const std::vector<ProgramSqlText>& ProgramStatements();

// The longest shared select text, completed into a statement.
const std::string& LongestSharedSelect();
