#include "core/render/PaletteChart.h"

namespace orvane {

ChartBox chartBoxOf(int colour) {
    const int nesRow = colour / 16, index = colour % 16;
    return {nesRow + 4 * (index / 8), index % 8};
}

std::optional<int> chartColourAt(int x, int y) {
    if (x < 0 || y < 0 || x >= kChartSide || y >= kChartSide) return std::nullopt;
    // Bits 4 and 5 of x are the NES row (times 16), bit 6 the chart half (8 colours on).
    return y / kChartBox + (x & 48) + (x & 64) / 8;
}

} // namespace orvane
