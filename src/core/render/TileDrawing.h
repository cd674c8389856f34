#pragma once

#include <cstdint>
#include <vector>

#include "core/level/Rom.h"
#include "core/render/WinBitmap.h"

namespace orvane {

// Drawing into a paletted bitmap. Pixels are colour-slot numbers: a tile pixel of colour
// k (0..3) drawn with palette pal becomes (4*pal + k) & 0xFF. Every write whose buffer
// index W*y + x falls outside the pixel buffer is dropped; indices are not clipped per
// row, so a point left of column 0 lands at the end of the row above. None of these
// shows the bitmap; each one bumps its version.

// The tile at 0-based ROM offset T, opaque and unflipped, top-left corner at (x, y),
// each tile pixel a scale x scale square. Nothing is drawn unless the whole tile lies
// inside the ROM image (0 <= T <= size - 16).
void DrawTile(WinBitmap& bmp, const Rom& rom, double T, int pal, int x, int y, int scale);

// As DrawTile, but colour 0 is transparent and the tile may be mirrored (vflip top to
// bottom, hflip left to right; any non-zero value mirrors). Tile bytes outside the ROM
// image read as 0, so an out-of-image tile draws nothing.
void DrawSprTile(WinBitmap& bmp, const Rom& rom, double T, int pal, int x, int y, int scale,
                 int vflip, int hflip);

// Erases a sprite drawn by DrawSprTile with the same arguments: wherever that call would
// write, the byte at the same index of `source` is copied instead (indices beyond the
// end of `source` are left alone).
void RestoreSprTile(WinBitmap& bmp, const std::vector<uint8_t>& source, const Rom& rom, double T,
                    int x, int y, int scale, int vflip, int hflip);

// A sprite tile at scale 1 cut at the edges of the shown picture (0 <= x < W, 0 <= y < H)
// instead of running into the neighbouring row, as the enemy pictures draw their
// sprites. A tile that does not lie wholly inside the ROM image is not drawn.
void DrawSprTileInPicture(WinBitmap& bmp, const Rom& rom, int64_t T, int pal, int x, int y,
                          bool vflip, bool hflip);

// Copies the pixels x1..x2, y1..y2 of `source`, a bitmap of the same width, into bmp,
// cut to the shown picture: how the enemy pictures erase a sprite or a box.
void RestoreRect(WinBitmap& bmp, const WinBitmap& source, int x1, int y1, int x2, int y2);

// Lines and rectangles write only indices 0 <= i < min(W*Hp, buffer size), Hp being the
// bitmap's overall height. Ends are inclusive; nothing is drawn when x1 > x2 (y1 > y2).
void DrawHLine(WinBitmap& bmp, int x1, int x2, int y, int colour);
void DrawVLine(WinBitmap& bmp, int x, int y1, int y2, int colour);
void FillRect(WinBitmap& bmp, int x1, int y1, int x2, int y2, int colour);

} // namespace orvane
