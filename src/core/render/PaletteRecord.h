#pragma once

#include <cstdint>

namespace orvane {

struct Editor;

// The background palette record of the palette set being shown (CurBGPal): 20 bytes at
// P(15) + 20 * CurBGPal. Entries 0..15 are NES colours: entry 0 is the backdrop, colour 0
// of all four palettes; entries 4p + 1..3 are colours 1..3 of palette p; entries 4, 8 and
// 12 are stored but never shown. Bytes 16..19 are the animation ("effect") bytes of
// palettes 0..3: bit 7 set means animated, bits 0..6 are the animation number.
constexpr int kPaletteRecordSize = 20;
constexpr int kPaletteEntries = 16;

int64_t paletteRecordPosition(const Editor& ed);
int paletteEntry(const Editor& ed, int entry);
int paletteEffect(const Editor& ed, int palette);
bool effectAnimated(int effectByte);
int effectNumber(int effectByte);

// What a palette edit changed, so the main window can pick the refresh.
enum class PaletteChange {
    // Colour slots were rewritten in place: copy the colour table into the bitmaps and
    // show every shown window's pictures again. Nothing is reloaded, so colours set by
    // the palette animation or by palette objects stay until they are next written.
    Colours,
    // An animation byte changed: reload the palette set and restart the animations.
    Animations,
};

// Brings the colour slots in line with the stored colour of `entry`: its shown, dark,
// bright and as-loaded slots; the backdrop (entry 0) reaches colour 0 of all four
// palettes; entries 4, 8 and 12 change no slot.
void ApplySelCol(Editor& ed, int entry);

// A further click on the selected entry: `up` (the left button) steps its colour up, with
// 63 followed by 0 and 255 staying 255; any other button steps down, with 0 followed by
// 63. Colours 64..254 step up without wrapping.
PaletteChange stepPaletteColour(Editor& ed, int entry, bool up);
// A colour picked in the Palette Chart for `entry`.
PaletteChange setPaletteColour(Editor& ed, int entry, int colour);

// The effect row of palette 0..3: the switch sets bit 7; a typed number (clamped to
// 0..127) and a step of the number (stopping at 0 and 127) keep it.
PaletteChange setEffectAnimated(Editor& ed, int palette, bool animated);
PaletteChange setEffectNumber(Editor& ed, int palette, int64_t number);
PaletteChange stepEffectNumber(Editor& ed, int palette, int delta);

} // namespace orvane
