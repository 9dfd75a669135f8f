#include "presenters/gridcells.h"

#include "data/dbsetting.h"

AnsiString LangText(int id)
{
    return id == 0 ? AnsiString() : DBSetting::Global()->GetLangText(id);
}

void SetupColumnSet(TJXGrid& grid, std::span<const ColumnLayout> columns)
{
    grid.SetColCount(static_cast<int>(columns.size()));
    for (size_t i = 0; i < columns.size(); ++i) {
        const int col = static_cast<int>(i);
        grid.SetColsProperty(col, TColsProperty{columns[i].align, columns[i].width, columns[i].isImage});
        grid.SetCell(0, col, LangText(columns[i].header));
    }
}

void SetGridCell(TJXGrid& grid, int row, int col, const AnsiString& text, const TCellsProperty& look)
{
    grid.SetCell(row, col, text);
    grid.SetCellsProperty(row, col, look);
}
