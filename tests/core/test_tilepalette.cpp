// Which block's palette each Tile Table tile is shown in.
#include <QtTest>

#include "core/render/TilePalette.h"
#include "support/MiniEditor.h"

using namespace orvane;
using namespace orvane::testing;

namespace {

constexpr int64_t kTiles = 0x101;
constexpr int64_t kAttrs = 0x501;
constexpr int64_t kStructs = 0x601;
constexpr int kTile = 5;    // the tile each row asks about
constexpr int kFiller = 17; // the tile every block quarter holds unless a row says otherwise

// Every quarter of every block shows the filler tile; every structure holds block 0 only;
// block b's attribute is 0x90 + (b mod 13), so the palette tells the block apart and
// the type nibble must be dropped.
Editor makeLevel() {
    Editor ed = makeMiniEditor(kMM4, 0x1000);
    setParam(ed, 3, kTiles);
    setParam(ed, 4, kAttrs);
    setParam(ed, 5, kStructs);
    for (int b = 0; b < 256; ++b) {
        for (int q = 0; q < 4; ++q)
            ed.setByte(kTiles + 256 * q + b, kFiller);
        ed.setByte(kAttrs + b, 0x90 + b % 13);
    }
    return ed;
}

} // namespace

Q_DECLARE_METATYPE(QList<int>)

class TestTilePalette : public QObject {
    Q_OBJECT
private slots:
    void firstBlockUsedByAStructure_data() {
        QTest::addColumn<QList<int>>("tileAt");     // block, quarter pairs holding the tile
        QTest::addColumn<QList<int>>("structures"); // structure, quarter, block triples
        QTest::addColumn<int>("block");

        QTest::newRow("tile used by no block") << QList<int>{} << QList<int>{} << 0;
        QTest::newRow("only in blocks no structure uses")
            << QList<int>{3, 2, 40, 0} << QList<int>{} << 0;
        QTest::newRow("first used block wins over earlier unused and later used")
            << QList<int>{3, 0, 9, 1, 7, 2} << QList<int>{10, 1, 9, 20, 3, 7} << 7;
        QTest::newRow("the bottom-right quarter counts")
            << QList<int>{7, 3} << QList<int>{200, 3, 7} << 7;
        QTest::newRow("block 255 is never examined")
            << QList<int>{255, 0} << QList<int>{5, 0, 255} << 0;
        QTest::newRow("block 254 is examined")
            << QList<int>{254, 1} << QList<int>{5, 0, 254} << 254;
        QTest::newRow("structure 255 is never examined")
            << QList<int>{7, 0} << QList<int>{255, 2, 7} << 0;
        QTest::newRow("structure 254 is examined")
            << QList<int>{7, 0} << QList<int>{254, 3, 7} << 7;
    }
    void firstBlockUsedByAStructure() {
        QFETCH(QList<int>, tileAt);
        QFETCH(QList<int>, structures);
        QFETCH(int, block);
        Editor ed = makeLevel();
        for (qsizetype i = 0; i + 1 < tileAt.size(); i += 2)
            ed.setByte(kTiles + 256 * tileAt[i + 1] + tileAt[i], kTile);
        for (qsizetype i = 0; i + 2 < structures.size(); i += 3)
            ed.setByte(kStructs + 4 * structures[i] + structures[i + 1], structures[i + 2]);

        QCOMPARE(int(tileBlocks(ed.tables())[kTile]), block);
        QCOMPARE(int(tilePalettes(ed.tables())[kTile]), block % 13); // low nibble only
        // The filler is in every block, and block 0 is used by every structure.
        QCOMPARE(int(tileBlocks(ed.tables())[kFiller]), 0);
    }
};

QTEST_APPLESS_MAIN(TestTilePalette)
#include "test_tilepalette.moc"
