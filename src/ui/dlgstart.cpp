#include "ui/dlgstart.h"

#include "ui/formcontrols.h"
#include "ui/formfont.h"
#include "ui/startpicture.h"

#include <QLabel>
#include <QTimer>

TDlgStart::TDlgStart(QWidget* owner) : TForm(owner)
{
    BuildLayout();
}

void TDlgStart::BuildLayout()
{
    setObjectName("DlgStart");
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    setFixedSize(300, 200);
    SetFormFont(this);
    Image1 = AddControl<QLabel>(this, "Image1", QRect(0, 0, 300, 200));
    Image1->setPixmap(StartPicture());
    Label1 = AddLabel(this, "Label1", 8, 4, "Загрузка...");
    Label1->setStyleSheet("color: white");
    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(1);
}
