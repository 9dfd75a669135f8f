#include "research/rffpicktable.h"

#include <algorithm>
#include <cctype>

#include "data/dbfixed.h"
#include "foundation/jxdatetime.h"
#include "platform/sysutils.h"
#include "predict/dbpredictkelto.h"

namespace {

const char* const ColumnNames =
        "DateTime,ChampName,Team1ID,Team1Name,Team2ID,Team2Name,Stats,Finans,Inform,Advice,Score,Value";
const char* const Field = ":";
// The server's columns Advice, Score and Value, which the program leaves blank.
const char* const BlankColumns = ": : : ";

struct HourMinute {
    int hour = 0;
    int minute = 0;
};

HourMinute ParseFixTime(const AnsiString& fixTime)
{
    if (fixTime.size() != 4 || !std::all_of(fixTime.begin(), fixTime.end(), [](unsigned char c) {
            return std::isdigit(c);
        }))
        return {};
    const HourMinute time{std::stoi(fixTime.substr(0, 2)), std::stoi(fixTime.substr(2, 2))};
    if (time.hour > 23 || time.minute > 59)
        return {};
    return time;
}

}  // namespace

RffPick RffPickOf(DBFixed& fixed, const DBPredictKelto& kelto)
{
    return {fixed.GetDate(),
            fixed.GetFixTime(),
            fixed.GetChamp(),
            fixed.GetTeam1ID(),
            fixed.GetTeam1(),
            fixed.GetTeam2ID(),
            fixed.GetTeam2(),
            {kelto.GetAlgoText(0), kelto.GetAlgoText(1), kelto.GetAlgoText(2)}};
}

int KickOffTime(TDateTime date, const AnsiString& fixTime)
{
    int year = 0, month = 0, day = 0;
    DecodeDate(date, year, month, day);
    const HourMinute time = ParseFixTime(fixTime);
    JXDateTime kickOff;
    kickOff.Encode(year, month, day, time.hour, time.minute, 0);
    return kickOff.GetTime();
}

RffPickTable::RffPickTable()
{
    table_.AddRow(ColumnNames, ",");
}

bool RffPickTable::Add(const RffPick& pick)
{
    if (std::all_of(pick.picks.begin(), pick.picks.end(), [](const AnsiString& text) { return text.empty(); }))
        return false;
    const JXStr row = JXStr(IntToStr(KickOffTime(pick.date, pick.fixTime))) + Field + pick.champ + Field +
                      IntToStr(pick.team1ID) + Field + pick.team1 + Field + IntToStr(pick.team2ID) + Field +
                      pick.team2 + Field + pick.picks[0] + Field + pick.picks[1] + Field + pick.picks[2] +
                      BlankColumns;
    table_.AddRow(JXStr::Replace(row, "&", ""), Field);
    return true;
}

JXStr RffPickTable::ToText() const
{
    return table_.ToText();
}
