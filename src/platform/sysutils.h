#pragma once

#include <cstdint>
#include <string>

#include "platform/types.h"

// The runtime's number and date conversions, with the program's fixed rules:
// text that goes into SQL or files always uses "."; text shown to the user uses
// the user's decimal separator. Nothing here depends on the C library's locale.

std::string IntToStr(std::int64_t value);

// A decimal integer (leading blanks and a sign allowed); anything else raises EConvertError.
int StrToInt(const std::string& text);
int StrToIntDef(const std::string& text, int fallback);
bool TryStrToInt(const std::string& text, int& value);

// The user's decimal separator (from the Qt default locale).
char DecimalSeparator();

// General float text: at most 15 significant digits, no trailing zeros.
std::string FloatToStr(double value);      // user's decimal separator
std::string FloatToSqlStr(double value);   // always "."

// Accepts "." or the user's decimal separator; anything else raises EConvertError.
double StrToFloat(const std::string& text);
bool TryStrToFloat(const std::string& text, double& value);

// The runtime's text-to-boolean conversion: "True"/"False" in any case, or a number (0 false).
bool StrToBool(const std::string& text);
std::string BoolToStr(bool value);  // "True" / "False"

// Dates as days since 30 December 1899.
TDateTime EncodeDate(int year, int month, int day);                      // raises EConvertError
TDateTime EncodeTime(int hour, int minute, int second, int millisecond); // raises EConvertError
bool TryEncodeDate(int year, int month, int day, TDateTime& value);
void DecodeDate(TDateTime value, int& year, int& month, int& day);
void DecodeTime(TDateTime value, int& hour, int& minute, int& second, int& millisecond);
int DayOfWeek(TDateTime value);  // 1 Sunday .. 7 Saturday

TDateTime Now();   // local clock
TDateTime Date();  // local date, no time part

// "dd.mm.yyyy", and " hh:nn:ss" only when the value has a time part.
std::string DateTimeToStr(TDateTime value);
std::string DateToStr(TDateTime value);
// The date in the user's short date format (12.06.2019 in a Russian locale).
std::string ShortDateToStr(TDateTime value);
// Reads "d.m.yyyy" with an optional " h:n[:s]"; raises EConvertError otherwise.
TDateTime StrToDateTime(const std::string& text);

// Patterns: d dd m mm yy yyyy h hh n nn s ss zzz, "m"/"mm" right after an hour
// meaning minutes, "/" the date separator ".", ":" the time separator, and text
// between quotes copied as it stands.
std::string FormatDateTime(const std::string& pattern, TDateTime value);
