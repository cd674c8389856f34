#include "Picture.h"

#include <stdexcept>

namespace orvane::demo {

namespace {

int colourOf(char c, const std::string& what) {
    if (c == '.') return 0;
    if (c >= '1' && c <= '3') return c - '0';
    throw std::runtime_error("picture " + what + ": unexpected character '" + std::string(1, c) +
                             "'");
}

} // namespace

Picture Picture::fromRows(const std::vector<std::string>& rows, const std::string& what) {
    if (rows.empty()) throw std::runtime_error("picture " + what + " is empty");
    const int w = static_cast<int>(rows.front().size());
    Picture p(w, static_cast<int>(rows.size()));
    for (int y = 0; y < p.m_h; ++y) {
        const std::string& row = rows[static_cast<size_t>(y)];
        if (static_cast<int>(row.size()) != w)
            throw std::runtime_error("picture " + what + ": row " + std::to_string(y) + " is " +
                                     std::to_string(row.size()) + " wide, not " +
                                     std::to_string(w));
        for (int x = 0; x < w; ++x)
            p.set(x, y, colourOf(row[static_cast<size_t>(x)], what));
    }
    return p;
}

Picture Picture::mirroredRows(const std::vector<std::string>& leftHalves, const std::string& what) {
    std::vector<std::string> rows;
    for (const std::string& half : leftHalves)
        rows.push_back(half + std::string(half.rbegin(), half.rend()));
    return fromRows(rows, what);
}

Tile Picture::tile(int col, int row) const {
    Tile t;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            const int px = 8 * col + x, py = 8 * row + y;
            t.set(x, y, (px < m_w && py < m_h) ? at(px, py) : 0);
        }
    return t;
}

Picture Picture::flippedVertically() const {
    Picture p(m_w, m_h);
    for (int y = 0; y < m_h; ++y)
        for (int x = 0; x < m_w; ++x)
            p.set(x, m_h - 1 - y, at(x, y));
    return p;
}

} // namespace orvane::demo
