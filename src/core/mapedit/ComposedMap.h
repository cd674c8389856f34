#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace orvane {

class LevelMapPicture;

// A level map as one picture, the way the export writes it: every cell's top screen in
// its own colours, each pixel a scale x scale square, empty cells transparent. Paletted
// when the whole map has at most 256 colours (transparency included), which every map
// drawn with a 64-colour NES palette has: one byte per pixel, colour 0 transparent. A map
// with more colours (only a palette file of more than 255 distinct colours can give one)
// comes out in 0xAARRGGBB pixels instead.
struct ComposedMap {
    static constexpr int64_t kMaxPixels = int64_t{1} << 28;

    int width = 0;
    int height = 0;
    std::vector<uint32_t> palette; // 0xAARRGGBB; entry 0 is the transparent colour
    std::vector<uint8_t> indexed;  // width x height palette entries, when paletted
    std::vector<uint32_t> argb;    // width x height colours, when not

    bool paletted() const { return !indexed.empty(); }
    bool empty() const { return width == 0 || height == 0; }
};

// The number of pixels composeLevelMap(map, scale) would make.
int64_t composedPixels(const LevelMapPicture& map, int scale);

// The picture, or an empty one when the map holds no screen, scale is below 1 or the
// picture would have more than kMaxPixels pixels.
ComposedMap composeLevelMap(const LevelMapPicture& map, int scale);

} // namespace orvane
