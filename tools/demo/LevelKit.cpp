#include "LevelKit.h"

#include <algorithm>

#include "BackgroundArt.h"

namespace orvane::demo {

namespace {

// Hand-made block numbers.
namespace blk {
enum : uint8_t {
    Sky,
    Ground,
    Dirt,
    Brick,
    Ladder,
    PlatL,
    PlatM,
    PlatR,
    Pipe,
    PipeCap,
    Metal,
    Spikes,
    WaterTop,
    Water,
    Cloud,
    Bush,
    Window,
    Crate,
    Door,
    Pillar,
    EdgeL,
    EdgeR,
    BrickAlt,
    MetalAlt,
    LadderBrick,
    TreeTop,
    Trunk,
    Gear,
    Lamp,
    Crystal,
    Vent,
    BeltL,
    BeltR,
    Ice,
    Sand,
    LadderGround,
};
}

// Hand-made structure numbers.
namespace str {
enum : uint8_t {
    Sky,
    Ground,
    Dirt,
    Brick,
    LadderSky,
    LadderGround,
    PlatLeft,
    PlatRight,
    PipeTop,
    PipeBody,
    Metal,
    SpikePit,
    WaterTop,
    Water,
    Cloud,
    Bush,
    TowerWindow,
    Crates,
    DoorWall,
    Pillar,
    EdgeL,
    EdgeR,
    BrickAlt,
    MetalAlt,
    LadderWall,
    Tree,
    GearWall,
    Lamp,
    Crystals,
    Vents,
    BeltFloorL,
    BeltFloorR,
    IceFloor,
    SandFloor,
    WallLeft,
    WallRight,
    LadderDirt,
    LadderPlat,
};
}

Block block(uint8_t tl, uint8_t tr, uint8_t bl, uint8_t br, uint8_t pal, uint8_t type) {
    return Block{{tl, tr, bl, br}, pal, type};
}

// A 16 x 16 picture placed at tile n is used by a block as n, n+1, n+2, n+3.
Block quad(uint8_t first, uint8_t pal, uint8_t type) {
    return block(first, static_cast<uint8_t>(first + 1), static_cast<uint8_t>(first + 2),
                 static_cast<uint8_t>(first + 3), pal, type);
}

void handBlocks(std::array<Block, 256>& b) {
    using namespace bg;
    b[blk::Sky] = block(Blank, Blank, Blank, Blank, 0, Empty);
    b[blk::Ground] = block(GrassL, GrassR, DirtA, DirtB, 1, Solid);
    b[blk::Dirt] = block(DirtA, DirtB, DirtB, DirtA, 1, Solid);
    b[blk::Brick] = quad(Brick, 2, Solid);
    b[blk::Ladder] = block(LadderL, LadderR, LadderL, LadderR, 3, Ladder);
    b[blk::PlatL] = block(PlatL, PlatM, Blank, Blank, 3, Platform);
    b[blk::PlatM] = block(PlatM, PlatM, Blank, Blank, 3, Platform);
    b[blk::PlatR] = block(PlatM, PlatR, Blank, Blank, 3, Platform);
    b[blk::Pipe] = block(PipeL, PipeR, PipeL, PipeR, 3, Solid);
    b[blk::PipeCap] = block(CapL, CapR, PipeL, PipeR, 3, Solid);
    b[blk::Metal] = quad(Metal, 2, Solid);
    b[blk::Spikes] = block(Blank, Blank, Spike, Spike + 1, 3, Hazard);
    b[blk::WaterTop] = block(WaterTopL, WaterTopR, WaterA, WaterB, 0, Water);
    b[blk::Water] = block(WaterA, WaterB, WaterB, WaterA, 0, Water);
    b[blk::Cloud] = quad(Cloud, 0, Empty);
    b[blk::Bush] = quad(Bush, 1, Empty);
    b[blk::Window] = quad(Window, 2, Solid);
    b[blk::Crate] = quad(Crate, 2, Breakable);
    b[blk::Door] = quad(Door, 3, DoorType);
    b[blk::Pillar] = block(PillarL, PillarR, PillarL, PillarR, 3, Empty);
    b[blk::EdgeL] = block(EdgeL, GrassL, DirtA, DirtB, 1, Solid);
    b[blk::EdgeR] = block(GrassR, EdgeR, DirtA, DirtB, 1, Solid);
    // The same tiles in another palette: the Tile Table shows each tile in the palette
    // of its first user.
    b[blk::BrickAlt] = quad(Brick, 3, Solid);
    b[blk::MetalAlt] = quad(Metal, 1, Solid);
    b[blk::LadderBrick] = block(LadderL, LadderR, LadderL, LadderR, 2, Ladder);
    b[blk::TreeTop] = quad(TreeTop, 1, Empty);
    b[blk::Trunk] = block(TrunkL, TrunkR, TrunkL, TrunkR, 2, Empty);
    b[blk::Gear] = quad(Gear, 3, Solid);
    b[blk::Lamp] = quad(Lamp, 3, Empty);
    b[blk::Crystal] = quad(Crystal, 0, Empty);
    b[blk::Vent] = block(VentL, VentR, VentL, VentR, 3, Empty);
    b[blk::BeltL] = block(BeltL, BeltL, Metal + 2, Metal + 3, 3, BeltLeft);
    b[blk::BeltR] = block(BeltR, BeltR, Metal + 2, Metal + 3, 3, BeltRight);
    b[blk::Ice] = block(IceL, IceR, DirtA, DirtB, 0, Slippery);
    b[blk::Sand] = block(SandL, SandR, DirtA, DirtB, 1, Sticky);
    b[blk::LadderGround] = block(LadderL, LadderR, DirtA, DirtB, 1, Ladder);
}

void handStructures(std::array<std::array<uint8_t, 4>, 256>& s) {
    using namespace blk;
    s[str::Sky] = {Sky, Sky, Sky, Sky};
    s[str::Ground] = {Ground, Ground, Dirt, Dirt};
    s[str::Dirt] = {Dirt, Dirt, Dirt, Dirt};
    s[str::Brick] = {Brick, Brick, Brick, Brick};
    s[str::LadderSky] = {Ladder, Sky, Ladder, Sky};
    s[str::LadderGround] = {LadderGround, Ground, Ladder, Dirt};
    s[str::PlatLeft] = {PlatL, PlatM, Sky, Sky};
    s[str::PlatRight] = {PlatM, PlatR, Sky, Sky};
    s[str::PipeTop] = {PipeCap, Sky, Pipe, Sky};
    s[str::PipeBody] = {Pipe, Sky, Pipe, Sky};
    s[str::Metal] = {Metal, Metal, Metal, Metal};
    s[str::SpikePit] = {Spikes, Spikes, Dirt, Dirt};
    s[str::WaterTop] = {WaterTop, WaterTop, Water, Water};
    s[str::Water] = {Water, Water, Water, Water};
    s[str::Cloud] = {Sky, Cloud, Sky, Sky};
    s[str::Bush] = {Sky, Sky, Bush, Sky};
    s[str::TowerWindow] = {Brick, Window, Brick, Brick};
    s[str::Crates] = {Sky, Sky, Crate, Crate};
    s[str::DoorWall] = {Brick, Brick, Door, Brick};
    s[str::Pillar] = {Pillar, Sky, Pillar, Sky};
    s[str::EdgeL] = {EdgeL, Ground, Dirt, Dirt};
    s[str::EdgeR] = {Ground, EdgeR, Dirt, Dirt};
    s[str::BrickAlt] = {BrickAlt, BrickAlt, BrickAlt, BrickAlt};
    s[str::MetalAlt] = {MetalAlt, MetalAlt, MetalAlt, MetalAlt};
    s[str::LadderWall] = {LadderBrick, Brick, LadderBrick, Brick};
    s[str::Tree] = {TreeTop, Sky, Trunk, Sky};
    s[str::GearWall] = {Gear, Gear, Metal, Metal};
    s[str::Lamp] = {Sky, Sky, Lamp, Sky};
    s[str::Crystals] = {Sky, Sky, Crystal, Crystal};
    s[str::Vents] = {Vent, Vent, Metal, Metal};
    s[str::BeltFloorL] = {BeltL, BeltL, Dirt, Dirt};
    s[str::BeltFloorR] = {BeltR, BeltR, Dirt, Dirt};
    s[str::IceFloor] = {Ice, Ice, Dirt, Dirt};
    s[str::SandFloor] = {Sand, Sand, Dirt, Dirt};
    s[str::WallLeft] = {Brick, Sky, Brick, Sky};
    s[str::WallRight] = {Sky, Brick, Sky, Brick};
    s[str::LadderDirt] = {LadderGround, Dirt, Ladder, Dirt};
    s[str::LadderPlat] = {Ladder, PlatM, Ladder, Sky};
}

using Grid = std::array<uint8_t, 64>;

void fill(Grid& g, int row0, int row1, int col0, int col1, uint8_t s) {
    for (int r = row0; r <= row1; ++r)
        for (int c = col0; c <= col1; ++c)
            g[static_cast<size_t>(8 * r + c)] = s;
}
void at(Grid& g, int row, int col, uint8_t s) {
    g[static_cast<size_t>(8 * row + col)] = s;
}

// Open sky over a ground run: the base of most right-scrolling screens.
Grid outdoors(int variant) {
    Grid g{};
    fill(g, 6, 6, 0, 7, str::Ground);
    fill(g, 7, 7, 0, 7, str::Dirt);
    at(g, 1, (2 + variant) % 8, str::Cloud);
    at(g, 0, (6 + variant) % 8, str::Cloud);
    return g;
}

// Brick walls on both sides: the base of the vertical screens.
Grid shaft() {
    Grid g{};
    fill(g, 0, 7, 0, 0, str::Brick);
    fill(g, 0, 7, 7, 7, str::Brick);
    fill(g, 0, 7, 1, 1, str::WallLeft);
    fill(g, 0, 7, 6, 6, str::WallRight);
    return g;
}

constexpr int kLadderColumn = 3; // where every climb between screens happens

Grid makeLayout(int n, int variant) {
    Grid g{};
    switch (n) {
    case layout::Start:
        g = outdoors(variant);
        at(g, 5, 1, str::Bush);
        at(g, 5, 5, str::Pillar);
        at(g, 4, 5, str::Pillar);
        break;
    case layout::FlatA:
        g = outdoors(variant);
        at(g, 5, 2, str::Bush);
        at(g, 5, 6, str::Tree);
        break;
    case layout::FlatB:
        g = outdoors(variant + 3);
        at(g, 5, 3, str::Crates);
        at(g, 5, 4, str::Crates);
        at(g, 4, 4, str::Crates);
        break;
    case layout::Pit: {
        g = outdoors(variant + 1);
        const int c = 3 + variant % 2;
        at(g, 6, c - 1, str::EdgeR);
        at(g, 6, c, str::SpikePit);
        at(g, 6, c + 1, str::SpikePit);
        at(g, 7, c, str::Dirt);
        at(g, 6, c + 2, str::EdgeL);
        at(g, 4, c, str::PlatLeft);
        at(g, 4, c + 1, str::PlatRight);
        break;
    }
    case layout::Pool:
        g = outdoors(variant + 2);
        fill(g, 6, 6, 2, 5, str::WaterTop);
        fill(g, 7, 7, 2, 5, str::Water);
        at(g, 4, 3, str::PlatLeft);
        at(g, 4, 4, str::PlatRight);
        break;
    case layout::Tower: {
        g = outdoors(variant);
        const int c = 2 + variant % 3;
        fill(g, 2, 5, c, c + 2, str::Brick);
        at(g, 3, c + 1, str::TowerWindow);
        at(g, 1, c + 1, str::Lamp);
        break;
    }
    case layout::LadderUp:
        g = outdoors(variant);
        fill(g, 0, 5, kLadderColumn, kLadderColumn, str::LadderSky);
        at(g, 3, kLadderColumn + 1, str::PlatRight);
        at(g, 5, 6, str::Bush);
        break;
    case layout::Shaft:
        g = shaft();
        fill(g, 0, 7, kLadderColumn, kLadderColumn, str::LadderSky);
        at(g, 2, 4, str::PlatRight);
        at(g, 5, 2, str::PlatLeft);
        break;
    case layout::Landing:
        g = outdoors(variant + 5);
        at(g, 6, kLadderColumn, str::LadderGround);
        at(g, 7, kLadderColumn, str::LadderDirt);
        at(g, 5, 6, str::Crates);
        break;
    case layout::Hole:
        g = outdoors(variant + 4);
        at(g, 6, 3, str::EdgeR);
        fill(g, 6, 7, 4, 5, str::Sky);
        at(g, 6, 6, str::EdgeL);
        break;
    case layout::DropShaft:
        g = shaft();
        at(g, 3, 2, str::PlatLeft);
        at(g, 6, 5, str::PlatRight);
        at(g, 1, 4, str::Lamp);
        break;
    case layout::DropLanding:
        g = outdoors(variant + 6);
        fill(g, 0, 5, 0, 1, str::Brick);
        fill(g, 0, 5, 6, 7, str::Brick);
        at(g, 5, 5, str::Bush);
        break;
    case layout::EndRoom:
        g = outdoors(variant);
        fill(g, 0, 5, 6, 7, str::Brick);
        at(g, 5, 6, str::DoorWall);
        at(g, 2, 6, str::TowerWindow);
        at(g, 4, 3, str::Lamp);
        break;
    case layout::Bridge:
        g = outdoors(variant + 1);
        fill(g, 6, 6, 1, 6, str::WaterTop);
        fill(g, 7, 7, 1, 6, str::Water);
        for (int c = 1; c <= 6; c += 2) {
            at(g, 5, c, str::PlatLeft);
            at(g, 5, c + 1, str::PlatRight);
        }
        break;
    case layout::Pipes:
        g = outdoors(variant + 2);
        at(g, 3, 2, str::PipeTop);
        fill(g, 4, 5, 2, 2, str::PipeBody);
        at(g, 4, 5, str::PipeTop);
        at(g, 5, 5, str::PipeBody);
        break;
    case layout::Works:
        g = outdoors(variant + 3);
        fill(g, 6, 6, 1, 3, str::BeltFloorL);
        fill(g, 6, 6, 4, 6, str::BeltFloorR);
        at(g, 4, 2, str::GearWall);
        at(g, 5, 2, str::Metal);
        at(g, 5, 5, str::Vents);
        at(g, 5, 7, str::Crystals);
        break;
    case layout::Ice:
        g = outdoors(variant + 1);
        fill(g, 6, 6, 0, 7, str::IceFloor);
        at(g, 5, 4, str::Crystals);
        break;
    case layout::Sand:
        g = outdoors(variant + 2);
        fill(g, 6, 6, 2, 5, str::SandFloor);
        at(g, 5, 1, str::Tree);
        break;
    case layout::TowerB:
        g = outdoors(variant);
        fill(g, 1, 5, 1, 3, str::BrickAlt);
        at(g, 2, 2, str::TowerWindow);
        fill(g, 1, 5, 4, 4, str::LadderWall);
        break;
    default: // Lamps
        g = outdoors(variant + 4);
        at(g, 5, 1, str::Lamp);
        at(g, 5, 4, str::Lamp);
        at(g, 5, 7, str::Lamp);
        fill(g, 6, 6, 2, 3, str::MetalAlt);
        break;
    }
    return g;
}

} // namespace

LevelKit makeLevelKit(int variant, int layoutCount) {
    LevelKit kit;
    handBlocks(kit.blocks);
    // Blocks 36..255: the hand-made blocks again with the palette turned on by one to
    // four steps; nothing in the structures below uses blocks 36..63.
    for (int b = kHandBlocks; b < 256; ++b) {
        const Block& base = kit.blocks[static_cast<size_t>(b % kHandBlocks)];
        Block v = base;
        v.palette = static_cast<uint8_t>((base.palette + 1 + (b / kHandBlocks) % 3) % 4);
        kit.blocks[static_cast<size_t>(b)] = v;
    }
    handStructures(kit.structures);
    // Structures 38..255: the hand-made ones built from recoloured blocks 64 and up.
    for (int s = kHandStructures; s < 256; ++s) {
        const auto& base = kit.structures[static_cast<size_t>(s % kHandStructures)];
        const int shift = 64 + kHandBlocks * ((s / kHandStructures) % 5);
        std::array<uint8_t, 4> v{};
        for (int q = 0; q < 4; ++q)
            v[static_cast<size_t>(q)] =
                static_cast<uint8_t>(std::min(255, shift + base[static_cast<size_t>(q)]));
        kit.structures[static_cast<size_t>(s)] = v;
    }
    for (int n = 0; n < layoutCount; ++n)
        kit.layouts.push_back(makeLayout(n, variant));
    return kit;
}

} // namespace orvane::demo
