// The Tile Table: tiles in their blocks' palettes at twice their size, the grid, the
// selection frames, picking and dragging, keys, and palette-only refreshes.
#include <QtTest>

#include "core/render/TilePalette.h"
#include "gui/render/PictureArea.h"
#include "gui/render/TileTable.h"
#include "support/FakeHub.h"
#include "support/TableLevel.h"

using namespace orvane;
using namespace orvane::tables;

namespace {

struct Fixture {
    FakeHub hub;
    std::unique_ptr<TileTable> window;
    Fixture() {
        setUpLevel(hub.ed, kMM3);
        window = std::make_unique<TileTable>(hub);
        window->Update();
        window->show();
    }
    const WinBitmap& bmp() const { return window->bitmap(); }
    int shownIndex(int x, int y) const { return window->pic1()->shownImage().pixelIndex(x, y); }
    QPoint selection() const { return QPoint(hub.sel.TileSelB, hub.sel.TileSelA); }
};

// True when every pixel of the frame of cell (row, col) holds `slot`.
bool frameIs(const WinBitmap& b, int row, int col, int slot) {
    const int x = 16 * col, y = 16 * row;
    for (int i = 0; i <= 16; ++i) {
        if (i < 16 && (b.pixel(x + i, y) != slot || b.pixel(x + i, y + 16) != slot)) return false;
        if (b.pixel(x, y + i) != slot || b.pixel(x + 16, y + i) != slot) return false;
    }
    return true;
}

} // namespace

class TestTileTable : public QObject {
    Q_OBJECT
private slots:
    void tilesGridAndLayout() {
        Fixture f;
        QCOMPARE(f.window->windowTitle(), QString("Tile Table"));
        QCOMPARE(f.window->pic1()->objectName(), QString("pic1"));
        QCOMPARE(f.window->pic1()->parentWidget()->geometry(), QRect(0, 0, 261, 261));
        QCOMPARE(f.bmp().width(), 261);

        // Make tile palettes differ from what a plain "block t" guess would give: tile
        // 0x47 is first held by block 7 (quarter 1); block 7 gets palette 2.
        f.hub.ed.setByte(kBlockAttrs + 7, 0x52);
        f.window->Update_Level();
        const auto palettes = tilePalettes(f.hub.ed.tables());
        QCOMPARE(int(palettes[0x47]), 2);
        for (int t = 0; t < 256; ++t) {
            const int x0 = 16 * (t % 16), y0 = 16 * (t / 16);
            // Row and column 0 of each cell are grid; everything else is the tile at 2x.
            for (int py = 1; py < 16; ++py)
                for (int px = 1; px < 16; ++px)
                    if (f.bmp().pixel(x0 + px, y0 + py) !=
                        4 * palettes[size_t(t)] + tileColour(t, py / 2, px / 2))
                        QFAIL(qPrintable(QString("tile %1 pixel %2,%3").arg(t).arg(px).arg(py)));
            if (t == 0 || t == 1 || t == 16 || t == 17) continue; // cell 0's selection frame
            for (int i = 0; i < 16; ++i) {
                QCOMPARE(int(f.bmp().pixel(x0 + i, y0)), 32);
                QCOMPARE(int(f.bmp().pixel(x0, y0 + i)), 32);
            }
        }
        QVERIFY(frameIs(f.bmp(), 0, 0, 33));
        QCOMPARE(f.shownIndex(0, 0), 33); // and it is shown
    }

    void pickAndDrag_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<QPoint>("pressAt");
        QTest::addColumn<QPoint>("picked");
        QTest::newRow("left") << int(Qt::LeftButton) << QPoint(37, 70) << QPoint(2, 4);
        QTest::newRow("right picks too") << int(Qt::RightButton) << QPoint(20, 40) << QPoint(1, 2);
        QTest::newRow("middle picks too")
            << int(Qt::MiddleButton) << QPoint(255, 0) << QPoint(15, 0);
        QTest::newRow("past the tiles, on the picture's margin")
            << int(Qt::LeftButton) << QPoint(256, 256) << QPoint(15, 15);
        QTest::newRow("far outside") << int(Qt::LeftButton) << QPoint(-40, 900) << QPoint(0, 15);
    }
    void pickAndDrag() {
        QFETCH(int, button);
        QFETCH(QPoint, pressAt);
        QFETCH(QPoint, picked);
        Fixture f;
        PictureArea* pic = f.window->pic1();
        press(pic, Qt::MouseButton(button), pressAt);
        QCOMPARE(f.selection(), picked);
        QVERIFY(frameIs(f.bmp(), picked.y(), picked.x(), 33));
        if (picked != QPoint(0, 0)) {
            // The old frame is erased: its top and left lines are grid again.
            QCOMPARE(int(f.bmp().pixel(5, 0)), 32);
            QCOMPARE(int(f.bmp().pixel(0, 5)), 32);
        }
        QCOMPARE(f.shownIndex(16 * picked.x() + 4, 16 * picked.y()), 33);
        QVERIFY(f.hub.calls.isEmpty()); // picking tells no one

        // A drag with any other button than the left leaves the pick alone.
        dragTo(pic, Qt::MouseButton(button), QPoint(130, 130));
        if (button != Qt::LeftButton) QCOMPARE(f.selection(), picked);
        dragTo(pic, Qt::LeftButton | Qt::RightButton, QPoint(200, 5));
        if (button != Qt::LeftButton) QCOMPARE(f.selection(), picked);
        release(pic, Qt::MouseButton(button), QPoint(200, 5));
    }

    void leftDragPicksOnEnteringACell() {
        Fixture f;
        PictureArea* pic = f.window->pic1();
        press(pic, Qt::LeftButton, QPoint(8, 8));
        QCOMPARE(f.selection(), QPoint(0, 0));
        // Moves within the pressed cell do not pick again: a pick made meanwhile stays.
        f.hub.sel.TileSelA = 9;
        dragTo(pic, Qt::LeftButton, QPoint(12, 3));
        QCOMPARE(f.selection(), QPoint(0, 9));
        dragTo(pic, Qt::LeftButton, QPoint(20, 3));
        QCOMPARE(f.selection(), QPoint(1, 0));
        QVERIFY(frameIs(f.bmp(), 0, 1, 33));
        // Past each edge the pick stays on the nearest cell.
        dragTo(pic, Qt::LeftButton, QPoint(400, 40));
        QCOMPARE(f.selection(), QPoint(15, 2));
        dragTo(pic, Qt::LeftButton, QPoint(-30, 300));
        QCOMPARE(f.selection(), QPoint(0, 15));
        dragTo(pic, Qt::LeftButton, QPoint(100, -1));
        QCOMPARE(f.selection(), QPoint(6, 0));
        QVERIFY(frameIs(f.bmp(), 0, 6, 33));
        QVERIFY(frameIs(f.bmp(), 15, 0, 32)); // the frame before the last pick is erased
        release(pic, Qt::LeftButton, QPoint(100, -1));
    }

    // A palette change shows the same pixels through the new colours; which palette a
    // tile takes is worked out again only by a level refresh.
    void coloursChangeWithoutRedraw() {
        Fixture f;
        WinBitmap& bmp = f.window->bitmap();
        const std::vector<uint8_t> before = bmp.pixels();
        f.hub.ed.setByte(kBlockAttrs + 7, 0x53); // tile 0x47's palette block
        bmp.colours()[5] = 0x123456;
        f.window->Update_BGPal(0);
        QVERIFY(f.window->pic1()->shownImage().color(5) != 0xFF123456u);
        f.window->Update_BGPal(1);
        QCOMPARE(f.window->pic1()->shownImage().color(5), QRgb(0xFF123456u));
        QCOMPARE(bmp.pixels(), before);

        f.window->showAnimatedPictures(); // the animation tick's way: same pixels
        QCOMPARE(bmp.pixels(), before);

        f.window->Update_Level();
        QCOMPARE(int(bmp.pixel(16 * 7 + 8, 16 * 4 + 8)), 12 + tileColour(0x47, 4, 4));
    }

    void keysGoToTheMainWindow() {
        Fixture f;
        f.window->pic1()->setFocus();
        QTest::keyClick(f.window->pic1(), Qt::Key_S, Qt::ShiftModifier);
        QTest::keyClick(f.window.get(), Qt::Key_F5);
        // Every key press goes on, the Shift key's own included.
        QCOMPARE(f.hub.calls, (QStringList{"Global_KeyDown(16,1)", "Global_KeyDown(83,1)",
                                           "Global_KeyDown(116,0)"}));
    }
};

QTEST_MAIN(TestTileTable)
#include "test_tiletable.moc"
