#pragma once

#include <array>

#include "TileArt.h"

namespace orvane::demo {

// Background tile numbers, the same in every level and game; only the art behind them
// changes with the level's theme. Tiles 52..59 and 154..155 are drawn but used by no
// block (spare art a level designer could still place).
namespace bg {
enum : uint8_t {
    Blank = 0,
    GrassL = 1,
    GrassR = 2,
    DirtA = 3,
    DirtB = 4,
    Brick = 5, // 5..8, a 16 x 16 picture in quadrant order
    LadderL = 9,
    LadderR = 10,
    PlatL = 11,
    PlatM = 12,
    PlatR = 13,
    PipeL = 14,
    PipeR = 15,
    CapL = 16,
    CapR = 17,
    Metal = 18, // 18..21
    Spike = 22, // 22, 23
    WaterTopL = 24,
    WaterTopR = 25,
    WaterA = 26,
    WaterB = 27,
    Cloud = 28,  // 28..31
    Bush = 32,   // 32..35
    Window = 36, // 36..39
    Crate = 40,  // 40..43
    Door = 44,   // 44..47
    PillarL = 48,
    PillarR = 49,
    EdgeL = 50,
    EdgeR = 51,
    Sign = 52,     // 52..55, spare
    Flower = 56,   // 56, 57, spare
    Arrow = 58,    // 58, 59, spare
    TreeTop = 128, // 128..131
    TrunkL = 132,
    TrunkR = 133,
    Gear = 134,    // 134..137
    Lamp = 138,    // 138..141
    Crystal = 142, // 142..145
    VentL = 146,
    VentR = 147,
    BeltL = 148,
    BeltR = 149,
    IceL = 150,
    IceR = 151,
    SandL = 152,
    SandR = 153,
    Star = 154,
    Moon = 155, // spare
};
} // namespace bg

constexpr int kThemes = 3; // 0 meadow, 1 factory, 2 cave

// The 256 background tiles of a level of the given theme.
std::array<Tile, 256> backgroundTiles(int theme);

} // namespace orvane::demo
