#pragma once

#include <cstdint>

#include "core/render/LoadedGraphics.h"
#include "core/resdata/LayoutParams.h"

namespace orvane {

struct Document;
struct Editor;
class LevelTables;

// Where a level lies: its two bank positions and the layout parameters resolved for it.
struct LevelAddressing {
    int64_t LevelBase = 0;
    int64_t LevelBase2 = 0;
    LayoutParams RomParams;
};

// The addressing of level `level` of the document's game: level n's bank lies 8192 x n
// after level 0's; kind-1 parameters are resolved against it; the second bank is the
// same for mm4 and read from the second-bank table for mm3 and mm5; kind-2 parameters are
// resolved against that. Changes nothing in the document.
LevelAddressing addressLevel(const Document& doc, int level);

// The tile offsets a level load sets from the level's two background CHR bank numbers
// (at raw parameter 25 inside the level's bank): background tiles 0..255 and the fixed
// sprite tiles (mm3 256..383, mm5 256..383 from two places). mm4 sets none here: its
// tiles come from its effect lists. `tables` is the level's view, made from
// addressLevel's parameters.
void setLevelTileAddresses(const LevelTables& tables, int64_t levelBase, TileAddresses& tiles);

// The address part of loading the current level: its addressing into the document, its
// tile offsets, and the cleared animation state. Copies nothing out of the image. The
// caller (the main window's Update_Level) then runs the mm4 effect loading, the windows'
// reloads and the screen refresh.
void loadLevelAddresses(Editor& ed);

} // namespace orvane
