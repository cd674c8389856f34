#include "core/render/PaletteRecord.h"

#include <algorithm>

#include "core/app/Editor.h"
#include "core/render/Colours.h"

namespace orvane {

namespace {

int64_t entryPosition(const Editor& ed, int entry) {
    return ed.tables().paletteRecordPosition(ed.CurBGPal, entry);
}

int64_t effectPosition(const Editor& ed, int palette) {
    return entryPosition(ed, kPaletteEntries + palette);
}

Change writeEffect(Editor& ed, int palette, int value) {
    setPaletteRecordByte(ed, ed.CurBGPal, kPaletteEntries + palette, value);
    return Change::backgroundPalette();
}

} // namespace

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
            setBackgroundSlot(ed, 4 * p, c);
    } else if (entry % 4 != 0) {
        setBackgroundSlot(ed, entry, c);
    }
}

Change stepPaletteColour(Editor& ed, int entry, bool up) {
    const int c = paletteEntry(ed, entry);
    int next;
    if (up)
        next = c == 63 ? 0 : std::min(c + 1, 255);
    else
        next = (c == 0 ? 64 : c) - 1;
    return setPaletteColour(ed, entry, next);
}

Change setPaletteColour(Editor& ed, int entry, int colour) {
    setPaletteRecordByte(ed, ed.CurBGPal, entry, colour);
    ApplySelCol(ed, entry);
    return Change::colours();
}

Change setEffectAnimated(Editor& ed, int palette, bool animated) {
    return writeEffect(ed, palette,
                       effectNumber(paletteEffect(ed, palette)) | (animated ? 0x80 : 0));
}

Change setEffectNumber(Editor& ed, int palette, int64_t number) {
    const int n = static_cast<int>(std::clamp<int64_t>(number, 0, 127));
    return writeEffect(ed, palette, (paletteEffect(ed, palette) & 0x80) | n);
}

Change stepEffectNumber(Editor& ed, int palette, int delta) {
    return setEffectNumber(ed, palette, effectNumber(paletteEffect(ed, palette)) + int64_t{delta});
}

} // namespace orvane
