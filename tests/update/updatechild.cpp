// Runs one update through the update dialog in a program folder, against the service
// the environment names, for the test that kills an update at random moments.
// Arguments: the folder, and "--die-before-rebuild" to end the process by SIGKILL the
// moment the rebuild's line is written: after the last file committed, before the
// rebuild began.
#include <signal.h>

#include <QApplication>
#include <QPlainTextEdit>

#include <cstdlib>
#include <string>

#include "data/dbsetting.h"
#include "platform/programfolder.h"
#include "update/dlgupdate.h"

int main(int argc, char** argv)
{
    if (argc < 2 || argc > 3)
        return 2;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    SetProgramFolderForTests(argv[1]);
    DBSetting::CreateGlobal();
    DBSetting::Global()->LoadLanguage();
    TDlgUpdate dialog;
    if (argc == 3 && std::string(argv[2]) == "--die-before-rebuild") {
        auto* memo = dialog.findChild<QPlainTextEdit*>("txtInfo");
        QObject::connect(memo, &QPlainTextEdit::textChanged, [memo] {
            if (memo->toPlainText().contains("\n4. "))
                raise(SIGKILL);
        });
    }
    dialog.RunUpdate();
    return dialog.Tag() == 1 ? 0 : 1;
}
