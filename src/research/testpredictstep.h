#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "foundation/jxfile.h"
#include "platform/types.h"

class DBFixed;
class DBPredict_2_1;

// Makes the model object that every model file is loaded into; the bench uses
// DBPredict_2_1 itself, tests a model that computes.
using PredictModelFactory = std::function<std::unique_ptr<DBPredict_2_1>()>;
std::unique_ptr<DBPredict_2_1> MakePredictModel();

// The export files of a back-test run, by their bare names: they lie in the process's
// current folder.
inline const AnsiString InformExportFile = "export_predict1.csv";
inline const AnsiString TotalExportFile = "export_predict3.csv";

// The lines a back-test run gathers: those of the model "inform" and of the model "total".
struct TestPredictLines {
    JXFile inform;
    JXFile total;
};

// What the models made of one fixture: the sum of their games and the highest of each
// percentage of result row 5 (the first model with games gives all five at once).
struct FixtureSummary {
    int games = 0;
    double w1 = 0;
    double x = 0;
    double w2 = 0;
    double under = 0;
    double over = 0;
};

// False for a fixture without odds: a home, draw or away price of exactly 1.0.
bool FixtureHasOdds(DBFixed& fixed);

// Loads each named model file into model for the current fixture of fixed, in order,
// and adds the export line of each that passes: "inform" with 25 games or more to the
// inform lines, "total" with 10 or more to the total lines (the names exact, letter
// case counting). A model without games yields nothing.
FixtureSummary TestPredictFixture(DBFixed& fixed, DBPredict_2_1& model, const std::vector<AnsiString>& names,
                                  TestPredictLines& lines);
