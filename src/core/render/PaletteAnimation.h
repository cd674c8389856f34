#pragma once

namespace orvane {

struct Editor;

// Palette animations cycle colours 1..3 of a background palette through frames, each
// frame naming a colour set of three NES colours. The records and colour sets are found
// through the level tables (animationRecordPosition, animationColourSetPosition).

// Restarts every animation from frame 0 with nothing waited; PalAnimId is kept.
void Anim_Reset(Editor& ed);

// One 15 ms tick of the palette-animation simulation over the four background palettes.
// A palette whose PalAnimId has bit 7 set waits `delay` ticks, then advances one frame
// (after the last frame comes frame 0) and writes the frame's colours into its shown,
// dark and bright slots; the as-loaded copy (80..95) keeps the record's colours. In mm4
// and mm5 a frame naming colour set 0 stops that animation for good and ends the tick, so
// the palettes after it wait for the next tick. A record, frame or colour set lying
// outside the ROM image skips that palette for this tick, leaving its state alone.
//
// Returns true when at least one palette's colours were written: the caller then runs
// Update_Global_Pal and shows the animated pictures. A tick that returns false needs no
// drawing at all. Allocates nothing.
bool paletteAnimationTick(Editor& ed);

} // namespace orvane
