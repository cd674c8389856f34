// mm4 effect lists: sprite colours, tile-load records and where the lists are found.

#include <QList>
#include <QtTest>

#include "core/render/EffectLoad.h"
#include "support/MiniEditor.h"

using namespace orvane;
using namespace orvane::testing;

namespace {

constexpr int64_t kList = 0x1000;
constexpr int64_t kTileUntouched = -7;
constexpr uint32_t kColourUntouched = 0xABCDEF;

Editor effectEditor() {
    Editor ed = makeMiniEditor(kMM4, 0x4000);
    ed.TileAddr.fill(kTileUntouched);
    ed.BmpCols.fill(kColourUntouched);
    ed.SprColPos.fill(-1);
    return ed;
}

// The indices of TileAddr that differ from the untouched value.
QList<int> changedTiles(const Editor& ed) {
    QList<int> changed;
    for (int i = 0; i < 512; ++i)
        if (ed.TileAddr[i] != kTileUntouched) changed.append(i);
    return changed;
}

QList<int> range(int first, int last) {
    QList<int> r;
    for (int i = first; i <= last; ++i)
        r.append(i);
    return r;
}

} // namespace

class TestEffects : public QObject {
    Q_OBJECT

private slots:
    void spriteColoursAndRecord();
    void earlyEnd_data();
    void earlyEnd();
    void tilesStopAtTheTable_data();
    void tilesStopAtTheTable();
    void skippedRowAndListEnd();
    void recordsLimitedTo256Bytes_data();
    void recordsLimitedTo256Bytes();
    void listPositions();
};

void TestEffects::spriteColoursAndRecord() {
    Editor ed = effectEditor();
    poke(ed, kList, {0x0F, 0x01, 0x02, 0x03, 0x0E, 0x05, 0x06, 0x07});
    poke(ed, kList + 8, {0x12, 2, 0x85, 3, 0xFF});

    EffectLoad(ed, kList, 1);

    for (int i : {1, 2, 3, 5, 6, 7}) {
        QCOMPARE(ed.BmpCols[72 + i], nes(i));
        QCOMPARE(ed.SprColPos[i], kList + i);
    }
    // Bytes 0 and 4 are colour 0 of the sprite palettes: only read for the end test.
    QCOMPARE(ed.BmpCols[72], kColourUntouched);
    QCOMPARE(ed.BmpCols[76], kColourUntouched);
    QCOMPARE(ed.SprColPos[0], int64_t{-1});
    QCOMPARE(ed.SprColPos[4], int64_t{-1});
    // Bank 0x12, CPU address 0x8500: file offset 0x12 * 8192 + 0x500 past the header.
    QCOMPARE(changedTiles(ed), QList<int>({48, 49}));
    QCOMPARE(ed.TileAddr[48], int64_t{148752});
    QCOMPARE(ed.TileAddr[49], int64_t{148768});
}

void TestEffects::earlyEnd_data() {
    QTest::addColumn<QList<int>>("list");
    QTest::addColumn<QList<int>>("colours"); // the colour index of slots 72..79, -1 untouched

    // Each list then holds one record [1, 1, 0x80, 0]: tile 0 at 8192 + 0x8000 - 32752.
    QTest::newRow("first byte ends the colours")
        << QList<int>{0x90, 1, 1, 0x80, 0, 0xFF} << QList<int>{-1, -1, -1, -1, -1, -1, -1, -1};
    QTest::newRow("third byte ends them") << QList<int>{0x01, 0x02, 0x80, 1, 1, 0x80, 0, 0xFF}
                                          << QList<int>{-1, 0x02, -1, -1, -1, -1, -1, -1};
    QTest::newRow("last byte ends them")
        << QList<int>{0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0xC0, 1, 1, 0x80, 0, 0xFF}
        << QList<int>{-1, 0x02, 0x03, 0x04, -1, 0x06, 0x07, -1};
}

void TestEffects::earlyEnd() {
    QFETCH(QList<int>, list);
    QFETCH(QList<int>, colours);

    Editor ed = effectEditor();
    for (int k = 0; k < list.size(); ++k)
        ed.setByte(kList + k, list[k]);

    EffectLoad(ed, kList, 1);

    for (int i = 0; i < 8; ++i) {
        if (colours[i] < 0) {
            QCOMPARE(ed.BmpCols[72 + i], kColourUntouched);
            QCOMPARE(ed.SprColPos[i], int64_t{-1});
        } else {
            QCOMPARE(ed.BmpCols[72 + i], nes(colours[i]));
            QCOMPARE(ed.SprColPos[i], kList + i);
        }
    }
    QCOMPARE(changedTiles(ed), QList<int>{0});
    QCOMPARE(ed.TileAddr[0], int64_t{8208});
}

void TestEffects::tilesStopAtTheTable_data() {
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("sizedim");
    QTest::addColumn<QList<int>>("tiles");

    QTest::newRow("row 31, 40 single tiles") << 40 << 31 << 1 << range(496, 511);
    QTest::newRow("row 30, 3 groups of 16") << 3 << 30 << 16 << range(480, 511);
    QTest::newRow("row 2, 2 groups of 16") << 2 << 2 << 16 << range(32, 63);
    QTest::newRow("count 0 loads nothing") << 0 << 4 << 16 << QList<int>{};
    QTest::newRow("count 255 of 16 from row 0") << 255 << 0 << 16 << range(0, 511);
}

void TestEffects::tilesStopAtTheTable() {
    QFETCH(int, count);
    QFETCH(int, row);
    QFETCH(int, sizedim);
    QFETCH(QList<int>, tiles);

    Editor ed = effectEditor();
    poke(ed, kList, {0x80, 0x01, count, 0x90, row, 0xFF});

    EffectLoad(ed, kList + 0, sizedim);

    QCOMPARE(changedTiles(ed), tiles);
    // Consecutive tiles 16 bytes apart from CPU address 0x9000 of bank 1.
    for (int k = 0; k < tiles.size(); ++k)
        QCOMPARE(ed.TileAddr[tiles[k]], int64_t{8192 + 0x1000 + 16 + 16 * k});
}

void TestEffects::skippedRowAndListEnd() {
    Editor ed = effectEditor();
    poke(ed, kList, {0x80});
    poke(ed, kList + 1, {1, 4, 0x80, 32});    // row 32: beyond the table, skipped
    poke(ed, kList + 5, {1, 4, 0x80, 0xFF});  // skipped too
    poke(ed, kList + 9, {1, 1, 0x80, 5});     // loaded
    poke(ed, kList + 13, {0x80, 1, 0x80, 6}); // the end of the list
    poke(ed, kList + 17, {1, 1, 0x80, 7});    // never read

    EffectLoad(ed, kList, 16);

    QCOMPARE(changedTiles(ed), range(80, 95));
}

void TestEffects::recordsLimitedTo256Bytes_data() {
    QTest::addColumn<int>("firstRecord"); // offset of the first record from the list start
    QTest::addColumn<int>("lastRecord");  // offset of the last record that is read

    QTest::newRow("eight colour bytes") << 8 << 252;
    QTest::newRow("colours ended by the first byte") << 1 << 253;
}

void TestEffects::recordsLimitedTo256Bytes() {
    QFETCH(int, firstRecord);
    QFETCH(int, lastRecord);

    Editor ed = effectEditor();
    if (firstRecord == 1) ed.setByte(kList, 0xFF);
    // Records that load nothing up to the last one read, which loads tile 16, then one
    // that would load tile 32.
    for (int r = firstRecord; r < lastRecord; r += 4)
        poke(ed, kList + r, {1, 0, 0x80, 0});
    poke(ed, kList + lastRecord, {1, 1, 0x80, 1});
    poke(ed, kList + lastRecord + 4, {1, 1, 0x80, 2});

    EffectLoad(ed, kList, 1);

    QCOMPARE(changedTiles(ed), QList<int>{16});
}

void TestEffects::listPositions() {
    Editor ed = effectEditor();
    ed.CurLevel = 2;
    setR10(ed, 2, 0x300);
    setR10(ed, 3, 0x310);
    setR10(ed, 4, 3);
    setR10(ed, 5, 0x320);
    setR10(ed, 6, 0x330);
    setR10(ed, 7, 1);
    setParam(ed, 10, 0x140);
    ed.setByte(0x302, 0x45); // level 2's list at CPU 0xA145, page 3
    ed.setByte(0x312, 0xA1);
    ed.setByte(0x145, 7); // section 5 uses effect 7, at CPU 0xBFF0, page 1
    ed.setByte(0x327, 0xF0);
    ed.setByte(0x337, 0xBF);

    QCOMPARE(ed.tables().levelEffectListPosition(ed.CurLevel), int64_t{4 * 256 + 0x45 + 17});
    QCOMPARE(ed.tables().sectionEffectListPosition(5), int64_t{32 * 256 + 0xF0 + 17});

    // The level's list loads groups of 16 tiles, a section's list single tiles.
    const int64_t initial = ed.tables().levelEffectListPosition(ed.CurLevel);
    poke(ed, initial, {0x80, 1, 1, 0x80, 2, 0xFF});
    InitEffectLoad(ed);
    QCOMPARE(changedTiles(ed), range(32, 47));

    ed.TileAddr.fill(kTileUntouched);
    const int64_t section = ed.tables().sectionEffectListPosition(5);
    poke(ed, section, {0x80, 1, 1, 0x80, 2, 0xFF});
    ScrollEffectLoad(ed, 5);
    QCOMPARE(changedTiles(ed), QList<int>{32});
}

QTEST_APPLESS_MAIN(TestEffects)
#include "test_effects.moc"
