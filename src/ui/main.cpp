#include "data/constants.h"
#include "foundation/jxfile.h"
#include "foundation/jxstr.h"
#include "platform/messagebox.h"
#include "platform/namedmutex.h"
#include "platform/qtmessagebox.h"
#include "platform/registry.h"
#include "platform/tapplication.h"
#include "research/dlgtestpredict.h"
#include "ui/dlgfilter.h"
#include "ui/dlgmain.h"
#include "ui/toolpictures.h"

#include <clocale>
#include <exception>

namespace {

// Without its settings the program cannot show a window: every activation of the main
// window would raise the same error again. Says so once and ends.
bool SettingsInstalled()
{
    TRegistry registry;
    registry.RootKey = HKEY_LOCAL_MACHINE;
    if (registry.OpenKey(SettingsKey, false))
        return true;
    MessageBox("The settings file " + RegistryFilePath(SettingsKey) +
                       " is missing. Create the program folder with kovral-setup.",
               TApplication::Title(), MB_OK | MB_ICONERROR);
    return false;
}

// The program's windows, created in their fixed order and freed in reverse.
void RunForms(TApplication& application)
{
    TDlgMain dlgMain;
    TDlgFilter dlgFilter;
    TDlgTestPredict dlgTestPredict;
    // Closing the main window ends the program, whatever other window is still open.
    QObject::connect(&dlgMain, &QDialog::finished, &application, &QCoreApplication::quit);
    dlgMain.show();
    TApplication::exec();
}

}  // namespace

int main(int argc, char** argv)
{
    const JXStr name = JXStr("Kovral_") + GetAppPath();
    const JXStr mutexName = JXStr::Replace(JXStr::Replace(name, "/", "_"), ":", "");
    // One running copy per program folder: a second one ends at once, showing nothing.
    TNamedMutex mutex(mutexName);
    if (mutex.AlreadyExists())
        return 0;

    TApplication application(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    UseQtMessageBoxes();
    TApplication::SetTitle(name);
    TApplication::setWindowIcon(ApplicationIcon());
    if (!SettingsInstalled())
        return 1;
    try {
        RunForms(application);
    } catch (const std::exception& error) {
        TApplication::ShowException(error.what());
    } catch (...) {
        TApplication::ShowException("");
    }
    mutex.Release();
    return 0;
}
