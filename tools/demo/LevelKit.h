#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace orvane::demo {

// Block types in the order of every game's block-type names: 0 empty, 1 solid, 2 ladder,
// 3 hazard, 4 water, 5 and 6 conveyors, 7 slippery, 8 sticky, 9 platform, 10 breakable,
// 11 door.
enum BlockType : uint8_t {
    Empty,
    Solid,
    Ladder,
    Hazard,
    Water,
    BeltLeft,
    BeltRight,
    Slippery,
    Sticky,
    Platform,
    Breakable,
    DoorType
};

struct Block {
    std::array<uint8_t, 4> tiles{}; // quadrants: top left, top right, bottom left, bottom right
    uint8_t palette = 0;
    uint8_t type = Empty;
    uint8_t attribute() const { return static_cast<uint8_t>((type << 4) | palette); }
};

// Screen layout numbers, the same in every level: which kind of screen each one is.
namespace layout {
enum : uint8_t {
    Start,
    FlatA,
    FlatB,
    Pit,
    Pool,
    Tower,
    LadderUp,
    Shaft,
    Landing,
    Hole,
    DropShaft,
    DropLanding,
    EndRoom,
    Bridge,
    Pipes,
    Works, // 0..15
    Ice,
    Sand,
    TowerB,
    Lamps, // 16..19, for games with 20 layouts
};
}

// The blocks, structures and screen layouts of one level.
struct LevelKit {
    std::array<Block, 256> blocks{};
    std::array<std::array<uint8_t, 4>, 256> structures{};
    std::vector<std::array<uint8_t, 64>> layouts;
};

// Builds a level's kit; `variant` shifts a few details (pit and tower positions) so the
// levels of a game do not look alike, `layoutCount` is P17 + 1.
LevelKit makeLevelKit(int variant, int layoutCount);

// Blocks 0..35 are the hand-made ones, structures 0..37 likewise; the rest are colour
// variants (some deliberately used by nothing).
constexpr int kHandBlocks = 36;
constexpr int kHandStructures = 38;

} // namespace orvane::demo
