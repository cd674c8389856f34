#include "core/render/SpriteSetup.h"

#include "core/app/Editor.h"

namespace orvane {

namespace {
// Colours 1..3 of sprite palettes 2 and 3 from the eight bytes at `base` (bytes 0 and 4
// are colour 0, the transparent one).
void loadSpriteColours(Editor& ed, int64_t base) {
    for (int i = 1; i < 8; ++i) {
        if (i % 4 == 0) continue;
        const int64_t q = base + i;
        ed.SprColPos[static_cast<size_t>(i)] = q;
        ed.BmpCols[static_cast<size_t>(72 + i)] = ed.NesPal[ed.byte(q)];
    }
}
} // namespace

void SprCHRPALSetup(Editor& ed) {
    const LevelTables tables = ed.tables();
    if (ed.EditMode == kMM3) {
        const int g = tables.sectionGraphicsSet(ed.CurSection);
        const int64_t chr = tables.rawParam(Param::TileGraphics);
        const int64_t a = chr + 1024 * int64_t{tables.graphicsSetBank(g, 0)};
        const int64_t b = chr + 1024 * int64_t{tables.graphicsSetBank(g, 1)};
        for (int i = 0; i < 64; ++i) {
            ed.TileAddr[static_cast<size_t>(384 + i)] = a + 16 * i;
            ed.TileAddr[static_cast<size_t>(448 + i)] = b + 16 * i;
        }
        loadSpriteColours(ed, tables.spritePaletteSetPosition(g, 0));
    } else if (ed.EditMode == kMM5) {
        const int v = tables.sectionSpritePaletteSet(ed.CurSection) & 0x7F;
        loadSpriteColours(ed, v > 0 ? tables.spritePaletteSetPosition(v - 1, 0)
                                    : kMM5DefaultSpriteColours);
    }
}

} // namespace orvane
