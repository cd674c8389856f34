#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace orvane::demo {

// A palette animation: it plays colours 1..3 of one background palette, waits `delay`
// ticks between frames and shows one colour set a frame.
struct Animation {
    std::string name;
    uint8_t palette = 0, delay = 0;
    std::vector<uint8_t> frames;
};

// The demo's colours (palettes.txt), the same in the three games.
struct PaletteBook {
    std::vector<std::array<uint8_t, 13>> schemes; // backdrop, then colours of palettes 0..3
    std::vector<uint8_t> colourSets;              // three bytes a set, in order
    std::vector<Animation> animations;
    std::vector<std::vector<int>> records; // the animations each palette record starts
    std::array<uint8_t, 3> playerColours{};

    explicit PaletteBook(const std::filesystem::path& file);
    // A level's `count` background palette records, colour schemes from `firstScheme`
    // on: 20 bytes each, 16 colours, then the animation byte of palettes 0..3 (bit 7 and
    // the animation number, or 0).
    std::vector<uint8_t> levelRecords(int firstScheme, int count) const;
};

} // namespace orvane::demo
