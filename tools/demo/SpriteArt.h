#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "Tile.h"

namespace orvane::demo {

// A groups are loaded as sprite tiles 80..BF and drawn with sprite palette 2, B groups
// as C0..FF with palette 3; the items sit in the first 128 tiles, with palette 1.
enum class Half { A, B, Items };

struct SpriteGroup {
    std::string name;
    Half half = Half::Items;
    std::array<uint8_t, 3> colours{}; // colours 1..3 of the group's sprite palette
    std::vector<Tile> tiles;          // the group's graphics bank
};

// One 8 x 8 piece of a sprite: a tile of its group's bank, drawn flipped or not, at an
// offset from the sprite's anchor (the middle of its bottom edge).
struct Piece {
    uint8_t tile = 0;
    bool hflip = false, vflip = false;
    int dx = 0, dy = 0;
};

struct Sprite {
    std::string name;
    int group = 0;
    int restingY = 0; // where the level plan stands it on an outdoor screen
    std::vector<Piece> pieces;
};

// The same sprite facing the other way: pieces mirrored about the anchor.
Sprite mirrored(const Sprite& s);

// The two sprite groups one graphics choice loads (mm3 graphics set, mm4 effect number).
struct GroupPair {
    int a = 0, b = 0;
};

// The demo's enemy and item sprites (sprites.txt), shared by the three games; each game
// keeps a group's tiles in a bank of its own and numbers the enemy types its own way.
struct SpriteLibrary {
    std::vector<SpriteGroup> groups;
    std::vector<GroupPair> pairs;
    std::vector<Sprite> sprites; // the designs, numbered in file order
    int itemGroup = -1;          // the first group of the items

    explicit SpriteLibrary(const std::filesystem::path& file);
    const SpriteGroup& groupOf(const Sprite& s) const { return groups[s.group]; }
    // The designs of a group in file order; `pick` chooses one of them in turn.
    int designOf(int group, int pick) const;
    GroupPair pair(int index) const { return pairs[index % pairs.size()]; }
    // The eight bytes of a sprite palette set: palettes 2 and 3 for a pair's groups.
    std::vector<uint8_t> paletteSet(int pair) const;
};

} // namespace orvane::demo
