#pragma once

#include <cstdint>

namespace orvane {

struct Editor;
class WinBitmap;

// The current screen as the Screen Editor draws and edits it: 8 x 8 cells of 32 x 32
// pixels, one structure each, read through the screen's preset (P(7) + CurScrn) from
// the layouts at P(6). None of these shows the bitmap.

constexpr int kScreenCells = 8;
constexpr int kCellPixels = 32;

// The row or column of the cell under pixel coordinate v, clamped to 0..7, so a drag
// beyond the picture acts on the nearest edge cell.
int cellOfPixel(int v);

// Position of the layout byte of cell (row, col) of the current screen.
int64_t screenCellPosition(const Editor& ed, int row, int col);
// The structure in that cell.
int screenCellStructure(const Editor& ed, int row, int col);

// The whole screen, then the grid.
void DrawScreen(WinBitmap& bmp, const Editor& ed);
// The top and left edge of every cell, in black.
void DrawGrid(WinBitmap& bmp);
// The four blocks of one cell (no grid).
void drawScreenCell(WinBitmap& bmp, const Editor& ed, int row, int col);
// Quarter `quarter` of every cell that shows structure `str` (no grid).
void redrawStructureQuarterOnScreen(WinBitmap& bmp, const Editor& ed, int str, int quarter);
// Every block of the screen that is block `block` (no grid).
void redrawBlockOnScreen(WinBitmap& bmp, const Editor& ed, int block);

// Writes the current structure (16 * CurStrRow + CurStrCol) into a cell of the current
// screen's preset; every screen that shows the preset changes.
void paintScreenCell(Editor& ed, int row, int col);
// Makes the structure of a cell the current one, remembering the previous selection.
void pickScreenCell(Editor& ed, int row, int col);

} // namespace orvane
