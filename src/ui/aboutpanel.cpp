#include "ui/aboutpanel.h"

#include "data/constants.h"
#include "data/dbconnect.h"
#include "data/dbsetting.h"
#include "platform/eventhandler.h"
#include "platform/shellopen.h"
#include "platform/tlabel.h"
#include "ui/formcontrols.h"
#include "ui/toolpictures.h"
#include "update/updatehost.h"

#include <QLabel>

const AnsiString ProgramTitle = "Kovral";
const AnsiString ProgramDescription = "Статистика футбольных матчей";
const AnsiString SupportMailAddress = "support@kovral.example.org";

namespace {

constexpr int IconSize = 32;

AnsiString Lang(int id)
{
    return DBSetting::Global()->GetLangText(id);
}

}  // namespace

TAboutPanel::TAboutPanel(QWidget* parent) : QGroupBox(parent)
{
    Image1 = AddControl<QLabel>(this, "Image1", QRect(14, 12, IconSize, IconSize));
    // The application's icon, as the window frames show it.
    Image1->setPixmap(DrawApplicationIcon(IconSize));
    Label1 = AddLabel(this, "Label1", 58, 11, "");
    QFont title = Label1->font();
    title.setBold(true);
    Label1->setFont(title);
    SetLabelCaption(Label1, ProgramTitle);
    Label2 = AddLabel(this, "Label2", 58, 31, ProgramDescription);
    lblVersion = AddLabel(this, "lblVersion", 10, 56, "");
    lblVersionBase = AddLabel(this, "lblVersionBase", 10, 75, "");
    Label5 = AddLabel(this, "Label5", 10, 97, "WWW:");
    lblWWW = AddLink("lblWWW", 74, 97, ProductWebHost);
    Label7 = AddLabel(this, "Label7", 10, 115, "E-mail:");
    lblMail = AddLink("lblMail", 74, 115, SupportMailAddress);
    ConnectHandler(lblWWW, &TLabel::clicked, this, &TAboutPanel::lblWWWClick);
    ConnectHandler(lblMail, &TLabel::clicked, this, &TAboutPanel::lblMailClick);
}

TLabel* TAboutPanel::AddLink(const char* name, int left, int top, const AnsiString& text)
{
    auto* link = AddControl<TLabel>(this, name, QRect(left, top, 0, 0));
    QFont font = link->font();
    font.setUnderline(true);
    link->setFont(font);
    QPalette palette = link->palette();
    palette.setColor(QPalette::WindowText, Qt::blue);
    link->setPalette(palette);
    link->setCursor(Qt::PointingHandCursor);
    SetLabelCaption(link, text);
    return link;
}

void TAboutPanel::ShowVersion()
{
    DBConnect* data = DBConnect::GetData();
    const AnsiString number = data->GetUpdate();
    const AnsiString date = data->GetUpdateDate();
    SetLabelCaption(lblVersion, Lang(1082) + ": " + VersionText);
    SetLabelCaption(lblVersionBase, Lang(1083) + ": " + number + "(" + date + ")");
}

void TAboutPanel::lblWWWClick()
{
    // The page's address belongs to the language: each language has its own page.
    OpenUrl(Lang(1245));
}

void TAboutPanel::lblMailClick()
{
    OpenUrl("mailto:" + SupportMailAddress);
}
