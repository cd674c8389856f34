#pragma once

#include "core/level/Change.h"

namespace orvane {

struct Document;

// The map windows' edits of blocks, structures and screen layouts. Each is one gesture:
// it writes through the ROM door and returns what changed.

// Tile `tile` into quarter `quarter` of block `block`.
Change paintBlockTile(Document& doc, int block, int quarter, int tile);
// The block's palette (low nibble of its attribute), keeping its type.
Change setBlockPalette(Document& doc, int block, int palette);
// The block's type (high nibble), keeping its palette. No picture shows the
// type, so nothing needs redrawing.
Change setBlockType(Document& doc, int block, int type);
// Block `block` into quarter `quarter` of structure `str`.
Change paintStructureQuarter(Document& doc, int str, int quarter, int block);
// Structure `str` into cell (row, col) of the layout screen `screen`
// shows; every screen that shows the same layout changes with it.
Change paintScreenCell(Document& doc, int screen, int row, int col, int str);

} // namespace orvane
