#include <QAction>
#include <QtTest>

#include "gui/app/Orvane_Main.h"
#include "gui/mapedit/StrTable.h"
#include "gui/mapedit/TSATable.h"
#include "gui/render/PictureArea.h"
#include "gui/render/TileTable.h"
#include "support/DemoHome.h"
#include "support/FakeHub.h"
#include "support/TableLevel.h"

using namespace orvane;
using namespace orvane::tables;

namespace {

struct Fixture {
    FakeHub hub;
    std::unique_ptr<StrTable> window;
    Fixture() {
        setUpLevel(hub.ed, kMM4);
        window = std::make_unique<StrTable>(hub);
        window->Update();
        window->show();
    }
    Editor& ed() { return hub.ed; }
    const WinBitmap& bmp() const { return window->bitmap(); }
    PictureArea* pic() const { return window->strPic(); }
    QPoint current() const { return QPoint(hub.sel.CurStrCol, hub.sel.CurStrRow); }
};

// True when quarter q of structure s shows block `block` (its four tiles in its palette),
// leaving out the pixels grid lines and frames may cover.
bool quarterShowsBlock(const Editor& ed, const WinBitmap& b, int s, int q, int block) {
    const int x0 = 32 * (s % 16) + 16 * (q & 1), y0 = 32 * (s / 16) + 16 * (q >> 1);
    const int pal = blockPalette(ed, block);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            if ((q & 1) == 0 && x == 0) continue;
            if ((q >> 1) == 0 && y == 0) continue;
            const int tile = blockTile(ed, block, (x / 8) + 2 * (y / 8));
            if (b.pixel(x0 + x, y0 + y) != 4 * pal + tileColour(tile, y % 8, x % 8)) return false;
        }
    return true;
}

// True when every pixel of the outline from (32c, 32r) to (32c + 32, 32r + 32) is `slot`.
bool frameIs(const WinBitmap& b, int row, int col, int slot) {
    const int x = 32 * col, y = 32 * row;
    for (int i = 0; i <= 32; ++i)
        if (b.pixel(x + i, y) != slot || b.pixel(x + i, y + 32) != slot ||
            b.pixel(x, y + i) != slot || b.pixel(x + 32, y + i) != slot)
            return false;
    return true;
}

} // namespace

class TestStrTable : public QObject {
    Q_OBJECT
private slots:
    void drawsStructuresGridAndFrame() {
        Fixture f;
        QCOMPARE(f.window->windowTitle(), QString("Structure Table"));
        QCOMPARE(f.window->size(), QSize(517, 516));
        QCOMPARE(f.pic()->objectName(), QString("StrPic"));
        QCOMPARE(f.pic()->parentWidget()->geometry(), QRect(0, 0, 517, 517));
        for (int s = 0; s < 256; ++s)
            for (int q = 0; q < 4; ++q)
                QVERIFY2(quarterShowsBlock(f.ed(), f.bmp(), s, q, (4 * s + q) & 0xFF),
                         qPrintable(QString::number(s)));
        QVERIFY(frameIs(f.bmp(), 0, 0, 34));
        QVERIFY(frameIs(f.bmp(), 7, 9, 32));
        QCOMPARE(f.pic()->shownImage().pixelIndex(32, 10), 34);
    }
    void rightPaintsTheCurrentBlock_data() {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<int>("str");
        QTest::addColumn<int>("quarter");
        // Structure 0x21 is row 2, column 1: pixels 32..63 across, 64..95 down.
        QTest::newRow("0x21 bottom-left") << QPoint(37, 84) << 0x21 << 2;
        QTest::newRow("0x21 top-left") << QPoint(32, 64) << 0x21 << 0;
        QTest::newRow("0x21 top-right") << QPoint(63, 79) << 0x21 << 1;
        QTest::newRow("0x21 bottom-right") << QPoint(48, 80) << 0x21 << 3;
        QTest::newRow("on the last frame line") << QPoint(512, 512) << 0xFF << 3;
    }
    void rightPaintsTheCurrentBlock() {
        QFETCH(QPoint, at);
        QFETCH(int, str);
        QFETCH(int, quarter);
        Fixture f;
        Editor& ed = f.ed();
        f.hub.sel.CurBlockRow = 3;
        f.hub.sel.CurBlockCol = 7;                        // block 0x37
        press(f.pic(), Qt::LeftButton, QPoint(200, 300)); // structure 0x96 is current
        const std::vector<uint8_t> before = ed.RomImage.bytes();
        press(f.pic(), Qt::RightButton, at);
        const int64_t pos = ed.P(5) + 4 * str + quarter;
        std::vector<uint8_t> expected = before;
        expected[size_t(pos - 1)] = 0x37;
        QVERIFY(ed.RomImage.bytes() == expected);
        QCOMPARE(f.hub.calls, QStringList{QString("Update_StrBlock(%1,%2)").arg(str).arg(quarter)});
        QCOMPARE(f.current(), QPoint(6, 9)); // painting selects nothing
        QVERIFY(quarterShowsBlock(ed, f.bmp(), str, quarter, 0x37));
        for (int q = 0; q < 4; ++q)
            if (q != quarter) QVERIFY(quarterShowsBlock(ed, f.bmp(), str, q, (4 * str + q) & 0xFF));
        // The cell's grid lines stay drawn over the new tiles; the frame stays where it is.
        const int x0 = 32 * (str % 16), y0 = 32 * (str / 16);
        for (int i = 0; i < 32; ++i) {
            QCOMPARE(int(f.bmp().pixel(x0 + i, y0)), 32);
            QCOMPARE(int(f.bmp().pixel(x0, y0 + i)), 32);
        }
        QVERIFY(frameIs(f.bmp(), 9, 6, 34));
        const QPoint inside(x0 + 16 * (quarter & 1) + 5, y0 + 16 * (quarter >> 1) + 5);
        QCOMPARE(f.pic()->shownImage().pixelIndex(inside),
                 int(f.bmp().pixel(inside.x(), inside.y())));
        // A right drag does not paint again; the middle button does nothing.
        ed.setByte(pos, 0);
        dragTo(f.pic(), Qt::RightButton, QPoint(100, 100));
        press(f.pic(), Qt::MiddleButton, QPoint(10, 10));
        QCOMPARE(int(ed.byte(pos)), 0);
        QCOMPARE(int(ed.byte(ed.P(5) + 4 * 0x33)), 0xCC);
        QCOMPARE(int(ed.byte(ed.P(5))), 0);
        QCOMPARE(f.hub.calls.size(), 1);
    }
    void leftDragMovesTheSelection() {
        Fixture f;
        press(f.pic(), Qt::LeftButton, QPoint(40, 70));
        QCOMPARE(f.current(), QPoint(1, 2));
        QCOMPARE(QPoint(f.hub.sel.PrevStrCol, f.hub.sel.PrevStrRow), QPoint(0, 0));
        QVERIFY(frameIs(f.bmp(), 2, 1, 34));
        QVERIFY(frameIs(f.bmp(), 0, 0, 32));
        const struct {
            QPoint to, cell;
        } steps[] = {{{600, 10}, {15, 0}},
                     {{-5, 900}, {0, 15}},
                     {{250, -40}, {7, 0}},
                     {{511, 511}, {15, 15}}};
        QPoint previous(1, 2);
        for (const auto& step : steps) {
            dragTo(f.pic(), Qt::LeftButton, step.to);
            QCOMPARE(f.current(), step.cell);
            QCOMPARE(QPoint(f.hub.sel.PrevStrCol, f.hub.sel.PrevStrRow), previous);
            QVERIFY(frameIs(f.bmp(), step.cell.y(), step.cell.x(), 34));
            QVERIFY(frameIs(f.bmp(), previous.y(), previous.x(), 32));
            previous = step.cell;
        }
        QCOMPARE(f.pic()->shownImage().pixelIndex(500, 480), 34);
        QVERIFY(f.hub.calls.isEmpty());
    }
    // Update_Block redraws the quarters that hold the block and nothing else.
    void updateBlockRedrawsOnlyItsQuarters() {
        Fixture f;
        Editor& ed = f.ed();
        WinBitmap& bmp = f.window->bitmap();
        ed.setByte(ed.P(5) + 4 * 0x50 + 1, 0x37); // block 0x37 also in structure 0x50
        ed.setByte(ed.P(3) + 2 * 256 + 0x37, 0x99);
        // Marks in quarters that must not be redrawn survive; those that must, go.
        const auto mark = [&bmp](int s, int q) -> uint8_t& {
            return bmp.pixels()[size_t(bmp.width() * (32 * (s / 16) + 16 * (q >> 1) + 12) +
                                       32 * (s % 16) + 16 * (q & 1) + 12)];
        };
        mark(0x0D, 2) = 200; // 0x0D holds 0x34..0x37: quarter 2 holds 0x36
        mark(0x0D, 3) = 200; // quarter 3 holds 0x37
        mark(0x50, 0) = 200;
        mark(0x50, 1) = 200;
        f.window->Update_Block(0x37);
        QCOMPARE(int(mark(0x0D, 2)), 200);
        QCOMPARE(int(mark(0x50, 0)), 200);
        QVERIFY(quarterShowsBlock(ed, bmp, 0x0D, 3, 0x37));
        QVERIFY(quarterShowsBlock(ed, bmp, 0x50, 1, 0x37));
        QCOMPARE(blockTile(ed, 0x37, 2), 0x99);
        QCOMPARE(f.pic()->shownImage().pixelIndex(32 * 0x0D + 16 + 12, 16 + 12),
                 int(mark(0x0D, 3)));
        QVERIFY(frameIs(bmp, 0, 0, 34));
        QVERIFY(f.hub.calls.isEmpty());
    }
    // The Screen Editor's pick moves the frame through CurStrSet; only upd = 1 shows it.
    void curStrSetMovesTheFrame() {
        Fixture f;
        Selection& sel = f.hub.sel;
        sel.PrevStrRow = 0;
        sel.PrevStrCol = 0;
        sel.CurStrRow = 5;
        sel.CurStrCol = 9;
        f.window->CurStrSet(0);
        QVERIFY(frameIs(f.bmp(), 5, 9, 34));
        QVERIFY(frameIs(f.bmp(), 0, 0, 32));
        QCOMPARE(f.pic()->shownImage().pixelIndex(32 * 9 + 10, 32 * 5), 32); // not shown yet
        f.window->CurStrSet(1);
        QCOMPARE(f.pic()->shownImage().pixelIndex(32 * 9 + 10, 32 * 5), 34);
        f.window->bitmap().colours()[34] = 0x00FF00;
        f.window->Update_BGPal(0);
        QVERIFY(f.pic()->shownImage().color(34) != 0xFF00FF00u);
        f.window->showAnimatedPictures();
        QCOMPARE(f.pic()->shownImage().color(34), QRgb(0xFF00FF00u));
    }
    void keysGoToTheMainWindow() {
        Fixture f;
        QTest::keyClick(f.pic(), Qt::Key_F9);
        QTest::keyClick(f.window.get(), Qt::Key_T, Qt::ShiftModifier | Qt::ControlModifier);
        QCOMPARE(f.hub.calls.value(0), QString("Global_KeyDown(120,0)"));
        QCOMPARE(f.hub.calls.last(), QString("Global_KeyDown(84,3)"));
    }
    // On the real main window: the menu and the keys open the three tables, and a tile
    // painted in the TSA Table reaches the Structure Table through Update_Block.
    void tablesOnTheMainWindow() {
        DemoHome home("mm3");
        QVERIFY(home.isValid());
        Orvane_Main w(home.options());
        QStringList messages;
        w.setMessageSink([&](const QString& t) { messages << t; });
        QVERIFY2(w.startUp(), qPrintable(messages.join('\n')));
        w.paletteTimer()->stop();
        w.findChild<QAction*>("View_TT")->trigger();
        auto* tiles = qobject_cast<TileTable*>(w.shownWindow(WindowId::TileTable));
        QVERIFY(tiles);
        QTest::keyClick(tiles, Qt::Key_B, Qt::ShiftModifier);
        auto* tsa = qobject_cast<TSATable*>(w.shownWindow(WindowId::TSATable));
        QVERIFY(tsa);
        QTest::keyClick(tsa, Qt::Key_R, Qt::ShiftModifier);
        auto* str = qobject_cast<StrTable*>(w.shownWindow(WindowId::StrTable));
        QVERIFY(str);
        QCOMPARE(str->windowTitle(), QString("Structure Table"));
        // A block that a structure uses, and a tile that differs from the one in the
        // block's top-left quarter away from the grid lines (rows and columns 1..7).
        Editor& ed = w.editor();
        int block = -1;
        for (int i = 0; i < 1024 && block < 0; ++i)
            if (ed.byte(ed.P(5) + i) != 0) block = ed.byte(ed.P(5) + i);
        QVERIFY(block > 0);
        const int oldTile = ed.byte(ed.P(3) + block);
        int newTile = -1;
        for (int t = 0; t < 256 && newTile < 0; ++t) {
            bool differs = false;
            for (int r = 1; r < 8; ++r)
                for (int plane : {0, 8})
                    differs = differs ||
                              ((ed.RomImage.atOffset(ed.TileAddr[size_t(t)] + plane + r) ^
                                ed.RomImage.atOffset(ed.TileAddr[size_t(oldTile)] + plane + r)) &
                               0x7F) != 0;
            if (differs) newTile = t;
        }
        QVERIFY(newTile >= 0);
        press(tiles->pic1(), Qt::LeftButton,
              QPoint(16 * (newTile % 16) + 3, 16 * (newTile / 16) + 3));
        QCOMPARE(w.selection().tile(), newTile);
        const std::vector<uint8_t> strBefore = str->bitmap().pixels();
        press(tsa->tsapic(), Qt::RightButton, QPoint(16 * (block % 16) + 2, 16 * (block / 16) + 2));
        QCOMPARE(int(ed.byte(ed.P(3) + block)), newTile);
        const std::vector<uint8_t> strAfter = str->bitmap().pixels();
        QVERIFY(strAfter != strBefore);
        str->Update_Level(); // a full redraw shows the same
        QVERIFY(str->bitmap().pixels() == strAfter);
        // A pick elsewhere moves the Structure Table's frame through the hub.
        w.selection().chooseStructure(4, 11);
        w.shownWindow(WindowId::StrTable)->CurStrSet(1);
        QCOMPARE(str->strPic()->shownImage().pixelIndex(32 * 11 + 7, 32 * 4), 34);
        // Level changes redraw all three; nothing was reported.
        QTest::keyClick(str, Qt::Key_F7);
        QCOMPARE(ed.CurLevel, 1);
        QVERIFY(messages.isEmpty());
    }
};

QTEST_MAIN(TestStrTable)
#include "test_strtable.moc"
