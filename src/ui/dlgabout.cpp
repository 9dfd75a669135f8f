#include "ui/dlgabout.h"

#include "data/dbsetting.h"
#include "platform/eventhandler.h"
#include "ui/aboutpanel.h"
#include "ui/formcontrols.h"

#include <QPushButton>

TDlgAbout::TDlgAbout(QWidget* owner) : TForm(owner)
{
    BuildLayout();
    setWindowTitle(QString::fromStdString(DBSetting::Global()->GetLangText(1080)));
    FormCreate();
}

void TDlgAbout::BuildLayout()
{
    BeginDialog(this, "DlgAbout", "О программе", 297, 229);

    GroupBox1 = AddControl<TAboutPanel>(this, "GroupBox1", QRect(8, 6, 281, 183));

    btnOK = AddControl<QPushButton>(this, "btnOK", QRect(155, 196, 123, 25), "ОК");
    btnOK->setDefault(true);
    ConnectHandler(btnOK, &QPushButton::clicked, this, &TDlgAbout::btnOKClick);
}

void TDlgAbout::FormCreate()
{
    GroupBox1->ShowVersion();
}

void TDlgAbout::btnOKClick()
{
    Close();
}
