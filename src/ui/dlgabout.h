#pragma once

#include "platform/tform.h"

class QPushButton;
class TAboutPanel;

// The small modal window with the program's version, the data version of data.mdb and
// the links to the product's web page and the support mail address.
class TDlgAbout : public TForm {
    Q_OBJECT

public:
    explicit TDlgAbout(QWidget* owner = nullptr);

    TAboutPanel* GroupBox1;
    QPushButton* btnOK;

private:
    void BuildLayout();
    void FormCreate();
    void btnOKClick();
};
