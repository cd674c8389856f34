#pragma once

namespace orvane {
struct Editor;
}

namespace orvane::fuzz {

// The editor's whole reading and drawing path over its ROM image and resource data for one
// level, `pick` modulo the game's level count (one run of a target stays short, and its
// inputs reach every level): the level load, the scroll map decoded and encoded again,
// then screen by screen the section walk with its palettes and mm4's effect lists, the
// screen drawn with its enemies, the enemies erased and a few palette-animation ticks.
// Checks on the way:
//  - drawing writes only inside the shown picture of its bitmaps, never into their slack;
//  - erasing every enemy of a screen gives back its blocks exactly;
//  - a scroll map that is not written leaves the image as it was;
//  - with `validTables` (the resource data is the demo's, so the tables do not overlap),
//    a map as the encoder writes it decodes to as many screens and encodes to the same
//    bytes.
// The image is the same afterwards.
void runPipeline(Editor& ed, int pick, bool validTables);

} // namespace orvane::fuzz
