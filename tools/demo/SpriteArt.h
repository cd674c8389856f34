#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "TileArt.h"

namespace orvane::demo {

// The demo's enemy and item sprites, shared by the three games. Each game places the
// tiles of a group in one graphics bank and numbers the enemy types its own way.
enum class Design {
    Hopper,
    Blob,
    Flyer,
    Drone,
    Walker,
    Turret,
    Spikeball,
    Dropper,
    Golem,
    Energy,
    Bolt,
    Lift,
    Gate
};
constexpr int kDesignCount = 13;

// Which graphics bank a design's tiles live in. The A groups are loaded as sprite tiles
// 80..BF, the B groups as C0..FF; the common group sits in the first 128 sprite tiles.
enum class Group { Critters, Fliers, Machines, Guns, Hazards, Giants, Common };
constexpr int kGroupCount = 7;

bool isGroupA(Group g);

// One 8 x 8 piece of a sprite: a tile of its group's bank, drawn flipped or not, at an
// offset from the sprite's anchor (the middle of its bottom edge).
struct Piece {
    uint8_t tile = 0; // index inside the group's bank
    bool hflip = false;
    bool vflip = false;
    int dx = 0, dy = 0;
};

struct Sprite {
    Design design;
    Group group;
    uint8_t palette = 0; // sprite palette 0..3
    std::vector<Piece> pieces;
};

// The same sprite facing the other way: pieces mirrored about the anchor.
Sprite mirrored(const Sprite& s);

// Every design cut into pieces, with each group's tiles (reused flipped where a design
// is symmetric), built once and handed to the game writers.
class SpriteLibrary {
public:
    SpriteLibrary();
    const Sprite& sprite(Design d) const { return m_sprites[static_cast<size_t>(d)]; }
    const std::vector<Tile>& bank(Group g) const { return m_banks[static_cast<size_t>(g)]; }
    static Group groupOf(Design d);
    // The designs of a group, in design order.
    static std::vector<Design> designsOf(Group g);

private:
    std::vector<Sprite> m_sprites;
    std::array<std::vector<Tile>, kGroupCount> m_banks;
};

// The two sprite groups a graphics choice loads (mm3 graphics set, mm4 effect number).
struct GroupPair {
    Group a, b;
};
constexpr int kGroupPairs = 8;
GroupPair groupPair(int index);

} // namespace orvane::demo
