// The mm3 demo ROM: 32 program banks, 128 KB of CHR. Level L keeps its tables in bank L
// and its blocks and structures in bank 10 + L; its background tiles are CHR 1 KB banks
// 16 + 4L (tiles 00..7F) and 18 + 4L (80..FF). Enemy sprites come from the graphics set
// of each section, a pair of CHR banks 28..2D.
#include <stdexcept>

#include "BackgroundArt.h"
#include "DemoGames.h"
#include "LevelWriter.h"
#include "Palettes.h"
#include "RecordArea.h"
#include "SpriteTables.h"
#include "core/app/Editor.h"

namespace orvane::demo {

namespace {

// The fixed places of mm3's palette animations.
constexpr int64_t kSetPosition = 75167;
constexpr int64_t kPointerPosition = 75281;
constexpr int64_t kRecordPosition = 75295;
constexpr int kPointerCount = kRecordPosition - kPointerPosition; // 14: the records follow them

int chrBankOf(Group g) {
    switch (g) {
    case Group::Critters:
        return 0x28;
    case Group::Fliers:
        return 0x29;
    case Group::Guns:
        return 0x2A;
    case Group::Hazards:
        return 0x2B;
    case Group::Machines:
        return 0x2C;
    case Group::Giants:
        return 0x2D;
    case Group::Common:
        return 0;
    }
    return 0;
}

uint8_t tileBaseOf(Group g) {
    if (g == Group::Common) return 0x00;
    return isGroupA(g) ? 0x80 : 0xC0;
}

// Enemy types of the resource data's mm3 list.
int typeOf(Design d) {
    switch (d) {
    case Design::Lift:
        return 0x47;
    case Design::Gate:
        return 0x48;
    default:
        return static_cast<int>(d); // Hopper 00 .. Bolt 0A
    }
}

// The three sprite table sets: set 0 the A groups and the items, set 1 the B groups,
// set 2 the lift and the shutter (types 47.., which always use set 2). The order is the
// sprite number, as the resource data's slot 11 gives it.
std::vector<Design> tableSet(int x) {
    switch (x) {
    case 0:
        return {Design::Hopper, Design::Blob,   Design::Flyer, Design::Drone,
                Design::Walker, Design::Energy, Design::Bolt};
    case 1:
        return {Design::Turret, Design::Spikeball, Design::Dropper, Design::Golem};
    default:
        return {Design::Lift, Design::Gate};
    }
}

// Tables P28..P48: per set x, animation pointers (P43+x, P46+x, 128 entries) and frame
// pointers (P28+x, P31+x, 256 entries) into the bank at page P38+x; coordinate pointers
// per coordinate set y (P34+y, P36+y) into the bank at page P41+y, window A000.
void writeSpriteTables(RomBuilder& rb, const SpriteLibrary& lib) {
    const Editor& ed = rb.editor();
    std::vector<RecordArea> coordAreas;
    std::vector<std::vector<int64_t>> coordTargets(2);
    for (int y = 0; y < 2; ++y)
        coordAreas.emplace_back(rb, static_cast<int>(ed.P(41 + y) / 32), 0xA000, 0x200, 0x2000,
                                "mm3 coordinate records");
    for (int x = 0; x < 3; ++x) {
        RecordArea area(rb, static_cast<int>(ed.P(38 + x) / 32), 0x8000, 0x300, 0x2000,
                        "mm3 sprite records");
        const int y = x & 1;
        std::vector<int64_t> frames, anims;
        const auto designs = tableSet(x);
        for (size_t i = 0; i < designs.size(); ++i) {
            const Sprite& s = lib.sprite(designs[i]);
            const auto g = static_cast<uint8_t>(coordTargets[static_cast<size_t>(y)].size());
            coordTargets[static_cast<size_t>(y)].push_back(
                coordAreas[static_cast<size_t>(y)].add(coordinateRecord(s)));
            const uint8_t count = static_cast<uint8_t>(pieceCountByte(s) | (y << 7));
            frames.push_back(area.add(spriteRecord({s, tileBaseOf(s.group)}, {count, g})));
        }
        for (size_t i = 0; i < designs.size(); ++i)
            anims.push_back(area.add({0x00, 0x01, static_cast<uint8_t>(i)}));
        writePointerTables(rb, ed.P(43 + x), ed.P(46 + x), 128, anims, "mm3 animation pointers");
        writePointerTables(rb, ed.P(28 + x), ed.P(31 + x), 256, frames, "mm3 frame pointers");
    }
    for (int y = 0; y < 2; ++y)
        writePointerTables(rb, ed.P(34 + y), ed.P(36 + y), 256,
                           coordTargets[static_cast<size_t>(y)], "mm3 coordinate pointers");
}

// Colour sets at 1259F (three bytes each, ending before the pointers at 12611), the 14
// pointers, and the records from 1261F: last frame, delay, first colour slot, then the
// colour set of each frame. mm3 has no end mark, so a set 0 is left out of the frames.
void writePaletteAnimations(RomBuilder& rb) {
    std::vector<uint8_t> sets;
    for (int s = 0; s < kColourSets; ++s)
        for (uint8_t c : colourSet(s))
            sets.push_back(c);
    if (kSetPosition + static_cast<int64_t>(sets.size()) > kPointerPosition)
        throw std::runtime_error("mm3 colour sets run into the animation pointers");
    rb.put(kSetPosition, sets, "mm3 palette animation colour sets");

    std::vector<uint8_t> records, pointers;
    for (int a = 0; a < kAnimations; ++a) {
        const Animation& anim = animation(a);
        std::vector<uint8_t> frames;
        for (uint8_t f : anim.frames)
            if (f != 0) frames.push_back(f);
        pointers.push_back(static_cast<uint8_t>(records.size()));
        records.push_back(static_cast<uint8_t>(frames.size() - 1));
        records.push_back(anim.delay);
        records.push_back(static_cast<uint8_t>(4 * anim.palette + 1));
        records.insert(records.end(), frames.begin(), frames.end());
    }
    while (static_cast<int>(pointers.size()) < kPointerCount)
        pointers.push_back(0); // spare: the water
    if (records.size() > 256) throw std::runtime_error("mm3 animation records exceed 256 bytes");
    rb.put(kPointerPosition, pointers, "mm3 palette animation pointers");
    rb.put(kRecordPosition, records, "mm3 palette animation records");
}

void writeLevel(RomBuilder& rb, int level) {
    const Editor& ed = rb.editor();
    const std::string name = "mm3 level " + std::to_string(level);
    const int layouts = static_cast<int>(ed.P(17) + 1);
    const LevelKit kit = makeLevelKit(level, layouts);
    const LevelPlan plan =
        makeLevelPlan(scrollTemplate(kMM3, level), level, layouts,
                      static_cast<int>(ed.R(10, 1) + 1), static_cast<int>(ed.P(18) + 1));

    // Background tiles: two 2 KB halves at the CHR banks named at P25 in the level bank.
    const uint8_t b0 = static_cast<uint8_t>(16 + 4 * level),
                  b1 = static_cast<uint8_t>(18 + 4 * level);
    rb.put(ed.LevelBase + ed.Pr(25), {b0, b1}, name + " background CHR banks");
    const auto tiles = backgroundTiles(level % kThemes);
    for (int i = 0; i < 256; ++i)
        rb.putTile(rb.chrOffset(i < 128 ? b0 : b1) + 16 * (i % 128), tiles[static_cast<size_t>(i)],
                   name + " background tiles");

    // Section settings: enemy graphics set and background palette per section.
    std::vector<uint8_t> settings;
    for (const SectionPlan& s : plan.sections) {
        settings.push_back(static_cast<uint8_t>(s.pair));
        settings.push_back(static_cast<uint8_t>(s.paletteRecord));
    }
    writeSectionTable(rb, ed.P(9), settings, kSettingsRoom, name + " section settings");
    writeSectionTable(rb, ed.P(10), {}, kScrollMapRoom, name + " spare section table");

    writeLevelTables(rb, kit, plan, paletteRecords(level, static_cast<int>(ed.P(18) + 1)),
                     enemyEntries(plan, typeOf), name);
}

} // namespace

std::vector<uint8_t> buildMM3(const ResourceData& res, const SpriteLibrary& sprites) {
    Editor ed;
    prepareEditor(ed, kMM3, res);
    RomBuilder rb(ed, 32, 128);
    const int levels = static_cast<int>(ed.P(0) + 1);

    // Second banks (counted from level 0's bank): 10 + L, read by the level load.
    std::vector<uint8_t> second;
    for (int l = 0; l < levels; ++l)
        second.push_back(static_cast<uint8_t>(10 + l));
    rb.put(ed.P(26), second, "mm3 second-bank table");

    // Graphics sets R10(0): CHR banks A and B; sprite palette sets P27 to match.
    std::vector<uint8_t> banks, colours;
    for (int g = 0; g <= ed.R(10, 1); ++g) {
        const GroupPair pair = groupPair(g);
        banks.push_back(static_cast<uint8_t>(chrBankOf(pair.a)));
        banks.push_back(static_cast<uint8_t>(chrBankOf(pair.b)));
        const auto set = spritePaletteSet(pair);
        colours.insert(colours.end(), set.begin(), set.end());
    }
    rb.put(ed.R(10, 0), banks, "mm3 graphics sets");
    rb.put(ed.P(27), colours, "mm3 sprite palette sets");
    const auto common = commonSpritePalettes();
    rb.put(ed.P(49), std::vector<uint8_t>(common.begin(), common.end()), "mm3 sprite palettes");

    writeSpriteArtToChr(rb, sprites, chrBankOf, "mm3 sprite tiles");
    writeSpriteTables(rb, sprites);
    writePaletteAnimations(rb);
    forEachLevel(ed, [&](int level) { writeLevel(rb, level); });
    return ed.RomImage.bytes();
}

} // namespace orvane::demo
