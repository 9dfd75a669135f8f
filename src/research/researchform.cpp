#include "research/researchform.h"

#include "foundation/jxerr.h"
#include "foundation/jxgrid.h"
#include "platform/messagebox.h"
#include "platform/sysutils.h"

#include <QCalendarWidget>

QFont LayoutFont(const char* family, int pixels, bool bold)
{
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

TDateTime CalendarDay(const QCalendarWidget* calendar)
{
    const QDate day = calendar->selectedDate();
    return EncodeDate(day.year(), day.month(), day.day());
}

void SetupResearchGrid(TJXGrid& grid, std::span<const ColumnLayout> columns)
{
    grid.SetCurColor(0xFF0000);
    grid.SetIsCursor(true);
    grid.SetIsRows(true);
    SetupGridColumns(grid, columns);
    ClearGrid(grid);
}

void ReportFailure(const std::exception& error)
{
    ShowMessage(error.what());
    JXErr::Error(error.what());
}
