#pragma once

#include <string>

// Creates (or extends) the SQLite file at path by running SQLite statements on it
// directly, with the Jet collation registered, for tests that need tables the Jet
// SQL layer does not create. A failing statement raises std::runtime_error.
void RunSqlite(const std::string& path, const std::string& sqliteSql);
