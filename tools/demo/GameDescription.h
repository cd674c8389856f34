#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "TextData.h"

namespace orvane::demo {

struct SpriteLibrary;

struct SpriteEntry {
    int design = 0, type = 0, table = 0; // table: the set or sprite bank it is kept in
};

// A per-section table of a level: its place, what each section's bytes say ("map" the
// scroll map byte, "pair", "palette", "cycle": the section number modulo `cycle`) and
// single bytes set apart.
struct SectionTable {
    std::string place;
    std::vector<std::string> columns;
    int cycle = 1;
    std::vector<std::pair<int, uint8_t>> patches; // byte index, value
};

struct ExtraEnemy {
    int section = 0; // -1: the last one
    uint8_t x = 0, y = 0, type = 0;
};

// Everything one game's demo ROM does its own way (game-<name>.txt): the facts the
// common writers follow, and the parts only this game has, which the generator looks
// up by name and runs in order.
struct GameDescription {
    std::string name; // "mm3", "mm4", "mm5"
    int mode = 0;     // the game's column in the resource data
    int prgBanks = 0, chrBanks = 0;
    int secondBanks = -1; // level L's second bank: this + L, or -1 for one bank a level
    // Tiles are kept in CHR memory, in 1 KB banks, or without it in 8 KB program banks.
    bool tilesInChr() const { return chrBanks > 0; }
    int backgroundBank = 0; // level L's background tiles: this bank + L or 4L (CHR)
    int variantOffset = 0, schemeOffset = 0;
    std::vector<std::vector<uint8_t>> scrollMaps;
    std::string lastGroupPair;
    std::vector<SectionTable> sectionTables;
    std::vector<ExtraEnemy> extraEnemies;
    std::vector<int> groupBanks; // per sprite group
    int itemTileBase = 0;
    std::vector<SpriteEntry> sprites;
    int unlistedTypes = -1;                     // the design of the types no sprite line names
    std::vector<std::pair<int, int>> alsoTypes; // type, design
    std::vector<Entry> parts;

    // The game's type number of a design; throws when the game has no type for it.
    int typeOf(int design) const;
};

GameDescription readGameDescription(const std::filesystem::path& file, const std::string& name,
                                    int mode, const SpriteLibrary& sprites);

} // namespace orvane::demo
