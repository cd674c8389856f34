#include <QListWidget>
#include <QtTest>

#include "gui/mapedit/TSATable.h"
#include "gui/render/PictureArea.h"
#include "gui/render/TileTable.h"
#include "support/FakeHub.h"
#include "support/TableLevel.h"

using namespace orvane;
using namespace orvane::tables;

namespace {

struct Fixture {
    FakeHub hub;
    std::unique_ptr<TSATable> window;
    explicit Fixture(int mode = kMM3) {
        setUpLevel(hub.ed, mode);
        window = std::make_unique<TSATable>(hub);
        window->Update();
        window->show();
    }
    Editor& ed() { return hub.ed; }
    const WinBitmap& bmp() const { return window->tsaBitmap(); }
    const WinBitmap& palBmp() const { return window->palBitmap(); }
    PictureArea* pic() const { return window->tsapic(); }
    QPoint current() const { return QPoint(hub.sel.CurBlockCol, hub.sel.CurBlockRow); }
};

// True when tile `tile` is drawn with `palette` at quarter `quarter` of block `block`,
// leaving out the pixels that grid lines or frames may cover (row and column 0 of the
// block, and the row and column past it).
bool quarterShows(const WinBitmap& b, int block, int quarter, int tile, int palette) {
    const int x0 = 16 * (block % 16) + 8 * (quarter & 1),
              y0 = 16 * (block / 16) + 8 * (quarter >> 1);
    for (int r = 0; r < 8; ++r)
        for (int c = 0; c < 8; ++c) {
            if ((quarter & 1) == 0 && c == 0) continue;
            if ((quarter >> 1) == 0 && r == 0) continue;
            if (b.pixel(x0 + c, y0 + r) != (4 * palette + tileColour(tile, r, c)) % 256)
                return false;
        }
    return true;
}

// True when every pixel of the frame of the block at (row, col) holds `slot`.
bool blockFrameIs(const WinBitmap& b, int row, int col, int slot) {
    const int x = 16 * col, y = 16 * row;
    for (int i = 0; i < 16; ++i)
        if (b.pixel(x + i, y) != slot || b.pixel(x + i, y + 16) != slot ||
            b.pixel(x, y + i) != slot || b.pixel(x + 16, y + i) != slot)
            return false;
    return true;
}

// The palette row framed in grey, or -1 when none is: the left edge of a row's frame
// belongs to that row alone.
int framedPaletteRow(const WinBitmap& b) {
    int framed = -1;
    for (int i = 0; i < 4; ++i)
        if (b.pixel(0, 16 * i + 8) == 33 && b.pixel(65, 16 * i + 8) == 33) framed = i;
    return framed;
}

} // namespace

class TestTSATable : public QObject {
    Q_OBJECT
private slots:
    void layoutNamesAndFullDraw_data() {
        QTest::addColumn<int>("mode");
        QTest::newRow("mm3") << int(kMM3);
        QTest::newRow("mm4") << int(kMM4);
        QTest::newRow("mm5") << int(kMM5);
    }
    void layoutNamesAndFullDraw() {
        QFETCH(int, mode);
        Fixture f(mode);
        TSATable& w = *f.window;
        QCOMPARE(w.windowTitle(), QString("TSA Table"));
        QCOMPARE(w.size(), QSize(407, 267));
        QCOMPARE(w.tsapic()->objectName(), QString("tsapic"));
        QCOMPARE(w.tsapic()->parentWidget()->geometry(), QRect(0, 0, 261, 261));
        QCOMPARE(w.palPic()->objectName(), QString("PalPic"));
        QCOMPARE(w.palPic()->parentWidget()->geometry(), QRect(272, 8, 70, 70));
        QCOMPARE(w.palPic()->size(), QSize(66, 66));
        QListWidget* list = w.blockTypeList();
        QCOMPARE(list->objectName(), QString("BlockTypeList"));
        QCOMPARE(list->geometry(), QRect(272, 88, 129, 160));
        QCOMPARE(list->count(), 16);
        for (int t = 0; t < 16; ++t)
            QCOMPARE(list->item(t)->text(), typeName(mode, t));
        // Every block in its own palette; block 0 selected, its type and palette marked.
        for (int b = 0; b < 256; ++b)
            for (int q = 0; q < 4; ++q)
                QVERIFY2(quarterShows(f.bmp(), b, q, (b + 64 * q) & 0xFF, b % 4),
                         qPrintable(QString::number(b)));
        QVERIFY(blockFrameIs(f.bmp(), 0, 0, 33));
        QCOMPARE(int(f.bmp().pixel(16 * 5, 16 * 7 + 4)), 32); // grid
        QCOMPARE(list->currentRow(), 0);
        QCOMPARE(framedPaletteRow(f.palBmp()), 0);
        for (int i = 0; i < 4; ++i)
            for (int j = 0; j < 4; ++j) {
                QCOMPARE(int(f.palBmp().pixel(16 * j + 2, 16 * i + 2)), 4 * i + j);
                QCOMPARE(int(f.palBmp().pixel(16 * j + 15, 16 * i + 15)), 4 * i + j);
            }
        QCOMPARE(w.palPic()->shownImage().pixelIndex(20, 40), 9);
        QCOMPARE(w.tsapic()->shownImage().pixelIndex(4, 0), 33);
        QVERIFY(f.hub.calls.isEmpty()); // drawing writes nothing
    }
    void paintQuarter_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<int>("quarter");
        // Block 0x12 is row 1, column 2: pixels 32..47 across, 16..31 down.
        QTest::newRow("top-left, right button") << int(Qt::RightButton) << QPoint(33, 17) << 0;
        QTest::newRow("top-right, right button") << int(Qt::RightButton) << QPoint(47, 16) << 1;
        QTest::newRow("bottom-left, middle button") << int(Qt::MiddleButton) << QPoint(32, 24) << 2;
        QTest::newRow("bottom-right, right button") << int(Qt::RightButton) << QPoint(44, 28) << 3;
    }
    void paintQuarter() {
        QFETCH(int, button);
        QFETCH(QPoint, at);
        QFETCH(int, quarter);
        Fixture f;
        Editor& ed = f.ed();
        f.hub.sel.TileSelA = 0xA;
        f.hub.sel.TileSelB = 0x5;
        const std::vector<uint8_t> before = ed.RomImage.bytes();
        press(f.pic(), Qt::MouseButton(button), at);
        // That byte alone changed in the image, and the selection stayed.
        std::vector<uint8_t> expected = before;
        expected[size_t(ed.P(3) + 256 * quarter + 0x12 - 1)] = 0xA5;
        QVERIFY(ed.RomImage.bytes() == expected);
        QCOMPARE(f.current(), QPoint(0, 0));
        QCOMPARE(f.hub.calls, QStringList{"Update_Block(18)"});
        QVERIFY(quarterShows(f.bmp(), 0x12, quarter, 0xA5, 0x12 % 4));
        for (int q = 0; q < 4; ++q)
            if (q != quarter)
                QVERIFY(quarterShows(f.bmp(), 0x12, q, (0x12 + 64 * q) & 0xFF, 0x12 % 4));
        // The grid over the repainted tile and the selection frame are back, and shown.
        QCOMPARE(int(f.bmp().pixel(32, 16)), 32);
        QCOMPARE(int(f.bmp().pixel(32, 20)), 32);
        QVERIFY(blockFrameIs(f.bmp(), 0, 0, 33));
        const int x0 = 32 + 8 * (quarter & 1) + 3, y0 = 16 + 8 * (quarter >> 1) + 3;
        QCOMPARE(f.pic()->shownImage().pixelIndex(x0, y0), int(f.bmp().pixel(x0, y0)));
    }
    void rightDragPaintsEachTileOnce() {
        Fixture f;
        Editor& ed = f.ed();
        f.hub.sel.TileSelA = 3;
        f.hub.sel.TileSelB = 3; // tile 0x33
        const int64_t q0 = ed.P(3) + 0x12, q1 = q0 + 256, q3 = q0 + 3 * 256;
        press(f.pic(), Qt::RightButton, QPoint(33, 17));
        QCOMPARE(int(ed.byte(q0)), 0x33);
        // Moving within the tile writes nothing more: a byte put back stays put back.
        ed.setByte(q0, 0x00);
        dragTo(f.pic(), Qt::RightButton, QPoint(36, 20));
        dragTo(f.pic(), Qt::RightButton, QPoint(39, 23));
        QCOMPARE(int(ed.byte(q0)), 0x00);
        QCOMPARE(f.hub.calls.size(), 1);
        // Entering the next tile paints it, once.
        dragTo(f.pic(), Qt::RightButton, QPoint(40, 20));
        QCOMPARE(int(ed.byte(q1)), 0x33);
        dragTo(f.pic(), Qt::RightButton, QPoint(46, 18));
        QCOMPARE(f.hub.calls, (QStringList{"Update_Block(18)", "Update_Block(18)"}));
        // Down into the bottom-right tile.
        dragTo(f.pic(), Qt::RightButton, QPoint(46, 25));
        QCOMPARE(int(ed.byte(q3)), 0x33);
        QCOMPARE(f.hub.calls.size(), 3);
        // Both buttons held, or the left one: no painting.
        dragTo(f.pic(), Qt::LeftButton | Qt::RightButton, QPoint(60, 40));
        QCOMPARE(f.hub.calls.size(), 3);
        QCOMPARE(f.current(), QPoint(0, 0));
        release(f.pic(), Qt::RightButton, QPoint(60, 40));
        // A drag that runs off an edge paints the nearest tile and nothing past it.
        f.hub.calls.clear();
        press(f.pic(), Qt::RightButton, QPoint(4, 100)); // block 0x60, quarter 0
        dragTo(f.pic(), Qt::RightButton, QPoint(-20, 100));
        dragTo(f.pic(), Qt::RightButton, QPoint(-90, 103));
        QCOMPARE(f.hub.calls, QStringList{"Update_Block(96)"});
        press(f.pic(), Qt::RightButton, QPoint(250, 250)); // block 0xFF, quarter 3
        ed.setByte(ed.P(3) + 3 * 256 + 0xFF, 0);
        dragTo(f.pic(), Qt::RightButton, QPoint(300, 400));
        QCOMPARE(int(ed.byte(ed.P(3) + 3 * 256 + 0xFF)), 0);
        dragTo(f.pic(), Qt::RightButton, QPoint(247, 600)); // into quarter 2 of block 0xFF
        QCOMPARE(int(ed.byte(ed.P(3) + 2 * 256 + 0xFF)), 0x33);
        QCOMPARE(f.hub.calls,
                 (QStringList{"Update_Block(96)", "Update_Block(255)", "Update_Block(255)"}));
    }
    void leftDragSelects_data() {
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<QPoint>("block"); // column, row
        QTest::newRow("inside") << QPoint(70, 130) << QPoint(4, 8);
        QTest::newRow("past the right edge") << QPoint(300, 40) << QPoint(15, 2);
        QTest::newRow("past the bottom edge") << QPoint(40, 999) << QPoint(2, 15);
        QTest::newRow("past the left edge") << QPoint(-30, 100) << QPoint(0, 6);
        QTest::newRow("past the top edge") << QPoint(200, -3) << QPoint(12, 0);
        QTest::newRow("past a corner") << QPoint(-1, -1) << QPoint(0, 0);
    }
    void leftDragSelects() {
        QFETCH(QPoint, to);
        QFETCH(QPoint, block);
        Fixture f;
        Editor& ed = f.ed();
        const std::vector<uint8_t> image = ed.RomImage.bytes();
        press(f.pic(), Qt::LeftButton, QPoint(136, 136)); // block 0x88
        QCOMPARE(f.current(), QPoint(8, 8));
        QVERIFY(blockFrameIs(f.bmp(), 8, 8, 33));
        QVERIFY(blockFrameIs(f.bmp(), 0, 0, 32));
        QCOMPARE(f.window->blockTypeList()->currentRow(), 8);
        dragTo(f.pic(), Qt::LeftButton, to);
        QCOMPARE(f.current(), block);
        QVERIFY(blockFrameIs(f.bmp(), block.y(), block.x(), 33));
        if (block != QPoint(8, 8)) QVERIFY(blockFrameIs(f.bmp(), 8, 8, 32));
        const int b = 16 * block.y() + block.x();
        QCOMPARE(f.window->blockTypeList()->currentRow(), b / 16);
        QCOMPARE(framedPaletteRow(f.palBmp()), b % 4);
        QCOMPARE(f.window->palPic()->shownImage().pixelIndex(0, 16 * (b % 4) + 8), 33);
        // Selecting shows the block's type and palette without writing them.
        QVERIFY(ed.RomImage.bytes() == image);
        QVERIFY(f.hub.calls.isEmpty());
        release(f.pic(), Qt::LeftButton, to);
    }
    void palettePicker_data() {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<int>("palette");
        QTest::newRow("row 0 top") << QPoint(30, 0) << 0;
        QTest::newRow("row 0 bottom") << QPoint(65, 15) << 0;
        QTest::newRow("row 1") << QPoint(3, 16) << 1;
        QTest::newRow("row 2") << QPoint(40, 40) << 2;
        QTest::newRow("row 3") << QPoint(10, 63) << 3;
        QTest::newRow("bottom frame line 64") << QPoint(20, 64) << 3;
        QTest::newRow("bottom frame line 65") << QPoint(60, 65) << 3;
    }
    void palettePicker() {
        QFETCH(QPoint, at);
        QFETCH(int, palette);
        Fixture f;
        Editor& ed = f.ed();
        press(f.pic(), Qt::LeftButton, QPoint(40, 20)); // block 0x12
        ed.setByte(ed.P(4) + 0x12, 0x7E);               // type 7, a stray palette 14
        for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
            f.hub.calls.clear();
            press(f.window->palPic(), button, at);
            QCOMPARE(int(ed.byte(ed.P(4) + 0x12)), 0x70 + palette);
            QCOMPARE(f.hub.calls, QStringList{"Update_Block(18)"});
            for (int q = 0; q < 4; ++q)
                QVERIFY(quarterShows(f.bmp(), 0x12, q, (0x12 + 64 * q) & 0xFF, palette));
            QVERIFY(blockFrameIs(f.bmp(), 1, 2, 33));
            QCOMPARE(framedPaletteRow(f.palBmp()), palette);
            QCOMPARE(f.window->palPic()->shownImage().pixelIndex(0, 16 * palette + 8), 33);
            ed.setByte(ed.P(4) + 0x12, 0x7E);
        }
    }
    void typeAndPaletteKeepEachOther() {
        Fixture f;
        Editor& ed = f.ed();
        QListWidget* list = f.window->blockTypeList();
        press(f.pic(), Qt::LeftButton, QPoint(88, 8)); // block 5: type 0, palette 1
        QCOMPARE(int(ed.byte(ed.P(4) + 5)), 0x01);
        const QRect item9 = list->visualItemRect(list->item(9));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, item9.center());
        QCOMPARE(int(ed.byte(ed.P(4) + 5)), 0x91);
        QVERIFY(f.hub.calls.isEmpty()); // a type changes no picture
        press(f.window->palPic(), Qt::LeftButton, QPoint(30, 50));
        QCOMPARE(int(ed.byte(ed.P(4) + 5)), 0x93);
        QCOMPARE(list->currentRow(), 9);
        list->setCurrentRow(15); // as the keyboard does
        QCOMPARE(int(ed.byte(ed.P(4) + 5)), 0xF3);
        QCOMPARE(f.hub.calls, QStringList{"Update_Block(5)"});
        // Selecting another block shows its type in the list and writes nothing.
        press(f.pic(), Qt::LeftButton, QPoint(8, 40)); // block 0x20: type 2, palette 0
        QCOMPARE(list->currentRow(), 2);
        QCOMPARE(int(ed.byte(ed.P(4) + 0x20)), 0x20);
        QCOMPARE(int(ed.byte(ed.P(4) + 5)), 0xF3);
    }
    // A palette nibble above 3 is kept as the ROM has it: the block draws with that
    // palette's slots and no palette row is marked.
    void paletteAboveThree_data() {
        QTest::addColumn<int>("attr");
        QTest::newRow("4") << 0x34;
        QTest::newRow("7") << 0x07;
        QTest::newRow("15") << 0xCF;
    }
    void paletteAboveThree() {
        QFETCH(int, attr);
        Fixture f;
        Editor& ed = f.ed();
        ed.setByte(ed.P(4) + 0x40, attr);
        f.window->Update_Level();
        for (int q = 0; q < 4; ++q)
            QVERIFY(quarterShows(f.bmp(), 0x40, q, (0x40 + 64 * q) & 0xFF, attr & 0x0F));
        press(f.pic(), Qt::LeftButton, QPoint(8, 72)); // block 0x40
        QCOMPARE(f.current(), QPoint(0, 4));
        QCOMPARE(framedPaletteRow(f.palBmp()), -1);
        for (int x = 0; x <= 65; ++x)
            for (int y : {0, 1, 16, 17, 32, 33, 48, 49, 64, 65})
                QCOMPARE(int(f.palBmp().pixel(x, y)), 32);
        QCOMPARE(f.window->blockTypeList()->currentRow(), attr >> 4);
        QCOMPARE(int(ed.byte(ed.P(4) + 0x40)), attr);
        // Painting into it uses the same palette.
        f.hub.sel.TileSelA = 1;
        press(f.pic(), Qt::RightButton, QPoint(12, 76));
        QVERIFY(quarterShows(f.bmp(), 0x40, 3, 0x10, attr & 0x0F));
    }
    void keysGoToTheMainWindow() {
        Fixture f;
        QTest::keyClick(f.pic(), Qt::Key_B, Qt::ShiftModifier);
        QTest::keyClick(f.window->palPic(), Qt::Key_F7);
        QCOMPARE(f.hub.calls, (QStringList{"Global_KeyDown(16,1)", "Global_KeyDown(66,1)",
                                           "Global_KeyDown(118,0)"}));
        // Keys typed in the list reach the main window once each, whether the list uses
        // them (the arrows move the type) or not.
        f.hub.calls.clear();
        QListWidget* list = f.window->blockTypeList();
        f.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        list->setFocus();
        QCOMPARE(QApplication::focusWidget(), list);
        QTest::keyClick(list, Qt::Key_F5);
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(f.hub.calls, (QStringList{"Global_KeyDown(116,0)", "Global_KeyDown(40,0)"}));
        QCOMPARE(int(f.ed().byte(f.ed().P(4))), 0x10);
    }
    // A block's new palette shows in the Tile Table for the tiles it is the first user
    // of, at the table's next level refresh.
    void tileTableFollowsTheBlockPalette() {
        Fixture f;
        TileTable tiles(f.hub);
        tiles.Update();
        // Tile 0x47 is first held by block 7 (quarter 1), palette 3.
        const WinBitmap& tileBmp = tiles.bitmap();
        const QPoint pixel(16 * 7 + 9, 16 * 4 + 9); // tile row 4, column 4
        QCOMPARE(int(tileBmp.pixel(pixel.x(), pixel.y())), 12 + tileColour(0x47, 4, 4));
        press(f.pic(), Qt::LeftButton, QPoint(120, 8)); // block 7
        press(f.window->palPic(), Qt::LeftButton, QPoint(5, 20));
        tiles.Update();
        QCOMPARE(int(tileBmp.pixel(pixel.x(), pixel.y())), 4 + tileColour(0x47, 4, 4));
    }
    void refreshesShowWithoutRedraw() {
        Fixture f;
        WinBitmap& tsa = f.window->tsaBitmap();
        WinBitmap& pal = f.window->palBitmap();
        const auto tsaPixels = tsa.pixels(), palPixels = pal.pixels();
        tsa.colours()[9] = 0xABCDEF;
        pal.colours()[10] = 0x222222;
        f.window->Update_BGPal(0);
        QVERIFY(f.window->tsapic()->shownImage().color(9) != 0xFFABCDEFu);
        QVERIFY(f.window->palPic()->shownImage().color(10) != 0xFF222222u);
        f.window->showAnimatedPictures(); // the animation tick's way: both pictures
        QCOMPARE(f.window->palPic()->shownImage().color(10), QRgb(0xFF222222u));
        QCOMPARE(f.window->tsapic()->shownImage().color(9), QRgb(0xFFABCDEFu));
        tsa.colours()[9] = 0x13579B;
        pal.colours()[10] = 0x2468AC;
        f.window->Update_BGPal(1);
        QCOMPARE(f.window->tsapic()->shownImage().color(9), QRgb(0xFF13579Bu));
        QCOMPARE(f.window->palPic()->shownImage().color(10), QRgb(0xFF2468ACu));
        QVERIFY(tsa.pixels() == tsaPixels && pal.pixels() == palPixels);
    }
};

QTEST_MAIN(TestTSATable)
#include "test_tsatable.moc"
