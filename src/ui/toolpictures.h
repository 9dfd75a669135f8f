#pragma once

#include "platform/imagelist.h"

#include <QIcon>
#include <QPixmap>

// The program's own tool bar pictures, drawn in code.
enum class ToolPicture {
    Team,
    Tournament,
    HeadToHead,
    Today,
    Update,
    Ranking,
    Favourites,
    Settings,
    Help,
    Support,
    About,
    Exit,
    Back,
    Forward,
    Filter,
    Export,
};

QPixmap DrawToolPicture(ToolPicture picture, int size);

// The navigation bar's list, by image index: 0 back, 1 forward, 2 team, 3 tournament,
// 4 head-to-head, 5 filter, 6 export.
TImageList CreateNavigationImages();
inline constexpr int NavigationTeamImage = 2;
inline constexpr int NavigationTournamentImage = 3;

// The main tool bar's list, in the order of its buttons: team, tournament,
// head-to-head, coming matches, update, ranking, favourites, settings, help, support,
// about, exit.
TImageList CreateMainToolImages();

// The program's own icon: a ball beside the bars of a chart on a pitch-green tile.
QPixmap DrawApplicationIcon(int size);
// The icon at the sizes window frames and task bars ask for.
QIcon ApplicationIcon();
