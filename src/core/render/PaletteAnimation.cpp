#include "core/render/PaletteAnimation.h"

#include "core/app/Editor.h"
#include "core/render/AnimationArea.h"

namespace orvane {

namespace {

bool inImage(const Editor& ed, int64_t pos, int64_t length) {
    return pos >= 1 && pos + length - 1 <= ed.RomImage.size();
}

// Offset of colour set `set` from the start of the colour sets.
int64_t colourSetOffset(int mode, int set) {
    const int64_t o = 3 * int64_t{set};
    return mode == kMM4 ? o : o % 256;
}

int64_t colourSetBase(const Editor& ed) {
    return ed.EditMode == kMM3 ? kMM3AnimColourSets : ed.P(56);
}

} // namespace

int64_t paletteAnimationRecord(const Editor& ed, int a) {
    switch (ed.EditMode) {
    case kMM3:
        return kMM3AnimRecords + ed.byte(kMM3AnimOffsets + a);
    case kMM4:
        return animationBankPosition(ed, animationAddress(ed, a));
    default:
        return ed.P(54) + ed.byte(ed.P(53) + a);
    }
}

int64_t animationColourSetPosition(const Editor& ed, int set) {
    return colourSetBase(ed) + colourSetOffset(ed.EditMode, set);
}

void Anim_Reset(Editor& ed) {
    ed.PalAnimWait.fill(0);
    ed.PalAnimFrame.fill(0);
}

bool paletteAnimationTick(Editor& ed) {
    const bool mm3 = ed.EditMode == kMM3;
    // mm3 records carry their first target slot before the frames.
    const int64_t framesAt = mm3 ? 3 : 2;
    bool written = false;

    for (int i = 0; i < 4; ++i) {
        const auto p = static_cast<size_t>(i);
        const int id = ed.PalAnimId[p];
        if (id < 128) continue;
        const int a = id & 127;

        const int64_t rec = paletteAnimationRecord(ed, a);
        if (!inImage(ed, rec, framesAt)) continue;
        if (ed.PalAnimWait[p] < ed.byte(rec + 1)) {
            ++ed.PalAnimWait[p];
            continue;
        }

        const int old = ed.PalAnimFrame[p];
        const int frame = old >= ed.byte(rec) ? 0 : (old + 1) & 255;
        const int64_t frameAt = rec + framesAt + frame;
        if (!inImage(ed, frameAt, 1)) continue;
        const int set = ed.byte(frameAt);
        const int64_t o = colourSetOffset(ed.EditMode, set);

        if (!mm3 && o == 0) {
            // Colour set 0 is the end marker: the animation stops until the next
            // palette load, and so does this tick.
            ed.PalAnimWait[p] = 0;
            ed.PalAnimFrame[p] = frame;
            ed.PalAnimId[p] = 0;
            return written;
        }

        const int64_t colours = colourSetBase(ed) + o;
        if (!inImage(ed, colours, 3)) continue;
        ed.PalAnimWait[p] = 0;
        ed.PalAnimFrame[p] = frame;

        const int first = mm3 ? ed.byte(rec + 2) : 4 * i + 1;
        for (int j = 0; j < 3; ++j) {
            const auto c = static_cast<size_t>(ed.byte(colours + j));
            const auto s = static_cast<size_t>((first + j) & 15);
            ed.BmpCols[s] = ed.NesPal[c];
            ed.BmpCols[s + 16] = ed.NesPalDark[c];
            ed.BmpCols[s + 48] = ed.NesPalBright[c];
            // In mm4 animation 7 is shared with sprite palette 2 (slots 73..75).
            if (ed.EditMode == kMM4 && a == 7)
                ed.BmpCols[static_cast<size_t>(73 + j)] = ed.NesPal[c];
        }
        written = true;
    }
    return written;
}

} // namespace orvane
