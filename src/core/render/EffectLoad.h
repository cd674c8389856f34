#pragma once

#include <cstdint>

namespace orvane {

struct Editor;

// mm4 effect lists. A list at position e holds up to eight sprite-colour bytes (a byte of
// 0x80 or more ends them early and is consumed; bytes 1..3 and 5..7 colour sprite slots
// 73..75 and 77..79), then 4-byte tile-load records [bank, count, addr, row] up to a
// record whose first byte is 0x80 or more, or until 256 bytes after e. Records point
// sprite and background tile entries at CHR data inside the game's program banks.
//
// None of these copies colours into the bitmaps: after one of them the caller runs
// Update_Global_Pal. Nor is anything redrawn; the caller's refresh does that.

// Applies the list at `eoff`: sprite colours into BmpCols 72 + i with their source
// positions in SprColPos, then the records, each loading count * sizedim tiles (sizedim
// 16 for a level's initial list, 1 for a section's list) from entry 16 * row on, never
// past entry 511. Records with row 32 or more are skipped.
void EffectLoad(Editor& ed, int64_t eoff, int sizedim);

// Position of the current level's initial list, from the pointer tables at R10(2), R10(3)
// and the page base R10(4).
int64_t initialEffectListPosition(const Editor& ed);
// Position of the list of section `section`, through the section's effect number at
// P(10) + section and the pointer tables at R10(5), R10(6), page base R10(7).
int64_t sectionEffectListPosition(const Editor& ed, int section);

// EffectLoad of the current level's initial list with 16-tile groups (level load and
// entering section 0).
void InitEffectLoad(Editor& ed);
// EffectLoad of section `section`'s list with single tiles.
void ScrollEffectLoad(Editor& ed, int section);

} // namespace orvane
