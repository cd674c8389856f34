#include "Tile.h"

#include <stdexcept>

namespace orvane::demo {

Tile flipped(const Tile& t, bool horizontally, bool vertically) {
    Tile r;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            r.set(horizontally ? 7 - x : x, vertically ? 7 - y : y, t.at(x, y));
    return r;
}

std::vector<uint8_t> encodeTile(const Tile& t) {
    std::vector<uint8_t> bytes(16, 0);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            const auto bit = static_cast<uint8_t>(0x80 >> x);
            if (t.at(x, y) & 1) bytes[y] |= bit;
            if (t.at(x, y) & 2) bytes[8 + y] |= bit;
        }
    return bytes;
}

Picture readPicture(const std::vector<std::string>& rows) {
    const size_t width = rows.empty() ? 0 : rows.front().size();
    if (width == 0 || width % 8 != 0 || rows.size() % 8 != 0)
        throw std::runtime_error("a picture needs a multiple of 8 rows and columns");
    Picture p{int(width / 8), int(rows.size() / 8), std::vector<Tile>(width / 8 * rows.size() / 8)};
    for (size_t y = 0; y < rows.size(); ++y) {
        if (rows[y].size() != width || rows[y].find_first_not_of(".123") != std::string::npos)
            throw std::runtime_error("picture row " + std::to_string(y + 1) + " needs " +
                                     std::to_string(width) + " of '.', '1', '2', '3'");
        for (size_t x = 0; x < width; ++x)
            p.tiles[y / 8 * p.columns + x / 8].set(
                int(x % 8), int(y % 8), uint8_t(rows[y][x] == '.' ? 0 : rows[y][x] - '0'));
    }
    return p;
}

} // namespace orvane::demo
