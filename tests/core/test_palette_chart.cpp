// The Palette Chart: every colour's box picks that colour; presses beside it pick none.
#include <QtTest>

#include "core/render/PaletteChart.h"

using namespace orvane;

class TestPaletteChart : public QObject {
    Q_OBJECT
private slots:
    void chartPicksTheColourItShows() {
        QCOMPARE(chartColourAt(5 * 16 + 3, 2 * 16 + 15), std::optional<int>(0x1A));
        for (int c = 0; c < kChartColours; ++c) { // the box a colour is drawn in picks it
            const ChartBox box = chartBoxOf(c);
            QCOMPARE(chartColourAt(16 * box.column, 16 * box.row + 15), std::optional<int>(c));
            QCOMPARE(chartColourAt(16 * box.column + 15, 16 * box.row), std::optional<int>(c));
        }
        for (QPoint outside : {QPoint(128, 5), QPoint(5, 128), QPoint(131, 131), QPoint(-1, 0)})
            QVERIFY(!chartColourAt(outside.x(), outside.y()));
    }
};

QTEST_APPLESS_MAIN(TestPaletteChart)
#include "test_palette_chart.moc"
