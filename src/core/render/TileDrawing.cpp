#include "core/render/TileDrawing.h"

#include <algorithm>
#include <array>
#include <bit>
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
void store8(uint8_t* p, uint64_t v) {
    std::memcpy(p, &v, 8);
}

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
        for (int i = 0; i < 16; ++i)
            b[static_cast<size_t>(i)] = rom.atOffset(off + i);
    return b;
}

int64_t floorDiv(int64_t a, int64_t b) { // b > 0
    const int64_t q = a / b;
    return (a % b != 0 && a < 0) ? q - 1 : q;
}

// ---- writing a decoded tile -----------------------------------------------------------

// Clips the run [from, from + count) to [0, limit); false when nothing is left.
bool clipRun(int64_t& from, int64_t& count, int64_t limit) {
    const int64_t to = std::min(from + count, limit);
    from = std::max<int64_t>(from, 0);
    count = to - from;
    return count > 0;
}

// Bitmap rows yy in [top, top + count) whose run of indices W*yy + left .. W*yy + left +
// width - 1 touches [0, limit). Found by division rather than by trying rows, so no
// product can overflow and far-off tiles cost nothing.
struct RowRange {
    int64_t first, last;
};
RowRange touchingRows(int64_t W, int64_t limit, int64_t top, int64_t count, int64_t left,
                      int64_t width) {
    return {std::max(top, floorDiv(-left - width, W) + 1),
            std::min(top + count - 1, floorDiv(limit - 1 - left, W))};
}

// One run of `count` pixels from buffer index `from`: the same value, or the bytes of
// `source` at the same indices.
void writeRun(uint8_t* dst, int64_t limit, int64_t from, int64_t count, uint8_t value,
              const uint8_t* source) {
    if (!clipRun(from, count, limit)) return;
    if (source)
        std::memcpy(dst + from, source + from, static_cast<size_t>(count));
    else
        std::memset(dst + from, value, static_cast<size_t>(count));
}

// One tile row widened to the scale: word w holds pixels 8w .. 8w + 7 of the 8*scale
// pixels the row covers in one bitmap row.
constexpr int kMaxWideScale = 8;
struct WideRow {
    std::array<uint64_t, kMaxWideScale> values;
    std::array<uint64_t, kMaxWideScale> masks;
};

// Each of four bytes twice over: bytes a b c d become a a b b c c d d (little-endian order).
uint64_t doubleBytes(uint32_t four) {
    uint64_t v = four;
    v = (v | v << 16) & 0x0000FFFF0000FFFFULL;
    v = (v | v << 8) & 0x00FF00FF00FF00FFULL;
    return v | v << 8;
}

WideRow widen(uint64_t values, uint64_t mask, int scale) {
    WideRow w;
    if constexpr (std::endian::native == std::endian::little) {
        if (scale == 2) { // the scale of the tile and sprite sheets: worth its own path
            w.values = {doubleBytes(uint32_t(values)), doubleBytes(uint32_t(values >> 32))};
            w.masks = {doubleBytes(uint32_t(mask)), doubleBytes(uint32_t(mask >> 32))};
            return w;
        }
    }
    const std::array<uint8_t, 8> v = bytesOf(values), m = bytesOf(mask);
    std::array<uint8_t, 8 * kMaxWideScale> wv, wm;
    const auto n = static_cast<size_t>(scale);
    for (size_t c = 0, at = 0; c < 8; ++c)
        for (size_t k = 0; k < n; ++k, ++at) {
            wv[at] = v[c];
            wm[at] = m[c];
        }
    for (size_t i = 0; i < static_cast<size_t>(scale); ++i) {
        w.values[i] = load8(wv.data() + 8 * i);
        w.masks[i] = load8(wm.data() + 8 * i);
    }
    return w;
}

// Stores a widened row at p (8*scale bytes, all inside the buffer): its values, or the
// bytes of `source` at the same place, wherever the mask is set.
void writeWide(uint8_t* p, const uint8_t* source, const WideRow& w, int scale) {
    for (size_t i = 0; i < static_cast<size_t>(scale); ++i, p += 8) {
        const uint64_t mask = w.masks[i];
        if (mask == 0) continue;
        const uint64_t fresh = source ? load8(source + 8 * i) : w.values[i];
        store8(p, mask == ~0ULL ? fresh : (load8(p) & ~mask) | (fresh & mask));
    }
}

// What a tile writes: per tile row, the eight pixel values and a mask of 0xFF where a pixel
// is written at all. With `source` set the pixels are copied from there instead.
struct TileRows {
    std::array<uint64_t, 8> values;
    std::array<uint64_t, 8> masks;
    const uint8_t* source = nullptr;
};

void writeTile(WinBitmap& bmp, int64_t limit, const TileRows& t, int x, int y, int scale) {
    const int64_t W = bmp.width();
    if (W <= 0 || limit <= 0 || scale < 1) return;
    uint8_t* dst = bmp.pixels().data();
    const int64_t s = scale;
    const int64_t width = 8 * s;

    if (width > W) {
        // A tile wider than the bitmap wraps onto itself, so the order of writes decides
        // which pixel stays on top: tile row, then column, then the rows of its square.
        for (int r = 0; r < 8; ++r) {
            const std::array<uint8_t, 8> v = bytesOf(t.values[static_cast<size_t>(r)]);
            const std::array<uint8_t, 8> m = bytesOf(t.masks[static_cast<size_t>(r)]);
            for (int c = 0; c < 8; ++c) {
                if (!m[static_cast<size_t>(c)]) continue;
                const int64_t left = x + s * c;
                const RowRange rows = touchingRows(W, limit, y + s * r, s, left, s);
                for (int64_t yy = rows.first; yy <= rows.last; ++yy)
                    writeRun(dst, limit, W * yy + left, s, v[static_cast<size_t>(c)], t.source);
            }
        }
        return;
    }

    // Otherwise no two pixels of the tile share an index and the tile can go bitmap row by
    // bitmap row. A row lying wholly inside the buffer is written in 8-byte words from the
    // tile row widened to the scale once (small scales only; big squares are long runs).
    const RowRange rows = touchingRows(W, limit, y, width, x, width);
    WideRow wide;
    int64_t wideRow = -1;
    for (int64_t yy = rows.first; yy <= rows.last; ++yy) {
        const auto r = static_cast<size_t>((yy - y) / s);
        const uint64_t mask = t.masks[r];
        if (mask == 0) continue;
        const int64_t rowStart = W * yy + x;
        if (s == 1 && rowStart >= 0 && rowStart + 8 <= limit) {
            // The most common case of all: eight pixels, one 8-byte store.
            uint8_t* p = dst + rowStart;
            const uint64_t fresh = t.source ? load8(t.source + rowStart) : t.values[r];
            store8(p, mask == ~0ULL ? fresh : (load8(p) & ~mask) | (fresh & mask));
            continue;
        }
        if (s <= kMaxWideScale && rowStart >= 0 && rowStart + width <= limit) {
            if (wideRow != static_cast<int64_t>(r)) {
                wide = widen(t.values[r], mask, scale);
                wideRow = static_cast<int64_t>(r);
            }
            writeWide(dst + rowStart, t.source ? t.source + rowStart : nullptr, wide, scale);
            continue;
        }
        const std::array<uint8_t, 8> v = bytesOf(t.values[r]);
        const std::array<uint8_t, 8> m = bytesOf(mask);
        for (int c = 0; c < 8; ++c)
            if (m[static_cast<size_t>(c)])
                writeRun(dst, limit, rowStart + s * c, s, v[static_cast<size_t>(c)], t.source);
    }
}

uint64_t paletteBase(int pal) {
    // 4*pal + k with k in 0..3 never carries out of the low two bits, so OR-ing the
    // palette's base into each byte adds it.
    return static_cast<uint64_t>((static_cast<unsigned>(pal) * 4u) & 0xFFu) * kEveryByte;
}

TileRows tileRows(const DecodedTile& tile, int pal, bool transparent) {
    TileRows t;
    const uint64_t base = paletteBase(pal);
    for (size_t r = 0; r < 8; ++r) {
        t.values[r] = tile.colours[r] | base;
        t.masks[r] = transparent ? opaqueMask(tile.colours[r]) : ~0ULL;
    }
    return t;
}

void spriteTile(WinBitmap& bmp, const std::vector<uint8_t>* source, const Rom& rom, double T,
                int pal, int x, int y, int scale, int vflip, int hflip) {
    int64_t off = 0;
    // Tiles wholly outside the image read as zeros: all transparent, nothing to do.
    if (tileOffset(T, off) && off > -16 && off < rom.size()) {
        const std::array<uint8_t, 16> bytes = tileBytes(rom, off);
        TileRows t = tileRows(decode(bytes.data(), vflip != 0, hflip != 0), pal, true);
        auto limit = static_cast<int64_t>(bmp.pixels().size());
        if (source) {
            t.source = source->data();
            limit = std::min(limit, static_cast<int64_t>(source->size()));
        }
        writeTile(bmp, limit, t, x, y, scale);
    }
    bmp.touchPixels();
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
    if (bytes)
        writeTile(bmp, static_cast<int64_t>(bmp.pixels().size()),
                  tileRows(decode(bytes, false, false), pal, false), x, y, scale);
    bmp.touchPixels();
}

void DrawSprTile(WinBitmap& bmp, const Rom& rom, double T, int pal, int x, int y, int scale,
                 int vflip, int hflip) {
    spriteTile(bmp, nullptr, rom, T, pal, x, y, scale, vflip, hflip);
}

void RestoreSprTile(WinBitmap& bmp, const std::vector<uint8_t>& source, const Rom& rom, double T,
                    int x, int y, int scale, int vflip, int hflip) {
    spriteTile(bmp, &source, rom, T, 0, x, y, scale, vflip, hflip);
}

void DrawSprTileInPicture(WinBitmap& bmp, const Rom& rom, int64_t T, int pal, int x, int y,
                          bool vflip, bool hflip) {
    const uint8_t* bytes = rom.tile(T);
    if (!bytes) return;
    TileRows t = tileRows(decode(bytes, vflip, hflip), pal, true);
    std::array<uint8_t, 8> columns{};
    for (int c = 0; c < 8; ++c)
        columns[static_cast<size_t>(c)] = (x + c >= 0 && x + c < bmp.width()) ? 0xFF : 0;
    const uint64_t columnMask = load8(columns.data());
    for (int r = 0; r < 8; ++r) {
        const bool rowShown = y + r >= 0 && y + r < bmp.height();
        t.masks[static_cast<size_t>(r)] &= rowShown ? columnMask : 0;
    }
    writeTile(bmp, static_cast<int64_t>(bmp.pixels().size()), t, x, y, 1);
    bmp.touchPixels();
}

void RestoreRect(WinBitmap& bmp, const WinBitmap& source, int x1, int y1, int x2, int y2) {
    const int W = bmp.width();
    if (source.width() != W) return;
    x1 = std::max(x1, 0);
    y1 = std::max(y1, 0);
    x2 = std::min(x2, W - 1);
    y2 = std::min(y2, bmp.height() - 1);
    const auto limit = static_cast<int64_t>(std::min(bmp.pixels().size(), source.pixels().size()));
    for (int64_t yy = y1; x1 <= x2 && yy <= y2; ++yy) {
        const int64_t from = int64_t(W) * yy + x1;
        const int64_t count = std::min<int64_t>(x2 - x1 + 1, limit - from);
        if (count <= 0) break;
        std::memcpy(bmp.pixels().data() + from, source.pixels().data() + from,
                    static_cast<size_t>(count));
    }
    bmp.touchPixels();
}

void DrawHLine(WinBitmap& bmp, int x1, int x2, int y, int colour) {
    fillRows(bmp, x1, y, x2, y, colour);
    bmp.touchPixels();
}

void DrawVLine(WinBitmap& bmp, int x, int y1, int y2, int colour) {
    fillRows(bmp, x, y1, x, y2, colour);
    bmp.touchPixels();
}

void FillRect(WinBitmap& bmp, int x1, int y1, int x2, int y2, int colour) {
    fillRows(bmp, x1, y1, x2, y2, colour);
    bmp.touchPixels();
}

} // namespace orvane
