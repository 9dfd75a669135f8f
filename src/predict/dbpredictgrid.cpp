#include "predict/dbpredictgrid.h"

#include <array>

#include "data/dbsetting.h"
#include "foundation/jxgrid.h"

namespace {

constexpr int ColumnCount = 7;
constexpr TColor ResultRowColor = 0xddffdd;
constexpr TColor LastRowColor = 0xffdddd;
constexpr int LastRow = 6;

struct Column {
    const char* width;
    int langID;           // 0: the fixed header text below
    const char* header;
};

constexpr std::array<Column, ColumnCount> Columns = {{
        {"100%", 1236, ""},
        {"50", 1031, ""},
        {"65", 0, "1"},
        {"65", 0, "X"},
        {"65", 0, "2"},
        {"55", 1137, ""},
        {"55", 1136, ""},
}};

}  // namespace

DBPredictGrid::DBPredictGrid() = default;

DBPredictGrid::~DBPredictGrid() = default;

void DBPredictGrid::InitGrid(TJXGrid* grid)
{
    grid->SetColCount(ColumnCount);
    for (int col = 0; col < ColumnCount; ++col) {
        TColsProperty& column = grid->GetColsProperty(col);
        column.Width = Columns[col].width;
        column.Align = 2;
    }
    grid->GetColsProperty(0).Align = 0;
    for (int col = 0; col < ColumnCount; ++col) {
        grid->GetCellsProperty(0, col).Bold = true;
        for (int row = 1; row < LastRow; ++row)
            grid->GetCellsProperty(row, col).Color = ResultRowColor;
        grid->GetCellsProperty(LastRow, col).Color = LastRowColor;
        const int langID = Columns[col].langID;
        grid->SetCell(0, col, langID ? DBSetting::Global()->GetLangText(langID) : AnsiString(Columns[col].header));
    }
}
