#pragma once

#include <functional>
#include <memory>

#include "platform/tform.h"
#include "platform/tupdown.h"
#include "platform/types.h"

class DBSeason;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class TAboutPanel;
class TProgressBar;

// The settings window: the settings the user may change (language, view history,
// filter window, season panel, day counts, the lines of the round-by-round tabs, the
// streak season, proxy, update server), written back by Apply or OK, and two jobs on
// data.mdb: compaction and the rebuild of the statistics. Tag 1 after any save or job,
// so the main window refreshes.
class TDlgSetting : public TForm {
    Q_OBJECT

public:
    explicit TDlgSetting(QWidget* owner = nullptr);
    ~TDlgSetting() override;

    // Writes the captions of the current language, the server list and the versions.
    void Translate();

    QTabWidget* PageControl;
    QWidget* tabGeneral;
    QWidget* tabAddition;
    QWidget* tabUpdate;
    QWidget* tabSystem;
    QWidget* tabAbout;
    // tabGeneral
    QLabel* lblLang;
    QComboBox* cboLang;
    QCheckBox* chkSaveHistory;
    QCheckBox* chkNoFilter;
    QCheckBox* chkFilterTop;
    QCheckBox* chkNoStart;
    QCheckBox* chkAutoUpdate;
    // tabAddition
    QLabel* lblSeries;
    QComboBox* cboSeason;
    QLabel* lblFavNext;
    QLineEdit* txtFavNext;
    TUpDown* udFavNext;
    QLabel* lblFav;
    QLineEdit* txtFavDays;
    TUpDown* udFav;
    QLabel* lblHandicap;
    QLineEdit* txtHandicap;
    TUpDown* upHandicap;
    QLabel* lblTourTotal;
    QLineEdit* txtTourTotal;
    TUpDown* upTourTotal;
    // tabSystem
    QGroupBox* gbProxy;
    QCheckBox* chkProxy;
    QLabel* lblProxy;
    QLineEdit* txtProxy;
    QLabel* lblPort;
    QLineEdit* txtPort;
    QLabel* lblUserName;
    QLineEdit* txtProxyUser;
    QLabel* lblPwd;
    QLineEdit* txtProxyPwd;
    QComboBox* cboServer;
    QGroupBox* gbDatabase;
    QPushButton* btnCompac;
    QLabel* lblCompac;
    QPushButton* btnUpdateStats;
    TProgressBar* bar;
    QPushButton* btnUpdateElo;
    // tabAbout: the icon, name, versions and links of the about window
    TAboutPanel* GroupBox1;

    QPushButton* btnOK;
    QPushButton* btnCancel;
    QPushButton* btnApply;

protected:
    // Refused while a job on data.mdb runs: it pumps messages, and the dialog must
    // outlive it.
    bool CanClose() override { return !Busy; }

private:
    void BuildLayout();
    void BuildGeneralPage();
    void BuildAdditionPage();
    void BuildSystemPage();
    void ConnectHandlers();
    void FormCreate();
    void FillLanguages();
    void SelectSeriesSeason(int seasonID);
    void EnableProxy(bool enabled);
    void SaveSettings();
    // Runs a job on data.mdb with the job buttons hidden and indicator shown.
    void RunMaintenance(QWidget* indicator, const std::function<void()>& job);

    void btnOKClick();
    void btnApplyClick();
    void btnCancelClick();
    void txtUserChange();
    void chkProxyClick(bool checked);
    void cboSeasonChange();
    void udFavNextClick(TUDBtnType button);
    void udFavClick(TUDBtnType button);
    void upHandicapClick(TUDBtnType button);
    void upTourTotalClick(TUDBtnType button);
    void btnCompacClick();
    void btnUpdateStatsClick();
    void btnUpdateEloClick();

    // The real seasons, newest first, as cboSeason lists them.
    std::unique_ptr<DBSeason> Season;
    // True while a job on data.mdb runs.
    bool Busy = false;
};
