// One level's tables: background tiles, blocks, structures, layouts, screens, scroll
// map, section settings, enemies and palette records.
#include <algorithm>

#include "DemoRom.h"

namespace orvane::demo {

namespace {

// Room the Screen Editor may fill in a per-section table: 32 sections and the end byte.
constexpr size_t kSections = 33;

void writeBackground(RomJob& job, int level, const std::string& name) {
    const auto& tiles = job.content.kit.tilesFor(level + job.game.variantOffset);
    const int bank = job.game.backgroundBank;
    // In program memory one bank a level; in CHR memory two banks a level, for tiles
    // 00..7F and 80..FF, named at P25.
    const auto b0 = static_cast<uint8_t>(bank + 4 * level), b1 = static_cast<uint8_t>(b0 + 2);
    if (job.game.tilesInChr()) job.rom.put(job.P(25), {b0, b1}, name + " background CHR banks");
    for (int i = 0; i < 256; ++i) {
        const int64_t at = !job.game.tilesInChr()
                               ? RomBuilder::bankPosition(bank + level) - 1 + 16 * i
                               : job.rom.chrOffset(i < 128 ? b0 : b1) + 16 * (i % 128);
        job.rom.putTile(at, tiles[i], name + " background tiles");
    }
}

// The per-section tables (scroll map, settings): the bytes of each section in turn, then
// zeros up to room for each byte of 33 sections.
void writeSectionTables(RomJob& job, const LevelPlan& plan, const std::string& name) {
    for (const SectionTable& t : job.game.sectionTables) {
        std::vector<uint8_t> bytes;
        for (size_t i = 0; i < plan.sections.size(); ++i)
            for (const std::string& c : t.columns) {
                const SectionPlan& s = plan.sections[i];
                bytes.push_back(uint8_t(c == "map"       ? s.mapByte
                                        : c == "pair"    ? s.pair
                                        : c == "palette" ? s.paletteRecord
                                                         : int(i) % t.cycle));
            }
        for (const auto& [index, value] : t.patches)
            bytes.at(index) = value;
        const size_t room = kSections * std::max<size_t>(1, t.columns.size());
        if (bytes.size() > room) throw std::runtime_error(name + " has too many sections");
        bytes.resize(room, 0);
        job.rom.put(job.value(t.place), bytes, name + " table " + t.place);
    }
}

// The plan's enemies in the game's numbering, and the description's extras after the
// enemies of their screen. Tables P11..P14: screen (FF after the last enemy), x, y, type.
void writeEnemies(RomJob& job, const LevelPlan& plan, const std::string& name) {
    std::vector<std::array<uint8_t, 4>> list;
    for (const EnemySpot& e : plan.enemies)
        list.push_back({static_cast<uint8_t>(e.screen), static_cast<uint8_t>(e.x),
                        static_cast<uint8_t>(e.y),
                        static_cast<uint8_t>(job.game.typeOf(e.design))});
    for (const ExtraEnemy& x : job.game.extraEnemies) {
        const auto screen = static_cast<uint8_t>(
            (x.section < 0 ? plan.sections.back() : plan.sections.at(x.section)).first);
        auto it = list.begin();
        while (it != list.end() && (*it)[0] <= screen)
            ++it;
        list.insert(it, {screen, x.x, x.y, x.type});
    }
    const auto slots = static_cast<size_t>(job.P(19) + 1);
    if (list.size() >= slots) throw std::runtime_error(name + ": more enemies than the list holds");
    const char* what[4] = {" enemy screens", " enemy X", " enemy Y", " enemy types"};
    for (int c = 0; c < 4; ++c) {
        std::vector<uint8_t> column(slots, c == 0 ? 0xFF : 0);
        for (size_t n = 0; n < list.size(); ++n)
            column[n] = list[n][c];
        job.rom.put(job.P(11 + c), column, name + what[c]);
    }
}

} // namespace

void writeLevel(RomJob& job, int level) {
    // One 8 KB bank per level, counted from level 0's bank, and likewise the second banks.
    job.levelBase = job.raw(1) + int64_t{8192} * level;
    job.secondBase = job.game.secondBanks < 0
                         ? job.levelBase
                         : job.raw(1) + int64_t{8192} * (job.game.secondBanks + level);
    const std::string name = "level " + std::to_string(level);
    const LevelPlan& plan = job.plans[level];
    const LevelKit kit =
        job.content.kit.kit(level + job.game.variantOffset, static_cast<int>(job.P(17) + 1));

    writeBackground(job, level, name);
    job.rom.put(job.P(3), kit.blockTiles, name + " block tiles");
    job.rom.put(job.P(4), kit.blockAttributes, name + " block attributes");
    job.rom.put(job.P(5), kit.structures, name + " structures");
    job.rom.put(job.P(6), kit.layouts, name + " screen layouts");
    if (plan.screenLayouts.size() != static_cast<size_t>(job.P(16) + 1))
        throw std::runtime_error(name + ": the scroll map does not cover P16 + 1 screens");
    job.rom.put(job.P(7), plan.screenLayouts, name + " screen table");

    writeSectionTables(job, plan, name);
    writeEnemies(job, plan, name);
    const int records = static_cast<int>(job.P(18) + 1);
    job.rom.put(job.P(15),
                job.content.palettes.levelRecords(level + job.game.schemeOffset, records),
                name + " palette records");
}

} // namespace orvane::demo
