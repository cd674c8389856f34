#pragma once

#include <array>
#include <cstdint>

namespace orvane {

// 0-based file offsets of the 512 tiles a level shows: 0..255 background tiles (block
// tile numbers index them), 256..511 sprite tiles.
using TileAddresses = std::array<int64_t, 512>;

// What the level load and the section refreshes have loaded for drawing: the tile
// offsets, the background palette record in use with its animation state, and where each
// sprite colour of the section came from. mm4 loads tiles and sprite colours section by
// section from effect lists and keeps a section's palette when its palette byte is 0, so
// this depends on the way the user came to the current screen, not on the screen alone.
struct LoadedGraphics {
    TileAddresses TileAddr{};
    int CurBGPal = 0;
    std::array<int, 4> PalAnimId{};
    std::array<int, 4> PalAnimWait{};
    std::array<int, 4> PalAnimFrame{};
    std::array<int64_t, 8> SprColPos{};
};

} // namespace orvane
