#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "TextData.h"
#include "Tile.h"

namespace orvane::demo {

// The blocks, structures and screen layouts of one level, as the tables hold them.
struct LevelKit {
    std::vector<uint8_t> blockTiles;      // 4 x 256: quarter q of block b at 256 q + b
    std::vector<uint8_t> blockAttributes; // 256: type in the high nibble, palette low
    std::vector<uint8_t> structures;      // 256 x 4 block numbers
    std::vector<uint8_t> layouts;         // 64 structure numbers per layout, row by row
};

// A screen layout as level-kit.txt draws it: over a base drawn for the variant plus
// `baseVariant` (or over structure 0), moved right by the variant modulo `shiftModulo`.
struct KitLayout {
    std::string name;
    int base = -1, baseVariant = 0, shiftModulo = 1;
    std::array<int, 64> cells{}; // structure numbers, -1 where the base shows
};

// What every demo level is made from, in every game: the background tiles of each
// theme (background-tiles.txt), and the blocks, structures and screen layouts
// (level-kit.txt).
class KitSource {
public:
    KitSource(const std::filesystem::path& tileFile, const std::filesystem::path& kitFile);

    // The background tiles of a level of layout variant `variant`: the themes are taken
    // in turn.
    const std::array<Tile, 256>& tilesFor(int variant) const {
        return m_tiles[variant % m_tiles.size()];
    }

    // The kit of a level: `variant` moves a few details so that the levels of a game
    // differ, `layoutCount` is how many layouts the game has.
    LevelKit kit(int variant, int layoutCount) const;
    int layoutNumber(const std::string& name) const { return byName(m_layouts, name, "layout"); }
    // The layouts the plain screens of a level take in turn.
    const std::vector<int>& plainScreens() const { return m_plain; }

private:
    struct Named {
        int first, count; // a picture's first tile and its number of tiles
    };
    void readTiles(const std::filesystem::path& file);
    // The number of the tile "name" or "name+n"; throws when there is none.
    uint8_t tileNumber(const std::string& ref) const;
    struct Block {
        std::string name;
        std::array<uint8_t, 4> tiles;
        int palette, type;
    };
    struct Structure {
        std::string name;
        std::array<uint8_t, 4> blocks;
    };
    std::array<uint8_t, 64> draw(const KitLayout& layout, int variant) const;

    std::vector<std::array<Tile, 256>> m_tiles; // per theme
    std::map<std::string, Named> m_tileNames;
    std::vector<Block> m_blocks;
    std::vector<Structure> m_structures;
    std::string m_marks; // the mark of each structure in the layouts
    std::vector<KitLayout> m_bases, m_layouts;
    std::vector<int> m_plain;
};

} // namespace orvane::demo
