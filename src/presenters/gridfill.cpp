#include "presenters/gridfill.h"

#include "data/dbase.h"
#include "data/dbsetting.h"
#include "foundation/jxgrid.h"

#include <algorithm>

AnsiString LangText(int id)
{
    return id == 0 ? AnsiString() : DBSetting::Global()->GetLangText(id);
}

void SetupGridColumns(TJXGrid& grid, std::span<const ColumnLayout> columns, bool boldHeader)
{
    grid.SetColCount(static_cast<int>(columns.size()));
    for (size_t i = 0; i < columns.size(); ++i) {
        const int col = static_cast<int>(i);
        const ColumnLayout& column = columns[i];
        grid.SetColsProperty(col, TColsProperty{column.align, column.width, column.isImage});
        SetGridCell(grid, 0, col, column.header != 0 ? LangText(column.header) : AnsiString(column.literal),
                    boldHeader);
    }
}

void SetGridCell(TJXGrid& grid, int row, int col, const AnsiString& text, bool bold, TColor fontColor,
                 TColor background)
{
    grid.SetCell(row, col, text);
    grid.SetCellsProperty(row, col, TCellsProperty{fontColor, bold, background});
}

void ClearGrid(TJXGrid& grid)
{
    grid.SetRowCount(2);
    for (int col = 0; col < grid.ColCount(); ++col)
        SetGridCell(grid, 1, col, "");
}

int FillGridRows(TJXGrid& grid, DBase& data, const std::function<void(int row)>& writeRow)
{
    const int rows = data.Count();
    if (rows < 1) {
        ClearGrid(grid);
    } else {
        grid.SetRowCount(rows + 1);
        TADOQuery* query = data.GetQuery();
        query->First();
        for (int row = 1; row <= rows; ++row, query->Next())
            writeRow(row);
    }
    grid.Invalidate();
    return std::max(rows, 0);
}
