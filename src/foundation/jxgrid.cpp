#include "foundation/jxgrid.h"

#include "platform/colors.h"
#include "platform/exceptions.h"
#include "platform/imagelist.h"
#include "platform/messagebox.h"
#include "platform/sysutils.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>
#include <cstdint>

namespace {

constexpr TColor HeaderColor = 0x999900;
constexpr TColor FrameColor = 0xEEEEEE;
// Keeps absurd width texts from overflowing the pixel arithmetic.
constexpr std::int64_t MaxColumnWidth = 1 << 20;

constexpr const char* OutOfRange = "Grid index out of range";

}  // namespace

TJXGrid::TJXGrid(QWidget* owner)
    : QAbstractScrollArea(owner),
      colRecords_(ColumnRecords),
      colWidths_(colCount_, 0),
      font_(TextFont(false)),
      boldFont_(TextFont(true)),
      metrics_(font_),
      boldMetrics_(boldFont_)
{
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::ClickFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    cellRecords_.resize(rowCount_);
    UpdateScrollBar();
}

// Where Arial is missing, font matching falls back to the installed sans font.
QFont TJXGrid::TextFont(bool bold)
{
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    font.setBold(bold);
    return font;
}

TJXGrid::~TJXGrid() = default;

void TJXGrid::SetRowCount(int rows)
{
    rows = std::max(rows, FixedRows() + 1);
    rowCount_ = rows;
    const auto count = static_cast<size_t>(rows);
    if (texts_.size() > count)
        texts_.resize(count);
    if (cellRecords_.size() < count)
        cellRecords_.resize(count);
    row_ = std::min(row_, rows - 1);
    UpdateScrollBar();
    Invalidate();
}

void TJXGrid::SetColCount(int cols)
{
    cols = std::max(cols, 1);
    colCount_ = cols;
    const auto count = static_cast<size_t>(cols);
    for (std::vector<AnsiString>& line : texts_)
        if (line.size() > count)
            line.resize(count);
    if (colRecords_.size() < count)
        colRecords_.resize(count);
    colWidths_.resize(count, 0);
    col_ = std::min(col_, cols - 1);
    Invalidate();
}

void TJXGrid::SetRow(int row)
{
    if (row < FixedRows() || row >= rowCount_)
        throw Exception(OutOfRange);
    MoveCurrent(col_, row, false);
}

void TJXGrid::SetCol(int col)
{
    if (col < 0 || col >= colCount_)
        throw Exception(OutOfRange);
    MoveCurrent(col, row_, false);
}

const AnsiString& TJXGrid::Cell(int row, int col) const
{
    static const AnsiString empty;
    if (row < 0 || col < 0 || row >= rowCount_ || col >= colCount_ || static_cast<size_t>(row) >= texts_.size())
        return empty;
    const std::vector<AnsiString>& line = texts_[row];
    return static_cast<size_t>(col) < line.size() ? line[col] : empty;
}

void TJXGrid::SetCell(int row, int col, const AnsiString& text)
{
    if (row < 0 || col < 0)
        throw Exception(OutOfRange);
    if (static_cast<size_t>(row) >= texts_.size())
        texts_.resize(row + 1);
    std::vector<AnsiString>& line = texts_[row];
    if (static_cast<size_t>(col) >= line.size())
        line.resize(col + 1);
    line[col] = text;
    Invalidate();
}

void TJXGrid::SetCurColor(TColor color)
{
    curColor_ = color;
    Invalidate();
}

void TJXGrid::SetIsCursor(bool on)
{
    isCursor_ = on;
    Invalidate();
}

void TJXGrid::SetIsRows(bool on)
{
    isRows_ = on;
    Invalidate();
}

void TJXGrid::SetImageList(TImageList* images)
{
    imageList_ = images;
    Invalidate();
}

TColsProperty& TJXGrid::GetColsProperty(int col)
{
    if (col < 0)
        throw Exception(OutOfRange);
    if (static_cast<size_t>(col) >= colRecords_.size())
        colRecords_.resize(col + 1);
    return colRecords_[col];
}

TCellsProperty& TJXGrid::GetCellsProperty(int row, int col)
{
    if (row < 0 || col < 0)
        throw Exception(OutOfRange);
    if (static_cast<size_t>(row) >= cellRecords_.size())
        cellRecords_.resize(row + 1);
    std::vector<TCellsProperty>& line = cellRecords_[row];
    if (static_cast<size_t>(col) >= line.size())
        line.resize(std::max(col + 1, colCount_));
    return line[col];
}

void TJXGrid::SetColsProperty(int col, const TColsProperty& record)
{
    GetColsProperty(col) = record;
}

void TJXGrid::SetCellsProperty(int row, int col, const TCellsProperty& record)
{
    GetCellsProperty(row, col) = record;
}

void TJXGrid::ResizeArr(int, int) {}

const TCellsProperty& TJXGrid::CellRecord(int row, int col) const
{
    static const TCellsProperty defaults;
    if (static_cast<size_t>(row) >= cellRecords_.size())
        return defaults;
    const std::vector<TCellsProperty>& line = cellRecords_[row];
    return static_cast<size_t>(col) < line.size() ? line[col] : defaults;
}

const TColsProperty& TJXGrid::ColRecord(int col) const
{
    return colRecords_[col];
}

void TJXGrid::Resize()
{
    layoutInput_ = CurrentLayoutInput();
    const std::string failure = LayoutColumns();
    Invalidate();
    if (!failure.empty())
        ShowMessage(failure);
}

TJXGrid::LayoutInput TJXGrid::CurrentLayoutInput() const
{
    LayoutInput input;
    input.clientWidth = viewport()->width();
    input.widths.reserve(colCount_);
    for (int col = 0; col < colCount_; ++col)
        input.widths.push_back(ColRecord(col).Width);
    return input;
}

std::string TJXGrid::LayoutColumns()
{
    // The stage mark tells a failure report how far the layout got.
    std::string stage = "0";
    try {
        const auto store = [this](int col, std::int64_t width) {
            colWidths_[col] = static_cast<int>(std::clamp<std::int64_t>(width, 0, MaxColumnWidth));
        };
        std::vector<int> percentCols;
        std::int64_t sum = 0;
        for (int col = 0; col < colCount_; ++col) {
            const AnsiString& width = ColRecord(col).Width;
            if (width.find('%') != AnsiString::npos) {
                percentCols.push_back(col);
                continue;
            }
            const std::int64_t pixels = StrToInt(width);
            store(col, pixels);
            sum += pixels;
        }
        stage += "1";
        const int clientWidth = viewport()->width();
        const std::int64_t rest = clientWidth - sum;
        stage += "2";
        for (size_t k = 0; k < percentCols.size(); ++k) {
            stage += "3";
            const int col = percentCols[k];
            std::int64_t width = clientWidth - sum;  // the last one takes what is left, exactly
            if (k + 1 < percentCols.size()) {
                const AnsiString& text = ColRecord(col).Width;
                width = StrToInt(text.substr(0, text.find('%'))) * rest / 100;
            }
            store(col, width);
            sum += width;
        }
        return {};
    } catch (const std::exception& error) {
        return "Resize" + stage + error.what();
    }
}

void TJXGrid::EnsureLayout()
{
    LayoutInput input = CurrentLayoutInput();
    if (input == layoutInput_)
        return;
    layoutInput_ = std::move(input);
    const std::string failure = LayoutColumns();
    if (!failure.empty())
        ShowLater(failure);
}

int TJXGrid::ColWidth(int col)
{
    EnsureLayout();
    return col >= 0 && col < colCount_ ? colWidths_[col] : 0;
}

QRect TJXGrid::CellRect(int row, int col)
{
    EnsureLayout();
    if (row < 0 || row >= rowCount_ || col < 0 || col >= colCount_)
        return {};
    int visualRow = row;
    if (row >= FixedRows()) {
        if (row < TopRow())
            return {};
        visualRow = FixedRows() + row - TopRow();
    }
    int left = 0;
    for (int i = 0; i < col; ++i)
        left += colWidths_[i];
    return QRect(left, visualRow * DefaultRowHeight(), colWidths_[col], DefaultRowHeight());
}

void TJXGrid::Invalidate()
{
    viewport()->update();
}

TJXGrid::CellAt TJXGrid::MouseCoord(int x, int y)
{
    EnsureLayout();
    CellAt cell;
    if (x < 0 || y < 0)
        return cell;
    int left = 0;
    for (int col = 0; col < colCount_; ++col) {
        left += colWidths_[col];
        if (x < left) {
            cell.col = col;
            break;
        }
    }
    const int visualRow = y / DefaultRowHeight();
    const int row = visualRow < FixedRows() ? visualRow : TopRow() + visualRow - FixedRows();
    if (row < rowCount_)
        cell.row = row;
    return cell;
}

int TJXGrid::TopRow() const
{
    return FixedRows() + verticalScrollBar()->value();
}

int TJXGrid::VisibleDataRows() const
{
    return std::max(1, viewport()->height() / DefaultRowHeight() - FixedRows());
}

void TJXGrid::UpdateScrollBar()
{
    const int visible = VisibleDataRows();
    QScrollBar* bar = verticalScrollBar();
    bar->setSingleStep(1);
    bar->setPageStep(visible);
    bar->setRange(0, std::max(0, rowCount_ - FixedRows() - visible));
}

void TJXGrid::ScrollIntoView(int row)
{
    if (row < FixedRows())
        return;
    const int top = TopRow();
    const int visible = VisibleDataRows();
    if (row < top)
        verticalScrollBar()->setValue(row - FixedRows());
    else if (row >= top + visible)
        verticalScrollBar()->setValue(row - visible + 1 - FixedRows());
}

void TJXGrid::MoveCurrent(int col, int row, bool evenIfSame)
{
    if (!evenIfSame && col == col_ && row == row_)
        return;
    col_ = col;
    row_ = row;
    ScrollIntoView(row);
    SelectCell(col, row);
}

// Handlers see the grid already on the new cell, so Row and Col agree with the arguments.
void TJXGrid::SelectCell(int col, int row)
{
    Invalidate();
    emit OnSelectCell(col, row);
}

void TJXGrid::ShowLater(const std::string& text)
{
    // Never open a modal box from inside painting or layout; show it once the event loop runs.
    QTimer::singleShot(0, this, [text] { ShowMessage(text); });
}

void TJXGrid::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    painter.fillRect(event->rect(), Qt::white);
    if (!isRows_)
        return;
    EnsureLayout();
    const QRect area = event->rect();
    std::string failure;
    const auto drawRow = [&](int row, int top) {
        int left = 0;
        for (int col = 0; col < colCount_ && left <= area.right(); ++col) {
            const QRect rect(left, top, colWidths_[col], DefaultRowHeight());
            left += colWidths_[col];
            if (rect.width() < 2 || !rect.intersects(area))
                continue;
            try {
                DrawCell(painter, col, row, rect);
            } catch (const std::exception& error) {
                if (failure.empty())
                    failure = std::string("DrawCell") + error.what();
            }
        }
    };
    for (int row = 0; row < FixedRows() && row < rowCount_; ++row)
        drawRow(row, row * DefaultRowHeight());
    for (int row = TopRow(), top = FixedRows() * DefaultRowHeight(); row < rowCount_ && top <= area.bottom();
            ++row, top += DefaultRowHeight())
        drawRow(row, top);
    if (!failure.empty())
        ShowLater(failure);
}

void TJXGrid::DrawCell(QPainter& painter, int col, int row, const QRect& rect)
{
    const bool fixed = row < FixedRows();
    const TCellsProperty& cell = CellRecord(row, col);
    TColor pen = FrameColor;
    if (fixed)
        pen = 0x000000;
    else if (row == row_ && isCursor_)
        pen = curColor_;
    // The frame covers Left..Right-2 and Top..Bottom-1: a one-pixel gap stays at the right.
    const QRect frame(rect.left(), rect.top(), rect.width() - 1, rect.height());
    painter.fillRect(frame, ToQColor(fixed ? HeaderColor : cell.Color));
    painter.setPen(ToQColor(pen));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(frame.adjusted(0, 0, -1, -1));

    const TColsProperty& column = ColRecord(col);
    if (column.IsImage) {
        if (row == 0 || imageList_ == nullptr)
            return;
        painter.save();
        painter.setClipRect(frame);
        imageList_->Draw(painter, rect.left() + 1, rect.top() + 1, StrToIntDef(Cell(row, col), 0), true);
        painter.restore();
        return;
    }
    painter.setPen(ToQColor(cell.FontColor));
    DrawText(painter, rect, Cell(row, col), column, cell.Bold);
}

void TJXGrid::DrawText(QPainter& painter, const QRect& rect, const AnsiString& text,
    const TColsProperty& column, bool bold)
{
    if ((column.Align != 0 && column.Align != 2) || text.empty())
        return;
    const QString shown = QString::fromStdString(text);
    const QFontMetrics& metrics = bold ? boldMetrics_ : metrics_;
    const int textWidth = metrics.horizontalAdvance(shown);
    int x = rect.left() + 2;
    int y = rect.top() + 2;
    if (column.Align == 2) {
        x = rect.left() + (rect.width() - textWidth) / 2;
        y = rect.top() + 1;
    }
    painter.setFont(bold ? boldFont_ : font_);
    // Text too wide for its cell is cut at the frame instead of running into the next cell.
    const QRect inside(rect.left() + 1, rect.top() + 1, rect.width() - 3, rect.height() - 2);
    const bool clipped = x < inside.left() || x + textWidth > inside.left() + inside.width();
    if (clipped) {
        painter.save();
        painter.setClipRect(inside);
    }
    painter.drawText(QPoint(x, y + metrics.ascent()), shown);
    if (clipped)
        painter.restore();
}

void TJXGrid::MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y)
{
    try {
        const CellAt cell = MouseCoord(x, y);
        if (cell.col != -1 && cell.row >= FixedRows()) {
            // Any button moves the current row; only the left one also picks the column.
            if (button == Qt::LeftButton)
                MoveCurrent(cell.col, cell.row, true);
            else
                MoveCurrent(col_, cell.row, false);
        }
        emit OnMouseDown(button, shift, x, y);
    } catch (const std::exception& error) {
        ShowMessage(std::string("MouseDown") + error.what());
    }
}

void TJXGrid::mousePressEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    MouseDown(event->button(), event->modifiers(), at.x(), at.y());
}

void TJXGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    mousePressEvent(event);
    if (event->button() == Qt::LeftButton)
        emit OnDblClick();
}

void TJXGrid::keyPressEvent(QKeyEvent* event)
{
    int row = row_;
    switch (event->key()) {
    case Qt::Key_Up: --row; break;
    case Qt::Key_Down: ++row; break;
    case Qt::Key_PageUp: row -= VisibleDataRows(); break;
    case Qt::Key_PageDown: row += VisibleDataRows(); break;
    case Qt::Key_Home: row = FixedRows(); break;
    case Qt::Key_End: row = rowCount_ - 1; break;
    default: QAbstractScrollArea::keyPressEvent(event); return;
    }
    MoveCurrent(col_, std::clamp(row, FixedRows(), rowCount_ - 1), false);
}

void TJXGrid::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBar();
}

void TJXGrid::scrollContentsBy(int, int)
{
    Invalidate();
}
