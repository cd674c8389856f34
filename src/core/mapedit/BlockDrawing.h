#pragma once

namespace orvane {

struct Editor;
class WinBitmap;

// Draws block `block` of the current level with its top-left corner at (x, y): its four
// tiles from the block tile table at P(3), opaque, in the palette of the low nibble of
// its attribute byte at P(4), each tile pixel a scale x scale square.
void drawBlock(WinBitmap& bmp, const Editor& ed, int block, int x, int y, int scale = 1);

// Draws quarter `quarter` (0 top-left, 1 top-right, 2 bottom-left, 3 bottom-right) of
// structure `str`: the block the structure table at P(5) holds there, at (x, y).
void drawStructureQuarter(WinBitmap& bmp, const Editor& ed, int str, int quarter, int x, int y,
                          int scale = 1);

// Draws structure `str` (2 x 2 blocks) with its top-left corner at (x, y).
void drawStructure(WinBitmap& bmp, const Editor& ed, int str, int x, int y, int scale = 1);

} // namespace orvane
