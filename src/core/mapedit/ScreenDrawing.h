#pragma once

namespace orvane {

class WinBitmap;
class LevelTables;
struct LevelSource;

// A screen as the map and enemy editing draw it: 8 x 8 cells of 32 x 32 pixels, one
// structure each, read through the screen's preset. Every routine takes the level and the
// screen it draws. None of these shows the bitmap.

constexpr int kScreenCells = 8;
constexpr int kCellPixels = 32;

// The row or column of the cell under pixel coordinate v, clamped to 0..7, so a drag
// beyond the picture acts on the nearest edge cell.
int cellOfPixel(int v);

// Whether screen `screen` shows a block or a structure anywhere (what the level map asks
// before redrawing a screen after an edit).
bool screenShowsBlock(const LevelTables& tables, int screen, int block);
bool screenShowsStructure(const LevelTables& tables, int screen, int str);

// The whole of screen `screen`, then the grid.
void DrawScreen(WinBitmap& bmp, const LevelSource& level, int screen);
// The top and left edge of every cell, in black.
void DrawGrid(WinBitmap& bmp);
// Every cell of `screen` (no grid).
void drawScreenCells(WinBitmap& bmp, const LevelSource& level, int screen);
// The four blocks of one cell (no grid).
void drawScreenCell(WinBitmap& bmp, const LevelSource& level, int screen, int row, int col);
// Quarter `quarter` of every cell that shows structure `str` (no grid).
void redrawStructureQuarterOnScreen(WinBitmap& bmp, const LevelSource& level, int screen, int str,
                                    int quarter);
// Every block of the screen that is block `block` (no grid).
void redrawBlockOnScreen(WinBitmap& bmp, const LevelSource& level, int screen, int block);

} // namespace orvane
