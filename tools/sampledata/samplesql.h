#pragma once

#include <string>
#include <string_view>
#include <vector>

// Pieces of the statements of the instruction files, written in the tag shorthand
// of the update service ("{i}Team{v}1,'Name','ENG'{/v}"). Neither ":" nor ";" may
// appear in a statement: they separate the columns and rows of the files.

std::string SqlText(std::string_view text);  // 'text', inner quotes doubled
std::string SqlDate(int day);                // #mm/dd/yyyy# of a day number
std::string SqlHundredths(int hundredths);   // 1.85 for 185; 0 for none
std::string SqlHandicap(int quarters);       // '-0.75', '0', '1.5'
std::string SqlFixTime(int hhmm);            // '1930', '0000' when unknown (-1)

// A table name as Jet reads it: National is a reserved word there and goes in brackets.
std::string SqlTable(std::string_view table);

// Positional insert in the schema's column order.
std::string InsertStatement(std::string_view table, const std::vector<std::string>& values);
