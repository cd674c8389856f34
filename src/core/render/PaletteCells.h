#pragma once

#include "core/render/WinBitmap.h"

namespace orvane {

// The Palette Editor's rows of sixteen colour cells. Cell i spans x = 32i .. 32i + 33 and
// y = 0 .. 33: a 30 x 30 fill at (32i + 2, 2) inside a two-pixel frame, the frames of
// neighbouring cells overlapping by two columns.
constexpr int kPaletteCell = 32;
constexpr int kPaletteCells = 16;
constexpr int kPaletteRowWidth = kPaletteCell * (kPaletteCells - 1) + 34;
constexpr int kPaletteRowHeight = 34;

// The cell under x, the nearest one beyond either end.
int paletteCellAt(int x);

// Blacks the picture out, then fills cell i with colour slot firstSlot + i for every
// cell; draws the black frames too when `frames` is set.
void drawPaletteCells(WinBitmap& bmp, int firstSlot, bool frames);
// The eight frame lines of one cell in `slot`.
void drawCellFrame(WinBitmap& bmp, int cell, int slot);
// Every cell's black frame, then the white frame of the selected cell.
void DrawPalFrames(WinBitmap& bmp, int selected);

} // namespace orvane
