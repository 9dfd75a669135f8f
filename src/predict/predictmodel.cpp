#include "predict/predictmodel.h"

#include <type_traits>

#include "foundation/jxerr.h"
#include "foundation/jxfile.h"
#include "foundation/jxmath.h"
#include "foundation/jxparse.h"
#include "platform/exceptions.h"
#include "platform/sysutils.h"

namespace {

// The model file's lines joined without a separator (a record may run over several
// lines); a file that cannot be read is logged and reads as the empty text.
AnsiString ModelText(const AnsiString& path)
{
    JXFile file;
    try {
        file.LoadFromFile(path);
    } catch (const EFileError&) {
        JXErr::Warning("IDBPredict::LoadFromFile " + path);
        return {};
    }
    AnsiString text;
    for (int i = 0; i < file.Count(); ++i)
        text += file.GetLine(i).GetAnsi();
    return text;
}

bool Inside(int index, int count)
{
    return index >= 0 && index < count;
}

}  // namespace

template <typename Cell>
bool PredictModel<Cell>::LoadFromFile(const AnsiString& name, int team1ID, int team2ID, int option)
{
    return Parse(ModelText(GetAppPath().GetAnsi() + "Predict/" + name + ".prd"), team1ID, team2ID, option);
}

template <typename Cell>
bool PredictModel<Cell>::Parse(const AnsiString& text, int team1ID, int team2ID, int option)
{
    JXParse record;
    record.Split(text);
    const auto item = [&record](int i) { return StrToIntDef(record.GetItem(i).GetAnsi(), 0); };
    for (int i = 0; i < static_cast<int>(head_.size()); ++i)
        head_[i] = item(i);
    for (int g = 0; g < Groups; ++g)
        groups_[g] = {item(3 + 4 * g), item(4 + 4 * g), item(5 + 4 * g), item(6 + 4 * g)};
    if (team1ID == 0)
        return false;
    Calculate(team1ID, team2ID, option);
    return true;
}

template <typename Cell>
AnsiString PredictModel<Cell>::GetScoreText(int decimals, const AnsiString& separator) const
{
    return GetScore1Text(decimals) + separator + GetScore2Text(decimals);
}

template <typename Cell>
int PredictModel<Cell>::GetGame(int row) const
{
    if constexpr (std::is_floating_point_v<Cell>)
        return static_cast<int>(RoundTo(TableCell(row, 0), 0));
    else
        return TableCell(row, 0);
}

template <typename Cell>
AnsiString PredictModel<Cell>::GetScore1Text(int decimals) const
{
    return FloatToStrRound(score1_, decimals);
}

template <typename Cell>
AnsiString PredictModel<Cell>::GetScore2Text(int decimals) const
{
    return FloatToStrRound(score2_, decimals);
}

template <typename Cell>
void PredictModel<Cell>::Calculate(int, int, int)
{
}

template <typename Cell>
void PredictModel<Cell>::SetTableCell(int row, int column, Cell value)
{
    if (Inside(row, Rows) && Inside(column, Columns))
        table_[row][column] = value;
}

template <typename Cell>
void PredictModel<Cell>::SetScores(float score1, float score2)
{
    score1_ = score1;
    score2_ = score2;
}

template <typename Cell>
const typename PredictModel<Cell>::GroupFields& PredictModel<Cell>::GroupAt(int g) const
{
    static const GroupFields none;
    return Inside(g, Groups) ? groups_[g] : none;
}

template <typename Cell>
Cell PredictModel<Cell>::TableCell(int row, int column) const
{
    return Inside(row, Rows) && Inside(column, Columns) ? table_[row][column] : Cell{};
}

template <typename Cell>
double PredictModel<Cell>::Percent(int row, int column) const
{
    if constexpr (std::is_floating_point_v<Cell>)
        return RoundTo(TableCell(row, column), 2);
    else
        return TableCell(row, column);
}

template class PredictModel<int>;
template class PredictModel<float>;
