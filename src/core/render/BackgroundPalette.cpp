#include "core/render/BackgroundPalette.h"

#include <array>

#include "core/app/Editor.h"
#include "core/render/PaletteAnimation.h"
#include "core/render/PaletteRecord.h"

namespace orvane {

namespace {

// Slot s of the shown colours with its dark, bright and as-loaded copies.
void setBackgroundColour(Editor& ed, int slot, int c) {
    const auto s = static_cast<size_t>(slot);
    const auto i = static_cast<size_t>(c);
    ed.BmpCols[s] = ed.NesPal[i];
    ed.BmpCols[s + 16] = ed.NesPalDark[i];
    ed.BmpCols[s + 48] = ed.NesPalBright[i];
    ed.BmpCols[s + 80] = ed.NesPal[i];
}

bool chooseRecord(Editor& ed) {
    switch (ed.EditMode) {
    case kMM3:
        ed.CurBGPal = ed.byte(ed.P(9) + 2 * int64_t{ed.CurSection} + 1);
        return true;
    case kMM4: {
        // A section whose palette byte is 0 keeps the colours it was entered with.
        const int v = ed.byte(ed.P(9) + ed.CurSection);
        if (!ed.ForcePalLoad && ed.CurSection != 0 && v < 1) return false;
        ed.CurBGPal = v;
        return true;
    }
    default:
        ed.CurBGPal = 0;
        return true;
    }
}

void loadRecord(Editor& ed) {
    const int64_t record = paletteRecordPosition(ed);
    for (int j = 0; j < 4; ++j)
        ed.PalAnimId[static_cast<size_t>(j)] = ed.byte(record + kPaletteEntries + j);
    for (int i = 0; i < 16; ++i)
        setBackgroundColour(ed, i, ed.byte(record + (i % 4 == 0 ? 0 : i)));
}

// Palette objects: enemy-list entries of type 0xC0 and up on the section's screens. The
// first object naming an animation for a palette starts it; any later one for the same
// palette, and every plain one, sets that palette's colours 1..3.
void applyPaletteObjects(Editor& ed) {
    std::array<bool, 4> started{};
    int highest = 0;
    const int64_t last = ed.P(19);
    for (int64_t n = 0; n <= last; ++n) {
        const int sc = ed.byte(ed.P(11) + n);
        if (sc > highest) highest = sc;
        if (sc < highest) continue; // out of screen order: the game never reaches it
        if (sc < ed.SectionStart || sc >= ed.SectionEnd) continue;
        const int t = ed.byte(ed.P(14) + n);
        if (t < 0xC0) continue;
        const int q = t & 63;
        const int b = ed.byte(ed.R(10, 8) + q) & 3;
        const int m = ed.byte(ed.R(10, 9) + q);
        const auto pb = static_cast<size_t>(b);
        if (started[pb] || m < 128) {
            const int64_t quad = ed.R(10, 10) + 4 * m;
            for (int j = 1; j <= 3; ++j)
                setBackgroundColour(ed, 4 * b + j, ed.byte(quad + j));
        } else {
            started[pb] = true;
            ed.PalAnimId[pb] = m;
            ed.PalAnimWait[pb] = 0;
            ed.PalAnimFrame[pb] = 0;
        }
    }
}

} // namespace

bool loadBackgroundPalette(Editor& ed, int animcl) {
    const bool chosen = chooseRecord(ed);
    if (chosen) loadRecord(ed);
    if (ed.EditMode == kMM4) applyPaletteObjects(ed);
    if (animcl == 1) Anim_Reset(ed);
    return chosen;
}

} // namespace orvane
