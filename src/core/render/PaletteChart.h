#pragma once

#include <optional>

namespace orvane {

// The NES Palette Chart: the 64 NES colours in 8 x 8 boxes of 16 x 16 pixels. Column n
// holds the first eight colours of NES row n (colours 16n .. 16n + 7) top to bottom and
// column n + 4 the last eight, so each half of the chart reads like the NES rows turned
// on their side.
constexpr int kChartBox = 16;
constexpr int kChartSide = 8 * kChartBox;
constexpr int kChartColours = 64;

struct ChartBox {
    int column = 0;
    int row = 0;
};

// Where colour c (0..63) sits.
ChartBox chartBoxOf(int colour);

// The colour under pixel (x, y) of the chart; nothing outside its 128 x 128 pixels.
std::optional<int> chartColourAt(int x, int y);

} // namespace orvane
