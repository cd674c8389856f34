#include "core/render/SpriteSetup.h"

#include "core/app/Editor.h"

namespace orvane {

namespace {
// Colours 1..3 of sprite palettes 2 and 3 from eight bytes at `base` (bytes 0 and 4 are
// colour 0, the transparent one).
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
    if (ed.EditMode == kMM3) {
        const int g = ed.byte(ed.P(9) + 2 * int64_t{ed.CurSection});
        const int64_t banks = ed.R(10, 0) + 2 * g;
        const int64_t chr = ed.Pr(2);
        const int64_t a = chr + 1024 * int64_t{ed.byte(banks)};
        const int64_t b = chr + 1024 * int64_t{ed.byte(banks + 1)};
        for (int i = 0; i < 64; ++i) {
            ed.TileAddr[static_cast<size_t>(384 + i)] = a + 16 * i;
            ed.TileAddr[static_cast<size_t>(448 + i)] = b + 16 * i;
        }
        loadSpriteColours(ed, ed.P(27) + 8 * g);
    } else if (ed.EditMode == kMM5) {
        const int v = ed.byte(ed.P(9) + ed.CurSection) & 0x7F;
        loadSpriteColours(ed, v > 0 ? ed.P(27) + 8 * (v - 1) : kMM5DefaultSpriteColours);
    }
}

} // namespace orvane
