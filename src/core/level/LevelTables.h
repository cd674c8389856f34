#pragma once

#include <cstdint>

#include "core/level/Rom.h"
#include "core/resdata/LayoutParams.h"
#include "core/resdata/ResourceData.h"

namespace orvane {

// The games, in the order the resource data lists them.
enum EditModeValue { kMM3 = 0, kMM4 = 1, kMM5 = 2 };

// The ROM layout parameters the editor uses, by number. Positions are 1-based ROM
// positions resolved for the current level; TileGraphics is a 0-based file offset; the
// Last* entries and MusicTracks are counts or limits, not positions.
enum class Param : int {
    LastLevel = 0,
    FirstLevelBank = 1,  // position of level 0's 8 KB bank (read raw)
    TileGraphics = 2,    // 0-based offset of CHR bank 0 (read raw by the sprite set-up)
    BlockTiles = 3,      // four planes of 256 tile numbers, one per block quarter
    BlockAttributes = 4, // one byte per block: palette (low nibble), type (high nibble)
    Structures = 5,      // four block numbers per structure
    ScreenLayouts = 6,   // 64 structure numbers (8 x 8) per layout
    ScreenPresets = 7,   // the layout number of each screen
    ScrollMap = 8,       // one byte per scroll section
    SectionSettings = 9, // mm3 two bytes a section, mm4 and mm5 one
    SectionEffects = 10, // mm4: one effect number a section
    EnemyScreens = 11,   // the enemy list, four parallel tables
    EnemyXs = 12,
    EnemyYs = 13,
    EnemyTypes = 14,
    PaletteRecords = 15, // 20 bytes a record: 16 colours, 4 animation bytes
    LastScreen = 16,
    LastLayout = 17,
    LastPalette = 18,
    LastEnemySlot = 19,
    BackgroundBanks = 25,   // offset in the level's bank of its two CHR bank numbers (raw)
    SecondBanks = 26,       // mm3, mm5: one byte a level, its second bank
    SpritePaletteSets = 27, // 8 bytes a set
    SpriteTables = 28,      // 28 to 48: the enemy sprite tables, see spriteTable()
    SpritePalettes = 49,    // sprite palettes 0 and 1, 8 bytes
    AnimPointersLow = 53,   // mm4 record pointer low bytes, mm5 record offsets
    AnimPointersHigh = 54,  // mm4 record pointer high bytes, mm5 base of the records
    AnimBankPage = 55,      // mm4: the page of the records' bank
    AnimColourSets = 56,    // 3 colour bytes a set
    MusicTracks = 57,       // number of music tracks
    LastNamedEnemy = 58,
};
constexpr int kSpriteTableCount = 21; // parameters 28 to 48

// Resource slots other than the layout parameters. Slots marked "+ game" hold one list
// per game: the slot of game m is the named slot + m.
enum class ResSlot : int {
    BlockTypeNames = 7,    // + game: 16 string indices
    Further = 10,          // the values named by Further below
    MM3SpriteNumbers = 11, // one value a type
    MM3Bank0Needs = 12,    // per type: the graphics set Bank 0 it needs (0: any)
    MM3Bank1Needs = 13,    // per type: the Bank 1 it needs (0: any)
    MM3Bank1Listed = 14,   // per type: a further Bank 1 under which it is listed by number
    EnemyNames = 18,       // + game: string index per type
    ScrollTypeNames = 21,  // mm3 and mm4
    MM5ScrollTypeNames = 22,
    MusicNames = 26,       // + game
    BoxLabelFont = 32,     // 10 x 5 font values of the box label
    BoxDigitFont = 33,     // 3 x 5 font values per hexadecimal digit
    EffectEnemyLists = 34, // mm4: per effect, the index of its list of enemy types
};

// The elements of resource slot 10.
enum class Further : int {
    MM3GraphicsSets = 0, // two 1 KB CHR bank numbers a set
    MM3LastGraphicsSet = 1,
    MM4LevelEffectsLow = 2, // per level, the CPU address of its initial effect list
    MM4LevelEffectsHigh = 3,
    MM4LevelEffectsPage = 4,  // the page that places those addresses in the file
    MM4SectionEffectsLow = 5, // per effect number, the CPU address of its list
    MM4SectionEffectsHigh = 6,
    MM4SectionEffectsPage = 7,
    MM4ObjectPaletteSlots = 8,  // per palette object: the background palette it changes
    MM4ObjectKinds = 9,         // bit 7: an animation number, else a four-colour palette
    MM4FourColourPalettes = 10, // 4 NES colours a palette
    MM4LastEffect = 11,
    MM5MarkerKinds = 12, // the box marker tables of mm5
    MM5MarkerPalettes = 13,
};

// mm3 keeps its palette animations at fixed places: record offsets (one byte per
// animation), the records, the colour sets.
constexpr int64_t kMM3AnimOffsets = 75281;
constexpr int64_t kMM3AnimRecords = 75295;
constexpr int64_t kMM3AnimColourSets = 75167;
// Where mm5 keeps the sprite colours of sections whose sprite palette set is 0.
constexpr int64_t kMM5DefaultSpriteColours = 251083;

// The four bytes of an enemy-list slot, one table each.
enum class EnemyField { Screen, X, Y, Type };

// The tables of one level of the game being edited, by name: each accessor reads the
// ROM image through the layout parameters resolved for that level, so every formula
// that turns a block, structure, screen or section into a ROM position lives here. A
// LevelTables is a small view (it holds references); Document::tables() gives the one
// of the current level, and a view of any other level can be made from parameters
// resolved for it. Writes go through the mutators below, on the current level only.
class LevelTables {
public:
    LevelTables(const Rom& rom, const LayoutParams& params, const ResourceData& res, int game)
        : m_rom(&rom), m_params(&params), m_res(&res), m_game(game) {}

    const Rom& rom() const { return *m_rom; }
    const ResourceData& res() const { return *m_res; }
    int game() const { return m_game; }
    int byte(int64_t pos) const { return m_rom->byte(pos); }

    // P(k), resolved for this level; Pr(k), the raw value; Rn(k).
    int64_t param(Param p) const { return m_params->get(m_game, static_cast<int>(p)); }
    int64_t rawParam(Param p) const {
        return LayoutParams::raw(*m_res, m_game, static_cast<int>(p));
    }
    int32_t resource(ResSlot slot, int64_t k) const {
        return m_res->slotValue(static_cast<int>(slot), k);
    }
    // Slots that hold one list per game: the current game's.
    int32_t gameResource(ResSlot slot, int64_t k) const {
        return m_res->slotValue(static_cast<int>(slot) + m_game, k);
    }
    int32_t further(Further k) const { return resource(ResSlot::Further, static_cast<int>(k)); }
    // Parameter 28 + i (i = 0..20) of the enemy sprite tables: a position, an offset or a
    // bank page depending on the game and the table.
    int64_t spriteTable(int i) const {
        return (i >= 0 && i < kSpriteTableCount)
                   ? m_params->get(m_game, static_cast<int>(Param::SpriteTables) + i)
                   : 0;
    }

    // ---- limits ----
    int64_t lastLevel() const { return param(Param::LastLevel); }
    int64_t lastScreen() const { return param(Param::LastScreen); }
    int64_t lastLayout() const { return param(Param::LastLayout); }
    int64_t lastPalette() const { return param(Param::LastPalette); }
    int64_t lastEnemySlot() const { return param(Param::LastEnemySlot); }
    int64_t musicTrackCount() const { return param(Param::MusicTracks); }
    int64_t lastNamedEnemy() const { return param(Param::LastNamedEnemy); }

    // ---- blocks: quarter q = x + 2y (0 top-left, 1 top-right, 2 bottom-left, 3 bottom-right)
    int64_t blockTilePosition(int block, int quarter) const {
        return param(Param::BlockTiles) + 256 * int64_t{quarter} + block;
    }
    int blockTile(int block, int quarter) const { return byte(blockTilePosition(block, quarter)); }
    int64_t blockAttributePosition(int block) const {
        return param(Param::BlockAttributes) + block;
    }
    int blockAttribute(int block) const { return byte(blockAttributePosition(block)); }
    int blockPalette(int block) const { return blockAttribute(block) & 0x0F; }
    int blockType(int block) const { return blockAttribute(block) >> 4; }

    // ---- structures: quarter as for blocks ----
    int64_t structureQuarterPosition(int str, int quarter) const {
        return param(Param::Structures) + 4 * int64_t{str} + quarter;
    }
    int structureQuarter(int str, int quarter) const {
        return byte(structureQuarterPosition(str, quarter));
    }

    // ---- screens: 8 x 8 cells, row by row ----
    int64_t screenPresetPosition(int screen) const { return param(Param::ScreenPresets) + screen; }
    // The layout number screen `screen` shows.
    int screenPreset(int screen) const { return byte(screenPresetPosition(screen)); }
    int64_t layoutCellPosition(int layout, int row, int col) const {
        return param(Param::ScreenLayouts) + 64 * int64_t{layout} + 8 * row + col;
    }
    int layoutCell(int layout, int row, int col) const {
        return byte(layoutCellPosition(layout, row, col));
    }
    // The structure in cell (row, col) of screen `screen`, through its preset.
    int64_t screenCellPosition(int screen, int row, int col) const {
        return layoutCellPosition(screenPreset(screen), row, col);
    }
    int screenCell(int screen, int row, int col) const {
        return byte(screenCellPosition(screen, row, col));
    }

    // ---- scroll map and section settings ----
    int64_t scrollEntryPosition(int section) const { return param(Param::ScrollMap) + section; }
    int scrollEntry(int section) const { return byte(scrollEntryPosition(section)); }
    // The two settings of a section, as the screen fields and the scroll map rebuild
    // carry them: mm3 the enemy graphics set and the background palette, mm4 the
    // background palette and the effect number, mm5 the sprite palette set and nothing.
    // A setting the game lacks has position 0, which reads 0 and takes no writes.
    int64_t sectionSettingPosition(int section, int which) const;
    int sectionSetting(int section, int which) const {
        return byte(sectionSettingPosition(section, which));
    }
    // The same bytes by meaning.
    int sectionGraphicsSet(int section) const { return sectionSetting(section, 0); } // mm3
    int sectionEffect(int section) const { return byte(param(Param::SectionEffects) + section); }
    int sectionSpritePaletteSet(int section) const { return sectionSetting(section, 0); } // mm5
    // The palette record a section asks for (mm3 its second setting, mm4 its first; mm5
    // sections have none).
    int sectionPalette(int section) const;

    // ---- enemy list: slot n = 0..lastEnemySlot, four parallel tables ----
    int64_t enemyPosition(int64_t n, EnemyField field) const {
        return param(static_cast<Param>(static_cast<int>(Param::EnemyScreens) +
                                        static_cast<int>(field))) +
               n;
    }
    int enemyScreen(int64_t n) const { return byte(enemyPosition(n, EnemyField::Screen)); }
    int enemyX(int64_t n) const { return byte(enemyPosition(n, EnemyField::X)); }
    int enemyY(int64_t n) const { return byte(enemyPosition(n, EnemyField::Y)); }
    int enemyType(int64_t n) const { return byte(enemyPosition(n, EnemyField::Type)); }

    // ---- palettes ----
    // Byte k (0..19) of palette record `record`: 0..15 colours, 16..19 animation bytes.
    int64_t paletteRecordPosition(int record, int k) const {
        return param(Param::PaletteRecords) + 20 * int64_t{record} + k;
    }
    int paletteRecordByte(int record, int k) const {
        return byte(paletteRecordPosition(record, k));
    }
    // Byte i (0..7) of sprite palette set `set`, and of sprite palettes 0 and 1.
    int64_t spritePaletteSetPosition(int set, int i) const {
        return param(Param::SpritePaletteSets) + 8 * int64_t{set} + i;
    }
    int spritePaletteByte(int i) const { return byte(param(Param::SpritePalettes) + i); }
    // mm3: CHR bank `which` (0 or 1) of enemy graphics set g.
    int64_t graphicsSetBankPosition(int g, int which) const {
        return further(Further::MM3GraphicsSets) + 2 * int64_t{g} + which;
    }
    int graphicsSetBank(int g, int which) const { return byte(graphicsSetBankPosition(g, which)); }

    // ---- palette animations (the tables of the current game) ----
    // mm4: the pointer pair of animation a (which 0 low byte, 1 high byte) and the CPU
    // address it holds, in 0xA000..0xBFFF of the animation bank; the position of the byte
    // the game sees at `address` in that bank.
    int64_t animationPointerPosition(int a, int which) const {
        return param(which == 0 ? Param::AnimPointersLow : Param::AnimPointersHigh) + a;
    }
    int64_t animationAddress(int a) const {
        return 256 * int64_t{byte(animationPointerPosition(a, 1))} +
               byte(animationPointerPosition(a, 0));
    }
    int64_t animationBankPosition(int64_t address) const;
    // Position R of the record of animation a (0..127): R last frame index, R + 1 delay,
    // then (mm3 only) the first target slot, then one colour-set byte per frame.
    int64_t animationRecordPosition(int a) const;
    // Offset of colour set `set` from the first set as the animation plays it: 3 * set,
    // taken modulo 256 in mm3 and mm5.
    int64_t animationColourSetOffset(int set) const;
    // First colour byte of colour set `set` as the animation plays it.
    int64_t animationColourSetPosition(int set) const {
        return animationColourSetBase() + animationColourSetOffset(set);
    }
    int64_t animationColourSetBase() const {
        return m_game == kMM3 ? kMM3AnimColourSets : param(Param::AnimColourSets);
    }
    // Byte k (0..2) of colour set `set` as stored (3 * set from the first set, no wrap):
    // where an editor of the colour sets reads and writes them.
    int64_t colourSetPosition(int set, int k) const {
        return animationColourSetBase() + 3 * int64_t{set} + k;
    }

    // ---- mm4 effect lists and palette objects ----
    int64_t levelEffectListPosition(int level) const;
    int64_t sectionEffectListPosition(int section) const;
    // Palette object q (an enemy type 0xC0 + q): the background palette it changes and
    // its kind (bit 7: an animation number, else a four-colour palette number).
    int64_t objectPaletteSlotPosition(int q) const {
        return further(Further::MM4ObjectPaletteSlots) + q;
    }
    int objectPaletteSlot(int q) const { return byte(objectPaletteSlotPosition(q)); }
    int64_t objectKindPosition(int q) const { return further(Further::MM4ObjectKinds) + q; }
    int objectKind(int q) const { return byte(objectKindPosition(q)); }
    // Byte j (0..3) of four-colour palette m.
    int64_t fourColourPalettePosition(int m, int j) const {
        return further(Further::MM4FourColourPalettes) + 4 * int64_t{m} + j;
    }
    int fourColourPaletteByte(int m, int j) const { return byte(fourColourPalettePosition(m, j)); }

    // ---- level banks ----
    // mm3, mm5: the second bank of level `level`, in banks from level 0's bank.
    int secondBankOf(int level) const { return byte(param(Param::SecondBanks) + level); }

private:
    const Rom* m_rom;
    const LayoutParams* m_params;
    const ResourceData* m_res;
    int m_game;
};

struct Document;

// Writes into the current level's tables. Each writes one table entry through the ROM
// door (writes outside the image are dropped) and nothing else.
void setBlockTile(Document& doc, int block, int quarter, int tile);
void setBlockAttribute(Document& doc, int block, int value);
void setStructureQuarter(Document& doc, int str, int quarter, int block);
void setScreenPreset(Document& doc, int screen, int layout);
void setScreenCell(Document& doc, int screen, int row, int col, int str);
void setScrollEntry(Document& doc, int section, int value);
void setSectionSetting(Document& doc, int section, int which, int value);
void setPaletteRecordByte(Document& doc, int record, int k, int value);
void setColourSetByte(Document& doc, int set, int k, int value);
void setGraphicsSetBank(Document& doc, int g, int which, int bank);
void setObjectPaletteSlot(Document& doc, int q, int value);
void setObjectKind(Document& doc, int q, int value);
void setFourColourPaletteByte(Document& doc, int m, int j, int value);

} // namespace orvane
