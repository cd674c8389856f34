#include "core/mapedit/ScreenDrawing.h"

#include <algorithm>

#include "core/app/Editor.h"
#include "core/mapedit/BlockDrawing.h"
#include "core/render/Colours.h"
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

int structureBlock(const Editor& ed, int str, int quarter) {
    return ed.byte(ed.P(5) + 4 * str + quarter);
}

int64_t cellPosition(const Editor& ed, int screen, int row, int col) {
    return ed.P(6) + 64 * screenPreset(ed, screen) + kScreenCells * row + col;
}

int cellStructure(const Editor& ed, int screen, int row, int col) {
    return ed.byte(cellPosition(ed, screen, row, col));
}

} // namespace

int cellOfPixel(int v) {
    return std::clamp(v / kCellPixels, 0, kScreenCells - 1);
}

int screenPreset(const Editor& ed, int screen) {
    return ed.byte(ed.P(7) + screen);
}

bool screenShowsBlock(const Editor& ed, int screen, int block) {
    for (int row = 0; row < kScreenCells; ++row)
        for (int col = 0; col < kScreenCells; ++col)
            for (int q = 0; q < 4; ++q)
                if (structureBlock(ed, cellStructure(ed, screen, row, col), q) == block)
                    return true;
    return false;
}

bool screenShowsStructure(const Editor& ed, int screen, int str) {
    for (int row = 0; row < kScreenCells; ++row)
        for (int col = 0; col < kScreenCells; ++col)
            if (cellStructure(ed, screen, row, col) == str) return true;
    return false;
}

int64_t screenCellPosition(const Editor& ed, int row, int col) {
    return cellPosition(ed, ed.CurScrn, row, col);
}

int screenCellStructure(const Editor& ed, int row, int col) {
    return ed.byte(screenCellPosition(ed, row, col));
}

void DrawScreen(WinBitmap& bmp, const Editor& ed) {
    drawScreenCells(bmp, ed, ed.CurScrn);
    DrawGrid(bmp);
}

void drawScreenCells(WinBitmap& bmp, const Editor& ed, int screen) {
    for (int row = 0; row < kScreenCells; ++row)
        for (int col = 0; col < kScreenCells; ++col)
            drawScreenCell(bmp, ed, screen, row, col);
}

void DrawGrid(WinBitmap& bmp) {
    for (int i = 0; i < kScreenCells; ++i)
        for (int j = 0; j < kScreenCells; ++j) {
            const int x = kCellPixels * j, y = kCellPixels * i;
            DrawHLine(bmp, x, x + kCellPixels - 1, y, kSlotGrid);
            DrawVLine(bmp, x, y, y + kCellPixels - 1, kSlotGrid);
        }
}

void drawScreenCell(WinBitmap& bmp, const Editor& ed, int screen, int row, int col) {
    const int str = cellStructure(ed, screen, row, col);
    for (int q = 0; q < 4; ++q)
        drawBlock(bmp, ed, structureBlock(ed, str, q), quarterX(col, q), quarterY(row, q));
}

void redrawStructureQuarterOnScreen(WinBitmap& bmp, const Editor& ed, int screen, int str,
                                    int quarter) {
    if (quarter < 0 || quarter > 3) return;
    for (int row = 0; row < kScreenCells; ++row)
        for (int col = 0; col < kScreenCells; ++col)
            if (cellStructure(ed, screen, row, col) == str)
                drawStructureQuarter(bmp, ed, str, quarter, quarterX(col, quarter),
                                     quarterY(row, quarter));
}

void redrawBlockOnScreen(WinBitmap& bmp, const Editor& ed, int screen, int block) {
    for (int row = 0; row < kScreenCells; ++row)
        for (int col = 0; col < kScreenCells; ++col) {
            const int str = cellStructure(ed, screen, row, col);
            for (int q = 0; q < 4; ++q)
                if (structureBlock(ed, str, q) == block)
                    drawBlock(bmp, ed, block, quarterX(col, q), quarterY(row, q));
        }
}

void paintScreenCell(Editor& ed, int row, int col) {
    ed.setByte(screenCellPosition(ed, row, col), 16 * ed.CurStrRow + ed.CurStrCol);
}

void pickScreenCell(Editor& ed, int row, int col) {
    const int s = screenCellStructure(ed, row, col);
    ed.PrevStrRow = ed.CurStrRow;
    ed.PrevStrCol = ed.CurStrCol;
    ed.CurStrRow = s / 16;
    ed.CurStrCol = s % 16;
}

} // namespace orvane
