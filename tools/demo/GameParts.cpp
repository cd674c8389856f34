// Parts of the sprite graphics that not every game has: mm3's graphics sets, sprite
// palette sets, mm4's effect lists.
#include "DemoRom.h"

namespace orvane::demo {

namespace {

uint8_t bankOf(const RomJob& job, int group) {
    return static_cast<uint8_t>(job.game.groupBanks[group]);
}

void append(std::vector<uint8_t>& to, const std::vector<uint8_t>& bytes) {
    to.insert(to.end(), bytes.begin(), bytes.end());
}

} // namespace

// mm3: graphics set g at R10(0) names the CHR banks of group pair g's two groups.
void writeGraphicsSets(RomJob& job, const Entry&) {
    std::vector<uint8_t> banks;
    for (int g = 0; g < job.groupPairs; ++g)
        append(banks, {bankOf(job, job.content.sprites.pair(g).a),
                       bankOf(job, job.content.sprites.pair(g).b)});
    job.rom.put(job.R(10, 0), banks, "graphics sets");
}

// Sprite palette sets at a place: the colours of the group pairs that follow it.
void writePaletteSets(RomJob& job, const Entry& part) {
    std::vector<uint8_t> sets;
    for (uint8_t pair : part.bytes(2))
        append(sets, job.content.sprites.paletteSet(pair));
    job.rom.put(job.value(part.word(1)), sets, "sprite palette sets at " + part.word(1));
}

// mm4, in the bank of R10(4) (window A000): each level's initial effect list, from the
// first place the part names (pointers R10(2), R10(3)), loads its background tiles in
// 16-tile groups, the items' tiles and the enemy tiles of its first section; the list of
// each effect number, from the second place up to the third (pointers R10(5), R10(6)),
// loads the enemy tiles of its group pair. Both start with the sprite colours of the
// pair; the list of the effect number named last ends them after sprite palette 2, so
// palette 3 keeps the previous section's colours. Records: [program bank, count, CPU
// page, first tile row], ended by FF.
void writeEffectLists(RomJob& job, const Entry& part) {
    if (job.R(10, 4) != job.R(10, 7))
        throw std::runtime_error("effect lists are expected in one bank");
    const int bank = static_cast<int>(job.R(10, 4) / 32);
    auto area = [&](size_t from, const char* what) {
        return RecordArea(job.rom, bank, 0xA000, part.number(from) - 0xA000,
                          part.number(from + 1) - 0xA000, what);
    };
    RecordArea levelLists = area(1, "level effect lists"),
               sectionLists = area(2, "section effect lists");
    const auto& sprites = job.content.sprites;

    // Each list: the sprite colours of a pair, then [program bank, tile count (in 16-tile
    // groups for a level's list), CPU page, first tile row] records, FF last.
    auto list = [&](std::vector<uint8_t> bytes, const std::vector<std::array<uint8_t, 4>>& loads) {
        for (const auto& load : loads)
            bytes.insert(bytes.end(), load.begin(), load.end());
        bytes.push_back(0xFF);
        return bytes;
    };
    std::vector<int64_t> targets;
    for (int e = 0; e < job.groupPairs; ++e) {
        const uint8_t a = bankOf(job, sprites.pair(e).a), b = bankOf(job, sprites.pair(e).b);
        std::vector<uint8_t> colours = sprites.paletteSet(e);
        if (e == part.number(4)) colours = {colours[0], colours[1], colours[2], colours[3], 0xFF};
        targets.push_back(sectionLists.add(list(colours, {{a, 64, 0x80, 24}, {b, 64, 0x80, 28}})));
    }
    job.rom.putPointers(job.R(10, 5), job.R(10, 6), job.groupPairs, targets,
                        "section effect pointers");

    targets.clear();
    for (size_t level = 0; level < job.plans.size(); ++level) {
        const int e = job.plans[level].sections.front().pair;
        const uint8_t a = bankOf(job, sprites.pair(e).a), b = bankOf(job, sprites.pair(e).b);
        const uint8_t tiles = uint8_t(job.game.backgroundBank + level),
                      items = bankOf(job, sprites.itemGroup);
        targets.push_back(levelLists.add(list(sprites.paletteSet(e), {{tiles, 8, 0x80, 0},
                                                                      {tiles, 8, 0x88, 8},
                                                                      {items, 8, 0x80, 16},
                                                                      {a, 4, 0x80, 24},
                                                                      {b, 4, 0x80, 28}})));
    }
    job.rom.putPointers(job.R(10, 2), job.R(10, 3), static_cast<int>(targets.size()), targets,
                        "level effect pointers");
}

} // namespace orvane::demo
