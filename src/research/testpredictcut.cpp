#include "research/testpredictcut.h"

#include "data/datatransaction.h"
#include "data/dbconnect.h"
#include "foundation/jxdatetime.h"
#include "foundation/jxstr.h"
#include "platform/exceptions.h"
#include "update/dbupdateview.h"

#include <exception>

namespace {

// Statements that raise on failure, so the cut stops at the first one.
void Exec(const AnsiString& sql)
{
    DBConnect::GetData()->ExecSQL(sql, true);
}

void MoveMatches(const AnsiString& dateText)
{
    // A parked match that an update has brought back into Fixed stays there: putting it
    // back again would break the unique match key and refuse every later cut.
    Exec("INSERT INTO Fixed SELECT * FROM _Fixed WHERE FixedIND NOT IN (SELECT FixedIND FROM Fixed)");
    Exec("DELETE FROM _Fixed");
    Exec(JXStr::Replace("INSERT INTO _Fixed SELECT * FROM Fixed WHERE Date >= #{Date}#", "{Date}", dateText));
    Exec(JXStr::Replace("DELETE FROM Fixed WHERE Date >= #{Date}#", "{Date}", dateText));
    Exec("DELETE FROM Calendar");
    Exec("INSERT INTO Calendar SELECT F.Date, F.Team1ID, F.Team2ID, F.RoundID, F.Tur, F.ChampID, \"0000\" AS FixTime, "
         "F.Kef1 AS Kef1, F.KefX AS KefX, F.Kef2 AS Kef2, F.Un25 AS Un25, F.Ov25 AS Ov25, F.AsianHandicap, "
         "F.AsianKef1, F.AsianKef2, F.Gol1, F.Gol2 FROM _Fixed AS F");
}

}  // namespace

AnsiString CutDateText(TDateTime day)
{
    return JXDateTime(day).Format("%m/%d/%Y");
}

void TestPredictCut(TDateTime day, IProgressBar* bar)
{
    try {
        DataTransaction transaction;
        MoveMatches(CutDateText(day));
        // A rebuild that fails undoes only itself and does not stop the cut; the mark
        // then has the next update rebuild. A transaction the database gave up on
        // during it makes the commit fail.
        DBUpdateView::MarkStatsOutOfDate();
        DBUpdateView().UpdateStats(bar, 100);
        transaction.Commit();
    } catch (const std::exception& error) {
        throw Exception(error.what());
    }
    DBConnect::GetData()->CompactDB();
}
