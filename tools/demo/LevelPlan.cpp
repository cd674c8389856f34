#include "LevelPlan.h"

#include <stdexcept>

#include "LevelKit.h"
#include "SpriteArt.h"

namespace orvane::demo {

namespace {

// The scroll map byte's high nibble: 2 right, 4 down, 6 down then right, 8 up, A up
// then right.
enum Direction { Down = 4, DownRight = 6, Up = 8, UpRight = 10 };

// The layout of each screen of a section: a climb where the map turns, the next plain
// screen elsewhere. The layouts are named in level-kit.txt.
void layScreens(LevelPlan& plan, const KitSource& kit, int mapByte, int nextByte,
                const std::vector<int>& plain, int& nextPlain) {
    const int h = mapByte >> 4, hn = nextByte >> 4, count = (mapByte & 15) + 1;
    for (int k = 0; k < count; ++k) {
        const bool last = k == count - 1;
        const char* climb = h == Up                                   ? "Shaft"
                            : h == Down                               ? "DropShaft"
                            : last && (hn == Up || hn == UpRight)     ? "LadderUp"
                            : last && (hn == Down || hn == DownRight) ? "Hole"
                            : k == 0 && h == UpRight                  ? "Landing"
                            : k == 0 && h == DownRight                ? "DropLanding"
                                                                      : nullptr;
        plan.screenLayouts.push_back(static_cast<uint8_t>(
            climb ? kit.layoutNumber(climb) : plain[nextPlain++ % plain.size()]));
    }
}

} // namespace

LevelPlan makeLevelPlan(const std::vector<uint8_t>& mapBytes, int level, const PlanLimits& limits,
                        const KitSource& kit, const SpriteLibrary& lib) {
    std::vector<int> plain;
    for (int n : kit.plainScreens())
        if (n < limits.layouts) plain.push_back(n);
    if (plain.empty() || mapBytes.empty() || limits.groupPairs < 1 || limits.records < 1)
        throw std::runtime_error(
            "a level needs plain screens, a scroll map, group pairs and palette records");

    LevelPlan plan;
    int nextPlain = 3 * level;
    for (size_t i = 0; i < mapBytes.size(); ++i) {
        const int h = mapBytes[i] >> 4, n = static_cast<int>(i);
        plan.sections.push_back(
            {static_cast<int>(plan.screenLayouts.size()), (mapBytes[i] & 15) + 1, mapBytes[i],
             (level + n) % limits.groupPairs, (h == Up || h == Down ? 1 : 2 * n) % limits.records});
        layScreens(plan, kit, mapBytes[i], i + 1 < mapBytes.size() ? mapBytes[i + 1] : 0, plain,
                   nextPlain);
    }
    plan.screenLayouts.front() = static_cast<uint8_t>(kit.layoutNumber("Start"));
    plan.screenLayouts.back() = static_cast<uint8_t>(kit.layoutNumber("EndRoom"));

    // Enemies, screen by screen, from the groups of each screen's section; the items,
    // lift and shutter are named in sprites.txt. A y of kStanding stands a sprite on the
    // ground.
    constexpr int kStanding = -1;
    auto sprite = [&](const char* name) { return byName(lib.sprites, name, "sprite"); };
    const int energy = sprite("Energy"), bolt = sprite("Bolt"), lift = sprite("Lift"),
              gate = sprite("Gate");
    for (const SectionPlan& s : plan.sections) {
        const GroupPair gp = lib.pair(s.pair);
        for (int scr = s.first; scr < s.first + s.count; ++scr) {
            auto is = [&](const char* name) {
                return plan.screenLayouts[scr] == kit.layoutNumber(name);
            };
            auto spot = [&](int x, int y, int d) {
                plan.enemies.push_back({scr, x, y == kStanding ? lib.sprites[d].restingY : y, d});
            };
            const int a = lib.designOf(gp.a, scr);
            if (is("Start")) {
                spot(0xB8, 0xC0, energy);
            } else if (is("Shaft") || is("DropShaft")) {
                spot(0xA0, 0x80, a);
            } else if (is("Landing") || is("DropLanding")) {
                spot(0x68, 0xC0, bolt);
            } else if (is("Pit") || is("Bridge")) {
                spot(0x90, 0x88, lift);
                spot(0x30, kStanding, a);
            } else if (is("EndRoom")) {
                spot(0x58, 0xC0, lib.designOf(gp.b, scr));
                spot(0xD8, 0xC0, gate);
            } else {
                spot(0x50 + 0x20 * (scr % 3), kStanding, a);
                if (scr % 2 == 1) spot(0xC0, kStanding, lib.designOf(gp.b, scr / 2));
                if (scr % 5 == 4) spot(0x28, 0xC0, energy);
            }
        }
    }
    return plan;
}

} // namespace orvane::demo
