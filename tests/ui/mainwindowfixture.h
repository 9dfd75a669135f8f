#pragma once

#include <functional>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include <QWidget>

#include <gtest/gtest.h>

#include "configfolder.h"
#include "samplefolderfixture.h"

class DBSetting;
class QChartView;
class QComboBox;
class QListWidget;
class QTabWidget;
class TDlgFilter;
class TDlgMain;
class TJXGrid;

// The program's windows on a copy of the sample folder, with a settings file of the
// test's own: the main window and the filter window created in the program's order.
class MainWindowFixture : public SampleFolderFixture {
protected:
    // Grid columns of the match list, as the user sees them.
    static constexpr int DateColumn = 0;
    static constexpr int ChampColumn = 1;
    static constexpr int HomeColumn = 2;
    static constexpr int ScoreColumn = 3;
    static constexpr int AwayColumn = 4;

    // A match of the sample as the tests read it.
    struct Match {
        int team1 = 0;
        int team2 = 0;
        int gol1 = 0;
        int gol2 = 0;
        bool aet = false;
        int champ = 0;
        int season = 0;
    };

    // A team's record in a tournament, summed from its matches.
    struct Record {
        int games = 0;
        int win = 0;
        int draw = 0;
        int lose = 0;
        int gf = 0;
        int ga = 0;

        int Points() const { return 3 * win + draw; }
        void Add(int own, int rival)
        {
            ++games;
            win += own > rival;
            draw += own == rival;
            lose += own < rival;
            gf += own;
            ga += rival;
        }
        // The standings order: points, wins, goal difference, goals scored.
        std::tuple<int, int, int, int> Rank() const { return {Points(), win, gf - ga, gf}; }
    };

    MainWindowFixture();
    ~MainWindowFixture() override;

    // Replaces the history by one current entry.
    void SetCurrentView(int mode, int teamID, int rivalID, int champID, int seasonWith);
    // The newest season of the first national league: (champ, season).
    std::pair<int, int> NewestLeagueSeason();
    // Starts on the view of that season; returns it.
    std::pair<int, int> StartOnNewestLeague();
    // The current view as "mode team rival champ season".
    static std::string CurrentView();
    // Played matches selected by a condition on Fixed (alias F).
    std::vector<Match> Matches(const std::string& where);
    // Played matches of a tournament, or of a team, in a season (in every season when it is 0).
    std::vector<Match> SeasonMatches(int champ, int season);
    std::vector<Match> TeamMatches(int team, int season);

    // Creates both windows and shows the main one, which runs its first refresh.
    TDlgMain& Start();
    TDlgMain& Main() { return *main_; }
    TDlgFilter& Filter() { return *filter_; }
    // Closes and frees the windows, as the program's end does.
    void Stop();

    // A control of the main window, or of the filter window, by its name; fails the
    // test when there is none.
    template <typename T>
    T* Control(const char* name)
    {
        return qobject_cast<T*>(FindControl(MainWidget(), name));
    }
    template <typename T>
    T* FilterControl(const char* name)
    {
        return qobject_cast<T*>(FindControl(FilterWidget(), name));
    }
    std::string Text(const char* labelName);
    // Whether a control of the main window is shown.
    bool Shown(const char* name) { return Control<QWidget>(name)->isVisibleTo(MainWidget()); }
    // Column Name of the row of table whose idColumn is id.
    static std::string Name(const std::string& table, const std::string& idColumn, int id);
    // The items of a list, or of a combo box, as "a; b".
    static std::string Items(const QListWidget* list);
    static std::string Items(const QComboBox* combo);
    // Clicks a button of the main window that shows a modal dialog, runs act on the
    // dialog while it is shown and closes it by its close box unless act closed it.
    void InModalDialog(const char* buttonName, const std::function<void(QWidget& dialog)>& act);
    // The same for the dialog that open shows; what names it in failures.
    void InModalDialog(const std::function<void()>& open, const std::string& what,
                       const std::function<void(QWidget& dialog)>& act);
    // The same for the dialog of the class Dialog that a button shows; another dialog fails.
    template <typename Dialog>
    void InDialog(const char* buttonName, const std::function<void(Dialog&)>& act)
    {
        InModalDialog(buttonName, [&](QWidget& dialog) {
            auto* shown = qobject_cast<Dialog*>(&dialog);
            ASSERT_NE(shown, nullptr) << buttonName << " shows another dialog";
            act(*shown);
        });
    }
    // The user's choice of an item in a combo box, by its text.
    static void ChooseItem(QComboBox* combo, const std::string& text);
    // A click (or double click) on the item of a list with that text.
    static void ClickListItem(QListWidget* list, const std::string& text, bool doubleClick = false);
    // Every caption and grid header of the window shown whole, every shown button
    // captioned, every shown control inside its parent and apart from its siblings,
    // Return in an edit left to a button marked the default, and no hidden tab in reach.
    static void ExpectSoundLayout(const QWidget& window);
    // Shows the window and checks its layout on each of the pages given, or on every page of
    // its page control pages (none: the window as it stands).
    static void ExpectSoundPages(QWidget& window, QTabWidget* pages, const std::vector<QWidget*>& only = {});
    // What a bar chart draws wrong, in words: a value label that does not stand whole
    // above its bar inside the plot, value axis labels that are not its ticks' values.
    static std::vector<std::string> BarChartFaults(QChartView& view);
    // In English no text of the window is left Russian but those of the controls named fixed.
    static void ExpectNoRussianLeft(const QWidget& window, const std::vector<std::string>& fixed = {});
    // Makes language the program's, on the settings object a closed main window may have freed.
    static DBSetting& UseLanguage(const char* language);
    // Frees the cards the main window let go.
    static void FreeLeftCards();
    TJXGrid* Grid();
    // Clicks on a cell of the match list, or of another grid.
    void DoubleClickCell(int row, int col, TJXGrid* grid = nullptr);
    void ClickCell(int row, int col, TJXGrid* grid = nullptr);
    void Click(const char* buttonName);
    // A right click on a control of the main window: its context-menu request.
    void RightClick(const char* controlName);
    std::string Cell(int row, int col);
    // value rounded half up to decimals, as the program writes figures: "1.5", "2".
    static std::string Rounded(double value, int decimals);
    // How many matches the list shows: its rows below the header.
    size_t ListedMatches();
    // The history as "FilterID:Mode" items in order, the current one marked "*".
    std::string History();

private:
    // The windows as widgets, for the templates above, which see only their declarations.
    QWidget* MainWidget();
    QWidget* FilterWidget();
    static QPoint CellCentre(TJXGrid* grid, int row, int col);
    static QObject* FindControl(QWidget* window, const char* name);

    // The sample's settings file, taken before config_ points the settings elsewhere.
    std::string sampleSettings_;
    ConfigFolder config_;
    std::unique_ptr<TDlgMain> main_;
    std::unique_ptr<TDlgFilter> filter_;
};
