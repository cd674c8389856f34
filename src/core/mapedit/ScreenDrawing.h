#pragma once

#include <cstdint>

namespace orvane {

struct Editor;
class WinBitmap;

// A screen as the Screen Editor and the Enemy Editor draw it: 8 x 8 cells of 32 x 32
// pixels, one structure each, read through the screen's preset (P(7) + screen) from the
// layouts at P(6). The drawing routines take the screen they draw; the edits work on the
// current screen. None of these shows the bitmap.

constexpr int kScreenCells = 8;
constexpr int kCellPixels = 32;

// The row or column of the cell under pixel coordinate v, clamped to 0..7, so a drag
// beyond the picture acts on the nearest edge cell.
int cellOfPixel(int v);

// Position of the layout byte of cell (row, col) of the current screen.
int64_t screenCellPosition(const Editor& ed, int row, int col);
// The structure in that cell.
int screenCellStructure(const Editor& ed, int row, int col);

// The preset screen `screen` is drawn from, and whether it shows a block or a structure
// anywhere (what the level map asks before redrawing a screen after an edit).
int screenPreset(const Editor& ed, int screen);
bool screenShowsBlock(const Editor& ed, int screen, int block);
bool screenShowsStructure(const Editor& ed, int screen, int str);

// The whole current screen, then the grid.
void DrawScreen(WinBitmap& bmp, const Editor& ed);
// The top and left edge of every cell, in black.
void DrawGrid(WinBitmap& bmp);
// Every cell of `screen` (no grid).
void drawScreenCells(WinBitmap& bmp, const Editor& ed, int screen);
// The four blocks of one cell of `screen` (no grid).
void drawScreenCell(WinBitmap& bmp, const Editor& ed, int screen, int row, int col);
// Quarter `quarter` of every cell of `screen` that shows structure `str` (no grid).
void redrawStructureQuarterOnScreen(WinBitmap& bmp, const Editor& ed, int screen, int str,
                                    int quarter);
// Every block of `screen` that is block `block` (no grid).
void redrawBlockOnScreen(WinBitmap& bmp, const Editor& ed, int screen, int block);

// Writes the current structure (16 * CurStrRow + CurStrCol) into a cell of the current
// screen's preset; every screen that shows the preset changes.
void paintScreenCell(Editor& ed, int row, int col);
// Makes the structure of a cell the current one, remembering the previous selection.
void pickScreenCell(Editor& ed, int row, int col);

} // namespace orvane
