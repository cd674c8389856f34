#include "core/render/PaletteCells.h"

#include "core/render/Colours.h"
#include "core/render/TileDrawing.h"

namespace orvane {

int paletteCellAt(int x) {
    int cell = x / kPaletteCell;
    return Clamp(cell, 0, kPaletteCells - 1);
}

void drawPaletteCells(WinBitmap& bmp, int firstSlot, bool frames) {
    // Whatever the picture shows beyond the cells stays black.
    FillRect(bmp, 0, 0, bmp.width() - 1, bmp.height() - 1, kSlotGrid);
    for (int i = 0; i < kPaletteCells; ++i) {
        const int x = kPaletteCell * i;
        FillRect(bmp, x + 2, 2, x + 31, 31, firstSlot + i);
        if (frames) drawCellFrame(bmp, i, kSlotGrid);
    }
}

void drawCellFrame(WinBitmap& bmp, int cell, int slot) {
    const int x = kPaletteCell * cell;
    for (int y : {0, 1, 32, 33})
        DrawHLine(bmp, x, x + 33, y, slot);
    for (int dx : {0, 1, 32, 33})
        DrawVLine(bmp, x + dx, 2, 31, slot);
}

void DrawPalFrames(WinBitmap& bmp, int selected) {
    for (int i = 0; i < kPaletteCells; ++i)
        drawCellFrame(bmp, i, kSlotGrid);
    drawCellFrame(bmp, selected, kSlotFrameWhite);
}

} // namespace orvane
