#include "core/level/LevelLoader.h"

#include "core/app/Editor.h"

namespace orvane {

void loadLevelAddresses(Editor& ed) {
    const ResourceData& res = *ed.Res;

    // One 8 KB bank per level, counted from level 0's bank.
    ed.LevelBase = ed.Pr(1) + int64_t{8192} * ed.CurLevel;
    ed.RomParams.resolveRelative(res, 1, ed.LevelBase);

    if (ed.EditMode == kMM4) {
        ed.LevelBase2 = ed.LevelBase;
    } else {
        // P(26) is resolved already (its kind is 0 or 1): one second-bank byte per level.
        int b = ed.byte(ed.CurLevel + ed.P(26));
        ed.LevelBase2 = ed.Pr(1) + int64_t{8192} * b;
    }
    ed.RomParams.resolveRelative(res, 2, ed.LevelBase2);

    // No background palette animates until the section's palette is loaded again.
    ed.PalAnimId.fill(0);
    ed.PalAnimWait.fill(0);
    ed.PalAnimFrame.fill(0);

    if (ed.EditMode == kMM4) return; // mm4's tiles come from its effect lists

    // The level's two background CHR banks, in 1 KB units; parameter 25 is always the
    // raw offset inside the level's bank, whatever its kind.
    const int64_t bankPos = ed.LevelBase + ed.Pr(25);
    const int b0 = ed.byte(bankPos);
    const int b1 = ed.byte(bankPos + 1);
    const int64_t chr = ed.P(2);
    for (int i = 0; i < 128; ++i) {
        ed.TileAddr[static_cast<size_t>(i)] = chr + 1024 * b0 + 16 * i;
        ed.TileAddr[static_cast<size_t>(128 + i)] = chr + 1024 * b1 + 16 * i;
        if (ed.EditMode == kMM3) ed.TileAddr[static_cast<size_t>(256 + i)] = chr + 16 * i;
    }
    if (ed.EditMode == kMM5) {
        for (int i = 0; i < 64; ++i) {
            ed.TileAddr[static_cast<size_t>(256 + i)] = chr + 16 * i;
            ed.TileAddr[static_cast<size_t>(320 + i)] = chr + 6144 + 16 * i;
        }
    }
}

} // namespace orvane
