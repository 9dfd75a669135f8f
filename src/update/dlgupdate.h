#pragma once

#include "platform/tform.h"
#include "platform/types.h"

#include <functional>

class DBUpdateView;
class JXInet;
class JXParse;
class QPlainTextEdit;
class QPushButton;
class QStatusBar;
class TProgressBar;

// The modal window that refreshes data.mdb from the update service: one press of
// btnUpdate logs in, fetches the numbered instruction files, applies them one
// transaction each, rebuilds the derived tables and compacts the database, reporting
// every step in the memo. Tag becomes 1 once files were taken on, so the opener reloads.
class TDlgUpdate : public TForm {
    Q_OBJECT

public:
    explicit TDlgUpdate(QWidget* owner = nullptr);
    ~TDlgUpdate() override;

    // The whole update road; its outcome is the memo, the Tag and the database.
    void RunUpdate();

protected:
    // The close box, Esc and btnExit are refused while a run is under way.
    bool CanClose() override { return Closable; }

private:
    void BuildLayout();
    void FormCreate();
    void btnUpdateClick();
    void btnExitClick();

    // The parts of a run. UpdateRoad and Download are true once files were taken on;
    // FetchAndApply is true when every file was fetched and applied, and stops at the
    // first file that was not.
    void BeginRun();
    bool UpdateRoad(DBUpdateView& view, JXInet& inet);
    // Ends step 2 by the reply's status; true for "update", which goes on to the files.
    bool AnswerStatus(JXParse& reply);
    bool Download(DBUpdateView& view, JXInet& inet, const AnsiString& host, JXParse& reply);
    bool FetchAndApply(DBUpdateView& view, JXInet& inet, const AnsiString& host, int first, int last);
    void RebuildAndCompact(DBUpdateView& view);
    // Step 4: the rebuild of TeamResults and Stats, on its memo line.
    void WriteRebuild(DBUpdateView& view);
    // A run that takes no file rebuilds TeamResults and Stats when an earlier run was
    // cut off between its last file and its rebuild; it needs no network.
    void RepairStats(DBUpdateView& view);
    void WriteFailedFiles();
    void EndRun();
    // Runs one part of a run; a failure it raises goes to the memo and the log, so the
    // run still ends with the window closable.
    void RunGuarded(const std::function<void()>& part);

    // Appends text to the memo and lets the window repaint.
    void Write(const AnsiString& text);
    void WriteUnknownReply();

    TProgressBar* bar = nullptr;
    QPlainTextEdit* txtInfo = nullptr;
    QPushButton* btnUpdate = nullptr;
    QPushButton* btnExit = nullptr;
    QStatusBar* statusBar = nullptr;

    // False while a run is under way.
    bool Closable = true;
};
