#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "TileArt.h"

namespace orvane::demo {

// A picture of any size in colour numbers 0..3, drawn as text: '.' is colour 0 and the
// digits '1' to '3' the others. Pictures are cut into tiles from the top left.
class Picture {
public:
    Picture(int width, int height)
        : m_w(width), m_h(height), m_px(static_cast<size_t>(width * height)) {}
    // Every row must be as long as the first; throws otherwise, naming `what`.
    static Picture fromRows(const std::vector<std::string>& rows, const std::string& what);
    // Rows given as their left halves, mirrored to full width (a symmetric design).
    static Picture mirroredRows(const std::vector<std::string>& leftHalves,
                                const std::string& what);

    int width() const { return m_w; }
    int height() const { return m_h; }
    uint8_t at(int x, int y) const { return m_px[static_cast<size_t>(m_w * y + x)]; }
    void set(int x, int y, int c) {
        m_px[static_cast<size_t>(m_w * y + x)] = static_cast<uint8_t>(c & 3);
    }
    Tile tile(int col, int row) const;
    Picture flippedVertically() const;

private:
    int m_w, m_h;
    std::vector<uint8_t> m_px;
};

} // namespace orvane::demo
