#include "mainwindowfixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QBarSeries>
#include <QBarSet>
#include <QChartView>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGraphicsRectItem>
#include <QGraphicsTextItem>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <set>

#include "data/constants.h"
#include "data/dbfilter.h"
#include "data/dbsetting.h"
#include "foundation/jxgrid.h"
#include "pagekeys.h"
#include "platform/registry.h"
#include "textfit.h"
#include "ui/dlgfilter.h"
#include "ui/dlgmain.h"

namespace fs = std::filesystem;

MainWindowFixture::MainWindowFixture() : sampleSettings_(RegistryFilePath(SettingsKey))
{
    fs::create_directories(fs::path(config_.SettingsFile()).parent_path());
    fs::copy_file(sampleSettings_, config_.SettingsFile());
    DBSetting::CreateGlobal()->LoadLanguage();
}

MainWindowFixture::~MainWindowFixture()
{
    Stop();
}

void MainWindowFixture::Stop()
{
    filter_.reset();
    main_.reset();
}

void MainWindowFixture::SetCurrentView(int mode, int teamID, int rivalID, int champID, int seasonWith)
{
    Exec("DELETE * FROM Filter");
    AddEntry(1, true, mode, teamID, rivalID, champID, seasonWith);
}

std::pair<int, int> MainWindowFixture::NewestLeagueSeason()
{
    const Rows rows = Select("SELECT TOP 1 F.ChampID, F.SeasonID FROM Fixed AS F INNER JOIN Champ AS C ON "
                             "C.ChampID=F.ChampID WHERE C.TypeID=1 AND C.ChampID>0 ORDER BY F.SeasonID DESC, C.ChampID");
    EXPECT_EQ(rows.size(), 1u) << "the sample has no league";
    if (rows.empty())
        return {0, 0};
    return {std::stoi(rows[0][0]), std::stoi(rows[0][1])};
}

std::pair<int, int> MainWindowFixture::StartOnNewestLeague()
{
    const auto [champ, season] = NewestLeagueSeason();
    SetCurrentView(FilterMode::Tournament, 0, 0, champ, season);
    Start();
    return {champ, season};
}

std::string MainWindowFixture::CurrentView()
{
    const Rows rows = Select("SELECT Mode, TeamID, TeamRivalID, ChampID, SeasonWith FROM Filter WHERE Cur=True");
    return rows.size() == 1 ? rows[0][0] + " " + rows[0][1] + " " + rows[0][2] + " " + rows[0][3] + " " + rows[0][4]
                            : "<no current view>";
}

std::vector<MainWindowFixture::Match> MainWindowFixture::Matches(const std::string& where)
{
    std::vector<Match> matches;
    for (const auto& row : Select("SELECT F.Team1ID, F.Team2ID, F.Gol1, F.Gol2, F.AET, F.ChampID, F.SeasonID "
                                  "FROM Fixed AS F WHERE " + where))
        matches.push_back(Match{std::stoi(row[0]), std::stoi(row[1]), std::stoi(row[2]), std::stoi(row[3]),
                                row[4] == "True", std::stoi(row[5]), std::stoi(row[6])});
    return matches;
}

std::vector<MainWindowFixture::Match> MainWindowFixture::SeasonMatches(int champ, int season)
{
    return Matches("F.ChampID=" + std::to_string(champ) + (season ? " AND F.SeasonID=" + std::to_string(season) : ""));
}

std::vector<MainWindowFixture::Match> MainWindowFixture::TeamMatches(int team, int season)
{
    const std::string id = std::to_string(team);
    return Matches("(F.Team1ID=" + id + " OR F.Team2ID=" + id + ") AND F.SeasonID=" + std::to_string(season));
}

TDlgMain& MainWindowFixture::Start()
{
    main_ = std::make_unique<TDlgMain>();
    filter_ = std::make_unique<TDlgFilter>();
    main_->show();
    return *main_;
}

QWidget* MainWindowFixture::MainWidget()
{
    return main_.get();
}

QWidget* MainWindowFixture::FilterWidget()
{
    return filter_.get();
}

QObject* MainWindowFixture::FindControl(QWidget* window, const char* name)
{
    QObject* control = window ? window->findChild<QObject*>(name) : nullptr;
    if (!control)
        ADD_FAILURE() << "no control " << name;
    return control;
}

std::string MainWindowFixture::Text(const char* labelName)
{
    QLabel* label = Control<QLabel>(labelName);
    return label ? label->text().toStdString() : std::string();
}

std::string MainWindowFixture::Name(const std::string& table, const std::string& idColumn, int id)
{
    return Value("SELECT Name FROM " + table + " WHERE " + idColumn + "=" + std::to_string(id));
}

std::string MainWindowFixture::Items(const QListWidget* list)
{
    std::string items;
    for (int row = 0; row < list->count(); ++row)
        items += (row ? "; " : "") + list->item(row)->text().toStdString();
    return items;
}

std::string MainWindowFixture::Items(const QComboBox* combo)
{
    std::string items;
    for (int i = 0; i < combo->count(); ++i)
        items += (i ? "; " : "") + combo->itemText(i).toStdString();
    return items;
}

void MainWindowFixture::InModalDialog(const char* buttonName, const std::function<void(QWidget& dialog)>& act)
{
    InModalDialog([&] { Click(buttonName); }, buttonName, act);
}

void MainWindowFixture::InModalDialog(const std::function<void()>& open, const std::string& what,
                                      const std::function<void(QWidget& dialog)>& act)
{
    bool shown = false;
    QTimer::singleShot(0, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr) << what << " shows no modal dialog";
        shown = true;
        act(*dialog);
        if (dialog->isVisible())
            dialog->close();
    });
    open();
    EXPECT_TRUE(shown) << what;
}

void MainWindowFixture::ChooseItem(QComboBox* combo, const std::string& text)
{
    const int index = combo->findText(QString::fromStdString(text));
    ASSERT_GE(index, 0) << "no item " << text << " in " << combo->objectName().toStdString();
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

void MainWindowFixture::ClickListItem(QListWidget* list, const std::string& text, bool doubleClick)
{
    const QList<QListWidgetItem*> items = list->findItems(QString::fromStdString(text), Qt::MatchExactly);
    ASSERT_FALSE(items.isEmpty()) << "no item " << text << " in " << list->objectName().toStdString();
    list->scrollToItem(items.first());
    const QPoint centre = list->visualItemRect(items.first()).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
    if (doubleClick)
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
}

namespace {

// Return in an edit clicks the window's default button. An auto-default one becomes the
// default when it takes the focus, and a dialog keeps it so after.
bool ReactsToReturnInAnEdit(const QPushButton& button)
{
    return button.isDefault() || button.autoDefault();
}

// The buttons the windows mark the default, by window and button.
bool MarkedTheDefault(const QPushButton& button)
{
    static const std::set<std::pair<QString, QString>> marked = {{"DlgSelectFixed", "btnOk"}, {"DlgAbout", "btnOK"}};
    return marked.contains({button.window()->objectName(), button.objectName()});
}

}  // namespace

void MainWindowFixture::ExpectSoundLayout(const QWidget& window)
{
    for (const CutText& cut : CutTexts(window))
        ADD_FAILURE() << cut;
    for (const CutText& cut : CutGridHeaders(window))
        ADD_FAILURE() << "grid header " << cut;
    for (const std::string& fault : MisplacedControls(window))
        ADD_FAILURE() << fault;
    for (const std::string& button : CaptionlessButtons(window))
        ADD_FAILURE() << button << " has no caption";
    for (const QPushButton* button : window.findChildren<QPushButton*>())
        if (ReactsToReturnInAnEdit(*button) && !MarkedTheDefault(*button))
            ADD_FAILURE() << button->objectName().toStdString()
                          << " reacts to Return in an edit, not being marked the default";
    for (const std::string& reached : ReachableHiddenTabs(window))
        ADD_FAILURE() << "hidden tab reached: " << reached;
}

void MainWindowFixture::ExpectSoundPages(QWidget& window, QTabWidget* pages, const std::vector<QWidget*>& only)
{
    window.show();
    std::vector<QWidget*> each = only;
    for (int i = 0; only.empty() && pages && i < pages->count(); ++i)
        each.push_back(pages->widget(i));
    if (each.empty())
        each.push_back(&window);
    for (QWidget* page : each) {
        if (pages && page != &window)
            pages->setCurrentWidget(page);
        // The layouts follow new texts as the program's event loop runs.
        QApplication::processEvents();
        SCOPED_TRACE(page->objectName().toStdString());
        ExpectSoundLayout(window);
    }
}

namespace {

// The texts the chart's scene shows, with their places in the scene.
std::vector<std::pair<QString, QRectF>> ShownTexts(QChartView& view)
{
    std::vector<std::pair<QString, QRectF>> texts;
    for (QGraphicsItem* item : view.scene()->items())
        if (auto* text = qgraphicsitem_cast<QGraphicsTextItem*>(item);
            text && text->isVisible() && !text->toPlainText().isEmpty())
            texts.emplace_back(text->toPlainText(), text->sceneBoundingRect());
    return texts;
}

// The shown bars of the set, as their places in the scene.
std::vector<QRectF> ShownBars(QChartView& view, const QBarSet& bars)
{
    std::vector<QRectF> shown;
    for (QGraphicsItem* item : view.scene()->items())
        if (auto* bar = qgraphicsitem_cast<QGraphicsRectItem*>(item);
            bar && bar->isVisible() && bar->brush() == bars.brush())
            shown.push_back(bar->sceneBoundingRect());
    return shown;
}

// The values of a value axis's ticks, fixed in count or in step.
std::set<double> TickValues(const QValueAxis& axis)
{
    const bool stepped = axis.tickType() == QValueAxis::TicksDynamic && axis.tickInterval() > 0;
    const double first = stepped ? axis.tickAnchor() : axis.min();
    const double step =
            stepped ? axis.tickInterval() : (axis.max() - axis.min()) / std::max(1, axis.tickCount() - 1);
    std::set<double> ticks;
    for (double tick = first; tick <= axis.max() + step / 1000; tick += step)
        ticks.insert(std::round(tick * 1000) / 1000);
    return ticks;
}

}  // namespace

std::vector<std::string> MainWindowFixture::BarChartFaults(QChartView& view)
{
    QChart& chart = *view.chart();
    auto* series = qobject_cast<QBarSeries*>(chart.series().value(0));
    auto* axis = qobject_cast<QValueAxis*>(chart.axes(Qt::Vertical).value(0));
    if (!series || series->count() == 0 || !axis)
        return {"no bars on a value axis"};
    const QRectF plot = chart.mapRectToScene(chart.plotArea());
    std::vector<std::string> faults;
    std::set<double> axisValues;
    const std::vector<std::pair<QString, QRectF>> texts = ShownTexts(view);
    for (const auto& [text, place] : texts) {
        if (place.center().x() >= plot.left())
            continue;
        bool number = false;
        axisValues.insert(text.toDouble(&number));
        if (!number)
            faults.push_back("the axis label " + text.toStdString() + " is no number");
    }
    if (axisValues != TickValues(*axis))
        faults.push_back("the axis labels are not its ticks");
    for (const QRectF& bar : ShownBars(view, *series->barSets().first())) {
        const auto label = std::find_if(texts.begin(), texts.end(), [&](const auto& text) {
            return text.second.center().x() > bar.left() && text.second.center().x() < bar.right() &&
                   text.second.center().y() < plot.bottom();
        });
        if (label == texts.end())
            faults.push_back("a bar without a label");
        else if (label->second.bottom() > bar.top() + 0.5 || label->second.top() < plot.top() - 0.5)
            faults.push_back("the label " + label->first.toStdString() + " does not stand above its bar");
    }
    return faults;
}

void MainWindowFixture::ExpectNoRussianLeft(const QWidget& window, const std::vector<std::string>& fixed)
{
    const auto isFixed = [&](const std::string& text) {
        return std::any_of(fixed.begin(), fixed.end(),
                           [&](const std::string& name) { return text.starts_with(name + ":"); });
    };
    for (const std::string& text : RussianTexts(window))
        if (!isFixed(text))
            ADD_FAILURE() << text;
}

DBSetting& MainWindowFixture::UseLanguage(const char* language)
{
    DBSetting* setting = DBSetting::Global() ? DBSetting::Global() : DBSetting::CreateGlobal();
    setting->WriteString("Lang", language);
    setting->LoadLanguage();
    return *setting;
}

void MainWindowFixture::FreeLeftCards()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TJXGrid* MainWindowFixture::Grid()
{
    return Control<TJXGrid>("gridFixed");
}

QPoint MainWindowFixture::CellCentre(TJXGrid* grid, int row, int col)
{
    const QRect cell = grid->CellRect(row, col);
    EXPECT_FALSE(cell.isEmpty()) << "row " << row << " is not in view";
    return cell.center();
}

void MainWindowFixture::DoubleClickCell(int row, int col, TJXGrid* grid)
{
    if (!grid)
        grid = Grid();
    grid->SetRow(row);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, CellCentre(grid, row, col));
}

void MainWindowFixture::ClickCell(int row, int col, TJXGrid* grid)
{
    if (!grid)
        grid = Grid();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, CellCentre(grid, row, col));
}

void MainWindowFixture::Click(const char* buttonName)
{
    if (QAbstractButton* button = Control<QAbstractButton>(buttonName))
        QTest::mouseClick(button, Qt::LeftButton);
}

void MainWindowFixture::RightClick(const char* controlName)
{
    auto* control = Control<QWidget>(controlName);
    if (!control)
        return;
    const QPoint centre = control->rect().center();
    QContextMenuEvent request(QContextMenuEvent::Mouse, centre, control->mapToGlobal(centre));
    QApplication::sendEvent(control, &request);
}

std::string MainWindowFixture::Cell(int row, int col)
{
    return Grid()->Cell(row, col);
}

std::string MainWindowFixture::Rounded(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    return QString::number(std::floor(value * scale + 0.5) / scale).toStdString();
}

size_t MainWindowFixture::ListedMatches()
{
    return static_cast<size_t>(Grid()->RowCount() - 1);
}

std::string MainWindowFixture::History()
{
    std::string history;
    for (const auto& row : Select("SELECT FilterID, Mode, Cur FROM Filter ORDER BY FilterID"))
        history += (history.empty() ? "" : " ") + row[0] + ":" + row[1] + (row[2] == "True" ? "*" : "");
    return history;
}
