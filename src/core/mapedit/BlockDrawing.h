#pragma once

namespace orvane {

class WinBitmap;
struct LevelSource;

// Draws block `block` with its top-left corner at (x, y): its four tiles, opaque, in the
// palette of its attribute byte's low nibble, each tile pixel a scale x scale square.
void drawBlock(WinBitmap& bmp, const LevelSource& level, int block, int x, int y, int scale = 1);

// Draws quarter `quarter` (0 top-left, 1 top-right, 2 bottom-left, 3 bottom-right) of
// structure `str`: the block the structure holds there, at (x, y).
void drawStructureQuarter(WinBitmap& bmp, const LevelSource& level, int str, int quarter, int x,
                          int y, int scale = 1);

// Draws structure `str` (2 x 2 blocks) with its top-left corner at (x, y).
void drawStructure(WinBitmap& bmp, const LevelSource& level, int str, int x, int y, int scale = 1);

} // namespace orvane
