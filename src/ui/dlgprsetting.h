#pragma once

#include <array>

#include "platform/tform.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The prediction settings window: choose, delete or add a model, and set its five
// probability rows and its score row. Only its layout is part of the program: no
// window is made from it.
class TDlgPrSetting : public TForm {
    Q_OBJECT

public:
    explicit TDlgPrSetting(QWidget* owner = nullptr);

    static constexpr int ProbabilityRows = 5;

    QLabel* lblModel;
    QComboBox* cboModel;
    QPushButton* btnDelete;
    QLabel* lblName;
    QLineEdit* txtName;
    QPushButton* btnAdd;
    // Row i is named with i + 1: "lblProb1", "cboKind1", "txtN1", "txtM1", "txtPercent1".
    std::array<QLabel*, ProbabilityRows> lblProb;
    std::array<QComboBox*, ProbabilityRows> cboKind;
    std::array<QLineEdit*, ProbabilityRows> txtN;
    std::array<QLineEdit*, ProbabilityRows> txtM;
    std::array<QLineEdit*, ProbabilityRows> txtPercent;
    QGroupBox* gbScore;
    QComboBox* cboScore;
    QLineEdit* txtScoreN;
    QPushButton* btnSave;
    QPushButton* btnCancel;
    QPushButton* btnExit;

private:
    void BuildLayout();
    void BuildProbabilityRow(int i);
};
