#include "core/render/TileDrawing.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

namespace orvane {

namespace {

// ---- tile decoding -------------------------------------------------------------------
//
// A decoded tile row is eight bytes in one uint64_t, byte c (in memory order) holding the
// colour index of column c. Every operation below stays inside single bytes (values 0..3,
// no carries), so the same code works whatever the machine's byte order.

using Spread = std::array<std::array<uint8_t, 8>, 256>;

// kSpread[v][c] is bit (7 - c) of v: the plane bit of column c, leftmost pixel in bit 7.
// kMirror is the same row read right to left, for horizontally flipped sprites.
constexpr Spread makeSpread(bool mirrored) {
    Spread t{};
    for (int v = 0; v < 256; ++v)
        for (int c = 0; c < 8; ++c)
            t[v][c] = static_cast<uint8_t>((v >> (mirrored ? c : 7 - c)) & 1);
    return t;
}
constexpr Spread kSpread = makeSpread(false);
constexpr Spread kMirror = makeSpread(true);

constexpr uint64_t kEveryByte = 0x0101010101010101ULL;

uint64_t load8(const uint8_t* p) {
    uint64_t v;
    std::memcpy(&v, p, 8);
    return v;
}
void store8(uint8_t* p, uint64_t v) { std::memcpy(p, &v, 8); }

std::array<uint8_t, 8> bytesOf(uint64_t v) {
    std::array<uint8_t, 8> b;
    std::memcpy(b.data(), &v, 8);
    return b;
}

struct DecodedTile {
    std::array<uint64_t, 8> colours; // colour index 0..3 per pixel, per tile row
};

DecodedTile decode(const uint8_t* bytes16, bool vflip, bool hflip) {
    const Spread& table = hflip ? kMirror : kSpread;
    DecodedTile t;
    for (int r = 0; r < 8; ++r) {
        const int sr = vflip ? 7 - r : r;
        const uint64_t lo = load8(table[bytes16[sr]].data());
        const uint64_t hi = load8(table[bytes16[8 + sr]].data());
        t.colours[r] = lo | (hi << 1);
    }
    return t;
}

// 0xFF in every byte whose colour is not 0, the sprite routines' write mask.
uint64_t opaqueMask(uint64_t colours) {
    return ((colours | (colours >> 1)) & kEveryByte) * 0xFF;
}

// Tile offsets come in as doubles. Far-off or non-numeric values cannot name a ROM
// position and are refused before the conversion to an integer.
bool tileOffset(double T, int64_t& off) {
    constexpr double kFar = 9007199254740992.0; // 2^53
    if (!(T >= -kFar && T <= kFar)) return false;
    off = std::llrint(T);
    return true;
}

// The 16 tile bytes, read straight from the image when they all lie inside it; bytes
// beyond its ends read as 0.
std::array<uint8_t, 16> tileBytes(const Rom& rom, int64_t off) {
    std::array<uint8_t, 16> b;
    if (const uint8_t* p = rom.tile(off))
        std::memcpy(b.data(), p, 16);
    else
        for (int i = 0; i < 16; ++i) b[static_cast<size_t>(i)] = rom.atOffset(off + i);
    return b;
}

int64_t floorDiv(int64_t a, int64_t b) { // b > 0
    const int64_t q = a / b;
    return (a % b != 0 && a < 0) ? q - 1 : q;
}

// ---- walking the covered rows ---------------------------------------------------------
//
// A tile at (x, y) with scale s covers bitmap rows y .. y + 8s - 1; in row yy its pixels
// are the buffer indices W*yy + x .. W*yy + x + 8s - 1. Only rows with at least one of
// those indices inside [0, limit) are visited, found by division rather than by trying
// them, so no product can overflow and far-off tiles cost nothing. For each visited row
// `writeRow(tileRow, rowStart)` gets the tile row and the index of the tile's left edge.
template <class RowWriter>
void forEachCoveredRow(int64_t W, int64_t limit, int x, int y, int scale, RowWriter&& writeRow) {
    if (W <= 0 || limit <= 0 || scale < 1) return;
    const int64_t span = 8 * static_cast<int64_t>(scale);
    const int64_t firstVisible = floorDiv(-static_cast<int64_t>(x) - span, W) + 1;
    const int64_t lastVisible = floorDiv(limit - 1 - x, W);
    const int64_t top = std::max<int64_t>(y, firstVisible);
    const int64_t bottom = std::min<int64_t>(y + span - 1, lastVisible);
    for (int64_t yy = top; yy <= bottom; ++yy)
        writeRow(static_cast<int>((yy - y) / scale), W * yy + x);
}

// Clips the run [from, from + count) to [0, limit); false when nothing is left.
bool clipRun(int64_t& from, int64_t& count, int64_t limit) {
    int64_t to = std::min(from + count, limit);
    from = std::max<int64_t>(from, 0);
    count = to - from;
    return count > 0;
}

// Writes one decoded row of a tile. `colours` holds colour indices, `values` the bytes to
// store, `mask` 0xFF where a pixel is written. `sourceAt` (may be null) makes it copy
// from another buffer instead of storing `values`.
void writeTileRow(uint8_t* dst, int64_t limit, int64_t rowStart, int scale, uint64_t values,
                  uint64_t mask, const uint8_t* sourceAt) {
    if (scale == 1 && rowStart >= 0 && rowStart + 8 <= limit) {
        // The common case: eight whole pixels inside the buffer, one 8-byte store.
        uint8_t* p = dst + rowStart;
        const uint64_t fresh = sourceAt ? load8(sourceAt + rowStart) : values;
        store8(p, mask == ~0ULL ? fresh : (load8(p) & ~mask) | (fresh & mask));
        return;
    }
    const std::array<uint8_t, 8> v = bytesOf(values);
    const std::array<uint8_t, 8> m = bytesOf(mask);
    for (int c = 0; c < 8; ++c) {
        if (!m[static_cast<size_t>(c)]) continue;
        int64_t from = rowStart + static_cast<int64_t>(c) * scale;
        int64_t count = scale;
        if (!clipRun(from, count, limit)) continue;
        if (sourceAt)
            std::memcpy(dst + from, sourceAt + from, static_cast<size_t>(count));
        else
            std::memset(dst + from, v[static_cast<size_t>(c)], static_cast<size_t>(count));
    }
}

uint64_t paletteBase(int pal) {
    // 4*pal + k with k in 0..3 never carries out of the low two bits, so OR-ing the
    // palette's base into each byte adds it.
    return static_cast<uint64_t>((static_cast<unsigned>(pal) * 4u) & 0xFFu) * kEveryByte;
}

enum class SpriteMode { Draw, Restore };

void spriteTile(WinBitmap& bmp, const uint8_t* source, int64_t sourceSize, const Rom& rom,
                double T, int pal, int x, int y, int scale, int vflip, int hflip,
                SpriteMode mode) {
    int64_t off = 0;
    std::vector<uint8_t>& px = bmp.pixels();
    int64_t limit = static_cast<int64_t>(px.size());
    if (mode == SpriteMode::Restore) limit = std::min(limit, sourceSize);
    if (tileOffset(T, off) && off > -16 && off < rom.size()) {
        const std::array<uint8_t, 16> bytes = tileBytes(rom, off);
        const DecodedTile tile = decode(bytes.data(), vflip != 0, hflip != 0);
        const uint64_t base = paletteBase(pal);
        forEachCoveredRow(bmp.width(), limit, x, y, scale, [&](int r, int64_t rowStart) {
            const uint64_t k = tile.colours[static_cast<size_t>(r)];
            const uint64_t mask = opaqueMask(k);
            if (mask == 0) return;
            writeTileRow(px.data(), limit, rowStart, scale, k | base, mask,
                         mode == SpriteMode::Restore ? source : nullptr);
        });
    }
    bmp.touch();
}

// ---- lines ----------------------------------------------------------------------------

int64_t lineLimit(const WinBitmap& bmp) {
    const int64_t shown = static_cast<int64_t>(bmp.width()) * bmp.overallHeight();
    return std::min(shown, static_cast<int64_t>(bmp.pixels().size()));
}

// Sets buffer indices from .. to (inclusive) that lie inside [0, limit).
void fillIndices(WinBitmap& bmp, int64_t limit, int64_t from, int64_t to, int colour) {
    int64_t count = to - from + 1;
    if (count <= 0 || !clipRun(from, count, limit)) return;
    std::memset(bmp.pixels().data() + from, colour & 0xFF, static_cast<size_t>(count));
}

// Rows y1..y2 (clipped to those that can hold an index of [0, limit) in columns
// x1..x2), each filled from x1 to x2.
void fillRows(WinBitmap& bmp, int x1, int y1, int x2, int y2, int colour) {
    const int64_t W = bmp.width();
    const int64_t limit = lineLimit(bmp);
    if (W <= 0 || limit <= 0 || x1 > x2 || y1 > y2) return;
    const int64_t top = std::max<int64_t>(y1, floorDiv(-static_cast<int64_t>(x2) - 1, W) + 1);
    const int64_t bottom = std::min<int64_t>(y2, floorDiv(limit - 1 - x1, W));
    for (int64_t yy = top; yy <= bottom; ++yy)
        fillIndices(bmp, limit, W * yy + x1, W * yy + x2, colour);
}

} // namespace

void DrawTile(WinBitmap& bmp, const Rom& rom, double T, int pal, int x, int y, int scale) {
    int64_t off = 0;
    const uint8_t* bytes = nullptr;
    if (T >= 0 && T <= static_cast<double>(rom.size() - 16) && tileOffset(T, off))
        bytes = rom.tile(off);
    if (bytes) {
        const DecodedTile tile = decode(bytes, false, false);
        const uint64_t base = paletteBase(pal);
        std::vector<uint8_t>& px = bmp.pixels();
        const auto limit = static_cast<int64_t>(px.size());
        forEachCoveredRow(bmp.width(), limit, x, y, scale, [&](int r, int64_t rowStart) {
            writeTileRow(px.data(), limit, rowStart, scale,
                         tile.colours[static_cast<size_t>(r)] | base, ~0ULL, nullptr);
        });
    }
    bmp.touch();
}

void DrawSprTile(WinBitmap& bmp, const Rom& rom, double T, int pal, int x, int y, int scale,
                 int vflip, int hflip) {
    spriteTile(bmp, nullptr, 0, rom, T, pal, x, y, scale, vflip, hflip, SpriteMode::Draw);
}

void RestoreSprTile(WinBitmap& bmp, const std::vector<uint8_t>& source, const Rom& rom, double T,
                    int x, int y, int scale, int vflip, int hflip) {
    spriteTile(bmp, source.data(), static_cast<int64_t>(source.size()), rom, T, 0, x, y, scale,
               vflip, hflip, SpriteMode::Restore);
}

void DrawHLine(WinBitmap& bmp, int x1, int x2, int y, int colour) {
    fillRows(bmp, x1, y, x2, y, colour);
    bmp.touch();
}

void DrawVLine(WinBitmap& bmp, int x, int y1, int y2, int colour) {
    fillRows(bmp, x, y1, x, y2, colour);
    bmp.touch();
}

void FillRect(WinBitmap& bmp, int x1, int y1, int x2, int y2, int colour) {
    fillRows(bmp, x1, y1, x2, y2, colour);
    bmp.touch();
}

} // namespace orvane
