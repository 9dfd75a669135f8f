#pragma once

#include <cstdint>
#include <string>

// The program's own string type: UTF-8 text in a std::string.
using AnsiString = std::string;

// Days since 30 December 1899; the fraction is the time of day (local clock).
using TDateTime = double;

// Colour values as 0x00BBGGRR.
using TColor = std::uint32_t;
