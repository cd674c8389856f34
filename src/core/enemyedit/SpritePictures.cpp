#include "core/enemyedit/SpritePictures.h"

#include <algorithm>

#include "core/app/Editor.h"
#include "core/render/Colours.h"
#include "core/render/TileDrawing.h"

namespace orvane {

namespace {

constexpr int kFirstSpriteTile = 256;
constexpr int kTilePalette = 18;     // sprite palette 2, slots 72..75
constexpr int kFirstSwatchSlot = 72; // sprite palettes 2 and 3
constexpr int kSwatches = 8;

void frame(WinBitmap& bmp, int x1, int x2, int colour) {
    const int bottom = kSwatchHeight - 1;
    DrawHLine(bmp, x1, x2, 0, colour);
    DrawHLine(bmp, x1, x2, bottom, colour);
    DrawVLine(bmp, x1, 0, bottom, colour);
    DrawVLine(bmp, x2, 0, bottom, colour);
}

// The ROM position the sprite set-up read swatch i's colour from; 0 when no set-up has
// recorded one (nothing is then written).
int64_t colourPosition(const Editor& ed, int swatch) {
    return ed.SprColPos[static_cast<size_t>(swatch)];
}

bool writeSwatchColour(Editor& ed, int swatch, int colour) {
    const int64_t q = colourPosition(ed, swatch);
    if (swatch % 4 == 0 || q == 0) return false;
    ed.setByte(q, colour);
    ed.BmpCols[static_cast<size_t>(kFirstSwatchSlot + swatch)] = ed.NesPal[ed.byte(q)];
    return true;
}

} // namespace

void drawSpriteTiles(WinBitmap& bmp, const Editor& ed) {
    for (int row = 0; row < 16; ++row)
        for (int col = 0; col < 16; ++col)
            DrawTile(bmp, ed.RomImage,
                     ed.TileAddr[static_cast<size_t>(kFirstSpriteTile + 16 * row + col)],
                     kTilePalette, 16 * col, 16 * row, 2);
}

void drawSwatches(WinBitmap& bmp, const SwatchSelection& sel) {
    for (int i = 0; i < kSwatches; ++i)
        FillRect(bmp, kSwatchWidth * i, 0, kSwatchWidth * i + kSwatchWidth - 1, kSwatchHeight - 1,
                 kFirstSwatchSlot + i);
    for (int pal = 0; pal < 2; ++pal)
        frame(bmp, 4 * kSwatchWidth * pal, 4 * kSwatchWidth * (pal + 1) - 1, kSlotGrid);
    const int x = kSwatchWidth * sel.swatch();
    frame(bmp, x, x + kSwatchWidth - 1, kSlotFrameWhite);
}

int swatchAt(int x) {
    return std::clamp(x / kSwatchWidth, 0, kSwatches - 1);
}

int swatchColour(const Editor& ed, int swatch) {
    const int64_t q = colourPosition(ed, std::clamp(swatch, 0, kSwatches - 1));
    return q == 0 ? -1 : ed.byte(q);
}

bool pressSwatch(Editor& ed, SwatchSelection& sel, int button, int x) {
    const int swatch = swatchAt(x);
    // Only a press on the swatch that is framed steps its colour; a press on any other
    // swatch selects it first, even when it has the same colour number in the other
    // palette.
    if (swatch == sel.swatch() && sel.SelCol > 0) {
        const int64_t q = colourPosition(ed, swatch);
        if (q == 0) return false;
        const int v = ed.byte(q);
        const int stepped = button == 1 ? (v + 1 == 0x40 ? 0 : v + 1) : (v == 0 ? 0x3F : v - 1);
        return writeSwatchColour(ed, swatch, stepped);
    }
    sel.SelPal = swatch / 4;
    sel.SelCol = swatch % 4;
    return false;
}

bool setSwatchColour(Editor& ed, const SwatchSelection& sel, int colour) {
    return writeSwatchColour(ed, sel.swatch(), colour);
}

} // namespace orvane
