#include "core/render/WinBitmap.h"

namespace orvane {

namespace {

// (2W - 2)(H - 1): the buffer size the picture areas have always been given. Rows past
// the H shown are slack that lets a sprite or frame run off the bottom harmlessly.
int64_t bufferSize(int W, int H) {
    if (W < 2 || H < 2) return 0;
    return (2 * static_cast<int64_t>(W) - 2) * (static_cast<int64_t>(H) - 1);
}

void putU32(std::array<uint8_t, WinBitmap::kHeaderSize>& h, size_t at, uint32_t v) {
    for (size_t i = 0; i < 4; ++i)
        h[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

void putU16(std::array<uint8_t, WinBitmap::kHeaderSize>& h, size_t at, uint16_t v) {
    h[at] = static_cast<uint8_t>(v);
    h[at + 1] = static_cast<uint8_t>(v >> 8);
}

} // namespace

void WinBitmap::InitBitmap(int W, int H, int overallHeight) {
    m_width = W > 0 ? W : 0;
    m_height = H > 0 ? H : 0;
    m_overallHeight = overallHeight >= 0 ? overallHeight : m_height;
    m_pixels.assign(static_cast<size_t>(bufferSize(m_width, m_height)), 0);
    touchPixels();
}

std::array<uint8_t, WinBitmap::kHeaderSize> WinBitmap::header() const {
    std::array<uint8_t, kHeaderSize> h{};
    putU32(h, 0, kHeaderSize);
    putU32(h, 4, static_cast<uint32_t>(m_width));
    // A negative height puts row 0 at the top, the order the buffer is drawn in.
    putU32(h, 8, static_cast<uint32_t>(-static_cast<int64_t>(m_height)));
    putU16(h, 12, 1); // planes
    putU16(h, 14, 8); // bits per pixel
    putU32(h, 16, 0); // uncompressed
    putU32(h, 20, static_cast<uint32_t>(m_pixels.size()));
    putU32(h, 24, 0); // resolution, unused
    putU32(h, 28, 0);
    putU32(h, 32, 256); // colours used
    putU32(h, 36, 0);   // all colours important
    return h;
}

uint8_t WinBitmap::pixel(int x, int y) const {
    if (x < 0 || x >= m_width || y < 0) return 0;
    const int64_t i = static_cast<int64_t>(m_width) * y + x;
    return i < static_cast<int64_t>(m_pixels.size()) ? m_pixels[static_cast<size_t>(i)] : 0;
}

} // namespace orvane
