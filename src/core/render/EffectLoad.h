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

// EffectLoad of the current level's initial list with 16-tile groups (level load and
// entering section 0).
void InitEffectLoad(Editor& ed);
// EffectLoad of section `section`'s list with single tiles.
void ScrollEffectLoad(Editor& ed, int section);

// Which effect list mm4 must apply when the screen on view now lies in `section`, the
// effects of `loadedSection` being loaded. The list is loaded only on a section change, so
// moving between the screens of one section keeps whatever tiles and sprite colours an
// editor set up meanwhile.
enum class EffectReload { None, Initial, Section };
EffectReload effectReloadFor(int game, int section, int loadedSection);

// Applies effectReloadFor with the editor's CurSection as the loaded section:
// InitEffectLoad for section 0, ScrollEffectLoad(section) for any other. Returns true when
// a list was applied; the caller then copies the colour table into the bitmaps
// (Update_Global_Pal), since the sprite colours may have changed. Run it before the
// editor enters the new section.
bool loadSectionEffects(Editor& ed, int section);

} // namespace orvane
