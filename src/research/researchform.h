#pragma once

#include <exception>
#include <span>

#include <QFont>

#include "platform/types.h"
#include "presenters/gridfill.h"

class QCalendarWidget;
class TJXGrid;

// What the research windows share.

// A font of their fixed layouts.
QFont LayoutFont(const char* family, int pixels, bool bold);

// The day chosen in the calendar.
TDateTime CalendarDay(const QCalendarWidget* calendar);

// The result grid: the row cursor in blue over whole rows, the columns and their titles,
// and one empty row.
void SetupResearchGrid(TJXGrid& grid, std::span<const ColumnLayout> columns);

// A failed command: its message shown and written to the error log.
void ReportFailure(const std::exception& error);
