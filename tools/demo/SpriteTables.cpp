#include "SpriteTables.h"

#include <stdexcept>

namespace orvane::demo {

uint8_t pieceCountByte(const Sprite& s) {
    if (s.pieces.empty() || s.pieces.size() > 64)
        throw std::runtime_error("a sprite needs 1 to 64 pieces");
    return static_cast<uint8_t>(s.pieces.size() - 1);
}

std::vector<uint8_t> spriteRecord(const PlacedSprite& s, const std::vector<uint8_t>& header) {
    std::vector<uint8_t> out = header;
    for (const Piece& p : s.sprite.pieces) {
        out.push_back(static_cast<uint8_t>(s.tileBase + p.tile));
        out.push_back(static_cast<uint8_t>((p.vflip ? 0x80 : 0) | (p.hflip ? 0x40 : 0) |
                                           (s.sprite.palette & 3)));
    }
    return out;
}

std::vector<uint8_t> coordinateRecord(const Sprite& s) {
    std::vector<uint8_t> out;
    for (const Piece& p : s.pieces) {
        out.push_back(static_cast<uint8_t>((p.dy - 1) & 0xFF));
        out.push_back(static_cast<uint8_t>(p.dx & 0xFF));
    }
    return out;
}

void writePointerTables(RomBuilder& rb, int64_t loPos, int64_t hiPos, int entries,
                        const std::vector<int64_t>& targets, const std::string& what) {
    if (targets.empty()) throw std::runtime_error(what + ": nothing to point at");
    std::vector<uint8_t> los, his;
    for (int i = 0; i < entries; ++i) {
        const int64_t a = targets[static_cast<size_t>(i) % targets.size()];
        los.push_back(lo(a));
        his.push_back(hi(a));
    }
    rb.put(loPos, los, what + " (low bytes)");
    rb.put(hiPos, his, what + " (high bytes)");
}

} // namespace orvane::demo
