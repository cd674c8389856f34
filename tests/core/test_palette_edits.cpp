// The Palette Chart's layout against its pick, and the Palette Editor's colour steps with
// their wrap.
#include <QtTest>

#include "core/render/PaletteChart.h"
#include "core/render/PaletteRecord.h"
#include "support/MiniEditor.h"

using namespace orvane;
using namespace orvane::testing;

class TestPaletteEdits : public QObject {
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

    void colourSteps_data() {
        QTest::addColumn<int>("stored");
        QTest::addColumn<bool>("up");
        QTest::addColumn<int>("after");
        QTest::newRow("3F up wraps to 00") << 0x3F << true << 0x00;
        QTest::newRow("00 down wraps to 3F") << 0x00 << false << 0x3F;
        QTest::newRow("40 up, past the NES colours") << 0x40 << true << 0x41;
        QTest::newRow("FF up stays") << 0xFF << true << 0xFF;
        QTest::newRow("FF down") << 0xFF << false << 0xFE;
    }
    void colourSteps() {
        QFETCH(int, stored);
        QFETCH(bool, up);
        QFETCH(int, after);
        Editor ed = makeMiniEditor(kMM3, 0x400);
        setParam(ed, 15, 0x100);
        ed.CurBGPal = 2; // entry 6 at 0x100 + 40 + 6
        ed.setByte(0x12E, stored);
        QCOMPARE(stepPaletteColour(ed, 6, up), PaletteChange::Colours);
        QCOMPARE(int(ed.byte(0x12E)), after);
        QCOMPARE(ed.BmpCols[6], nes(after));
        QCOMPARE(ed.BmpCols[86], nes(after));
    }
};

QTEST_APPLESS_MAIN(TestPaletteEdits)
#include "test_palette_edits.moc"
