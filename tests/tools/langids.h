#pragma once

#include <string>
#include <vector>

// Every text id the program asks the language file for, grouped by the window or
// list that shows it. An id used in several places is listed once, under its first
// use; the comments name the other places.
struct LangIdGroup {
    std::string use;
    std::vector<int> ids;
};

namespace langids {

inline std::vector<int> Range(int first, int last)
{
    std::vector<int> ids;
    for (int id = first; id <= last; ++id)
        ids.push_back(id);
    return ids;
}

inline std::vector<int> Join(std::vector<int> ids, const std::vector<int>& more)
{
    ids.insert(ids.end(), more.begin(), more.end());
    return ids;
}

}  // namespace langids

inline const std::vector<LangIdGroup>& LangIdGroups()
{
    using langids::Join;
    using langids::Range;
    static const std::vector<LangIdGroup> groups = {
        // Captions of the twelve main toolbar buttons; 1005 also names the update
        // button and the settings' update page, 1008 the settings window, 1010 the
        // support window.
        {"main toolbar", Range(1001, 1012)},
        // Navigation bar hints, country labels, the filter button (1021 is also the
        // filter window's caption) and the hidden export button.
        {"main window navigation", {1013, 1014, 1015, 1016, 1017, 1020, 1021, 1258}},
        // The message at start about a data file that cannot be read.
        {"main window start", {1019}},
        // Result summary titles (1031-1034 and 1037 also on the match card; 1031 heads
        // the games column of the streak top list and the forecast grid; 1032 titles
        // the result row of the round-by-round strips) and their hints.
        {"result summary", Range(1031, 1041)},
        // Match lists: main list, compact last-match lists, calendars; 1023 also labels
        // the tournament combos and heads tournament columns.
        {"match list columns", Join(Range(1022, 1030), Range(1065, 1068))},
        // Team, tournament and head-to-head pickers (1043, 1044 shared by them).
        {"pickers", Range(1042, 1047)},
        {"nearest-matches window",
         {1048, 1049, 1202, 1229, 1230, 1231, 1233, 1247, 1248, 1249, 1267, 1281, 1404}},
        // Update dialog: caption, the step log, the login-refused page, the count of
        // rejected statements; 1051 is also the close button of the filter and support
        // windows, 1057 the compaction button of the settings.
        {"update dialog", Join({1050, 1051, 1246, 1402}, Range(1052, 1064))},
        // Filter window; 1092-1094 are the all/home/away choices of every card,
        // 1095-1097 the result choices and pie labels, 1107 the total-goals titles.
        {"filter window", Join(Range(1092, 1107), {1200})},
        {"settings dialog", Join({1086, 1089, 1201, 1232, 1250, 1251, 1259, 1403}, Range(1108, 1124))},
        // About window and the settings' about page; 1245 is the web page address.
        {"about", {1080, 1082, 1083, 1245}},
        {"support message", Join(Range(1076, 1079), Range(1216, 1221))},
        // Team card tabs and choices; 1071 also names a page of the nearest-matches
        // window, 1126-1128 and 1133-1137 are also on the tournament and match cards,
        // 1136/1137 head the forecast grid's over/under columns.
        {"team card", Join(Range(1125, 1140), {1071, 1260, 1262, 1263})},
        // Standings and statistics grids (cards and the nearest-matches window).
        {"standings and statistics columns", Join(Range(1141, 1159), {1257})},
        // Streak tables: headers, the thirteen team streak rows (1175 also heads the
        // "other scores" column), the top list columns and streak kind buttons
        // (1211 and 1212 also caption two round-by-round choices of the tournament card).
        {"streaks", Join(Range(1160, 1175), Range(1203, 1215))},
        {"tournament card", Join(Range(1176, 1182), {1234, 1253})},
        {"match card", Join(Range(1183, 1186), {1196, 1197, 1198, 1199, 1237, 1254, 1255, 1266, 1401})},
        // Squad grids of both cards and the line-up window.
        {"squads and line-up", Join({1261}, Range(1268, 1280))},
        // Title of the round-by-round strip and the forecast grid's label column.
        {"round-by-round strip and forecast grid", {1235, 1236}},
    };
    return groups;
}
