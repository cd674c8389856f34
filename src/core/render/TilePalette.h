#pragma once

#include <array>
#include <cstdint>

namespace orvane {

class LevelTables;

// A tile has no palette of its own, so a sheet of tiles shows each one in the palette of a
// block that uses it: the first block b = 0..254 holding the tile in any quarter that is
// itself used by some structure s = 0..254. When no block qualifies, block 0 stands in.
// Block 255 and structure 255 are never examined.

// The chosen block of every tile 0..255 of a level.
std::array<uint8_t, 256> tileBlocks(const LevelTables& tables);

// The palette of every tile 0..255: the low nibble of its chosen block's attribute byte.
std::array<uint8_t, 256> tilePalettes(const LevelTables& tables);

} // namespace orvane
