#pragma once

namespace orvane {

struct Editor;

// The background colours of the current section (the main window's Update_BGPal before
// it copies colours and refreshes windows):
//  1. the palette record: mm3 the section's second setting byte, mm4 its setting byte
//     where 0 keeps the colours already loaded (unless a level load asks for the record,
//     `levelLoad`, or this is section 0), mm5 always record 0;
//  2. a chosen record fills slots 0..15, their dark (+16), bright (+48) and as-loaded
//     (+80) copies, colour 0 of every palette being the record's backdrop byte, and the
//     four animation bytes go to PalAnimId;
//  3. mm4: the section's palette objects in the enemy list recolour or animate
//     single background palettes;
//  4. animcl = 1 restarts every animation (Anim_Reset).
// Returns whether a palette record was loaded (step 1 chose one). Does not copy the
// colours into the bitmaps: the caller runs Update_Global_Pal afterwards, then the
// windows' Update_BGPal.
bool loadBackgroundPalette(Editor& ed, int animcl, bool levelLoad = false);

} // namespace orvane
