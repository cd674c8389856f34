#include "core/render/TilePalette.h"

#include "core/level/LevelTables.h"

namespace orvane {

namespace {

// The rule reads as a search per tile and per block (up to 67 million byte reads for a
// full table); two passes over the tables give the same answer in about 2000 reads.
constexpr int kExaminedBlocks = 255;     // blocks 0..254
constexpr int kExaminedStructures = 255; // structures 0..254

} // namespace

std::array<uint8_t, 256> tileBlocks(const LevelTables& tables) {
    std::array<bool, 256> usedByStructure{};
    for (int s = 0; s < kExaminedStructures; ++s)
        for (int q = 0; q < 4; ++q)
            usedByStructure[static_cast<size_t>(tables.structureQuarter(s, q))] = true;

    std::array<uint8_t, 256> chosen{}; // block 0 when no block qualifies
    std::array<bool, 256> found{};
    for (int b = 0; b < kExaminedBlocks; ++b) {
        if (!usedByStructure[static_cast<size_t>(b)]) continue;
        for (int q = 0; q < 4; ++q) {
            const auto t = static_cast<size_t>(tables.blockTile(b, q));
            if (found[t]) continue;
            found[t] = true;
            chosen[t] = static_cast<uint8_t>(b);
        }
    }
    return chosen;
}

std::array<uint8_t, 256> tilePalettes(const LevelTables& tables) {
    const std::array<uint8_t, 256> blocks = tileBlocks(tables);
    std::array<uint8_t, 256> palettes{};
    for (size_t t = 0; t < 256; ++t)
        palettes[t] = static_cast<uint8_t>(tables.blockPalette(blocks[t]));
    return palettes;
}

} // namespace orvane
