#include "core/mapedit/ScreenDrawing.h"

#include <algorithm>

#include "core/mapedit/BlockDrawing.h"
#include "core/render/Colours.h"
#include "core/render/LevelSource.h"
#include "core/render/TileDrawing.h"

namespace orvane {

namespace {

constexpr int kBlockPixels = 16;

int quarterX(int col, int quarter) {
    return kCellPixels * col + kBlockPixels * (quarter & 1);
}
int quarterY(int row, int quarter) {
    return kCellPixels * row + kBlockPixels * (quarter >> 1);
}

} // namespace

int cellOfPixel(int v) {
    return std::clamp(v / kCellPixels, 0, kScreenCells - 1);
}

bool screenShowsBlock(const LevelTables& tables, int screen, int block) {
    for (int row = 0; row < kScreenCells; ++row)
        for (int col = 0; col < kScreenCells; ++col)
            for (int q = 0; q < 4; ++q)
                if (tables.structureQuarter(tables.screenCell(screen, row, col), q) == block)
                    return true;
    return false;
}

bool screenShowsStructure(const LevelTables& tables, int screen, int str) {
    for (int row = 0; row < kScreenCells; ++row)
        for (int col = 0; col < kScreenCells; ++col)
            if (tables.screenCell(screen, row, col) == str) return true;
    return false;
}

void DrawScreen(WinBitmap& bmp, const LevelSource& level, int screen) {
    drawScreenCells(bmp, level, screen);
    DrawGrid(bmp);
}

void drawScreenCells(WinBitmap& bmp, const LevelSource& level, int screen) {
    for (int row = 0; row < kScreenCells; ++row)
        for (int col = 0; col < kScreenCells; ++col)
            drawScreenCell(bmp, level, screen, row, col);
}

void DrawGrid(WinBitmap& bmp) {
    for (int i = 0; i < kScreenCells; ++i)
        for (int j = 0; j < kScreenCells; ++j) {
            const int x = kCellPixels * j, y = kCellPixels * i;
            DrawHLine(bmp, x, x + kCellPixels - 1, y, kSlotGrid);
            DrawVLine(bmp, x, y, y + kCellPixels - 1, kSlotGrid);
        }
}

void drawScreenCell(WinBitmap& bmp, const LevelSource& level, int screen, int row, int col) {
    const int str = level.tables.screenCell(screen, row, col);
    for (int q = 0; q < 4; ++q)
        drawBlock(bmp, level, level.tables.structureQuarter(str, q), quarterX(col, q),
                  quarterY(row, q));
}

void redrawStructureQuarterOnScreen(WinBitmap& bmp, const LevelSource& level, int screen, int str,
                                    int quarter) {
    if (quarter < 0 || quarter > 3) return;
    for (int row = 0; row < kScreenCells; ++row)
        for (int col = 0; col < kScreenCells; ++col)
            if (level.tables.screenCell(screen, row, col) == str)
                drawStructureQuarter(bmp, level, str, quarter, quarterX(col, quarter),
                                     quarterY(row, quarter));
}

void redrawBlockOnScreen(WinBitmap& bmp, const LevelSource& level, int screen, int block) {
    for (int row = 0; row < kScreenCells; ++row)
        for (int col = 0; col < kScreenCells; ++col) {
            const int str = level.tables.screenCell(screen, row, col);
            for (int q = 0; q < 4; ++q)
                if (level.tables.structureQuarter(str, q) == block)
                    drawBlock(bmp, level, block, quarterX(col, q), quarterY(row, q));
        }
}

} // namespace orvane
