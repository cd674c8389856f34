#include "core/render/EffectLoad.h"

#include "core/app/Editor.h"

namespace orvane {

void EffectLoad(Editor& ed, int64_t eoff, int sizedim) {
    int64_t r = eoff + 8;
    for (int i = 0; i < 8; ++i) {
        const int b = ed.byte(eoff + i);
        if (b >= 0x80) {
            r = eoff + i + 1;
            break;
        }
        if (i % 4 != 0) {
            ed.SprColPos[static_cast<size_t>(i)] = eoff + i;
            ed.BmpCols[static_cast<size_t>(72 + i)] = ed.NesPal[static_cast<size_t>(b)];
        }
    }

    for (; r - eoff < 256; r += 4) {
        const int bank = ed.byte(r);
        if (bank >= 0x80) break;
        const int64_t count = ed.byte(r + 1);
        const int addr = ed.byte(r + 2);
        const int row = ed.byte(r + 3);
        if (row >= 32) continue;
        const int64_t tiles = count * sizedim;
        for (int64_t j = 0; j < tiles && 16 * row + j < 512; ++j) {
            // CPU address 256 * addr (0x8000..0x9FFF) of 8 KB program bank `bank`,
            // as a 0-based file offset past the 16-byte header, 16 bytes per tile.
            ed.TileAddr[static_cast<size_t>(16 * row + j)] =
                int64_t{8192} * bank + 256 * addr + 16 * j - 32752;
        }
    }
}

void InitEffectLoad(Editor& ed) {
    EffectLoad(ed, ed.tables().levelEffectListPosition(ed.CurLevel), 16);
}

void ScrollEffectLoad(Editor& ed, int section) {
    EffectLoad(ed, ed.tables().sectionEffectListPosition(section), 1);
}

EffectReload effectReloadFor(int game, int section, int loadedSection) {
    if (game != kMM4 || section == loadedSection) return EffectReload::None;
    return section == 0 ? EffectReload::Initial : EffectReload::Section;
}

bool loadSectionEffects(Editor& ed, int section) {
    switch (effectReloadFor(ed.EditMode, section, ed.CurSection)) {
    case EffectReload::None:
        return false;
    case EffectReload::Initial:
        InitEffectLoad(ed);
        return true;
    case EffectReload::Section:
        ScrollEffectLoad(ed, section);
        return true;
    }
    return false;
}

} // namespace orvane
