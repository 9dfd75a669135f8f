#pragma once

#include <string_view>

struct sqlite3;

// Jet's text comparison: case-insensitive in every script (Cyrillic included), by
// simple Unicode case folding; UTF-8 text. Negative, zero or positive, like strcmp.
int CompareJetText(std::string_view left, std::string_view right);

// Registers CompareJetText as the collation JetTextCollation on the connection.
void RegisterJetCollation(sqlite3* db);
