#pragma once

#include "platform/tform.h"

class QLabel;
class QTimer;

// The start window: a borderless picture with a line of text and a timer that would
// close it (the setting StartTime belongs to it). Only its layout is part of the
// program: no window is made from it.
class TDlgStart : public TForm {
    Q_OBJECT

public:
    explicit TDlgStart(QWidget* owner = nullptr);

    QLabel* Image1;
    QLabel* Label1;
    QTimer* Timer1;

private:
    void BuildLayout();
};
