// The mm5 demo ROM: 32 program banks, 256 KB of CHR. Level L keeps its tables in bank
// 4 + L and its blocks and structures in bank 12 + L; its background tiles are CHR 1 KB
// banks 16 + 4L and 18 + 4L. Sprite tiles 00..3F and 40..7F are CHR banks 0 and 6; each
// enemy's sprite record points sprite tiles 80..FF at its own CHR banks 40..45 while it
// is drawn. Shared tables live in bank 30, beside the default sprite colours at 3D4CB.
#include <stdexcept>

#include "BackgroundArt.h"
#include "DemoGames.h"
#include "LevelWriter.h"
#include "Palettes.h"
#include "RecordArea.h"
#include "SpriteTables.h"
#include "core/app/Editor.h"
#include "core/render/SpriteSetup.h"

namespace orvane::demo {

namespace {

constexpr int kSpriteBank = 20; // P30 names it as 21
constexpr int kCommonChrBank = 6;
constexpr int kSpritePaletteSets = 4;

// A groups at even banks, each followed by the B group an A sprite's record also loads
// (tiles C0..FF come from the next bank).
int chrBankOf(Group g) {
    switch (g) {
    case Group::Critters:
        return 0x40;
    case Group::Guns:
        return 0x41;
    case Group::Fliers:
        return 0x42;
    case Group::Hazards:
        return 0x43;
    case Group::Machines:
        return 0x44;
    case Group::Giants:
        return 0x45;
    case Group::Common:
        return kCommonChrBank;
    }
    return kCommonChrBank;
}

// Tiles 80.. re-point 80..FF, C0.. re-point C0..FF, 40..7F leave the tiles alone.
uint8_t tileBaseOf(Group g) {
    if (g == Group::Common) return 0x40;
    return isGroupA(g) ? 0x80 : 0xC0;
}

int typeOf(Design d) {
    return static_cast<int>(d);
} // 00 Bounce Bug .. 0C Bars

// The sprite bank: records [CHR bank, piece count, coordinate set, pieces], the sprite
// facing left in frame table 0 and right in table 1, an animation record per sprite.
void writeSpriteBank(RomBuilder& rb, const SpriteLibrary& lib) {
    const Editor& ed = rb.editor();
    const int64_t s = RomBuilder::bankPosition(kSpriteBank);
    RecordArea area(rb, kSpriteBank, 0x8000, 0x800, 0x2000, "mm5 sprite records");
    std::vector<int64_t> anims, coords;
    std::array<std::vector<int64_t>, 2> frames;
    for (int i = 0; i < kDesignCount; ++i) {
        const Sprite& normal = lib.sprite(static_cast<Design>(i));
        const Sprite facing[2] = {normal, mirrored(normal)};
        const auto kb = static_cast<uint8_t>(chrBankOf(normal.group));
        for (int x = 0; x < 2; ++x) {
            const auto g = static_cast<uint8_t>(coords.size());
            coords.push_back(area.add(coordinateRecord(facing[x])));
            frames[static_cast<size_t>(x)].push_back(area.add(spriteRecord(
                {facing[x], tileBaseOf(normal.group)}, {kb, pieceCountByte(normal), g})));
        }
        anims.push_back(
            area.add({static_cast<uint8_t>((i & 1) ? 0x80 : 0x00), 0x01, static_cast<uint8_t>(i)}));
    }
    writePointerTables(rb, s + ed.P(43), s + ed.P(46), 256, anims, "mm5 animation pointers");
    for (int x = 0; x < 2; ++x)
        writePointerTables(rb, s + ed.P(31 + x), s + ed.P(33 + x), 256,
                           frames[static_cast<size_t>(x)], "mm5 frame pointers");
    writePointerTables(rb, s + ed.P(35), s + ed.P(36), 256, coords, "mm5 coordinate pointers");

    // Per type: bank index (always the one sprite bank) and sprite number.
    std::vector<uint8_t> bankIndex(256, 0), sprite(256, static_cast<uint8_t>(Design::Energy));
    for (int i = 0; i < kDesignCount; ++i)
        sprite[static_cast<size_t>(typeOf(static_cast<Design>(i)))] = static_cast<uint8_t>(i);
    sprite[0x44] = static_cast<uint8_t>(Design::Spikeball); // Mine Layer
    sprite[0x4B] = static_cast<uint8_t>(Design::Drone);     // Rotor Pair
    sprite[0x4C] = static_cast<uint8_t>(Design::Blob);      // Mound Pair
    rb.put(ed.P(28), bankIndex, "mm5 sprite bank per type");
    rb.put(ed.P(29), sprite, "mm5 sprite number per type");
    rb.put(ed.P(30), {kSpriteBank + 1}, "mm5 sprite bank numbers");
}

// Sprite palette sets P27 (set v of a section is entry v - 1), the default set at
// 3D4CB for sections whose setting is 0, and sprite palettes 0 and 1 at P49.
void writeSpritePalettes(RomBuilder& rb) {
    const Editor& ed = rb.editor();
    std::vector<uint8_t> sets;
    for (int v = 1; v <= kSpritePaletteSets; ++v) {
        const auto set = spritePaletteSet(groupPair(2 * v - 1));
        sets.insert(sets.end(), set.begin(), set.end());
    }
    rb.put(ed.P(27), sets, "mm5 sprite palette sets");
    const auto def = spritePaletteSet(groupPair(0));
    rb.put(kMM5DefaultSpriteColours, std::vector<uint8_t>(def.begin(), def.end()),
           "mm5 default sprite colours");
    const auto common = commonSpritePalettes();
    rb.put(ed.P(49), std::vector<uint8_t>(common.begin(), common.end()), "mm5 sprite palettes");
}

// Box markers of the object types: R10(12) per slot (bit 7, or 10 and up, pick the
// colour), R10(13) the second choice.
void writeBoxTables(RomBuilder& rb) {
    const Editor& ed = rb.editor();
    std::vector<uint8_t> w, t;
    for (int k = 0; k < 64; ++k) {
        static constexpr uint8_t kW[4] = {0x80, 0x20, 0x05, 0x05};
        w.push_back(kW[k % 4]);
        t.push_back(k % 4 == 3 ? 0x90 : 0x10);
    }
    rb.put(ed.R(10, 12), w, "mm5 box marker table");
    rb.put(ed.R(10, 13), t, "mm5 box marker second table");
}

// Records [last frame, delay, colour set per frame] from P54, their offsets at P53 for
// animations 0..127 (8..127 share one empty record), colour sets at P56.
void writePaletteAnimations(RomBuilder& rb) {
    const Editor& ed = rb.editor();
    std::vector<uint8_t> records, offsets;
    for (int a = 0; a < kAnimations; ++a) {
        const Animation& anim = animation(a);
        offsets.push_back(static_cast<uint8_t>(records.size()));
        records.push_back(anim.lastFrame);
        records.push_back(anim.delay);
        records.insert(records.end(), anim.frames.begin(), anim.frames.end());
    }
    const auto idle = static_cast<uint8_t>(records.size());
    records.insert(records.end(), {0, 0, 0});
    offsets.resize(128, idle);
    rb.put(ed.P(53), offsets, "mm5 palette animation offsets");
    rb.put(ed.P(54), records, "mm5 palette animation records");
    std::vector<uint8_t> sets;
    for (int s = 0; s < kColourSets; ++s)
        for (uint8_t c : colourSet(s))
            sets.push_back(c);
    rb.put(ed.P(56), sets, "mm5 palette animation colour sets");
}

void writeLevel(RomBuilder& rb, int level) {
    const Editor& ed = rb.editor();
    const std::string name = "mm5 level " + std::to_string(level);
    const int layouts = static_cast<int>(ed.P(17) + 1);
    const LevelKit kit = makeLevelKit(level + 1, layouts);
    const LevelPlan plan = makeLevelPlan(scrollTemplate(kMM5, level), level, layouts, kGroupPairs,
                                         static_cast<int>(ed.P(18) + 1));

    const uint8_t b0 = static_cast<uint8_t>(16 + 4 * level),
                  b1 = static_cast<uint8_t>(18 + 4 * level);
    rb.put(ed.LevelBase + ed.Pr(25), {b0, b1}, name + " background CHR banks");
    const auto tiles = backgroundTiles((level + 1) % kThemes);
    for (int i = 0; i < 256; ++i)
        rb.putTile(rb.chrOffset(i < 128 ? b0 : b1) + 16 * (i % 128), tiles[static_cast<size_t>(i)],
                   name + " background tiles");

    // Sprite palette set per section: 0 the default colours, 1..4 a set; section 3's
    // 80 also means the default (bit 7 is not part of the number).
    std::vector<uint8_t> sets;
    for (size_t i = 0; i < plan.sections.size(); ++i)
        sets.push_back(i == 3 ? 0x80 : static_cast<uint8_t>(i % (kSpritePaletteSets + 1)));
    writeSectionTable(rb, ed.P(9), sets, kSettingsRoom, name + " sprite palette sets");
    writeSectionTable(rb, ed.P(10), {}, kScrollMapRoom, name + " spare section table");

    auto enemies = enemyEntries(plan, typeOf);
    insertEnemy(enemies,
                {static_cast<uint8_t>(plan.sections[1].first), 0x20, 0x60, 0x40}); // checkpoint
    insertEnemy(enemies,
                {static_cast<uint8_t>(plan.sections[2].first), 0x90, 0x30, 0xC2}); // object
    writeLevelTables(rb, kit, plan, paletteRecords(level + 2, static_cast<int>(ed.P(18) + 1)),
                     enemies, name);
}

} // namespace

std::vector<uint8_t> buildMM5(const ResourceData& res, const SpriteLibrary& sprites) {
    Editor ed;
    prepareEditor(ed, kMM5, res);
    RomBuilder rb(ed, 32, 256);
    const int levels = static_cast<int>(ed.P(0) + 1);

    std::vector<uint8_t> second;
    for (int l = 0; l < levels; ++l)
        second.push_back(static_cast<uint8_t>(12 + l));
    rb.put(ed.P(26), second, "mm5 second-bank table");

    writeSpritePalettes(rb);
    writeSpriteArtToChr(rb, sprites, chrBankOf, "mm5 sprite tiles");
    writeSpriteBank(rb, sprites);
    writeBoxTables(rb);
    writePaletteAnimations(rb);
    forEachLevel(ed, [&](int level) { writeLevel(rb, level); });
    return ed.RomImage.bytes();
}

} // namespace orvane::demo
