// The parts only one game has: mm3's graphics sets, mm5's sprite palette sets and mm4's
// effect lists.
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

// mm3: graphics set g at R10(0) names the CHR banks of group pair g's two groups; its
// sprite palette set is entry g of P27.
void writeGraphicsSets(RomJob& job, const Entry&) {
    std::vector<uint8_t> banks, colours;
    for (int g = 0; g < job.groupPairs; ++g) {
        const GroupPair pair = job.content.sprites.pair(g);
        append(banks, {bankOf(job, pair.a), bankOf(job, pair.b)});
        append(colours, job.content.sprites.paletteSet(g));
    }
    job.rom.put(job.R(10, 0), banks, job.what("graphics sets"));
    job.rom.put(job.P(27), colours, job.what("sprite palette sets"));
}

// mm5: the default sprite colours at the place the part names first, from the group
// pair that follows, and the sprite palette sets of P27 from the pairs after that.
void writeSpritePaletteSets(RomJob& job, const Entry& part) {
    const auto pairs = part.numbers(2);
    std::vector<uint8_t> sets;
    for (size_t i = 1; i < pairs.size(); ++i)
        append(sets, job.content.sprites.paletteSet(pairs[i]));
    job.rom.put(job.P(27), sets, job.what("sprite palette sets"));
    job.rom.put(job.value(part.word(1)), job.content.sprites.paletteSet(pairs.at(0)),
                job.what("default sprite colours"));
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
        throw std::runtime_error(job.what("effect lists are expected in one bank"));
    const int bank = static_cast<int>(job.R(10, 4) / 32);
    auto area = [&](size_t from, const char* what) {
        return RecordArea(job.rom, bank, 0xA000, part.number(from) - 0xA000,
                          part.number(from + 1) - 0xA000, job.what(what));
    };
    RecordArea levelLists = area(1, "level effect lists"),
               sectionLists = area(2, "section effect lists");
    const auto& sprites = job.content.sprites;

    std::vector<int64_t> targets;
    for (int e = 0; e < job.groupPairs; ++e) {
        std::vector<uint8_t> list = sprites.paletteSet(e);
        if (e == part.number(4)) list = {list[0], list[1], list[2], list[3], 0xFF};
        const GroupPair pair = sprites.pair(e);
        append(list, {bankOf(job, pair.a), 64, 0x80, 24, bankOf(job, pair.b), 64, 0x80, 28, 0xFF});
        targets.push_back(sectionLists.add(list));
    }
    job.rom.putPointers(job.R(10, 5), job.R(10, 6), job.groupPairs, targets,
                        job.what("section effect pointers"));

    targets.clear();
    for (size_t level = 0; level < job.plans.size(); ++level) {
        const int first = job.plans[level].sections.front().pair;
        const GroupPair pair = sprites.pair(first);
        const auto tiles = static_cast<uint8_t>(job.game.backgroundBank + level);
        std::vector<uint8_t> list = sprites.paletteSet(first);
        append(list, {tiles,
                      8,
                      0x80,
                      0,
                      tiles,
                      8,
                      0x88,
                      8,
                      bankOf(job, sprites.itemGroup),
                      8,
                      0x80,
                      16,
                      bankOf(job, pair.a),
                      4,
                      0x80,
                      24,
                      bankOf(job, pair.b),
                      4,
                      0x80,
                      28,
                      0xFF});
        targets.push_back(levelLists.add(list));
    }
    job.rom.putPointers(job.R(10, 2), job.R(10, 3), static_cast<int>(targets.size()), targets,
                        job.what("level effect pointers"));
}

} // namespace orvane::demo
