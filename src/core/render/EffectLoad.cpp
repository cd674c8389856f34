#include "core/render/EffectLoad.h"

#include "core/app/Editor.h"

namespace orvane {

namespace {
// The effect pointers are CPU addresses in 0xA000..0xBFFF; the page base places that
// window in the file, and 17 steps over the iNES header into 1-based positions.
int64_t listPosition(int low, int high, int64_t pageBase) {
    return 256 * (high - 160 + pageBase) + low + 17;
}
} // namespace

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

int64_t initialEffectListPosition(const Editor& ed) {
    const int level = ed.CurLevel;
    return listPosition(ed.byte(ed.R(10, 2) + level), ed.byte(ed.R(10, 3) + level), ed.R(10, 4));
}

int64_t sectionEffectListPosition(const Editor& ed, int section) {
    const int x = ed.byte(ed.P(10) + section);
    return listPosition(ed.byte(ed.R(10, 5) + x), ed.byte(ed.R(10, 6) + x), ed.R(10, 7));
}

void InitEffectLoad(Editor& ed) {
    EffectLoad(ed, initialEffectListPosition(ed), 16);
}

void ScrollEffectLoad(Editor& ed, int section) {
    EffectLoad(ed, sectionEffectListPosition(ed, section), 1);
}

} // namespace orvane
