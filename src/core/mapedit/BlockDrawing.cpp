#include "core/mapedit/BlockDrawing.h"

#include "core/app/Editor.h"
#include "core/render/TileDrawing.h"

namespace orvane {

void drawBlock(WinBitmap& bmp, const Editor& ed, int block, int x, int y, int scale) {
    const int pal = ed.byte(ed.P(4) + block) & 0x0F;
    for (int ty = 0; ty < 2; ++ty)
        for (int tx = 0; tx < 2; ++tx) {
            const int tile = ed.byte(ed.P(3) + 256 * (tx + 2 * ty) + block);
            DrawTile(bmp, ed.RomImage, static_cast<double>(ed.TileAddr[static_cast<size_t>(tile)]),
                     pal, x + 8 * scale * tx, y + 8 * scale * ty, scale);
        }
}

void drawStructureQuarter(WinBitmap& bmp, const Editor& ed, int str, int quarter, int x, int y,
                          int scale) {
    drawBlock(bmp, ed, ed.byte(ed.P(5) + 4 * str + quarter), x, y, scale);
}

void drawStructure(WinBitmap& bmp, const Editor& ed, int str, int x, int y, int scale) {
    for (int q = 0; q < 4; ++q)
        drawStructureQuarter(bmp, ed, str, q, x + 16 * scale * (q & 1), y + 16 * scale * (q >> 1),
                             scale);
}

} // namespace orvane
