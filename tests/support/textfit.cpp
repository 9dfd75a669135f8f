#include "textfit.h"

#include "foundation/jxgrid.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>
#include <QRegularExpression>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

#include <algorithm>
#include <map>
#include <optional>

namespace {

// One caption to check: where the text stands in the window, and how much of it the
// control's own room can show.
struct Caption {
    std::string control;
    QString text;
    int needed = 0;
    int available = 0;
    QRect span;  // the text's place, in window coordinates
};

int TextWidth(const QWidget& control, const QString& text)
{
    int width = 0;
    for (const QString& line : text.split('\n'))
        width = std::max(width, control.fontMetrics().horizontalAdvance(line.trimmed()));
    return width;
}

QRect InWindow(const QWidget& control, const QRect& rect, const QWidget& window)
{
    return QRect(control.mapTo(&window, rect.topLeft()), rect.size());
}

// The text's box in the room: as wide and as high as the text, placed by the alignment
// (vertically centred unless aligned to the top or the bottom).
QRect Span(const QRect& room, QSize text, Qt::Alignment alignment)
{
    QRect span(room.topLeft(), QSize(std::min(text.width(), room.width()), std::min(text.height(), room.height())));
    if (alignment & Qt::AlignRight)
        span.moveRight(room.right());
    else if (alignment & Qt::AlignHCenter)
        span.moveLeft(room.left() + (room.width() - span.width()) / 2);
    if (alignment & Qt::AlignBottom)
        span.moveBottom(room.bottom());
    else if (!(alignment & Qt::AlignTop))
        span.moveTop(room.top() + (room.height() - span.height()) / 2);
    return span;
}

Caption MakeCaption(const QWidget& control, const std::string& name, const QString& text, int needed,
                    const QRect& room, Qt::Alignment alignment, const QWidget& window)
{
    const QSize size(needed, control.fontMetrics().height() * static_cast<int>(text.count('\n') + 1));
    return Caption{name, text, needed, room.width(), InWindow(control, Span(room, size, alignment), window)};
}

std::optional<Caption> LabelCaption(const QLabel& label, const QWidget& window)
{
    // A wrapping label breaks its text to its own width.
    if (label.text().isEmpty() || label.wordWrap())
        return std::nullopt;
    const int margin = label.margin() + std::max(label.indent(), 0);
    const QRect room = label.contentsRect().adjusted(margin, 0, -margin, 0);
    const int needed = TextWidth(label, label.text());
    return MakeCaption(label, label.objectName().toStdString(), label.text(), needed, room, label.alignment(), window);
}

// The room the style leaves a button's caption, and the pixels the caption needs in it.
std::optional<Caption> ButtonCaption(const QAbstractButton& button, const QWidget& window)
{
    const QString text = button.text().trimmed();
    if (text.isEmpty())
        return std::nullopt;
    const QStyle& style = *button.style();
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = text;
    const int iconWidth = button.icon().isNull() ? 0 : button.iconSize().width() + 4;
    int needed = TextWidth(button, text) + iconWidth;
    QRect room = button.rect();
    if (qobject_cast<const QCheckBox*>(&button)) {
        room = style.subElementRect(QStyle::SE_CheckBoxContents, &option, &button);
    } else if (qobject_cast<const QRadioButton*>(&button)) {
        room = style.subElementRect(QStyle::SE_RadioButtonContents, &option, &button);
    } else if (qobject_cast<const QToolButton*>(&button)) {
        const int frame = style.pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &button);
        room = button.rect().adjusted(frame, 0, -frame, 0);
        // Text beside an icon shares the width with it; under or instead of it, not.
        if (static_cast<const QToolButton&>(button).toolButtonStyle() != Qt::ToolButtonTextBesideIcon)
            needed -= iconWidth;
    } else {
        const int frame = style.pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &button);
        const int margin = style.pixelMetric(QStyle::PM_ButtonMargin, &option, &button);
        room = button.rect().adjusted(frame + margin / 2, 0, -frame - margin / 2, 0);
    }
    return MakeCaption(button, button.objectName().toStdString(), text, needed, room, Qt::AlignLeft, window);
}

std::vector<Caption> ComboCaptions(const QComboBox& combo, const QWidget& window)
{
    QStyleOptionComboBox option;
    option.initFrom(&combo);
    option.editable = combo.isEditable();
    option.frame = combo.hasFrame();
    option.subControls = QStyle::SC_All;
    // The style draws the text one pixel inside the edit field on each side.
    const QRect room =
            combo.style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &combo)
                    .adjusted(1, 0, -1, 0);
    std::vector<Caption> captions;
    for (int i = 0; i < combo.count(); ++i) {
        captions.push_back(MakeCaption(combo, combo.objectName().toStdString() + "[" + std::to_string(i) + "]",
                                       combo.itemText(i), TextWidth(combo, combo.itemText(i)), room, Qt::AlignLeft,
                                       window));
    }
    return captions;
}

std::vector<Caption> TabCaptions(const QTabBar& tabs, const QWidget& window)
{
    QStyleOptionTab option;
    option.initFrom(&tabs);
    const int padding = tabs.style()->pixelMetric(QStyle::PM_TabBarTabHSpace, &option, &tabs);
    std::vector<Caption> captions;
    for (int i = 0; i < tabs.count(); ++i) {
        if (!tabs.isTabVisible(i))
            continue;
        captions.push_back(MakeCaption(tabs, tabs.objectName().toStdString() + "[" + std::to_string(i) + "]",
                                       tabs.tabText(i), TextWidth(tabs, tabs.tabText(i)) + padding, tabs.tabRect(i),
                                       Qt::AlignHCenter, window));
    }
    return captions;
}

// The part of the window that control's ancestors leave visible.
QRect VisibleRoom(const QWidget& control, const QWidget& window)
{
    QRect visible = window.rect();
    for (const QWidget* parent = control.parentWidget(); parent && parent != &window;
         parent = parent->parentWidget())
        visible &= InWindow(*parent, parent->rect(), window);
    return visible;
}

// Widgets that paint over what lies below them; bare containers do not.
bool Paints(const QWidget& widget)
{
    return widget.metaObject() != &QWidget::staticMetaObject || widget.autoFillBackground();
}

// The child of ancestor on the way down to widget.
const QObject* BranchUnder(const QWidget& ancestor, const QWidget& widget)
{
    const QObject* branch = &widget;
    while (branch->parent() != &ancestor)
        branch = branch->parent();
    return branch;
}

// Whether other is stacked above control: of their first common ancestor, the
// child leading to other comes later (raise() moves a child to the end).
bool StackedAbove(const QWidget& other, const QWidget& control)
{
    for (const QWidget* ancestor = control.parentWidget(); ancestor; ancestor = ancestor->parentWidget()) {
        if (!ancestor->isAncestorOf(&other))
            continue;
        const QObjectList& children = ancestor->children();
        return children.indexOf(BranchUnder(*ancestor, other)) > children.indexOf(BranchUnder(*ancestor, control));
    }
    return false;
}

bool Covered(const QWidget& control, const QRect& span, const QWidget& window)
{
    for (const QWidget* other : window.findChildren<QWidget*>()) {
        if (other == &control || !other->isVisibleTo(&window) || !Paints(*other) || other->isAncestorOf(&control) ||
            control.isAncestorOf(other))
            continue;
        if (InWindow(*other, other->rect(), window).intersects(span) && StackedAbove(*other, control))
            return true;
    }
    return false;
}

std::vector<Caption> CaptionsOf(const QWidget& control, const QWidget& window)
{
    std::optional<Caption> one;
    if (const auto* label = qobject_cast<const QLabel*>(&control))
        one = LabelCaption(*label, window);
    else if (const auto* button = qobject_cast<const QAbstractButton*>(&control))
        one = ButtonCaption(*button, window);
    else if (const auto* combo = qobject_cast<const QComboBox*>(&control))
        return ComboCaptions(*combo, window);
    else if (const auto* tabs = qobject_cast<const QTabBar*>(&control))
        return TabCaptions(*tabs, window);
    return one ? std::vector<Caption>{*one} : std::vector<Caption>{};
}

// The pixels of a caption the user sees: the room of its control, less what the
// control's parents clip; nothing when a control stacked above covers it.
int Shown(const QWidget& control, const Caption& caption, const QWidget& window)
{
    if (caption.needed > caption.available)
        return caption.available;
    const QRect visible = VisibleRoom(control, window);
    if (caption.span.left() < visible.left() || caption.span.right() > visible.right())
        return std::max(0, (caption.span & visible).width());
    return Covered(control, caption.span, window) ? 0 : caption.needed;
}

}  // namespace

std::ostream& operator<<(std::ostream& out, const CutText& cut)
{
    return out << cut.control << " \"" << cut.text << "\" needs " << cut.needed << " px, shows " << cut.available;
}

std::vector<CutText> CutTexts(const QWidget& window)
{
    std::vector<CutText> cut;
    for (const QWidget* control : window.findChildren<QWidget*>()) {
        if (!control->isVisibleTo(&window))
            continue;
        for (const Caption& caption : CaptionsOf(*control, window))
            if (const int shown = Shown(*control, caption, window); shown < caption.needed)
                cut.push_back(CutText{caption.control, caption.text.toStdString(), caption.needed, shown});
    }
    return cut;
}

namespace {

// A control as the failures name it: an unnamed container by the first named control in it.
std::string NameOf(const QWidget& control)
{
    if (!control.objectName().isEmpty())
        return control.objectName().toStdString();
    for (const QWidget* child : control.findChildren<QWidget*>())
        if (!child->objectName().isEmpty() && !child->objectName().startsWith("qt_"))
            return "the box of " + child->objectName().toStdString();
    return control.metaObject()->className();
}

bool OwnControl(const QWidget& control, const QWidget& window)
{
    return control.isVisibleTo(&window) && !control.isWindow() && !control.objectName().startsWith("qt_");
}

}  // namespace

std::vector<std::string> MisplacedControls(const QWidget& window)
{
    std::vector<std::string> faults;
    QList<const QWidget*> parents = {&window};
    for (const QWidget* control : window.findChildren<QWidget*>())
        if (OwnControl(*control, window))
            parents << control;
    for (const QWidget* parent : parents) {
        QList<const QWidget*> shown;
        for (const QWidget* child : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (OwnControl(*child, window))
                shown << child;
        for (qsizetype i = 0; i < shown.size(); ++i) {
            if (!parent->rect().contains(shown[i]->geometry()))
                faults.push_back(NameOf(*shown[i]) + " lies outside " + NameOf(*parent));
            for (qsizetype j = i + 1; j < shown.size(); ++j)
                if (shown[i]->geometry().intersects(shown[j]->geometry()))
                    faults.push_back(NameOf(*shown[i]) + " overlaps " + NameOf(*shown[j]));
        }
    }
    return faults;
}

std::vector<std::string> CaptionlessButtons(const QWidget& window)
{
    std::vector<std::string> names;
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>())
        if (button->isVisibleTo(&window) && !qobject_cast<const QToolButton*>(button) &&
            button->text().trimmed().isEmpty() && button->icon().isNull() && button->toolTip().isEmpty())
            names.push_back(NameOf(*button));
    return names;
}

std::vector<std::string> RussianTexts(const QWidget& window)
{
    const QRegularExpression cyrillic("[\\x{0400}-\\x{04FF}]");
    std::vector<std::string> russian;
    const auto check = [&](const QWidget& control, const QString& text) {
        if (text.contains(cyrillic))
            russian.push_back(NameOf(control) + ": " + text.toStdString());
    };
    check(window, window.windowTitle());
    for (const QWidget* control : window.findChildren<QWidget*>()) {
        check(*control, control->toolTip());
        if (const auto* label = qobject_cast<const QLabel*>(control))
            check(*control, label->text());
        else if (const auto* button = qobject_cast<const QAbstractButton*>(control))
            check(*control, button->text());
        else if (const auto* frame = qobject_cast<const QGroupBox*>(control))
            check(*control, frame->title());
        else if (const auto* tabs = qobject_cast<const QTabWidget*>(control))
            for (int i = 0; i < tabs->count(); ++i)
                if (tabs->isTabVisible(i))
                    check(*control, tabs->tabText(i));
    }
    return russian;
}

namespace {

// The columns of the part of image that hold ink: pixels of another colour than the
// part's most common one (its background).
std::vector<int> InkColumns(const QImage& image, const QRect& part)
{
    std::map<QRgb, int> counts;
    for (int y = part.top(); y <= part.bottom(); ++y)
        for (int x = part.left(); x <= part.right(); ++x)
            ++counts[image.pixel(x, y)];
    if (counts.empty())
        return {};
    const QRgb background =
            std::max_element(counts.begin(), counts.end(), [](auto a, auto b) { return a.second < b.second; })->first;
    std::vector<int> columns;
    for (int x = part.left(); x <= part.right(); ++x)
        for (int y = part.top(); y <= part.bottom(); ++y)
            if (image.pixel(x, y) != background) {
                columns.push_back(x);
                break;
            }
    return columns;
}

int InkWidth(const std::vector<int>& columns)
{
    return columns.empty() ? 0 : columns.back() - columns.front() + 1;
}

// Inside a header cell's frame: the frame's one-pixel lines run along its top, bottom
// and left edges and one pixel before its right edge.
QRect InsideFrame(const QRect& cell)
{
    return cell.adjusted(1, 1, -2, -1);
}

// The ink width of a header text in a cell wide enough for any header, drawn as the grid
// draws its own header cell of column col.
int WholeInkWidth(TJXGrid& grid, int col)
{
    TJXGrid wide;
    wide.resize(1000, 3 * wide.DefaultRowHeight());
    wide.SetColCount(1);
    wide.SetColsProperty(0, TColsProperty{grid.GetColsProperty(col).Align, "100%", false});
    wide.SetCellsProperty(0, 0, grid.GetCellsProperty(0, col));
    wide.SetCell(0, 0, grid.Cell(0, col));
    const QImage image = wide.viewport()->grab().toImage();
    return InkWidth(InkColumns(image, InsideFrame(wide.CellRect(0, 0)) & image.rect()));
}

std::vector<CutText> CutHeadersOf(TJXGrid& grid)
{
    std::vector<CutText> cut;
    const QImage image = grid.viewport()->grab().toImage();
    for (int col = 0; col < grid.ColCount(); ++col) {
        const TColsProperty& column = grid.GetColsProperty(col);
        if (grid.Cell(0, col).empty() || grid.ColWidth(col) <= 0 || column.IsImage)
            continue;
        const QRect inside = InsideFrame(grid.CellRect(0, col));
        const std::vector<int> ink = InkColumns(image, inside & image.rect());
        const int whole = WholeInkWidth(grid, col);
        const bool touches = !ink.empty() && (ink.front() == inside.left() || ink.back() == inside.right());
        if (touches || InkWidth(ink) < whole)
            cut.push_back(CutText{grid.objectName().toStdString() + "[" + std::to_string(col) + "]", grid.Cell(0, col),
                                  whole + 2, inside.width()});
    }
    return cut;
}

}  // namespace

std::vector<CutText> CutGridHeaders(const QWidget& window)
{
    std::vector<CutText> cut;
    for (TJXGrid* grid : window.findChildren<TJXGrid*>())
        if (grid->isVisibleTo(&window))
            for (CutText& header : CutHeadersOf(*grid))
                cut.push_back(std::move(header));
    return cut;
}
