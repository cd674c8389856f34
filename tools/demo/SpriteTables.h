#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "RomBuilder.h"
#include "SpriteArt.h"

namespace orvane::demo {

// A sprite as one game draws it: its pieces' tiles counted from `tileBase` (the sprite
// tile its group's bank is loaded at).
struct PlacedSprite {
    Sprite sprite;
    uint8_t tileBase = 0;
};

// A sprite record: `header` (mm3, mm4: piece count and coordinate set; mm5 the tile
// bank first), then tile and attribute of each piece. Attribute: bit 7 vertical flip,
// bit 6 horizontal flip, bits 0..1 the palette.
std::vector<uint8_t> spriteRecord(const PlacedSprite& s, const std::vector<uint8_t>& header);
// The piece count minus one, as the record's count byte holds it.
uint8_t pieceCountByte(const Sprite& s);
// A coordinate record: per piece dy - 1 and dx, as bytes (the reader adds 1 to dy and
// takes both as signed).
std::vector<uint8_t> coordinateRecord(const Sprite& s);

// Pointer tables of `entries` entries: entry i points at targets[i mod size], low bytes
// at loPos, high bytes at hiPos.
void writePointerTables(RomBuilder& rb, int64_t loPos, int64_t hiPos, int entries,
                        const std::vector<int64_t>& targets, const std::string& what);

} // namespace orvane::demo
