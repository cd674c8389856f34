#pragma once

namespace orvane {

struct Editor;
class WinBitmap;

// Two pictures of the section's sprite graphics: the 256 loaded sprite tiles, and the two
// sprite palettes a section loads (sprite palettes 2 and 3) as eight swatches whose
// colours the user edits.

constexpr int kSpriteTilesSize = 256; // 16 x 16 tiles at scale 2
constexpr int kSwatchWidth = 32;      // eight swatches side by side
constexpr int kSwatchHeight = 32;
constexpr int kSwatchesWidth = 8 * kSwatchWidth;

// Sprite tiles 0..FF (TileAddr 256..511), 16 to a row, each pixel a 2 x 2 square, opaque,
// in sprite palette 2.
void drawSpriteTiles(WinBitmap& bmp, const Editor& ed);

// The swatch selected among the eight: palette SelPal (0 for sprite palette 2, 1 for 3) and
// its colour SelCol (0..3). Colour 0 of each palette is the transparent one.
struct SwatchSelection {
    int SelPal = 0;
    int SelCol = 0;
    int swatch() const { return 4 * SelPal + SelCol; }
};

// Swatch i in BmpCols slot 72 + i, a black frame around each palette's four swatches
// and a white one around the selected swatch.
void drawSwatches(WinBitmap& bmp, const SwatchSelection& sel);

// The swatch (0..7) under x on the swatches; presses and hovering off the ends take the
// nearest.
int swatchAt(int x);
// The colour number swatch i shows, as the section's sprite set-up read it from the ROM;
// -1 when no set-up has recorded where it lies.
int swatchColour(const Editor& ed, int swatch);

// A press at x on the swatches. On the selected swatch (not a colour 0) it steps that colour's
// ROM byte, where the section's sprite set-up read it (SprColPos): the left button up
// (0x40 becoming 0x00), any other down (0x00 becoming 0x3F), and the swatch's slot takes
// the new colour. Anywhere else it selects the swatch under the press. True when a
// colour changed: the caller copies the colours to the bitmaps and shows them again.
bool pressSwatch(Editor& ed, SwatchSelection& sel, int button, int x);

// A colour picked from the palette chart for the selected swatch: written where the
// sprite set-up read it, and into its slot. False, changing nothing, for a colour 0.
bool setSwatchColour(Editor& ed, const SwatchSelection& sel, int colour);

} // namespace orvane
