#include "core/render/Colours.h"

#include <algorithm>

#include "core/app/Editor.h"

namespace orvane {

namespace {

uint32_t rgb(uint32_t r, uint32_t g, uint32_t b) {
    return (r << 16) | (g << 8) | b;
}

// Dividing by 1.5 and rounding to the nearest integer is round(2c / 3); 2c / 3 never ends
// in exactly one half, so (2c + 1) / 3 in integers gives the same result without floats.
uint32_t darken(uint32_t c) {
    return (2 * c + 1) / 3;
}

uint32_t brighten(uint32_t c) {
    int v = static_cast<int>(c) + 80;
    return static_cast<uint32_t>(Clamp(v, 0, 255));
}

} // namespace

void ReloadNESPAL(ColourTables& ed, const std::vector<uint8_t>& palFileBytes) {
    // A short or missing file is not an error: whatever it does not cover reads as 0,
    // so those colours are black (a cut-off record keeps the channels it has).
    auto at = [&palFileBytes](size_t i) -> uint32_t {
        return i < palFileBytes.size() ? palFileBytes[i] : 0;
    };
    for (size_t c = 0; c < 256; ++c) {
        const uint32_t r = at(3 * c), g = at(3 * c + 1), b = at(3 * c + 2);
        ed.NesPal[c] = rgb(r, g, b);
        ed.NesPalDark[c] = rgb(darken(r), darken(g), darken(b));
        ed.NesPalBright[c] = rgb(brighten(r), brighten(g), brighten(b));
    }
}

void setBackgroundSlot(ColourTables& colours, int slot, int colour) {
    const auto s = static_cast<size_t>(slot);
    const auto c = static_cast<size_t>(colour);
    colours.BmpCols[s] = colours.NesPal[c];
    colours.BmpCols[s + 16] = colours.NesPalDark[c];
    colours.BmpCols[s + 48] = colours.NesPalBright[c];
    colours.BmpCols[s + 80] = colours.NesPal[c];
}

void setFixedColours(ColourTables& ed) {
    // Frames, marker outlines: colours chosen to stand out against any NES palette.
    ed.BmpCols[33] = rgb(160, 160, 160);
    ed.BmpCols[34] = rgb(255, 255, 255);
    ed.BmpCols[35] = rgb(96, 96, 255);
    ed.BmpCols[36] = rgb(255, 96, 96);
    ed.BmpCols[37] = rgb(96, 255, 96);
    ed.BmpCols[38] = rgb(255, 255, 0);
    ed.BmpCols[39] = rgb(255, 96, 255);
}

void GetMMCols(Editor& ed) {
    const LevelTables tables = ed.tables();
    for (int i = 0; i < 16; ++i) {
        const size_t slot = static_cast<size_t>(64 + i);
        if (i % 4 == 0)
            ed.BmpCols[slot] = kTransparentMarker;
        else if (i < 8)
            ed.BmpCols[slot] = ed.NesPal[static_cast<size_t>(tables.spritePaletteByte(i))];
        // Sprite palettes 2 and 3 belong to the current section's sprite set-up.
    }
}

void Update_Global_Pal(ColourTables& colours) {
    colours.Bitmaps.publish(colours.BmpCols);
}

int Clamp(int& value, int lo, int hi) {
    if (value < lo)
        value = lo;
    else if (value > hi)
        value = hi;
    return value;
}

uint32_t SwapRB(uint32_t colour) {
    return ((colour & 0xFF) << 16) | (colour & 0xFF00) | ((colour >> 16) & 0xFF);
}

} // namespace orvane
