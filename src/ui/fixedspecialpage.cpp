#include "ui/fixedspecialpage.h"

#include "platform/controltext.h"
#include "platform/sysutils.h"
#include "predict/dbpredict.h"
#include "ui/formcontrols.h"

#include <QLabel>

namespace {

// The two models, as records of a model file.
const char* const BayesModel = "13:1286:6:1289:0:5:0:1293:0:0:0:1299:0:5:45:1306:90:0:0:1302:10:5:10;";
const char* const Ver200Model = "13:1287:4:1288:5:10:0:1291:5:0:0:1298:10:5:45:1302:50:5:10:1293:30:5:10;";

// Every read-out comes from the last row of the model's result table.
constexpr int ResultRow = 5;

// "games || W1%/X%/W2% || under%/over% || score1:score2"
AnsiString PredictionText(const DBPredict& predict)
{
    const auto percent = [](double value) { return FloatToStr(value) + "%"; };
    return IntToStr(predict.GetGame(ResultRow)) + " || " + percent(predict.GetW1(ResultRow)) + "/" +
           percent(predict.GetX(ResultRow)) + "/" + percent(predict.GetW2(ResultRow)) + " || " +
           percent(predict.GetUnder(ResultRow)) + "/" + percent(predict.GetOver(ResultRow)) + " || " +
           predict.GetScore1Text(0) + ":" + predict.GetScore2Text(0);
}

constexpr int NameLeft = 20;
constexpr int PredictLeft = 100;

}  // namespace

TFixedSpecialPage::TFixedSpecialPage(QWidget* parent, FixedTeams& teams)
    : TFixedPage(parent, "tabSpecialPredict", teams)
{
    Label30 = AddControl<QLabel>(this, "Label30", QRect(NameLeft, 10, 400, 18));
    SetCaption(Label30, "Predict (GAME || W1/X/W2 || UN/OV || Score):");
    QLabel** const rows[][2] = {
            {&lblSPName1, &lblSPPredict1}, {&lblSPName2, &lblSPPredict2}, {&lblSPName3, &lblSPPredict3}};
    const char* const names[][2] = {{"lblSPName1", "lblSPPredict1"},
                                    {"lblSPName2", "lblSPPredict2"},
                                    {"lblSPName3", "lblSPPredict3"}};
    for (int row = 0; row < 3; ++row) {
        const int top = 40 + row * 24;
        *rows[row][0] = AddControl<QLabel>(this, names[row][0], QRect(NameLeft, top, 76, 18));
        *rows[row][1] = AddControl<QLabel>(this, names[row][1], QRect(PredictLeft, top, 400, 18));
    }
}

void TFixedSpecialPage::ShowSpecialPredict()
{
    if (Filled)
        return;
    DBPredict predict;
    SetCaption(lblSPName1, "Bayes:");
    SetCaption(lblSPName2, "Ver200:");
    lblSPName3->hide();
    lblSPPredict3->hide();
    const std::pair<const char*, QLabel*> models[] = {{BayesModel, lblSPPredict1}, {Ver200Model, lblSPPredict2}};
    for (const auto& [model, label] : models) {
        predict.Parse(model, Teams.team1ID, Teams.team2ID, 0);
        SetCaption(label, PredictionText(predict));
    }
    Filled = true;
}
