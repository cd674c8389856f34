#pragma once

namespace orvane {

struct Editor;

// The current section's sprite tiles and sprite colours (colours 1..3 of sprite palettes
// 2 and 3, slots 73..75 and 77..79, with their source positions in SprColPos so an
// edited colour can be written back).
//  mm3: graphics set g of the section picks two 1 KB CHR banks for sprite tiles 384..511
//       and sprite palette set g.
//  mm5: sprite palette set v (bit 7 of the setting ignored), or the default colours when
//       v is 0; tiles stay as the level load set them.
//  mm4: nothing; its sprites come from the effect lists.
// Does not copy the colours into the bitmaps: the caller runs Update_Global_Pal next.
// (A class with a member of the same name calls this as orvane::SprCHRPALSetup.)
void SprCHRPALSetup(Editor& ed);

} // namespace orvane
