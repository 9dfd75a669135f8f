#pragma once

#include <string>

// The tables of data.mdb and setting.mdb, created by the setup and by the tests.
// Creation only adds what is missing, so it is safe on an existing file.
//
// Declared types tell the query layer how to read a column:
//   YESNO     yes/no, stored as -1 or 0, never NULL
//   DATETIME  a date as a REAL day number (days since 30 December 1899)
//   DOUBLE    a floating number
//   INTEGER   a whole number
//   TEXT      text, compared and sorted case-insensitively (Cyrillic included)

// Raises EDatabaseError when the file cannot be opened or written.
void CreateDataSchema(const std::string& path);
void CreateSettingSchema(const std::string& path);

// The SQL texts themselves, for tests that build databases of their own.
const std::string& DataSchemaSql();
const std::string& SettingSchemaSql();
