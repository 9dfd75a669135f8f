#pragma once

#include <string>

// Text files whose encoding the program fixes as cp1251 (language files, log.txt)
// are converted at the file boundary; inside the program all text is UTF-8.

// A character cp1251 lacks, or a byte that is no valid UTF-8, becomes "?".
std::string Utf8ToCp1251(const std::string& utf8);

// The one byte cp1251 leaves undefined (0x98) becomes "?".
std::string Cp1251ToUtf8(const std::string& cp1251);
