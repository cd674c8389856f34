#include "core/render/BackgroundPalette.h"

#include <array>

#include "core/app/Editor.h"
#include "core/render/Colours.h"
#include "core/render/PaletteAnimation.h"

namespace orvane {

namespace {

bool chooseRecord(Editor& ed, const LevelTables& tables, bool levelLoad) {
    const int v = tables.sectionPalette(ed.CurSection); // mm5 sections always use record 0
    // An mm4 section whose palette byte is 0 keeps the colours it was entered with.
    if (ed.EditMode == kMM4 && !levelLoad && ed.CurSection != 0 && v < 1) return false;
    ed.CurBGPal = v;
    return true;
}

void loadRecord(Editor& ed, const LevelTables& tables) {
    for (int j = 0; j < 4; ++j)
        ed.PalAnimId[static_cast<size_t>(j)] = tables.paletteRecordByte(ed.CurBGPal, 16 + j);
    for (int i = 0; i < 16; ++i)
        setBackgroundSlot(ed, i, tables.paletteRecordByte(ed.CurBGPal, i % 4 == 0 ? 0 : i));
}

// Palette objects: enemy-list entries of type 0xC0 and up on the section's screens. The
// first object naming an animation for a palette starts it; any later one for the same
// palette, and every plain one, sets that palette's colours 1..3.
void applyPaletteObjects(Editor& ed, const LevelTables& tables) {
    std::array<bool, 4> started{};
    int highest = 0;
    const int64_t last = tables.lastEnemySlot();
    for (int64_t n = 0; n <= last; ++n) {
        const int sc = tables.enemyScreen(n);
        if (sc > highest) highest = sc;
        if (sc < highest) continue; // out of screen order: the game never reaches it
        if (sc < ed.SectionStart || sc >= ed.SectionEnd) continue;
        const int t = tables.enemyType(n);
        if (t < 0xC0) continue;
        const int q = t & 63;
        const int b = tables.objectPaletteSlot(q) & 3;
        const int m = tables.objectKind(q);
        const auto pb = static_cast<size_t>(b);
        if (started[pb] || m < 128) {
            for (int j = 1; j <= 3; ++j)
                setBackgroundSlot(ed, 4 * b + j, tables.fourColourPaletteByte(m, j));
        } else {
            started[pb] = true;
            ed.PalAnimId[pb] = m;
            ed.PalAnimWait[pb] = 0;
            ed.PalAnimFrame[pb] = 0;
        }
    }
}

} // namespace

bool loadBackgroundPalette(Editor& ed, int animcl, bool levelLoad) {
    const LevelTables tables = ed.tables();
    const bool chosen = chooseRecord(ed, tables, levelLoad);
    if (chosen) loadRecord(ed, tables);
    if (ed.EditMode == kMM4) applyPaletteObjects(ed, tables);
    if (animcl == 1) Anim_Reset(ed);
    return chosen;
}

} // namespace orvane
