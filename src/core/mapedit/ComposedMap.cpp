#include "core/mapedit/ComposedMap.h"

#include <algorithm>

#include "core/mapedit/LevelMapPicture.h"

namespace orvane {

namespace {

constexpr uint32_t kTransparent = 0;

uint32_t opaque(uint32_t colour) {
    return 0xFF000000u | (colour & 0xFFFFFFu);
}

// The screen's 256 x 256 slot numbers, row by row, or nullptr for a screen never drawn.
const uint8_t* screenPixels(const LevelMapPicture& map, int screen) {
    const std::vector<uint8_t>& px = map.screen(screen).pixels();
    return px.size() >= size_t{kMapCellPixels} * kMapCellPixels ? px.data() : nullptr;
}

// Each cell's top screen with the pixel values `valueOf(screen)` gives its 256 slots,
// scaled, into `out` (width x height, row by row, already filled with the empty value).
template <class T, class ValueOf>
void drawCells(const LevelMapPicture& map, int scale, int width, std::vector<T>& out,
               ValueOf&& valueOf) {
    const LevelMapLayout& layout = map.layout();
    const auto stride = static_cast<size_t>(width);
    const int side = kMapCellPixels * scale;
    for (int row = 0; row < layout.rows(); ++row)
        for (int col = 0; col < layout.columns(); ++col) {
            const int s = layout.screenAt({col, row});
            if (s < 0) continue;
            const uint8_t* src = screenPixels(map, s);
            if (!src) continue;
            const std::array<T, 256> values = valueOf(s);
            for (int y = 0; y < kMapCellPixels; ++y, src += kMapCellPixels) {
                T* line = out.data() + static_cast<size_t>(row * side + y * scale) * stride +
                          static_cast<size_t>(col * side);
                if (scale == 1)
                    for (int x = 0; x < kMapCellPixels; ++x)
                        line[x] = values[src[x]];
                else
                    for (int x = 0; x < kMapCellPixels; ++x)
                        std::fill_n(line + x * scale, scale, values[src[x]]);
                for (int k = 1; k < scale; ++k)
                    std::copy(line, line + side, line + k * stride);
            }
        }
}

// The colours the top screens use, slot by slot, or nothing past 256 in all.
bool collectPalette(const LevelMapPicture& map, std::vector<uint32_t>& palette) {
    palette.assign(1, kTransparent);
    const LevelMapLayout& layout = map.layout();
    for (int s = 0; s < layout.screens(); ++s) {
        if (layout.screenAt(layout.cellOf(s)) != s) continue; // covered
        const uint8_t* src = screenPixels(map, s);
        if (!src) continue;
        std::array<bool, 256> used{};
        for (int i = 0; i < kMapCellPixels * kMapCellPixels; ++i)
            used[src[i]] = true;
        for (size_t slot = 0; slot < used.size(); ++slot) {
            if (!used[slot]) continue;
            const uint32_t c = opaque(map.screen(s).colours()[slot]);
            if (std::find(palette.begin(), palette.end(), c) != palette.end()) continue;
            if (palette.size() == 256) return false;
            palette.push_back(c);
        }
    }
    return true;
}

} // namespace

int64_t composedPixels(const LevelMapPicture& map, int scale) {
    return int64_t{map.width()} * scale * int64_t{map.height()} * scale;
}

ComposedMap composeLevelMap(const LevelMapPicture& map, int scale) {
    ComposedMap out;
    const int64_t pixels = composedPixels(map, scale);
    if (scale < 1 || pixels <= 0 || pixels > ComposedMap::kMaxPixels) return out;
    out.width = map.width() * scale;
    out.height = map.height() * scale;
    const auto count = static_cast<size_t>(pixels);
    if (collectPalette(map, out.palette)) {
        out.indexed.assign(count, 0);
        drawCells(map, scale, out.width, out.indexed, [&](int s) {
            std::array<uint8_t, 256> index{};
            const auto& colours = map.screen(s).colours();
            for (size_t slot = 0; slot < index.size(); ++slot) {
                const auto at =
                    std::find(out.palette.begin(), out.palette.end(), opaque(colours[slot]));
                if (at != out.palette.end())
                    index[slot] = static_cast<uint8_t>(at - out.palette.begin());
            }
            return index;
        });
    } else {
        out.palette.clear();
        out.argb.assign(count, kTransparent);
        drawCells(map, scale, out.width, out.argb, [&](int s) {
            std::array<uint32_t, 256> colour{};
            for (size_t slot = 0; slot < colour.size(); ++slot)
                colour[slot] = opaque(map.screen(s).colours()[slot]);
            return colour;
        });
    }
    return out;
}

} // namespace orvane
