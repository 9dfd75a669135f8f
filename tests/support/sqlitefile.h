#pragma once

#include <string>
#include <vector>

// Creates (or extends) the SQLite file at path by running SQLite statements on it
// directly, with the Jet collation registered, for tests that need tables the Jet
// SQL layer does not create. A failing statement raises std::runtime_error.
void RunSqlite(const std::string& path, const std::string& sqliteSql);

// The rows of a SQLite select on the file, read over a connection of their own (so
// they show only what is committed); NULL reads as "<null>". A failure raises
// std::runtime_error.
std::vector<std::vector<std::string>> QuerySqlite(const std::string& path, const std::string& sqliteSql);
