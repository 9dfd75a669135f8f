#include "presenters/dbseriesgrid.h"

#include "data/codes.h"
#include "data/dbsetting.h"
#include "foundation/jxgrid.h"
#include "platform/sysutils.h"
#include "presenters/gridfill.h"

namespace {

constexpr ColumnLayout SeriesColumns[] = {{"100%", 1160, "", 0}, {"80", 1161}, {"80", 1162}};
// The team, its games, then the kinds in SeriesKind order.
constexpr ColumnLayout TopColumns[] = {{"100%", 1141}, {"40", 1031}, {"36", 1203}, {"36", 1204}, {"36", 1205},
                                      {"36", 1206},   {"36", 1207}, {"36", 1208}, {"36", 1209}, {"36", 1210},
                                      {"36", 1211},   {"36", 1212}, {"36", 1213}, {"36", 1214}, {"36", 0, "0:0"}};
constexpr int FirstKindText = 1163;
constexpr int OtherScoresText = 1175;
constexpr const char* NilNilTitle = "0:0";
constexpr int TopKindColumn = 2;  // kinds follow the team and games columns
constexpr const char* SeriesLeagueTypes = "1";

constexpr TColor PaleBlue = 0xFFEEE0;
constexpr TColor PalePeach = 0xE0EEFF;
// Backgrounds of the run rows, in SeriesCalcIndex order: results, their negations,
// totals, scoring, conceding, 0:0.
constexpr TColor RowBands[SeriesCalcIndex::Count] = {PaleBlue,  PaleBlue,  PaleBlue,  PalePeach, PalePeach,
                                                     PalePeach, PaleBlue,  PaleBlue,  PalePeach, PalePeach,
                                                     PaleBlue,  PaleBlue,  PalePeach};

AnsiString ScoreTitle(int cell)
{
    if (cell == ScoreCell::Other)
        return LangText(OtherScoresText);
    const ScoreCell::Score& score = ScoreCell::Scores[cell];
    return IntToStr(score.own) + ":" + IntToStr(score.rival);
}

void SetupScoreColumnsOf(TJXGrid& grid)
{
    grid.SetColCount(ScoreCell::Count);
    for (int cell = 0; cell < ScoreCell::Count; ++cell) {
        grid.SetColsProperty(cell, TColsProperty{2, cell == ScoreCell::Other ? "4%" : "6%", false});
        grid.SetCell(0, cell, ScoreTitle(cell));
    }
}

}  // namespace

DBSeriesGrid::DBSeriesGrid(TJXGrid* grid1, TJXGrid* grid2, TJXGrid* scoreGrid)
    : Data(std::make_unique<DBSeries>()), ScoreData(scoreGrid ? std::make_unique<DBSeries>() : nullptr),
      Grid1(grid1), Grid2(grid2), ScoreGrid(scoreGrid)
{
}

DBSeriesGrid::~DBSeriesGrid() = default;

void DBSeriesGrid::Clear()
{
    ClearGrid(*Grid1);
}

void DBSeriesGrid::SetupSeriesColumns()
{
    SetupGridColumns(*Grid1, SeriesColumns);
}

void DBSeriesGrid::WriteSeries(TJXGrid& grid, const DBSeries& series)
{
    grid.SetRowCount(SeriesCalcIndex::Count + 1);
    for (int k = 0; k < SeriesCalcIndex::Count; ++k) {
        const int row = k + 1;
        const TColor band = RowBands[k];
        const AnsiString title = k == SeriesCalcIndex::NilNil ? AnsiString(NilNilTitle) : LangText(FirstKindText + k);
        SetGridCell(grid, row, 0, title, true, 0, band);
        SetGridCell(grid, row, 1, IntToStr(series.GetCur(k)), series.GetCur(k) >= 2, 0, band);
        SetGridCell(grid, row, 2, IntToStr(series.GetMax(k)), true, 0, band);
    }
    grid.Invalidate();
}

void DBSeriesGrid::FillSeries()
{
    WriteSeries(*Grid1, *Data);
}

void DBSeriesGrid::SetupScoreColumns()
{
    SetupScoreColumnsOf(*ScoreGrid);
}

void DBSeriesGrid::WriteScores(const DBSeries& series, int divisor)
{
    ScoreGrid->SetRowCount(3);
    for (int cell = 0; cell < ScoreCell::Count; ++cell) {
        const int count = series.GetScore(cell);
        const int percent = divisor != 0 ? count * 100 / divisor : 0;
        // The header of every score seen in at least 1 % of the matches stands out.
        const bool bold = percent >= 1;
        ScoreGrid->GetCellsProperty(0, cell).Bold = bold;
        SetGridCell(*ScoreGrid, 1, cell, IntToStr(percent) + "%", bold);
        SetGridCell(*ScoreGrid, 2, cell, IntToStr(count), bold);
    }
    ScoreGrid->Invalidate();
}

void DBSeriesGrid::FillScores()
{
    WriteScores(*Data, Data->GetCount());
}

void DBSeriesGrid::SetupTopColumns()
{
    SetupGridColumns(*Grid1, TopColumns);
}

void DBSeriesGrid::WriteTopRow(int row, int kind)
{
    SetGridCell(*Grid1, row, 0, Data->GetTeamName() + " (" + Data->GetTeamNatID() + ")");
    SetGridCell(*Grid1, row, 1, IntToStr(Data->GetGame()));
    for (int k = 0; k < SeriesKind::Count; ++k) {
        const AnsiString name = SeriesKind::Names[k];
        SetGridCell(*Grid1, row, TopKindColumn + k,
                    IntToStr(Data->GetCurField(name)) + "(" + IntToStr(Data->GetMaxField(name)) + ")",
                    k == kind);
    }
}

void DBSeriesGrid::FillTop(int kind, int field, bool byMax, int typeID)
{
    Data->OpenTop(kind, field, byMax, typeID);
    FillGridRows(*Grid1, *Data, [this, kind](int row) { WriteTopRow(row, kind); });
}

void DBSeriesGrid::SetupMatchColumns()
{
    SetupGridColumns(*Grid1, SeriesColumns);
    SetupGridColumns(*Grid2, SeriesColumns);
    SetupScoreColumnsOf(*ScoreGrid);
}

void DBSeriesGrid::FillMatch(int team1ID, int team2ID, bool allFields)
{
    const int firstSeason = DBSetting::Global()->ReadInteger("SeriesSeason");
    Data->Calc(team1ID, firstSeason, SeriesLeagueTypes, allFields ? FieldCode::Both : FieldCode::Home);
    WriteSeries(*Grid1, *Data);
    Data->Calc(team2ID, firstSeason, SeriesLeagueTypes, allFields ? FieldCode::Both : FieldCode::Away);
    WriteSeries(*Grid2, *Data);
    ScoreData->CalcScores(team1ID, team2ID, allFields);
    WriteScores(*ScoreData, ScoreData->GetScoreTotal());
}
