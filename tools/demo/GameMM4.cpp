// The mm4 demo ROM: 64 program banks and no CHR. Level L keeps all its tables in bank
// 2 + L. Tiles are loaded from program banks by effect lists: the level's initial list
// (bank 24, window A000) loads its background tiles from bank 32 + L, the common sprite
// tiles from bank 38 and the enemy tiles of section 0; each section's list (chosen by
// its effect number) loads the enemy tiles of two of the banks 40..45.
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

constexpr int kTileBankBase = 32; // + level
constexpr int kCommonSpriteBank = 38;
constexpr int kEnemySpriteBank = 50; // P30 names it as 51 (banks are counted from 1 there)
constexpr int kItemSpriteBank = 51;
// Palette-animation records: the managed area starts at BB00 and may grow to BD2B;
// records from BD2C on stay where they are.
constexpr int64_t kAnimArea = 0xBB00;
constexpr int64_t kAnimAreaEnd = 0xBD2C;
constexpr int64_t kIdleOutside = 0xBD30;
constexpr int64_t kPulseRecord = 0xBD40;

int prgBankOf(Group g) {
    switch (g) {
    case Group::Critters:
        return 40;
    case Group::Fliers:
        return 41;
    case Group::Guns:
        return 42;
    case Group::Hazards:
        return 43;
    case Group::Machines:
        return 44;
    case Group::Giants:
        return 45;
    case Group::Common:
        return kCommonSpriteBank;
    }
    return kCommonSpriteBank;
}

uint8_t tileBaseOf(Group g) {
    if (g == Group::Common) return 0x00;
    return isGroupA(g) ? 0x80 : 0xC0;
}

int typeOf(Design d) {
    switch (d) {
    case Design::Drone:
        return 0x0D;
    case Design::Energy:
        return 0x09;
    case Design::Bolt:
        return 0x0A;
    case Design::Lift:
        return 0x0B;
    case Design::Gate:
        return 0x0C;
    case Design::Flyer:
        return 0x02;
    default:
        return static_cast<int>(d); // Hopper 0, Blob 1, Walker 4 .. Golem 8
    }
}

const std::vector<Design> kEnemySprites = {Design::Hopper,    Design::Blob,    Design::Flyer,
                                           Design::Drone,     Design::Walker,  Design::Turret,
                                           Design::Spikeball, Design::Dropper, Design::Golem};
const std::vector<Design> kItemSprites = {Design::Energy, Design::Bolt, Design::Lift, Design::Gate};

// One sprite bank: in sprite-number order, an animation record whose bit 7 picks the
// frame table (odd sprites face right, through set 1), the sprite facing left (set 0)
// and right (set 1), and a coordinate record for each.
void writeSpriteBank(RomBuilder& rb, const SpriteLibrary& lib, int bank,
                     const std::vector<Design>& designs) {
    const Editor& ed = rb.editor();
    const int64_t s = RomBuilder::bankPosition(bank);
    RecordArea area(rb, bank, 0x8000, 0x800, 0x2000, "mm4 sprite records");
    std::vector<int64_t> anims, coords;
    std::array<std::vector<int64_t>, 2> frames;
    for (size_t i = 0; i < designs.size(); ++i) {
        const Sprite& normal = lib.sprite(designs[i]);
        const Sprite facing[2] = {normal, mirrored(normal)};
        for (int x = 0; x < 2; ++x) {
            const auto g = static_cast<uint8_t>(coords.size());
            coords.push_back(area.add(coordinateRecord(facing[x])));
            frames[static_cast<size_t>(x)].push_back(area.add(
                spriteRecord({facing[x], tileBaseOf(normal.group)}, {pieceCountByte(normal), g})));
        }
        anims.push_back(
            area.add({static_cast<uint8_t>((i & 1) ? 0x80 : 0x00), 0x01, static_cast<uint8_t>(i)}));
    }
    writePointerTables(rb, s + ed.P(43), s + ed.P(46), 256, anims, "mm4 animation pointers");
    for (int x = 0; x < 2; ++x)
        writePointerTables(rb, s + ed.P(31 + x), s + ed.P(33 + x), 256,
                           frames[static_cast<size_t>(x)], "mm4 frame pointers");
    writePointerTables(rb, s + ed.P(35), s + ed.P(36), 256, coords, "mm4 coordinate pointers");
}

// Per type: P28 the bank index (0 enemies, 1 items), P29 the sprite number; P30 turns
// the index into the bank number counted from 1.
void writeTypeTables(RomBuilder& rb) {
    const Editor& ed = rb.editor();
    std::vector<uint8_t> bankIndex(256, 0), sprite(256, 0);
    for (int i = 0; i < kDesignCount; ++i) {
        const auto d = static_cast<Design>(i);
        const bool item = SpriteLibrary::groupOf(d) == Group::Common;
        const auto& list = item ? kItemSprites : kEnemySprites;
        for (size_t n = 0; n < list.size(); ++n)
            if (list[n] == d) {
                bankIndex[static_cast<size_t>(typeOf(d))] = item ? 1 : 0;
                sprite[static_cast<size_t>(typeOf(d))] = static_cast<uint8_t>(n);
            }
    }
    rb.put(ed.P(28), bankIndex, "mm4 sprite bank per type");
    rb.put(ed.P(29), sprite, "mm4 sprite number per type");
    rb.put(ed.P(30), {kEnemySpriteBank + 1, kItemSpriteBank + 1}, "mm4 sprite bank numbers");
}

void writeTiles(RomBuilder& rb, const SpriteLibrary& lib, int levels) {
    for (int l = 0; l < levels; ++l) {
        const auto tiles = backgroundTiles(l % kThemes);
        for (int i = 0; i < 256; ++i)
            rb.putTile(RomBuilder::bankPosition(kTileBankBase + l) - 1 + 16 * i,
                       tiles[static_cast<size_t>(i)], "mm4 background tiles");
    }
    for (int g = 0; g < kGroupCount; ++g) {
        const auto group = static_cast<Group>(g);
        const auto& tiles = lib.bank(group);
        for (size_t i = 0; i < tiles.size(); ++i)
            rb.putTile(RomBuilder::bankPosition(prgBankOf(group)) - 1 +
                           16 * static_cast<int64_t>(i),
                       tiles[i], "mm4 sprite tiles");
    }
}

std::vector<uint8_t> colourPart(GroupPair pair) {
    const auto set = spritePaletteSet(pair);
    return std::vector<uint8_t>(set.begin(), set.end());
}

// Effect lists of the effect numbers, and their pointers R10(5), R10(6). Effect 7 ends
// its colours after palette 2, so palette 3 keeps the previous section's colours.
void writeSectionEffects(RomBuilder& rb, RecordArea& area) {
    const Editor& ed = rb.editor();
    std::vector<uint8_t> los, his;
    for (int e = 0; e <= ed.R(10, 11); ++e) {
        const GroupPair pair = groupPair(e);
        std::vector<uint8_t> list = colourPart(pair);
        if (e == 7) {
            list.resize(5);
            list[4] = 0xFF;
        }
        const std::vector<uint8_t> records = {static_cast<uint8_t>(prgBankOf(pair.a)),
                                              64,
                                              0x80,
                                              24,
                                              static_cast<uint8_t>(prgBankOf(pair.b)),
                                              64,
                                              0x80,
                                              28,
                                              0xFF};
        list.insert(list.end(), records.begin(), records.end());
        const int64_t address = area.add(list);
        los.push_back(lo(address));
        his.push_back(hi(address));
    }
    rb.put(ed.R(10, 5), los, "mm4 section effect pointers (low bytes)");
    rb.put(ed.R(10, 6), his, "mm4 section effect pointers (high bytes)");
}

// Palette objects (enemy types C0..FF), through R10(8) palette slot, R10(9) kind (bit 7:
// animation number, else four-colour palette number) and R10(10) the four-colour
// palettes.
void writePaletteObjects(RomBuilder& rb) {
    const Editor& ed = rb.editor();
    std::vector<uint8_t> slots, kinds, quads;
    for (int k = 0; k < 64; ++k) {
        slots.push_back(static_cast<uint8_t>((3 * k) & 3));
        kinds.push_back(
            static_cast<uint8_t>((k & 1) ? 0x80 | (((k + 1) / 2) % kAnimations) : (k / 2) % 16));
    }
    for (int p = 0; p < 16; ++p) {
        const auto c = colourSet(1 + p);
        quads.insert(quads.end(), {0x0F, c[0], c[1], c[2]});
    }
    rb.put(ed.R(10, 8), slots, "mm4 palette object slots");
    rb.put(ed.R(10, 9), kinds, "mm4 palette object kinds");
    rb.put(ed.R(10, 10), quads, "mm4 four-colour palettes");
}

// Animation records [last frame, delay, colour set per frame] in the bank at page P55,
// pointers P53 (low) and P54 (high) for animations 0..127. Animations 8..63 are empty
// (a set 0 ends them at once); 64..127 share one empty record outside the managed area,
// and animation 7 (the sprite pulse) lies outside it too.
void writePaletteAnimations(RomBuilder& rb) {
    const Editor& ed = rb.editor();
    const int bank = static_cast<int>(ed.P(55) / 32);
    RecordArea managed(rb, bank, 0xA000, kAnimArea - 0xA000, kAnimAreaEnd - 0xA000,
                       "mm4 palette animations");
    RecordArea outside(rb, bank, 0xA000, kIdleOutside - 0xA000, 0x2000, "mm4 palette animations");
    std::vector<int64_t> targets(128, 0);
    auto record = [](const Animation& a) {
        std::vector<uint8_t> r = {a.lastFrame, a.delay};
        r.insert(r.end(), a.frames.begin(), a.frames.end());
        return r;
    };
    for (int a = 0; a < 64; ++a)
        if (a != 7)
            targets[static_cast<size_t>(a)] =
                managed.add(a < kAnimations ? record(animation(a)) : std::vector<uint8_t>{0, 0, 0});
    const int64_t idle = outside.add({0, 0, 0});
    for (int a = 64; a < 128; ++a)
        targets[static_cast<size_t>(a)] = idle;
    RecordArea pulse(rb, bank, 0xA000, kPulseRecord - 0xA000, 0x2000, "mm4 sprite pulse animation");
    targets[7] = pulse.add(record(animation(7)));
    writePointerTables(rb, ed.P(53), ed.P(54), 128, targets, "mm4 palette animation pointers");

    std::vector<uint8_t> sets;
    for (int s = 0; s < kColourSets; ++s)
        for (uint8_t c : colourSet(s))
            sets.push_back(c);
    rb.put(ed.P(56), sets, "mm4 palette animation colour sets");
}

void writeLevel(RomBuilder& rb, RecordArea& effects, int level, std::vector<uint8_t>& initLo,
                std::vector<uint8_t>& initHi) {
    const Editor& ed = rb.editor();
    const std::string name = "mm4 level " + std::to_string(level);
    const int layouts = static_cast<int>(ed.P(17) + 1);
    const LevelKit kit = makeLevelKit(level, layouts);
    const LevelPlan plan =
        makeLevelPlan(scrollTemplate(kMM4, level), level, layouts,
                      static_cast<int>(ed.R(10, 11) + 1), static_cast<int>(ed.P(18) + 1));

    // Initial effect list: background tiles (16-tile groups), common sprite tiles and
    // the enemy tiles of section 0, whose colours it also sets.
    const GroupPair first = groupPair(plan.sections.front().pair);
    const auto tileBank = static_cast<uint8_t>(kTileBankBase + level);
    std::vector<uint8_t> list = colourPart(first);
    const std::vector<uint8_t> records = {tileBank,
                                          8,
                                          0x80,
                                          0,
                                          tileBank,
                                          8,
                                          0x88,
                                          8,
                                          kCommonSpriteBank,
                                          8,
                                          0x80,
                                          16,
                                          static_cast<uint8_t>(prgBankOf(first.a)),
                                          4,
                                          0x80,
                                          24,
                                          static_cast<uint8_t>(prgBankOf(first.b)),
                                          4,
                                          0x80,
                                          28,
                                          0xFF};
    list.insert(list.end(), records.begin(), records.end());
    const int64_t address = effects.add(list);
    initLo.push_back(lo(address));
    initHi.push_back(hi(address));

    // Section settings: background palette (0 keeps the previous section's, except in
    // section 0) and effect number.
    std::vector<uint8_t> palettes, effectNumbers;
    for (size_t i = 0; i < plan.sections.size(); ++i) {
        palettes.push_back(i == 1 ? 0 : static_cast<uint8_t>(plan.sections[i].paletteRecord));
        effectNumbers.push_back(static_cast<uint8_t>(plan.sections[i].pair));
    }
    writeSectionTable(rb, ed.P(9), palettes, kSettingsRoom, name + " section palettes");
    writeSectionTable(rb, ed.P(10), effectNumbers, kScrollMapRoom, name + " effect numbers");
    rb.put(ed.P(25), {0, 0}, name + " spare pair");

    // Enemies, plus two palette objects and a checkpoint.
    auto enemies = enemyEntries(plan, typeOf);
    const auto& s = plan.sections;
    insertEnemy(enemies, {static_cast<uint8_t>(s[2].first), 0x40, 0x40, 0xC1}); // lamps blink
    insertEnemy(enemies,
                {static_cast<uint8_t>(s.back().first), 0x80, 0x40, 0xC2});      // recolour walls
    insertEnemy(enemies, {static_cast<uint8_t>(s[3].first), 0x80, 0xA0, 0x16}); // checkpoint
    writeLevelTables(rb, kit, plan, paletteRecords(level, static_cast<int>(ed.P(18) + 1)), enemies,
                     name);
}

} // namespace

std::vector<uint8_t> buildMM4(const ResourceData& res, const SpriteLibrary& sprites) {
    Editor ed;
    prepareEditor(ed, kMM4, res);
    RomBuilder rb(ed, 64, 0);
    const int levels = static_cast<int>(ed.P(0) + 1);
    if (ed.R(10, 4) != ed.R(10, 7) || ed.R(10, 4) != ed.P(55))
        throw std::runtime_error(
            "mm4 effect lists and palette animations are expected in one bank");

    const auto common = commonSpritePalettes();
    rb.put(ed.P(49), std::vector<uint8_t>(common.begin(), common.end()), "mm4 sprite palettes");
    writeTiles(rb, sprites, levels);
    writeSpriteBank(rb, sprites, kEnemySpriteBank, kEnemySprites);
    writeSpriteBank(rb, sprites, kItemSpriteBank, kItemSprites);
    writeTypeTables(rb);
    writePaletteObjects(rb);
    writePaletteAnimations(rb);

    const int effectBank = static_cast<int>(ed.R(10, 4) / 32);
    RecordArea levelLists(rb, effectBank, 0xA000, 0x0000, 0x0100, "mm4 level effect lists");
    RecordArea sectionLists(rb, effectBank, 0xA000, 0x0100, 0x0400, "mm4 section effect lists");
    writeSectionEffects(rb, sectionLists);
    std::vector<uint8_t> initLo, initHi;
    forEachLevel(ed, [&](int level) { writeLevel(rb, levelLists, level, initLo, initHi); });
    rb.put(ed.R(10, 2), initLo, "mm4 level effect pointers (low bytes)");
    rb.put(ed.R(10, 3), initHi, "mm4 level effect pointers (high bytes)");
    return ed.RomImage.bytes();
}

} // namespace orvane::demo
