#pragma once

#include <cstdint>
#include <functional>
#include <span>

#include "platform/types.h"

class DBase;
class TJXGrid;

// One column of a presenter's layout.
struct ColumnLayout {
    const char* width;         // pixels ("40"), a share of the rest ("100%"), "0" hides it
    int header = 0;            // language text id of the header; 0: the literal below
    const char* literal = "";  // header text that no language translates
    std::uint8_t align = 2;    // centred unless said otherwise
    bool isImage = false;      // the cell text is an image index
};

// The language text of id; empty for 0.
AnsiString LangText(int id);

// Sets the grid's columns and header row from the layout.
void SetupGridColumns(TJXGrid& grid, std::span<const ColumnLayout> columns, bool boldHeader = false);

// Writes a cell's text together with its whole display record, as records outlive the
// rows they were written for.
void SetGridCell(TJXGrid& grid, int row, int col, const AnsiString& text, bool bold = false, TColor fontColor = 0,
                 TColor background = 0xFFFFFF);

// The empty list: a header and one empty row.
void ClearGrid(TJXGrid& grid);

// Walks the data object's rows into grid rows 1.. (or clears the grid when there are
// none) and repaints; returns the number of rows.
int FillGridRows(TJXGrid& grid, DBase& data, const std::function<void(int row)>& writeRow);
