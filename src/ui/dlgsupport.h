#pragma once

#include "platform/tform.h"
#include "platform/types.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The modal window in which the user writes to the support service: a reply address,
// a subject and a free text, posted to the web host by one press of btnSend; the
// service's answer is shown in a message box. The address is remembered in MyMail.
class TDlgSupport : public TForm {
    Q_OBJECT

public:
    explicit TDlgSupport(QWidget* owner = nullptr);

    QLabel* lblMail;
    QLineEdit* txtMail;
    QLabel* lblSubject;
    QLineEdit* txtTittle;
    QPlainTextEdit* txtMessage;
    QPushButton* btnSend;
    QPushButton* btnClear;
    QPushButton* btnExit;

protected:
    void FormClose() override;

private:
    void BuildLayout();
    void FormCreate();
    // The form body of the message as the fields hold it now.
    AnsiString MessageForm();
    void ShowReply(const AnsiString& reply);

    void btnClearClick();
    void btnExitClick();
    void btnSendClick();
};
