#include "platform/jetfunctions.h"

#include "platform/exceptions.h"
#include "platform/sysutils.h"

#include <sqlite3.h>

#include <cmath>
#include <string>

namespace {

// Past this many places a double holds no further decimal digit to round.
constexpr int MaxRoundDigits = 15;

double RoundHalfEven(double value, int digits)
{
    if (digits > MaxRoundDigits || !std::isfinite(value))
        return value;
    const double scale = std::pow(10.0, digits);
    const double scaled = value * scale;
    if (!std::isfinite(scaled))
        return value;
    // The default floating-point rounding mode sends halves to the even neighbour.
    return std::nearbyint(scaled) / scale;
}

void JetRoundFunction(sqlite3_context* context, int argumentCount, sqlite3_value** arguments)
{
    int digits = 0;
    if (argumentCount == 2) {
        if (sqlite3_value_numeric_type(arguments[1]) == SQLITE_NULL) {
            sqlite3_result_null(context);
            return;
        }
        digits = sqlite3_value_int(arguments[1]);
        if (digits < 0) {
            sqlite3_result_error(context, "Invalid procedure call or argument: Round with negative places", -1);
            return;
        }
    }
    switch (sqlite3_value_numeric_type(arguments[0])) {
    case SQLITE_NULL:
        sqlite3_result_null(context);
        break;
    case SQLITE_INTEGER:
        sqlite3_result_int64(context, sqlite3_value_int64(arguments[0]));
        break;
    case SQLITE_FLOAT:
        sqlite3_result_double(context, RoundHalfEven(sqlite3_value_double(arguments[0]), digits));
        break;
    default:
        sqlite3_result_error(context, "Data type mismatch in criteria expression: Round of a text", -1);
        break;
    }
}

void JetDateFunction(sqlite3_context* context, int, sqlite3_value**)
{
    sqlite3_result_double(context, Date());
}

void JetNowFunction(sqlite3_context* context, int, sqlite3_value**)
{
    sqlite3_result_double(context, Now());
}

void Register(sqlite3* db, const char* name, int argumentCount, int flags,
              void (*function)(sqlite3_context*, int, sqlite3_value**))
{
    if (sqlite3_create_function_v2(db, name, argumentCount, SQLITE_UTF8 | flags, nullptr, function, nullptr, nullptr,
                                   nullptr) != SQLITE_OK)
        throw EDatabaseError(std::string("Cannot register the SQL function ") + name + ": " + sqlite3_errmsg(db));
}

}  // namespace

void RegisterJetScalarFunctions(sqlite3* db)
{
    Register(db, "JetRound", 1, SQLITE_DETERMINISTIC, JetRoundFunction);
    Register(db, "JetRound", 2, SQLITE_DETERMINISTIC, JetRoundFunction);
    // Not deterministic: the clock moves between statements.
    Register(db, "JetDate", 0, 0, JetDateFunction);
    Register(db, "JetNow", 0, 0, JetNowFunction);
}
