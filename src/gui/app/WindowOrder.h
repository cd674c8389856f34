#pragma once

#include "gui/app/WindowFactory.h"

namespace orvane {

// The orders in which the main window reaches its tool windows, all in one place: a
// window takes part in a refresh by being listed here and overriding the matching
// ToolWindow method. Refreshes reach only shown windows unless said otherwise.
namespace windowOrder {

// Update_Level and Update_BGPal.
inline constexpr WindowId kLevel[] = {WindowId::PalEd,    WindowId::TileTable, WindowId::TSATable,
                                      WindowId::StrTable, WindowId::ScreenEd,  WindowId::EnemEd,
                                      WindowId::LevelMap};
inline constexpr WindowId kBlock[] = {WindowId::StrTable, WindowId::ScreenEd, WindowId::EnemEd,
                                      WindowId::LevelMap};
inline constexpr WindowId kStructureQuarter[] = {WindowId::ScreenEd, WindowId::EnemEd,
                                                 WindowId::LevelMap};
inline constexpr WindowId kScreenCell[] = {WindowId::EnemEd, WindowId::LevelMap};
inline constexpr WindowId kScreen[] = {WindowId::ScreenEd, WindowId::EnemEd, WindowId::LevelMap};
// Update_Enemies: the enemies of a screen changed.
inline constexpr WindowId kEnemies[] = {WindowId::LevelMap};
// Every palette-animation frame shows these windows' animated pictures, shown or not.
inline constexpr WindowId kAnimated[] = {WindowId::PalEd,     WindowId::TSATable,
                                         WindowId::TileTable, WindowId::StrTable,
                                         WindowId::ScreenEd,  WindowId::EnemEd};
// Update_Global_Pal reaches these, shown or not (colour swatches that are not bitmaps).
inline constexpr WindowId kColourSwatches[] = {WindowId::EnemEd};
// The order in which the windows are closed on exit.
inline constexpr WindowId kClosing[] = {WindowId::Config,   WindowId::DumpRes,   WindowId::PalEd,
                                        WindowId::EnemEd,   WindowId::PalChart,  WindowId::StrTable,
                                        WindowId::ScreenEd, WindowId::TileTable, WindowId::TSATable,
                                        WindowId::MiscEd,   WindowId::LevelMap};

// The "Level" menu's windows, with the Shift+letter key that opens each (0: none). The
// menu shows the key beside the caption as text only: Global_KeyDown handles it, so it
// works in every forwarding window and fires once.
struct MenuEntry {
    const char* name;
    const char* caption;
    WindowId id;
    char shiftKey;
};
inline constexpr MenuEntry kLevelMenu[] = {
    {"View_PalEd", "Palette Editor", WindowId::PalEd, 'P'},
    {"View_TT", "Tile Table", WindowId::TileTable, 'T'},
    {"View_TSAT", "TSA Table", WindowId::TSATable, 'B'},
    {"View_StrT", "Structure Table", WindowId::StrTable, 'R'},
    {"View_ScreenEd", "Screen Editor", WindowId::ScreenEd, 'S'},
    {"View_EnemEd", "Enemy Editor", WindowId::EnemEd, 'E'},
    {"Level_Misc", "Miscanneleous", WindowId::MiscEd, 0},
    {"View_LevelMap", "Level Map", WindowId::LevelMap, 'M'},
};

} // namespace windowOrder

} // namespace orvane
