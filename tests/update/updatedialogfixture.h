#pragma once

#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>

#include <memory>
#include <string>
#include <vector>

#include "configfolder.h"
#include "data/dbsetting.h"
#include "logfixture.h"
#include "platform/shellopen.h"
#include "tempfolder.h"
#include "update/dlgupdate.h"
#include "updateservice/instructionfile.h"
#include "updateservice/loopbackupdateservice.h"

// A program folder made by the setup (no sample data), a loopback update service on
// 127.0.0.1 that the windows reach through KOVRAL_UPDATE_HOST and KOVRAL_WEB_HOST, and
// the addresses they open, recorded instead of shown.
class UpdateDialogFixture : public LogFixture {
protected:
    static inline const std::string User = "reader";
    static inline const std::string Password = "secret";

    UpdateDialogFixture();
    ~UpdateDialogFixture() override;

    // Restarts the service with this account and makes it the one the settings name.
    void UseAccount(const std::string& user, const std::string& password);
    // Replaces data.mdb by the one of a new program folder, holding no data.
    void ResetDataFile();
    // Instruction files numbered from first into the served folder.
    void ServeFiles(int first, const std::vector<std::vector<std::string>>& files)
    {
        WriteInstructionFiles(files_.Path(), first, files);
    }
    LoopbackUpdateService& Service() { return *service_; }
    const std::string& FilesFolder() const { return files_.Path(); }

    // Shows the dialog and clicks its update button; returns when the run has ended.
    static void ClickUpdate(TDlgUpdate& dialog)
    {
        dialog.show();
        QTest::mouseClick(Button(dialog, "btnUpdate"), Qt::LeftButton);
    }
    // The memo's lines as the user sees them.
    static std::vector<std::string> MemoLines(TDlgUpdate& dialog);
    static std::string StatusText(TDlgUpdate& dialog)
    {
        return dialog.findChild<QStatusBar*>("statusBar")->currentMessage().toStdString();
    }
    static QProgressBar* Bar(TDlgUpdate& dialog) { return dialog.findChild<QProgressBar*>("bar"); }
    static QPushButton* Button(TDlgUpdate& dialog, const char* name) { return dialog.findChild<QPushButton*>(name); }

    // The first column of the first row of a Jet select on data.mdb, as text.
    static std::string DataValue(const std::string& jetSql);
    // The language text of an id, as the dialog reads it.
    static std::string Text(int id) { return DBSetting::Global()->GetLangText(id); }
    // A step line of the memo: "1. " + text + "... " + outcome.
    static std::string Step(int number, int textId, const std::string& outcome = "OK")
    {
        return std::to_string(number) + ". " + Text(textId) + "... " + outcome;
    }
    static Lines Joined(Lines lines, const Lines& more)
    {
        lines.insert(lines.end(), more.begin(), more.end());
        return lines;
    }
    // Login and reply accepted, then more.
    static Lines AfterLogin(const Lines& more) { return Joined({Step(1, 1052), Step(2, 1053)}, more); }
    // Queries of the login requests, and the numbers of the files asked for, in order.
    std::vector<std::string> LoginQueries() const;
    std::vector<int> FilesAsked() const;
    const std::vector<std::string>& OpenedUrls() const { return openedUrls_; }
    // The log lines without their stamps.
    std::vector<std::string> Log() const;

private:
    SavedVariable savedHost_{"KOVRAL_UPDATE_HOST"};
    SavedVariable savedWebHost_{"KOVRAL_WEB_HOST"};
    ConfigFolder config_;
    TempFolder files_;
    std::unique_ptr<LoopbackUpdateService> service_;
    std::vector<std::string> openedUrls_;
    OpenUrlHook previousHook_;
};
