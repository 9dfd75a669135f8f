#pragma once

#include <QGroupBox>

#include "platform/types.h"

class QLabel;
class TLabel;

// The texts of the about box that are part of the program, not of a language.
extern const AnsiString ProgramTitle;
extern const AnsiString ProgramDescription;
extern const AnsiString SupportMailAddress;

// The about box of the about window and of the settings' about page: the program's
// icon, name and description, the program and data versions, and the links to the
// product's web page and to the support mail address.
class TAboutPanel : public QGroupBox {
    Q_OBJECT

public:
    explicit TAboutPanel(QWidget* parent);

    // The two version lines in the current language, the data version read from data.mdb.
    void ShowVersion();

    QLabel* Image1;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* lblVersion;
    QLabel* lblVersionBase;
    QLabel* Label5;
    TLabel* lblWWW;
    QLabel* Label7;
    TLabel* lblMail;

private:
    TLabel* AddLink(const char* name, int left, int top, const AnsiString& text);

    void lblWWWClick();
    void lblMailClick();
};
