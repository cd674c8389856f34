#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "LevelKit.h"
#include "LevelPlan.h"
#include "RomBuilder.h"

namespace orvane::demo {

struct EnemyEntry {
    uint8_t screen = 0, x = 0, y = 0, type = 0;
};

// Room kept for the tables the Screen Editor rebuilds: 32 scroll sections and their end
// byte, and two setting bytes for each.
constexpr int kScrollMapRoom = 33;
constexpr int kSettingsRoom = 2 * kScrollMapRoom;

// Writes the tables every game shares, at P(k) of the editor's current level (its
// addresses must be loaded): block tiles and attributes (P3, P4), structures (P5),
// layouts (P6), screen table (P7), scroll map (P8), enemy list (P11..P14, all P19 + 1
// slots, 0xFF after the last enemy) and palette records (P15).
void writeLevelTables(RomBuilder& rb, const LevelKit& kit, const LevelPlan& plan,
                      const std::vector<std::array<uint8_t, 20>>& records,
                      const std::vector<EnemyEntry>& enemies, const std::string& level);

// A per-section table (P9 or P10): `bytes`, then zeros up to `room` bytes.
void writeSectionTable(RomBuilder& rb, int64_t pos, std::vector<uint8_t> bytes, int room,
                       const std::string& what);

// The enemy type of every spot of the plan, through a game's own numbering.
template <typename TypeOf>
std::vector<EnemyEntry> enemyEntries(const LevelPlan& plan, TypeOf typeOf) {
    std::vector<EnemyEntry> out;
    for (const EnemySpot& e : plan.enemies)
        out.push_back({static_cast<uint8_t>(e.screen), static_cast<uint8_t>(e.x),
                       static_cast<uint8_t>(e.y), static_cast<uint8_t>(typeOf(e.design))});
    return out;
}

// Inserts `extra` at its place in screen order (after the enemies of its screen).
void insertEnemy(std::vector<EnemyEntry>& list, EnemyEntry extra);

} // namespace orvane::demo
