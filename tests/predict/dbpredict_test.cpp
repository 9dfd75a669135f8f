#include "predict/dbpredict.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "datafolderfixture.h"
#include "foundation/jxerr.h"
#include "localeguard.h"
#include "logfixture.h"
#include "predict/dbformteam.h"
#include "predict/dbpredict_2_1.h"

namespace {

const std::string Bayes = "13:1286:6:1289:0:5:0:1293:0:0:0:1299:0:5:45:1306:90:0:0:1302:10:5:10;";

// The record's 23 fields in file order: three head fields, then code and three values
// of each group.
std::vector<int> Fields(const IDBPredict& model)
{
    std::vector<int> fields = {model.GetHeadField1(), model.GetHeadField2(), model.GetHeadField3()};
    for (int g = 0; g < 5; ++g)
        for (int value : {model.GetGroupCode(g), model.GetGroupValue1(g), model.GetGroupValue2(g),
                          model.GetGroupValue3(g)})
            fields.push_back(value);
    return fields;
}

std::vector<int> FieldsOf(const std::string& text)
{
    DBPredict model;
    model.Parse(text, 1, 2, 0);
    return Fields(model);
}

std::vector<int> Leading(std::vector<int> values)
{
    values.resize(23, 0);
    return values;
}

// Both kinds of model, each through the interface.
std::vector<std::unique_ptr<IDBPredict>> BothModels()
{
    std::vector<std::unique_ptr<IDBPredict>> models;
    models.push_back(std::make_unique<DBPredict>());
    models.push_back(std::make_unique<DBPredict_2_1>());
    return models;
}

// A computation that places the model in tournament 10, season 4 and fills row 5, as
// a model of a later build will.
class FilledModel : public DBPredict_2_1 {
protected:
    void Calculate(int, int, int) override
    {
        SetChampID(10);
        SetSeasonID(4);
        SetTableCell(5, 0, 24.6f);
        for (int column = 1; column <= 5; ++column)
            SetTableCell(5, column, 33.333f);
        SetTableCell(6, 0, 99.0f);
        SetScores(1.456f, 0.5f);
    }
};

class FilledForm : public DBFormTeam {
public:
    void Fill(float value)
    {
        series1_[0] = value;
        summary_[0] = value;
        summary_[2] = value;
        valid_ = true;
    }
};

using DBPredictTest = LogFixture;

TEST_F(DBPredictTest, RecordFieldsByPosition)
{
    const std::vector<int> bayes = FieldsOf(Bayes);
    EXPECT_EQ(std::vector<int>(bayes.begin(), bayes.begin() + 7), (std::vector<int>{13, 1286, 6, 1289, 0, 5, 0}));
    EXPECT_EQ(std::vector<int>(bayes.end() - 4, bayes.end()), (std::vector<int>{1302, 10, 5, 10}));

    EXPECT_EQ(FieldsOf(Bayes + "99:98:97;"), bayes) << "only the first record counts";
    EXPECT_EQ(FieldsOf("7::9;"), Leading({7, 0, 9})) << "an empty item between two ':' is an item";
    EXPECT_EQ(FieldsOf("x:12:3.5: 4:-2;"), Leading({0, 12, 0, 4, -2})) << "non-numbers read 0";
    EXPECT_EQ(FieldsOf("1:2:3"), Leading({})) << "no record without ';'";
    EXPECT_EQ(FieldsOf(""), Leading({}));
}

TEST_F(DBPredictTest, ModelFileLinesJoinWithoutSeparatorAndAMissingFileIsLogged)
{
    std::filesystem::create_directories(File("Predict"));
    WriteFile(File("Predict/split.prd"), Bayes.substr(0, 20) + "\r\n" + Bayes.substr(20) + "\nnot a record");
    for (const auto& model : BothModels()) {
        EXPECT_TRUE(model->LoadFromFile("split", 17, 18, 0));
        EXPECT_EQ(Fields(*model), FieldsOf(Bayes));
        EXPECT_TRUE(model->LoadFromFile("ver300", 17, 18, 0));
        EXPECT_EQ(Fields(*model), Leading({}));
    }
    const auto& lines = JXErr::GetInstance().Lines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines.front().GetAnsi(), "[WARNING] IDBPredict::LoadFromFile " + File("Predict/ver300.prd"));
}

TEST_F(DBPredictTest, ResultTableAndScoresKeepTheirStartValuesAfterALoad)
{
    for (const auto& model : BothModels()) {
        EXPECT_FALSE(model->Parse(Bayes, 0, 18, 0)) << "no home team";
        EXPECT_EQ(model->GetHeadField2(), 1286) << "filled all the same";
        EXPECT_TRUE(model->Parse(Bayes, 17, 18, 0));
        for (int row : {0, 5})
            for (double value : {model->GetW1(row), model->GetX(row), model->GetW2(row), model->GetUnder(row),
                                 model->GetOver(row)})
                EXPECT_EQ(value, 0.0);
        EXPECT_EQ(model->GetGame(5), 0);
        EXPECT_EQ(model->GetScoreText(0, ":"), "-1:-1");
        EXPECT_EQ(model->GetScore1Text(2), "-1");
        EXPECT_EQ(model->GetSeasonID(), 0);
        EXPECT_EQ(model->GetChampID(), 0);
        // Outside the table and the groups: 0, never a read past an array.
        EXPECT_EQ(model->GetGame(6), 0);
        EXPECT_EQ(model->GetOver(-1), 0.0);
        EXPECT_EQ(model->GetGroupCode(5), 0);
        EXPECT_EQ(model->GetGroupValue3(-1), 0);
    }
}

TEST_F(DBPredictTest, FractionalTableReadsRoundedAndTheScoresAsText)
{
    const LocaleGuard english(QLocale::English);
    FilledModel model;
    model.Parse(Bayes, 17, 18, 0);
    EXPECT_DOUBLE_EQ(model.GetW1(5), 33.33);
    EXPECT_DOUBLE_EQ(model.GetOver(5), 33.33);
    EXPECT_EQ(model.GetGame(5), 25);
    EXPECT_EQ(model.GetGame(6), 0) << "a cell outside the table is not written";
    EXPECT_EQ(model.GetScoreText(1, " - "), "1.5 - 0.5");
    EXPECT_EQ(model.GetScore2Text(0), "1");
}

TEST_F(DBPredictTest, RecentFormSeriesAndTheirHolder)
{
    DBPredict plain;
    DBPredict_2_1 withForm;
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(plain.GetSeries1(i), 0.0f);
        EXPECT_EQ(withForm.GetSeries4(i), 5000.0f);
    }
    EXPECT_EQ(plain.GetSeries2(5), 0.0f);
    EXPECT_THROW(withForm.GetSeries1(5), std::out_of_range);
    EXPECT_THROW(withForm.GetSeries3(-1), std::out_of_range);
    EXPECT_FALSE(withForm.GetFormTeam().IsValid());
    EXPECT_EQ(withForm.GetFormTeam().GetForm2(), 666.0f);

    FilledForm source;
    FilledForm copy = source;
    copy.Fill(1.237f);
    EXPECT_EQ(copy.GetSeries1(0), 1.24f);
    EXPECT_EQ(copy.GetForm1(), 1.24f);
    EXPECT_EQ(copy.GetForm2(), 0.0f) << "valid: the form values are the holder's own";
    EXPECT_EQ(copy.GetValue3(), 1.24f);
    EXPECT_EQ(source.GetSeries1(0), 5000.0f);
    EXPECT_EQ(source.GetForm1(), 666.0f);
    EXPECT_EQ(source.GetValue3(), 0.0f);
}

using DBPredictTableTest = DataFolderFixture;

TEST_F(DBPredictTableTest, TableGamesAreTheGamesOfTheStandingsLeader)
{
    for (const char* sql : {"INSERT INTO Champ(ChampID, TypeID) VALUES(10, 1)", "INSERT INTO Season VALUES(3, '', 3)",
                            "INSERT INTO Season VALUES(4, '', 4)", "INSERT INTO Team VALUES(1, 'Leader', 'ENG')",
                            "INSERT INTO Team VALUES(2, 'Second', 'ENG')"})
        Exec(sql);
    // ChampID, SeasonID, TeamID, RoundID, Field, Game, Win, Draw, Lose, Gol1, Gol2, Point
    for (const char* values : {"10, 4, 1, 1, 1, 3, 3, 0, 0, 6, 1, 9", "10, 4, 2, 1, 1, 4, 1, 1, 2, 4, 5, 4",
                               "10, 3, 2, 1, 1, 10, 10, 0, 0, 20, 0, 30"})
        Exec(std::string("INSERT INTO Stats(ChampID, SeasonID, TeamID, RoundID, Field, Game, Win, Draw, Lose, "
                         "Gol1, Gol2, Point) VALUES(") + values + ")");
    FilledModel model;
    EXPECT_EQ(model.GetTableGames(), 0) << "no tournament yet";
    model.Parse(Bayes, 1, 2, 0);
    EXPECT_EQ(model.GetTableGames(), 3) << "the leader on points of season 4 alone";
}

}  // namespace
