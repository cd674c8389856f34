#include "core/render/PaletteRecord.h"

#include <algorithm>

#include "core/app/Editor.h"

namespace orvane {

namespace {

int64_t entryPosition(const Editor& ed, int entry) {
    return paletteRecordPosition(ed) + entry;
}

int64_t effectPosition(const Editor& ed, int palette) {
    return paletteRecordPosition(ed) + kPaletteEntries + palette;
}

void setSlotColour(Editor& ed, int slot, int colour) {
    const auto s = static_cast<size_t>(slot);
    const auto c = static_cast<size_t>(colour);
    ed.BmpCols[s] = ed.NesPal[c];
    ed.BmpCols[s + 16] = ed.NesPalDark[c];
    ed.BmpCols[s + 48] = ed.NesPalBright[c];
    ed.BmpCols[s + 80] = ed.NesPal[c];
}

PaletteChange writeEffect(Editor& ed, int palette, int value) {
    ed.setByte(effectPosition(ed, palette), value);
    return PaletteChange::Animations;
}

} // namespace

int64_t paletteRecordPosition(const Editor& ed) {
    return ed.P(15) + kPaletteRecordSize * int64_t{ed.CurBGPal};
}

int paletteEntry(const Editor& ed, int entry) {
    return ed.byte(entryPosition(ed, entry));
}

int paletteEffect(const Editor& ed, int palette) {
    return ed.byte(effectPosition(ed, palette));
}

bool effectAnimated(int effectByte) {
    return (effectByte & 0x80) != 0;
}

int effectNumber(int effectByte) {
    return effectByte & 0x7F;
}

void ApplySelCol(Editor& ed, int entry) {
    const int c = paletteEntry(ed, entry);
    if (entry == 0) {
        for (int p = 0; p < 4; ++p)
            setSlotColour(ed, 4 * p, c);
    } else if (entry % 4 != 0) {
        setSlotColour(ed, entry, c);
    }
}

PaletteChange stepPaletteColour(Editor& ed, int entry, bool up) {
    const int c = paletteEntry(ed, entry);
    int next;
    if (up)
        next = c == 63 ? 0 : std::min(c + 1, 255);
    else
        next = (c == 0 ? 64 : c) - 1;
    return setPaletteColour(ed, entry, next);
}

PaletteChange setPaletteColour(Editor& ed, int entry, int colour) {
    ed.setByte(entryPosition(ed, entry), colour);
    ApplySelCol(ed, entry);
    return PaletteChange::Colours;
}

PaletteChange setEffectAnimated(Editor& ed, int palette, bool animated) {
    return writeEffect(ed, palette,
                       effectNumber(paletteEffect(ed, palette)) | (animated ? 0x80 : 0));
}

PaletteChange setEffectNumber(Editor& ed, int palette, int64_t number) {
    const int n = static_cast<int>(std::clamp<int64_t>(number, 0, 127));
    return writeEffect(ed, palette, (paletteEffect(ed, palette) & 0x80) | n);
}

PaletteChange stepEffectNumber(Editor& ed, int palette, int delta) {
    return setEffectNumber(ed, palette, effectNumber(paletteEffect(ed, palette)) + int64_t{delta});
}

} // namespace orvane
