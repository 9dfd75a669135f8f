#include "research/predictexportline.h"

#include "data/dbfixed.h"
#include "platform/sysutils.h"
#include "predict/dbpredict_2_1.h"

std::vector<AnsiString> PredictExportColumns(DBFixed& fixed, const DBPredict_2_1& model)
{
    const DBFormTeam& form = model.GetFormTeam();
    return {
            ShortDateToStr(fixed.GetDate()),
            fixed.GetChamp(),
            fixed.GetTeam1(),
            fixed.GetTeam2(),
            IntToStr(model.GetTableGames()),
            "",
            FloatToStr(model.GetW1(IDBPredict::ResultRow)),
            FloatToStr(model.GetX(IDBPredict::ResultRow)),
            FloatToStr(model.GetW2(IDBPredict::ResultRow)),
            FloatToStr(model.GetUnder(IDBPredict::ResultRow)),
            FloatToStr(model.GetOver(IDBPredict::ResultRow)),
            "",
            FloatToStr(form.GetForm1()),
            FloatToStr(form.GetForm2()),
            FloatToStr(fixed.GetKef1()),
            FloatToStr(fixed.GetKefX()),
            FloatToStr(fixed.GetKef2()),
            FloatToStr(fixed.GetKefUn()),
            FloatToStr(fixed.GetKefOv()),
            IntToStr(fixed.GetGol1()),
            IntToStr(fixed.GetGol2()),
            fixed.GetAHandi(),
            FloatToStr(fixed.GetAKef1()),
            FloatToStr(fixed.GetAKef2()),
            FloatToStr(form.GetValue3()),
            FloatToStr(form.GetValue4()),
            FloatToStr(form.GetValue5()),
            FloatToStr(form.GetValue6()),
    };
}

AnsiString JoinExportColumns(const std::vector<AnsiString>& columns)
{
    AnsiString line;
    for (size_t i = 0; i < columns.size(); ++i)
        line += (i == 0 ? "" : ";") + columns[i];
    return line;
}

AnsiString PredictExportLine(DBFixed& fixed, const DBPredict_2_1& model)
{
    return JoinExportColumns(PredictExportColumns(fixed, model));
}
