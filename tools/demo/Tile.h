#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace orvane::demo {

// One 8 x 8 tile as colour numbers 0..3, row by row.
struct Tile {
    std::array<uint8_t, 64> px{};
    uint8_t at(int x, int y) const { return px[8 * y + x]; }
    void set(int x, int y, uint8_t c) { px[8 * y + x] = c; }
    bool operator==(const Tile&) const = default;
};

Tile flipped(const Tile& t, bool horizontally, bool vertically);
inline bool isBlank(const Tile& t) {
    return t == Tile{};
}
// The NES form: plane 0 (low bits) of rows 0..7, then plane 1; bit 7 is the left pixel.
std::vector<uint8_t> encodeTile(const Tile& t);

// A picture cut into tiles, row by row from the top left.
struct Picture {
    int columns = 0, rows = 0; // in tiles
    std::vector<Tile> tiles;
    const Tile& tile(int col, int row) const { return tiles[columns * row + col]; }
};

// A picture drawn as text rows: '.' is colour 0, '1' to '3' the others. Its sides must
// be multiples of 8; throws otherwise.
Picture readPicture(const std::vector<std::string>& rows);

} // namespace orvane::demo
