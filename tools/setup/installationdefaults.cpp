#include "setup/installationdefaults.h"

std::vector<SettingDefault> InstallationSettings(int newestSeason)
{
    return {
        {"UseProxy", false},
        {"ProxyAddress", std::string()},
        {"ProxyPort", 0},
        {"ProxyUser", std::string()},
        {"ProxyPwd", std::string()},
        {"UserName", std::string()},
        {"UserPwd", std::string()},
        {"MyMail", std::string()},
        {"StartTime", 3000},  // the start window is shown
        {"SaveHistory", true},
        {"AutoUpdate", false},
        {"FilterTop", true},
        {"FavDays", 7},
        {"TodayDays", 1},
        {"TodayDaysMinus", 0},
        {"Lang", std::string("ru")},
        {"NoShowFilter", false},
        {"SeriesSeason", newestSeason},
        {"FavNext", 7},
        {"UpdServ", 0},          // the main update server
        {"TourHandicap", 0},     // handicap line 0.5
        {"PredictFileName", std::string()},
        {"TourTotal", 2},        // total-goals line 2.5
    };
}

const WindowPlacement& InstallationPlacement()
{
    // The main window's fixed size; nothing reads the placement back.
    static const WindowPlacement placement{"DlgMain", false, 799, 600, 0, 0};
    return placement;
}

const std::vector<RememberedValue>& InstallationFormData()
{
    // Texts that match no list item leave a picker on its first item.
    static const std::vector<RememberedValue> rows = {
        {"DlgSelectTeam", 0, ""},   // tournament
        {"DlgSelectTeam", 1, ""},   // season
        {"DlgSelectTeam", 2, ""},   // team
        {"DlgSelectChamp", 0, "0"}, // tournament type: all
        {"DlgSelectChamp", 1, ""},  // season
        {"DlgSelectChamp", 2, ""},  // tournament
        {"DlgSelectFixed", 0, ""},  // team's tournament
        {"DlgSelectFixed", 1, ""},  // team's season
        {"DlgSelectFixed", 2, ""},  // team
        {"DlgSelectFixed", 3, ""},  // rival's tournament
        {"DlgSelectFixed", 4, ""},  // rival's season
        {"DlgSelectFixed", 5, ""},  // rival
        {"DlgToday", 0, ""},        // tournament of the day list
        {"DlgToday", 1, "0"},       // streak side: all matches
        {"DlgToday", 2, "0"},       // unused, keeps the later indexes in place
        {"DlgToday", 3, "False"},   // streaks by current run
        {"DlgToday", 4, "0"},       // streak kind: wins
        {"DlgToday", 5, "0"},       // last matches of 1 day
        {"DlgToday", 6, ""},        // tournament of the last matches: the first item
        {"DlgToday", 7, "2"},       // streak total-goals threshold 2.5
        {"DlgToday", 8, "1"},       // first row of the streak table
    };
    return rows;
}
