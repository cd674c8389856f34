#pragma once

#include <array>
#include <cstdint>

#include "core/level/Change.h"

namespace orvane {

struct Editor;

// mm4's effect sprites: enemy types C0..FF are no enemies but 64 slots (slot = type & 63)
// that recolour a background palette, either from one of the game's palette animations
// or from a four-colour palette of their own. Every enemy of one type shares its slot,
// so an edit made through one of them changes them all. The slot data lies in three
// tables named by the resource data: the palette slot (bits 0..1 used), the kind (bit 7
// set: palette animation number, clear: four-colour palette number, in bits 0..6) and
// the four-colour palettes, four NES colours each (the level tables' palette objects).
// The edits write through the ROM door; nothing else the editor shows depends on the slot
// data, so each reports that nothing needs refreshing.

constexpr int kFirstEffectSprite = 0xC0;

// True for the effect sprite types: C0 and up, in mm4 only.
bool isEffectSprite(const Editor& ed, int type);

struct EffectSprite {
    int paletteSlot = 0;          // 0..3
    bool animation = false;       // a palette animation rather than a four-colour palette
    int number = 0;               // the animation or four-colour palette, 0..7F
    std::array<int, 4> colours{}; // the four-colour palette's colours (also read for an
                                  // animation, when they do not apply)
};
EffectSprite effectSprite(const Editor& ed, int type);

// The palette slot byte becomes `slot` (0..3).
Change setEffectSpriteSlot(Editor& ed, int type, int slot);
// The kind changes; the number stays (animation 5 becomes four-colour palette 5).
Change setEffectSpriteKind(Editor& ed, int type, bool animation);
// The number, limited to 0..7F, keeping the kind.
Change setEffectSpriteNumber(Editor& ed, int type, int64_t value);
// The number stepped by +1 or -1 and limited the same way (7F up stays 7F).
Change stepEffectSpriteNumber(Editor& ed, int type, int delta);
// Colour i (0..3) of the slot's four-colour palette, limited to 0..3F.
Change setEffectSpriteColour(Editor& ed, int type, int i, int64_t value);
Change stepEffectSpriteColour(Editor& ed, int type, int i, int delta);

} // namespace orvane
