#pragma once

#include "platform/types.h"

#include <QAbstractScrollArea>
#include <QFont>
#include <QFontMetrics>

#include <cstdint>
#include <string>
#include <vector>

class QPainter;
class TImageList;

// Display record of one column.
struct TColsProperty {
    std::uint8_t Align = 0;  // 0 left, 2 centred, anything else: no text
    AnsiString Width = "10"; // pixels ("40") or a share of the rest ("100%")
    bool IsImage = false;    // the cell text is an index into the grid's ImageList
};

// Display record of one cell.
struct TCellsProperty {
    TColor FontColor = 0x000000;
    bool Bold = false;
    TColor Color = 0xFFFFFF;
};

// The owner-drawn grid of every list and table: a string grid with one fixed header
// row, addressed (row, column), whose column widths follow the columns' Width texts
// and whose cells are drawn from the column and cell records.
class TJXGrid : public QAbstractScrollArea {
    Q_OBJECT

public:
    // Column records exist for at least this many columns; more are added on demand.
    static constexpr int ColumnRecords = 255;

    explicit TJXGrid(QWidget* owner = nullptr);
    ~TJXGrid() override;

    int RowCount() const { return rowCount_; }
    // At least one data row below the header; texts of rows cut off are dropped.
    void SetRowCount(int rows);
    int ColCount() const { return colCount_; }
    void SetColCount(int cols);
    int FixedRows() const { return 1; }
    int DefaultRowHeight() const { return 18; }
    // The font the cells are drawn in, in pixels like the row heights: 8 points at 96 dpi.
    static QFont TextFont(bool bold);

    // The current cell. Setting them moves the current cell (and fires OnSelectCell)
    // when the value changes; a row outside the data rows or a column outside the
    // columns raises Exception.
    int Row() const { return row_; }
    void SetRow(int row);
    int Col() const { return col_; }
    void SetCol(int col);

    // Cell texts; reading outside the grid gives "".
    const AnsiString& Cell(int row, int col) const;
    void SetCell(int row, int col, const AnsiString& text);

    TColor CurColor() const { return curColor_; }
    void SetCurColor(TColor color);
    bool IsCursor() const { return isCursor_; }
    void SetIsCursor(bool on);
    bool IsRows() const { return isRows_; }
    void SetIsRows(bool on);
    // Not owned; may be null.
    TImageList* ImageList() const { return imageList_; }
    void SetImageList(TImageList* images);

    // Records for reading and writing in place; storage grows to any index >= 0.
    TColsProperty& GetColsProperty(int col);
    TCellsProperty& GetCellsProperty(int row, int col);
    void SetColsProperty(int col, const TColsProperty& record);
    void SetCellsProperty(int row, int col, const TCellsProperty& record);
    // Kept for owners that announce a size before filling; storage grows by itself.
    void ResizeArr(int rows, int cols);

    // Lays the columns out from their Width texts on the current client width now,
    // showing a message box when a text is no number. Painting and hit testing lay
    // out by themselves whenever the texts or the width changed.
    void Resize();
    // Laid-out pixel width of a column.
    int ColWidth(int col);
    // Rectangle of a cell in viewport coordinates; empty when the row is scrolled out.
    QRect CellRect(int row, int col);
    // Schedules a repaint of the whole control.
    void Invalidate();

signals:
    // The current cell moved: clicks, keys and setting Row or Col from code.
    void OnSelectCell(int aCol, int aRow);
    void OnDblClick();
    // Any button pressed on the control, after the current row followed it;
    // x and y are client coordinates.
    void OnMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);

protected:
    virtual void DrawCell(QPainter& painter, int col, int row, const QRect& rect);
    virtual void SelectCell(int col, int row);
    virtual void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    struct CellAt {
        int row = -1;
        int col = -1;
    };
    // What the current column layout was computed from.
    struct LayoutInput {
        int clientWidth = -1;
        std::vector<AnsiString> widths;
        bool operator==(const LayoutInput&) const = default;
    };

    LayoutInput CurrentLayoutInput() const;
    // Runs the layout; on failure returns the message text, columns set so far kept.
    std::string LayoutColumns();
    void EnsureLayout();
    const TCellsProperty& CellRecord(int row, int col) const;
    const TColsProperty& ColRecord(int col) const;
    CellAt MouseCoord(int x, int y);
    int TopRow() const;
    int VisibleDataRows() const;
    void MoveCurrent(int col, int row, bool evenIfSame);
    void ScrollIntoView(int row);
    void UpdateScrollBar();
    void ShowLater(const std::string& text);
    void DrawText(QPainter& painter, const QRect& rect, const AnsiString& text,
        const TColsProperty& column, bool bold);

    int rowCount_ = 5;
    int colCount_ = 5;
    int row_ = 1;
    int col_ = 0;
    TColor curColor_ = 0xFF0000;
    bool isCursor_ = true;
    bool isRows_ = true;
    TImageList* imageList_ = nullptr;

    std::vector<std::vector<AnsiString>> texts_;
    std::vector<TColsProperty> colRecords_;
    std::vector<std::vector<TCellsProperty>> cellRecords_;

    std::vector<int> colWidths_;
    LayoutInput layoutInput_;

    QFont font_;
    QFont boldFont_;
    QFontMetrics metrics_;
    QFontMetrics boldMetrics_;
};
