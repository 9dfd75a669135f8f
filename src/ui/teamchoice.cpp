#include "ui/teamchoice.h"

#include "data/dbasecontrols.h"
#include "data/dbchamp.h"
#include "data/dbseason.h"
#include "data/dbsetting.h"
#include "data/dbteam.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

namespace {

// Offsets of the three remembered texts.
constexpr int ChampData = 0;
constexpr int SeasonData = 1;
constexpr int TeamData = 2;

}  // namespace

TeamChoice::TeamChoice(const Controls& controls)
    : controls_(controls), season_(std::make_unique<DBSeason>()), champ_(std::make_unique<DBChamp>()),
      team_(std::make_unique<DBTeam>())
{
    champ_->OpenFav(true, true);
    FillCombo(controls_.champ, champ_.get());
    season_->OpenList(true);
    FillCombo(controls_.season, season_.get());
}

TeamChoice::~TeamChoice() = default;

void TeamChoice::Restore(int firstIndex)
{
    DBSetting* setting = DBSetting::Global();
    remembered_ = setting->GetFormString(firstIndex + TeamData);
    SelectComboText(controls_.champ, champ_.get(), setting->GetFormString(firstIndex + ChampData));
    SelectComboText(controls_.season, season_.get(), setting->GetFormString(firstIndex + SeasonData));
    // Filling left the cursors behind the last row, where no text was found.
    SyncCombo(controls_.season, season_.get());
    SyncCombo(controls_.champ, champ_.get());
}

void TeamChoice::Remember(const AnsiString& formKey, int firstIndex)
{
    DBSetting* setting = DBSetting::Global();
    setting->SetFormString(formKey, firstIndex + ChampData, controls_.champ->currentText().toStdString());
    setting->SetFormString(formKey, firstIndex + SeasonData, controls_.season->currentText().toStdString());
    setting->SetFormString(formKey, firstIndex + TeamData, ChoiceText(controls_.list));
}

void TeamChoice::ChampChanged()
{
    SyncCombo(controls_.champ, champ_.get());
    RefillList();
}

void TeamChoice::SeasonChanged()
{
    SyncCombo(controls_.season, season_.get());
    RefillList();
}

void TeamChoice::RefillList()
{
    team_->OpenList(champ_->GetChampID(), season_->GetSeasonID());
    ApplyNameFilter();
}

void TeamChoice::ApplyNameFilter()
{
    team_->NameFilter = controls_.filter->text().toStdString();
    team_->ApplyFilter();
    FillChoiceList(controls_.list, team_.get(), remembered_);
    ShowChoice();
}

void TeamChoice::ShowChoice()
{
    ::ShowChoice(controls_.list, team_.get(), controls_.choice);
}

bool TeamChoice::HasTeams() const
{
    return controls_.list->count() > 0;
}

int TeamChoice::TeamID()
{
    return team_->GetTeamID();
}

int TeamChoice::SeasonID()
{
    return season_->GetSeasonID();
}
