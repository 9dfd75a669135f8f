#pragma once

#include <memory>

#include "platform/types.h"
#include "ui/pickerlist.h"

class DBChamp;
class DBSeason;
class DBTeam;
class QComboBox;
class QLineEdit;
class QListWidget;

// One team list of a picker: the teams with statistics in the favourite tournament
// and the season of two combos, narrowed to the typed start of the name, with the
// panel that shows the chosen team. It owns the season, tournament and team lists
// behind the controls; the controls belong to the window.
class TeamChoice {
public:
    struct Controls {
        QComboBox* champ;
        QComboBox* season;
        QLineEdit* filter;
        QListWidget* list;
        ChoicePanel choice;
    };

    // Creates the season, tournament and team lists, in this order, and fills the
    // combos with the favourite tournaments and the seasons, each with its row that
    // stands for all, each on its first item.
    explicit TeamChoice(const Controls& controls);
    ~TeamChoice();
    TeamChoice(const TeamChoice&) = delete;
    TeamChoice& operator=(const TeamChoice&) = delete;

    // The window memory of the list is three texts from firstIndex on: tournament,
    // season, team name. Restore reads them from the window data loaded last: it
    // selects the tournament and the season where the combos hold them and keeps the
    // name, which every refill selects again while the list holds it.
    void Restore(int firstIndex);
    void Remember(const AnsiString& formKey, int firstIndex);

    // The combos' handlers: the lists follow the chosen item, then the teams refill.
    void ChampChanged();
    void SeasonChanged();
    // Selects the teams of the chosen tournament and season, then narrows them.
    void RefillList();
    // Narrows the teams already selected to the typed start of the name.
    void ApplyNameFilter();
    // The list's selection into the team list and the panel.
    void ShowChoice();

    bool HasTeams() const;
    int TeamID();
    int SeasonID();

private:
    Controls controls_;
    std::unique_ptr<DBSeason> season_;
    std::unique_ptr<DBChamp> champ_;
    std::unique_ptr<DBTeam> team_;
    AnsiString remembered_;
};
