#pragma once

#include <array>

#include "platform/types.h"

// Texts shared by every unit of the program. The select texts keep their exact
// blanks: callers append their own clauses directly.

extern const AnsiString ConnectionPrefix;
extern const AnsiString SqlFilterSelect;
extern const AnsiString SqlFixedColumns;
extern const AnsiString SqlCalendarOddsSelect;
extern const AnsiString SqlCalendarSelect;
extern const AnsiString SqlFavFixedColumns;
extern const AnsiString SqlFavCalendarSelect;
extern const AnsiString SqlRankingSelect;
extern const AnsiString SqlTableSelect;
extern const AnsiString SqlTableFullSelect;
extern const AnsiString SqlTableSeasonChampSelect;
extern const AnsiString SqlStatsBySeasonSelect;
extern const AnsiString SqlStatsByChampSelect;
extern const AnsiString SqlTeamResultsColumns;
extern const AnsiString SqlChampSelect;

extern const AnsiString VersionText;

// The registry key of the settings, opened without creating it.
extern const AnsiString SettingsKey;

// The names of the settings values, in their stored order.
extern const std::array<const char*, 25> SettingValueNames;

// The window keys of the tables FormSetting and FormData.
extern const std::array<const char*, 8> WindowKeys;

