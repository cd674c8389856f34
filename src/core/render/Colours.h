#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace orvane {

struct ColourTables;
struct Editor;

// Builds NesPal, NesPalDark and NesPalBright from a palette file's bytes (RGB triples in
// index order). Entries the bytes do not cover are black.
void ReloadNESPAL(ColourTables& ed, const std::vector<uint8_t>& palFileBytes);

// Background slot `slot` (0..15) shows NES colour `colour`: the slot, its dark (+16),
// bright (+48) and as-loaded (+80) copies.
void setBackgroundSlot(ColourTables& colours, int slot, int colour);

// The seven fixed interface colours, slots 33..39, set once at start-up.
void setFixedColours(ColourTables& ed);

// Sprite slots 64..79: colour 0 of each sprite palette is the transparent marker,
// sprite palettes 0 and 1 come from the sprite palette bytes of the level tables. Does not
// copy the table into the bitmaps; the caller runs Update_Global_Pal.
void GetMMCols(Editor& ed);

// Copies BmpCols slots 0..127 into the colour table of every registered bitmap.
void Update_Global_Pal(ColourTables& colours);

// value limited to lo..hi; the argument is set to the result too.
int Clamp(int& value, int lo, int hi);
// Exchanges the lowest and third bytes of a colour (bits 0..7 and 16..23), clearing the top byte.
uint32_t SwapRB(uint32_t colour);

constexpr uint32_t kTransparentMarker = 0x800080;

// Fixed colour slots the windows draw their grids and selection frames with.
constexpr int kSlotGrid = 32;       // black: grid lines, erasing an old frame
constexpr int kSlotFrameGrey = 33;  // current tile or block in their sheets
constexpr int kSlotFrameWhite = 34; // current structure in its sheet

} // namespace orvane
