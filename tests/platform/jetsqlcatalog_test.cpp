#include "jetsqlcatalog.h"

#include <gtest/gtest.h>

#include "jettestdatabase.h"

namespace {

// Translates and runs each text in order on the match schema, reporting each failure.
void ExpectAllRun(const std::vector<ProgramSqlText>& texts)
{
    JetTestDatabase db;
    db.ExecJet("INSERT INTO Fixed(FixedIND, Date, Team1ID, Team2ID, Gol1, Gol2, ChampID, SeasonID) "
               "VALUES(1, #6/12/2019#, 17, 18, 2, 1, 1, 3)");
    for (const ProgramSqlText& text : texts) {
        try {
            db.QueryJet(text.jetSql);
        } catch (const std::exception& error) {
            ADD_FAILURE() << text.name << ": " << error.what();
        }
    }
}

}  // namespace

TEST(JetSqlCatalogTest, EverySharedSelectTextTranslatesAndRuns)
{
    ExpectAllRun(SharedSelectStatements());
}

TEST(JetSqlCatalogTest, EveryOtherProgramTextTranslatesAndRuns)
{
    ExpectAllRun(ProgramStatements());
}
