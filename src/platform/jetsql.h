#pragma once

#include <string>

struct sqlite3;

// Every SQL text of the program and of the update files is Jet SQL; SQLite runs it
// after this translation, with Jet's meaning. Translations are cached by text.

// SQLite text for a Jet text; raises EDatabaseError with a clear message on text
// it cannot read.
std::string TranslateJetSql(const std::string& jetSql);

// The collation that every text column is declared with: case-insensitive,
// Cyrillic included.
inline constexpr const char* JetTextCollation = "JETNOCASE";

// Registers the functions and the collation that translated texts rely on.
void RegisterJetFunctions(sqlite3* db);
