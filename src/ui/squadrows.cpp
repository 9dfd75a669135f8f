#include "ui/squadrows.h"

#include "data/dbplayers.h"
#include "foundation/jxgrid.h"
#include "presenters/gridfill.h"

namespace {

constexpr TColor FirstBand = 0xE0EEFF;
constexpr TColor OtherBand = 0xFFEEE0;
constexpr TColor OwnCountryColor = 0xFF0000;
constexpr TColor OtherCountryColor = 0x000000;

}  // namespace

void FillSquadRows(TJXGrid& grid, DBPlayers& players, const AnsiString& clubCountry, int countryColumn,
                   const std::function<std::vector<AnsiString>()>& cells)
{
    TColor band = FirstBand;
    int line = 0;
    FillGridRows(grid, players, [&](int row) {
        if (row > 1 && players.GetPosID() != line)
            band = band == FirstBand ? OtherBand : FirstBand;
        line = players.GetPosID();
        const TColor countryColor = players.GetNationalID() == clubCountry ? OwnCountryColor : OtherCountryColor;
        const std::vector<AnsiString> texts = cells();
        for (int col = 0; col < static_cast<int>(texts.size()); ++col)
            SetGridCell(grid, row, col, texts[col], true, col == countryColumn ? countryColor : OtherCountryColor,
                        band);
    });
}
