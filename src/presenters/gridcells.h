#pragma once

#include <cstdint>
#include <span>

#include "foundation/jxgrid.h"
#include "platform/types.h"

// Helpers every presenter writes its grids with.

// The language text of id; 0 gives no text (a column without a header).
AnsiString LangText(int id);

// Width, header text id and alignment of one column.
struct ColumnLayout {
    const char* width;
    int header;  // language text id; 0: no header text
    bool isImage = false;
    std::uint8_t align = 2;  // centred
};

// Makes the grid's columns these, with their headers in row 0.
void SetupColumnSet(TJXGrid& grid, std::span<const ColumnLayout> columns);

// Writes a cell's text together with its whole display record, as records outlive the
// rows they were written for.
void SetGridCell(TJXGrid& grid, int row, int col, const AnsiString& text, const TCellsProperty& look = {});
