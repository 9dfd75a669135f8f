#pragma once

#include <functional>
#include <initializer_list>
#include <vector>

#include <QObject>
#include <QWidget>

#include "platform/tform.h"
#include "platform/types.h"

class DBSeason;
class QChartView;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QRadioButton;
class QTabWidget;
class QVBoxLayout;
class TJXGrid;

// What the main window's cards (tournament, team, match) share.

// A page of a card's page control. The card fills the page each time it becomes the
// active one; nothing is kept from one showing to the next.
class TCardPage : public QWidget {
    Q_OBJECT

public:
    TCardPage(QWidget* parent, const char* name);

    virtual void Fill() = 0;
};

// A page that is one grid over its whole area, filled by a function of the card's.
class TGridPage : public TCardPage {
    Q_OBJECT

public:
    TGridPage(QWidget* parent, const char* name, const char* gridName, std::function<void()> fill);

    TJXGrid* Grid() const { return grid_; }
    void Fill() override;

private:
    TJXGrid* grid_;
    std::function<void()> fill_;
};

// The frame of a card: a borderless form of 716 × 460 that the main window shows in
// its card area (TDlgMain::ShowCard), a header strip with the subject's flag and name
// across the top, and the page control "page1" under it.
class TCardForm : public TForm {
    Q_OBJECT

public:
    static constexpr int CardWidth = 716;
    static constexpr int CardHeight = 460;
    static constexpr int HeaderHeight = 41;

protected:
    // name: the form's object name.
    TCardForm(QWidget* owner, const char* name);

    // The header strip across the top of the card.
    QWidget* AddHeader(const char* name);
    // The subject's flag picture in the header, vertically centred, at left.
    static QLabel* AddHeaderFlag(QWidget* header, const char* name, int left);
    // A subject's name in the header: bold, large, blue and centred in its place.
    static QLabel* AddHeaderTitle(QWidget* header, const char* name, const QRect& geometry);

    // The page control "page1", filling the card under the header.
    QTabWidget* AddPages();
    void AddPage(TCardPage* page);
    // Shows or hides a page's tab.
    void SetPageVisible(TCardPage* page, bool visible);
    // Fills the active page; runs on every change of the active page once
    // ConnectPages has run.
    void page1Change();
    // Connect once every page is in place, so that building the pages fills nothing.
    void ConnectPages();

    // Esc leaves a card shown, as it leaves the main window: a card goes by its hand-back
    // or by the main window's Back.
    void keyPressEvent(QKeyEvent* event) override;

private:
    QTabWidget* pages_ = nullptr;
};

// Keeps global pointing at card until the card is freed, so that nothing reaches a
// freed card through it.
template <typename Card>
void KeepCardPointer(Card*& global, Card* card)
{
    global = card;
    QObject::connect(card, &QObject::destroyed, [&global, card] {
        if (global == card)
            global = nullptr;
    });
}

// Option radios of a card page in a row, inside a frame of their own so that they
// exclude only each other.
struct RadioRow {
    QGroupBox* frame = nullptr;
    std::vector<QRadioButton*> radios;

    // Captions in order from language text ids.
    void SetCaptions(std::initializer_list<int> textIds) const;
    // The index of the checked radio; -1 when none is.
    int Checked() const;
    // Of the three side radios (every match, home, away): the FieldCode of the checked one.
    int Field() const;
    // Runs handler when one of the radios becomes checked, not for the one that the
    // same click unchecks.
    void OnChecked(QObject* receiver, const std::function<void()>& handler) const;
};

// A radio of a row: its object name and the member of the window that holds it.
struct RadioName {
    const char* name;
    QRadioButton** member;
};

// The radios in a row (or a column), the first checked. frameName may be null.
RadioRow AddRadioRow(QWidget* parent, const char* frameName, std::initializer_list<RadioName> radios,
                     Qt::Orientation orientation = Qt::Horizontal);
// The three side radios (every match, home, away) with their captions.
RadioRow AddSideRadios(QWidget* parent, const char* frameName, std::initializer_list<RadioName> radios);

// Check boxes of a card page in a row, inside a frame of their own.
struct CheckRow {
    QGroupBox* frame = nullptr;
    std::vector<QCheckBox*> boxes;

    // Captions in order from language text ids.
    void SetCaptions(std::initializer_list<int> textIds) const;
    bool AllChecked() const;
    // Of the three tournament-type boxes (league, cups, international): the checked
    // types joined by ","; empty when none is checked.
    AnsiString TypeList() const;
    // Runs handler on every change of a box, by a click or from code.
    void OnToggled(QObject* receiver, const std::function<void()>& handler) const;
};

// A box of a row: its object name and the member of the window that holds it.
struct CheckName {
    const char* name;
    QCheckBox** member;
};

// The boxes in a row, all checked.
CheckRow AddCheckRow(QWidget* parent, std::initializer_list<CheckName> boxes);
// The three tournament-type boxes (league, cups, international) with their captions,
// all checked.
CheckRow AddTypeBoxes(QWidget* parent, std::initializer_list<CheckName> boxes);

// A chart of a card page, without a legend.
QChartView* AddChartView(QWidget* parent, const char* name);

// The layout of a card page: a row of option controls at the top, from the left; the
// caller adds what the options choose below them.
QVBoxLayout* AddPageLayout(QWidget* page, std::initializer_list<QWidget*> options);

// A season combo of a card page, empty.
QComboBox* AddSeasonCombo(QWidget* page, const char* name);
// A season combo of every season, newest first, and the all-seasons row, with
// seasonName chosen when it has it (else the newest) and seasons on the chosen row.
void FillSeasonCombo(QComboBox* combo, DBSeason* seasons, const AnsiString& seasonName);
