#pragma once

#include <string>

struct sqlite3;

// Every SQL text of the program and of the update files is Jet SQL; SQLite runs it
// after this translation, with Jet's meaning. Translations are cached by text.
//
// What the schema must give the translated texts:
// - text columns declared "COLLATE JETNOCASE" (case-insensitive =, ORDER BY, GROUP BY);
// - yes/no columns "INTEGER NOT NULL ON CONFLICT REPLACE DEFAULT 0" (a NULL written
//   stores 0), with triggers that turn any other non-zero value into -1;
// - dates as REAL day numbers (TDateTime);
// - INSERT INTO t SELECT ... without a column list names the select's output columns
//   as the column list, so they must be t's column names; "SELECT *" stays positional.

// SQLite text for a Jet text; raises EDatabaseError with a clear message on text
// it cannot read.
std::string TranslateJetSql(const std::string& jetSql);

// A Jet string literal holding text exactly: the text between single quotes, each
// quote inside doubled. Text from a user or a file reaches SQL only through it.
std::string JetQuoted(const std::string& text);

// The collation that every text column is declared with: case-insensitive,
// Cyrillic included.
inline constexpr const char* JetTextCollation = "JETNOCASE";

// Registers the functions (JetRound, JetDate, JetNow) and the collation that
// translated texts rely on, and turns off SQLite's reading of "name" as a string.
// Raises EDatabaseError when SQLite refuses.
void RegisterJetFunctions(sqlite3* db);
