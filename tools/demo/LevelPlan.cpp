#include "LevelPlan.h"

#include <stdexcept>

#include "LevelKit.h"

namespace orvane::demo {

namespace {

int high(uint8_t b) {
    return b >> 4;
}

Design firstOf(Group g, int pick) {
    const auto designs = SpriteLibrary::designsOf(g);
    return designs[static_cast<size_t>(pick) % designs.size()];
}

// Where a design stands on an outdoor screen: fliers hover, droppers hang from the top,
// the rest stand on the ground (structure row 6 starts at y = C0).
int restingY(Design d) {
    switch (d) {
    case Design::Flyer:
    case Design::Drone:
        return 0x70;
    case Design::Spikeball:
        return 0x98;
    case Design::Dropper:
        return 0x50;
    default:
        return 0xC0;
    }
}

} // namespace

int screensOf(const std::vector<uint8_t>& mapBytes) {
    int n = 0;
    for (uint8_t b : mapBytes)
        n += (b & 15) + 1;
    return n;
}

LevelPlan makeLevelPlan(const std::vector<uint8_t>& mapBytes, int level, int layoutCount,
                        int pairCount, int records) {
    LevelPlan plan;
    const int screens = screensOf(mapBytes);
    plan.screenLayouts.assign(static_cast<size_t>(screens), 0xFF);

    std::vector<uint8_t> runs = {layout::FlatA, layout::Pit,   layout::FlatB,  layout::Pool,
                                 layout::Tower, layout::Pipes, layout::Bridge, layout::Works};
    if (layoutCount > 16)
        for (uint8_t extra : {layout::Ice, layout::Sand, layout::TowerB, layout::Lamps})
            runs.push_back(extra);
    int nextRun = 3 * level;

    int first = 0;
    for (size_t i = 0; i < mapBytes.size(); ++i) {
        const uint8_t b = mapBytes[i];
        const int count = (b & 15) + 1;
        const int h = high(b);
        const int hn = i + 1 < mapBytes.size() ? high(mapBytes[i + 1]) : 0;
        SectionPlan s;
        s.first = first;
        s.count = count;
        s.mapByte = b;
        s.vertical = (h == 8 || h == 4);
        s.pair = (level + static_cast<int>(i)) % pairCount;
        s.paletteRecord =
            s.vertical ? 1 % records : static_cast<int>((2 * i) % static_cast<size_t>(records));
        plan.sections.push_back(s);

        for (int k = 0; k < count; ++k) {
            const int scr = first + k;
            uint8_t& lay = plan.screenLayouts[static_cast<size_t>(scr)];
            if (h == 8)
                lay = layout::Shaft;
            else if (h == 4)
                lay = layout::DropShaft;
            else if (k == count - 1 && (hn == 8 || hn == 10))
                lay = layout::LadderUp;
            else if (k == count - 1 && (hn == 4 || hn == 6))
                lay = layout::Hole;
            else if (k == 0 && h == 10)
                lay = layout::Landing;
            else if (k == 0 && h == 6)
                lay = layout::DropLanding;
            else
                lay = runs[static_cast<size_t>(nextRun++) % runs.size()];
        }
        first += count;
    }
    if (plan.screenLayouts.empty()) throw std::runtime_error("a level without screens");
    plan.screenLayouts.front() = layout::Start;
    plan.screenLayouts.back() = layout::EndRoom;

    // Enemies, screen by screen, from the groups of each screen's section.
    for (const SectionPlan& s : plan.sections) {
        const GroupPair gp = groupPair(s.pair);
        for (int scr = s.first; scr < s.first + s.count; ++scr) {
            const uint8_t lay = plan.screenLayouts[static_cast<size_t>(scr)];
            const int x = 0x50 + 0x20 * (scr % 3);
            switch (lay) {
            case layout::Start:
                plan.enemies.push_back({scr, 0xB8, 0xC0, Design::Energy});
                break;
            case layout::Shaft:
            case layout::DropShaft:
                plan.enemies.push_back({scr, 0xA0, 0x80, firstOf(gp.a, scr)});
                break;
            case layout::Landing:
            case layout::DropLanding:
                plan.enemies.push_back({scr, 0x68, 0xC0, Design::Bolt});
                break;
            case layout::Pit:
            case layout::Bridge:
                plan.enemies.push_back({scr, 0x90, 0x88, Design::Lift});
                plan.enemies.push_back(
                    {scr, 0x30, restingY(firstOf(gp.a, scr)), firstOf(gp.a, scr)});
                break;
            case layout::EndRoom:
                plan.enemies.push_back(
                    {scr, 0x58, 0xC0, gp.b == Group::Giants ? Design::Golem : firstOf(gp.b, scr)});
                plan.enemies.push_back({scr, 0xD8, 0xC0, Design::Gate});
                break;
            default: {
                const Design a = firstOf(gp.a, scr);
                plan.enemies.push_back({scr, x, restingY(a), a});
                if (scr % 2 == 1) {
                    const Design bd = firstOf(gp.b, scr / 2);
                    plan.enemies.push_back({scr, 0xC0, restingY(bd), bd});
                }
                if (scr % 5 == 4) plan.enemies.push_back({scr, 0x28, 0xC0, Design::Energy});
                break;
            }
            }
        }
    }
    return plan;
}

} // namespace orvane::demo
