#pragma once

#include <cstdint>
#include <vector>

namespace orvane::demo {

class KitSource;
struct SpriteLibrary;

// One scroll section: its map byte and the game-independent choices the game
// descriptions turn into their own setting bytes.
struct SectionPlan {
    int first = 0, count = 0;
    uint8_t mapByte = 0;
    int pair = 0;          // the sprite group pair loaded here
    int paletteRecord = 0; // the background palette record
};

struct EnemySpot {
    int screen = 0, x = 0, y = 0, design = 0;
};

struct LevelPlan {
    std::vector<SectionPlan> sections;
    std::vector<uint8_t> screenLayouts; // layout number per screen
    std::vector<EnemySpot> enemies;     // in screen order
};

// What a game's layout allows a level: layouts, group pairs, palette records.
struct PlanLimits {
    int layouts = 0, groupPairs = 0, records = 0;
};

// Lays out a level along the scroll map `mapBytes` (without its end byte): which layout
// each screen shows, which sprite groups and palette record each section uses, and
// where the enemies stand.
LevelPlan makeLevelPlan(const std::vector<uint8_t>& mapBytes, int level, const PlanLimits& limits,
                        const KitSource& kit, const SpriteLibrary& sprites);

} // namespace orvane::demo
