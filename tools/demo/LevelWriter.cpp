#include "LevelWriter.h"

#include <stdexcept>

#include "core/app/Editor.h"

namespace orvane::demo {

void writeSectionTable(RomBuilder& rb, int64_t pos, std::vector<uint8_t> bytes, int room,
                       const std::string& what) {
    if (static_cast<int>(bytes.size()) > room)
        throw std::runtime_error(what + " has more entries than its room");
    bytes.resize(static_cast<size_t>(room), 0);
    rb.put(pos, bytes, what);
}

void insertEnemy(std::vector<EnemyEntry>& list, EnemyEntry extra) {
    auto it = list.begin();
    while (it != list.end() && it->screen <= extra.screen)
        ++it;
    list.insert(it, extra);
}

void writeLevelTables(RomBuilder& rb, const LevelKit& kit, const LevelPlan& plan,
                      const std::vector<std::array<uint8_t, 20>>& records,
                      const std::vector<EnemyEntry>& enemies, const std::string& level) {
    const Editor& ed = rb.editor();

    std::vector<uint8_t> tiles(1024), attributes(256), structures(1024);
    for (int b = 0; b < 256; ++b) {
        const Block& blk = kit.blocks[static_cast<size_t>(b)];
        for (int q = 0; q < 4; ++q)
            tiles[static_cast<size_t>(256 * q + b)] = blk.tiles[static_cast<size_t>(q)];
        attributes[static_cast<size_t>(b)] = blk.attribute();
        for (int q = 0; q < 4; ++q)
            structures[static_cast<size_t>(4 * b + q)] =
                kit.structures[static_cast<size_t>(b)][static_cast<size_t>(q)];
    }
    rb.put(ed.P(3), tiles, level + " block tiles");
    rb.put(ed.P(4), attributes, level + " block attributes");
    rb.put(ed.P(5), structures, level + " structures");

    const size_t layoutCount = static_cast<size_t>(ed.P(17) + 1);
    if (kit.layouts.size() != layoutCount)
        throw std::runtime_error(level + ": layout count differs from P17 + 1");
    std::vector<uint8_t> layouts;
    for (const auto& l : kit.layouts)
        layouts.insert(layouts.end(), l.begin(), l.end());
    rb.put(ed.P(6), layouts, level + " screen layouts");

    const size_t screens = static_cast<size_t>(ed.P(16) + 1);
    if (plan.screenLayouts.size() != screens)
        throw std::runtime_error(level + ": scroll map does not cover P16 + 1 screens");
    rb.put(ed.P(7), plan.screenLayouts, level + " screen table");

    std::vector<uint8_t> map;
    for (const SectionPlan& s : plan.sections)
        map.push_back(s.mapByte);
    writeSectionTable(rb, ed.P(8), map, kScrollMapRoom, level + " scroll map");

    const size_t slots = static_cast<size_t>(ed.P(19) + 1);
    if (enemies.size() >= slots)
        throw std::runtime_error(level + ": more enemies than the list holds");
    std::vector<uint8_t> scr(slots, 0xFF), xs(slots, 0), ys(slots, 0), types(slots, 0);
    int last = 0;
    for (size_t n = 0; n < enemies.size(); ++n) {
        if (enemies[n].screen < last)
            throw std::runtime_error(level + ": enemy list out of screen order");
        last = enemies[n].screen;
        scr[n] = enemies[n].screen;
        xs[n] = enemies[n].x;
        ys[n] = enemies[n].y;
        types[n] = enemies[n].type;
    }
    rb.put(ed.P(11), scr, level + " enemy screens");
    rb.put(ed.P(12), xs, level + " enemy X");
    rb.put(ed.P(13), ys, level + " enemy Y");
    rb.put(ed.P(14), types, level + " enemy types");

    if (records.size() != static_cast<size_t>(ed.P(18) + 1))
        throw std::runtime_error(level + ": palette record count differs from P18 + 1");
    std::vector<uint8_t> pal;
    for (const auto& r : records)
        pal.insert(pal.end(), r.begin(), r.end());
    rb.put(ed.P(15), pal, level + " palette records");
}

} // namespace orvane::demo
