#pragma once

#include <cstdint>
#include <vector>

#include "SpriteArt.h"

namespace orvane::demo {

// One scroll section: its map byte and the game-independent choices the game writers
// turn into their own setting bytes.
struct SectionPlan {
    int first = 0, count = 0;
    uint8_t mapByte = 0;
    int pair = 0;          // sprite groups loaded here (groupPair)
    int paletteRecord = 0; // background palette record
    bool vertical = false; // an up or down screen
};

struct EnemySpot {
    int screen = 0, x = 0, y = 0;
    Design design = Design::Hopper;
};

struct LevelPlan {
    std::vector<SectionPlan> sections;
    std::vector<uint8_t> screenLayouts; // layout number per screen
    std::vector<EnemySpot> enemies;     // in screen order
};

// Lays out a level along the scroll map `mapBytes` (without its end byte): which layout
// each screen shows, which sprite groups and palette record each section uses, and where
// the enemies stand. `pairCount` limits the group pairs (graphics sets or effects) and
// `records` the palette records.
LevelPlan makeLevelPlan(const std::vector<uint8_t>& mapBytes, int level, int layoutCount,
                        int pairCount, int records);

// The screens a map covers.
int screensOf(const std::vector<uint8_t>& mapBytes);

} // namespace orvane::demo
