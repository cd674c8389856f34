#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace orvane::demo {

// One 8 x 8 tile as colour numbers 0..3, row by row.
struct Tile {
    std::array<uint8_t, 64> px{};
    uint8_t at(int x, int y) const { return px[static_cast<size_t>(8 * y + x)]; }
    void set(int x, int y, int c) {
        px[static_cast<size_t>(8 * y + x)] = static_cast<uint8_t>(c & 3);
    }
    bool operator==(const Tile&) const = default;
};

Tile tileFromRows(std::initializer_list<const char*> rows, const std::string& what);
Tile flipH(const Tile& t);
Tile flipV(const Tile& t);
bool isBlank(const Tile& t);

// The NES form: plane 0 (low bits) of rows 0..7, then plane 1; bit 7 is the left pixel.
std::array<uint8_t, 16> encodeTile(const Tile& t);

} // namespace orvane::demo
