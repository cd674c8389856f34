#pragma once

#include "core/level/LevelTables.h"
#include "core/render/LoadedGraphics.h"

namespace orvane {

struct Editor;

// What a level's pictures are drawn from: the level's tables and the tile offsets loaded
// for it. The current level's comes from the editor; a picture of another level is drawn
// from a source made from that level's addressing and tiles.
struct LevelSource {
    LevelTables tables;
    const TileAddresses& tiles;

    int64_t tileOffset(int tile) const { return tiles[static_cast<size_t>(tile & 511)]; }
};

LevelSource currentLevelSource(const Editor& ed);

} // namespace orvane
