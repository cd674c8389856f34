// Loading a section's background palette: record choice per game, the slot layout of
// the colour table, mm4's "0 keeps" rule and its palette objects in the enemy list.

#include <QtTest>

#include "core/render/BackgroundPalette.h"
#include "support/MiniEditor.h"

using namespace orvane;
using namespace orvane::testing;

namespace {

constexpr int64_t kSettings = 0x200;
constexpr int64_t kRecords = 0x500;
constexpr uint32_t kUntouched = 0xABCDEF;

// Record n: backdrop 0x20n, colour k of the palettes 0x20n + k, the unused bytes 4, 8, 12
// 0x3F, animation bytes 0x80 + 4n + j.
int recordByte(int n, int k) {
    if (k == 4 || k == 8 || k == 12) return 0x3F;
    if (k >= 16) return 0x80 + 4 * n + (k - 16);
    return 0x20 * n + k;
}

Editor paletteEditor(int mode) {
    Editor ed = makeMiniEditor(mode, 0x2000);
    setParam(ed, 9, kSettings);
    setParam(ed, 15, kRecords);
    for (int n = 0; n < 4; ++n)
        for (int k = 0; k < 20; ++k)
            ed.setByte(kRecords + 20 * n + k, recordByte(n, k));
    ed.BmpCols.fill(kUntouched);
    return ed;
}

// Colour k of palette p as record n loads it.
int recordColour(int n, int p, int k) {
    return recordByte(n, k == 0 ? 0 : 4 * p + k);
}

void verifyPalette(const Editor& ed, int n, int p) {
    for (int k = 0; k < 4; ++k) {
        const int slot = 4 * p + k;
        const int c = recordColour(n, p, k);
        QCOMPARE(ed.BmpCols[slot], nes(c));
        QCOMPARE(ed.BmpCols[slot + 16], dark(c));
        QCOMPARE(ed.BmpCols[slot + 48], bright(c));
        QCOMPARE(ed.BmpCols[slot + 80], nes(c));
    }
}

void verifyRecord(const Editor& ed, int n) {
    QCOMPARE(ed.CurBGPal, n);
    for (int p = 0; p < 4; ++p)
        verifyPalette(ed, n, p);
    for (int j = 0; j < 4; ++j)
        QCOMPARE(ed.PalAnimId[j], recordByte(n, 16 + j));
}

} // namespace

class TestPalettes : public QObject {
    Q_OBJECT

private slots:
    void slotLayout_data();
    void slotLayout();
    void mm4ZeroKeepsColours_data();
    void mm4ZeroKeepsColours();
    void mm4PaletteObjects();
};

void TestPalettes::slotLayout_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("animcl");
    QTest::addColumn<int>("record");

    // The section is 1 in every row: mm3 reads its second setting byte (3), mm4 its one
    // byte (1), mm5 always loads record 0.
    QTest::newRow("mm3") << int{kMM3} << 1 << 2;
    QTest::newRow("mm3 without restart") << int{kMM3} << 0 << 2;
    QTest::newRow("mm4") << int{kMM4} << 1 << 3;
    QTest::newRow("mm5") << int{kMM5} << 1 << 0;
}

void TestPalettes::slotLayout() {
    QFETCH(int, mode);
    QFETCH(int, animcl);
    QFETCH(int, record);

    Editor ed = paletteEditor(mode);
    ed.CurSection = 1;
    ed.SectionStart = 1;
    ed.SectionEnd = 2;
    poke(ed, kSettings, {0, 3, 1, 2});
    ed.PalAnimWait.fill(5);
    ed.PalAnimFrame.fill(6);

    QVERIFY(loadBackgroundPalette(ed, animcl));

    verifyRecord(ed, record);
    // Colour 0 of every palette is the backdrop byte, not bytes 4, 8, 12 of the record.
    for (int slot : {0, 4, 8, 12})
        QCOMPARE(ed.BmpCols[slot + 80], nes(0x20 * record));
    // Nothing outside the background slots and their copies.
    for (int slot : {32, 39, 47, 64, 72, 79, 96, 127, 255})
        QCOMPARE(ed.BmpCols[slot], kUntouched);
    const int expectedWait = animcl == 1 ? 0 : 5;
    const int expectedFrame = animcl == 1 ? 0 : 6;
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(ed.PalAnimWait[i], expectedWait);
        QCOMPARE(ed.PalAnimFrame[i], expectedFrame);
    }
}

void TestPalettes::mm4ZeroKeepsColours_data() {
    QTest::addColumn<int>("section");
    QTest::addColumn<bool>("force");
    QTest::addColumn<bool>("loads");
    QTest::addColumn<int>("record");

    // Setting bytes: section 0 -> 0, section 1 -> 0, section 2 -> 3.
    QTest::newRow("palette byte 0 keeps the colours") << 1 << false << false << 7;
    QTest::newRow("level load forces record 0") << 1 << true << true << 0;
    QTest::newRow("section 0 always loads") << 0 << false << true << 0;
    QTest::newRow("non-zero byte loads") << 2 << false << true << 3;
}

void TestPalettes::mm4ZeroKeepsColours() {
    QFETCH(int, section);
    QFETCH(bool, force);
    QFETCH(bool, loads);
    QFETCH(int, record);

    Editor ed = paletteEditor(kMM4);
    poke(ed, kSettings, {0, 0, 3});
    ed.CurSection = section;
    ed.CurBGPal = 7;
    ed.PalAnimId = {0x81, 0x82, 0x83, 0x84};
    ed.PalAnimWait.fill(2);

    QCOMPARE(loadBackgroundPalette(ed, 1, force), loads);

    if (loads) {
        verifyRecord(ed, record);
    } else {
        QCOMPARE(ed.CurBGPal, record);
        for (int slot = 0; slot < 96; ++slot)
            QCOMPARE(ed.BmpCols[slot], kUntouched);
        QCOMPARE(ed.PalAnimId, (std::array<int, 4>{0x81, 0x82, 0x83, 0x84}));
    }
    // The animations restart either way.
    QCOMPARE(ed.PalAnimWait, (std::array<int, 4>{}));
}

void TestPalettes::mm4PaletteObjects() {
    Editor ed = paletteEditor(kMM4);
    setParam(ed, 11, 0x600);
    setParam(ed, 14, 0x700);
    setParam(ed, 19, 7);
    setR10(ed, 8, 0x800);
    setR10(ed, 9, 0x840);
    setR10(ed, 10, 0x900);
    poke(ed, kSettings, {0, 1});
    ed.CurSection = 1;
    ed.SectionStart = 2;
    ed.SectionEnd = 4;

    // Object index q: target palette (only the low two bits count) and entry m.
    poke(ed, 0x800, {0, 0, 0x05, 0x01, 0x02, 0x03, 0, 0});
    poke(ed, 0x840, {0, 0x01, 0x85, 0x90, 0x06, 0x07, 0x08, 0x09});
    // Colour quads: byte 0 of each is never read.
    for (int m : {0x01, 0x06, 0x07, 0x08, 0x09, 0x85, 0x90})
        poke(ed, 0x900 + 4 * m, {0x3F, m & 0x3F, (m + 1) & 0x3F, (m + 2) & 0x3F});

    // The enemy list: screen and type of each entry.
    poke(ed, 0x600, {1, 2, 2, 3, 3, 2, 4, 0xFF});
    poke(ed, 0x700,
         {
             0xC1, // before the section
             0x10, // an ordinary enemy
             0xC2, // palette 1: starts animation 0x85
             0xC3, // palette 1 again: colours from quad 0x90 although m >= 128
             0xC4, // palette 2: colours from quad 6
             0xC5, // screen 2 after screen 3: out of order, ignored
             0xC6, // past the section
             0xC7, // the terminator's slot
         });
    ed.PalAnimWait.fill(5);
    ed.PalAnimFrame.fill(5);

    QVERIFY(loadBackgroundPalette(ed, 0));

    QCOMPARE(ed.CurBGPal, 1);
    verifyPalette(ed, 1, 0);
    verifyPalette(ed, 1, 3);
    auto verifyQuad = [&ed](int p, int m) {
        QCOMPARE(ed.BmpCols[4 * p], nes(recordByte(1, 0)));
        for (int j = 1; j <= 3; ++j) {
            const int c = (m + j - 1) & 0x3F;
            const int slot = 4 * p + j;
            QCOMPARE(ed.BmpCols[slot], nes(c));
            QCOMPARE(ed.BmpCols[slot + 16], dark(c));
            QCOMPARE(ed.BmpCols[slot + 48], bright(c));
            QCOMPARE(ed.BmpCols[slot + 80], nes(c));
        }
    };
    verifyQuad(1, 0x90);
    verifyQuad(2, 0x06);

    // Palette 1 animates with the object's entry, restarted by the object itself; the
    // others keep the record's animation bytes and their running state (animcl = 0).
    QCOMPARE(ed.PalAnimId,
             (std::array<int, 4>{recordByte(1, 16), 0x85, recordByte(1, 18), recordByte(1, 19)}));
    QCOMPARE(ed.PalAnimWait, (std::array<int, 4>{5, 0, 5, 5}));
    QCOMPARE(ed.PalAnimFrame, (std::array<int, 4>{5, 0, 5, 5}));
}

QTEST_APPLESS_MAIN(TestPalettes)
#include "test_palettes.moc"
