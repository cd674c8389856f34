#include "core/mapedit/BlockDrawing.h"

#include "core/render/LevelSource.h"
#include "core/render/TileDrawing.h"

namespace orvane {

void drawBlock(WinBitmap& bmp, const LevelSource& level, int block, int x, int y, int scale) {
    const int pal = level.tables.blockPalette(block);
    for (int ty = 0; ty < 2; ++ty)
        for (int tx = 0; tx < 2; ++tx) {
            const int tile = level.tables.blockTile(block, tx + 2 * ty);
            DrawTile(bmp, level.tables.rom(), level.tileOffset(tile), pal, x + 8 * scale * tx,
                     y + 8 * scale * ty, scale);
        }
}

void drawStructureQuarter(WinBitmap& bmp, const LevelSource& level, int str, int quarter, int x,
                          int y, int scale) {
    drawBlock(bmp, level, level.tables.structureQuarter(str, quarter), x, y, scale);
}

void drawStructure(WinBitmap& bmp, const LevelSource& level, int str, int x, int y, int scale) {
    for (int q = 0; q < 4; ++q)
        drawStructureQuarter(bmp, level, str, q, x + 16 * scale * (q & 1),
                             y + 16 * scale * (q >> 1), scale);
}

} // namespace orvane
