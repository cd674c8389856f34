#include "TileArt.h"

#include "Picture.h"

#include <stdexcept>

namespace orvane::demo {

Tile tileFromRows(std::initializer_list<const char*> rows, const std::string& what) {
    std::vector<std::string> r(rows.begin(), rows.end());
    const Picture p = Picture::fromRows(r, what);
    if (p.width() != 8 || p.height() != 8)
        throw std::runtime_error("tile " + what + " is not 8 x 8");
    return p.tile(0, 0);
}

Tile flipH(const Tile& t) {
    Tile r;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            r.set(7 - x, y, t.at(x, y));
    return r;
}

Tile flipV(const Tile& t) {
    Tile r;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            r.set(x, 7 - y, t.at(x, y));
    return r;
}

bool isBlank(const Tile& t) {
    for (uint8_t c : t.px)
        if (c != 0) return false;
    return true;
}

std::array<uint8_t, 16> encodeTile(const Tile& t) {
    std::array<uint8_t, 16> bytes{};
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            const int c = t.at(x, y);
            const auto bit = static_cast<uint8_t>(0x80 >> x);
            if (c & 1) bytes[static_cast<size_t>(y)] |= bit;
            if (c & 2) bytes[static_cast<size_t>(8 + y)] |= bit;
        }
    return bytes;
}

} // namespace orvane::demo
