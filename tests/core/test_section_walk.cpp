// The section walk that follows the current screen, the mm4 effect reload it triggers,
// and the per-section sprite set-up.

#include <QList>
#include <QtTest>

#include "core/level/SectionView.h"
#include "core/render/EffectLoad.h"
#include "core/render/SpriteSetup.h"
#include "support/MiniEditor.h"

using namespace orvane;
using namespace orvane::testing;

namespace {
constexpr int64_t kMap = 0x100;
constexpr uint32_t kUntouched = 0xABCDEF;
} // namespace

class TestSectionWalk : public QObject {
    Q_OBJECT

private slots:
    void walk_data();
    void walk();
    void effectsReloadOnlyOnSectionChange();
    void mm3SpriteSetup();
    void mm5SpriteColours_data();
    void mm5SpriteColours();
    void mm4SpriteSetupLeavesEverything();
};

void TestSectionWalk::walk_data() {
    QTest::addColumn<QList<int>>("map"); // the 24 section bytes, then the byte past them
    QTest::addColumn<int>("screen");
    QTest::addColumn<int>("section");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");

    QList<int> skipped(25, 0);
    skipped[0] = 0x05; // unused: its length must not count
    skipped[1] = 0x22;
    skipped[2] = 0x21;
    QTest::newRow("first of a section after an unused one") << skipped << 0 << 1 << 0 << 3;
    QTest::newRow("last of that section") << skipped << 2 << 1 << 0 << 3;
    QTest::newRow("first of the next section") << skipped << 3 << 2 << 3 << 5;
    QTest::newRow("last of the next section") << skipped << 4 << 2 << 3 << 5;

    QList<int> beyond = skipped;
    beyond[24] = 0x36;
    QTest::newRow("screen in no section reads the byte past the map")
        << beyond << 5 << 24 << 5 << 12;
    QTest::newRow("far beyond every section") << beyond << 200 << 24 << 5 << 12;

    QList<int> gap(25, 0);
    gap[0] = 0x20;
    gap[1] = 0x0F;
    gap[2] = 0x81;
    QTest::newRow("unused section in the middle") << gap << 1 << 2 << 1 << 3;

    QList<int> full(25, 0x20);
    full[24] = 0x03;
    QTest::newRow("twenty-fourth section") << full << 23 << 23 << 23 << 24;
    QTest::newRow("just past all twenty-four") << full << 24 << 24 << 24 << 28;

    QList<int> longest(25, 0);
    longest[0] = 0x2F;
    longest[1] = 0x40;
    QTest::newRow("sixteen-screen section, last screen") << longest << 15 << 0 << 0 << 16;
    QTest::newRow("screen after a sixteen-screen section") << longest << 16 << 1 << 16 << 17;
}

void TestSectionWalk::walk() {
    QFETCH(QList<int>, map);
    QFETCH(int, screen);
    QFETCH(int, section);
    QFETCH(int, start);
    QFETCH(int, end);

    Editor ed = makeMiniEditor(kMM3, 0x1000);
    setParam(ed, 8, kMap);
    for (int i = 0; i < map.size(); ++i)
        ed.setByte(kMap + i, map[i]);
    ed.CurScrn = screen;

    const SectionSpan span = sectionOfScreen(ed.tables(), screen);
    QCOMPARE(span.section, section);
    QCOMPARE(span.start, start);
    QCOMPARE(span.end, end);

    ed.enterSection(span);
    QCOMPARE(ed.CurSection, section);
    QCOMPARE(ed.SectionStart, start);
    QCOMPARE(ed.SectionEnd, end);
}

// Walks the screens of an mm4 level the way the main window's screen refresh does and
// checks which effect list, if any, each move applies.
void TestSectionWalk::effectsReloadOnlyOnSectionChange() {
    Editor ed = makeMiniEditor(kMM4, 0x2000);
    setParam(ed, 8, kMap);
    setParam(ed, 10, 0x140); // effect number per section
    poke(ed, kMap, {0x21, 0x21, 0x21, 0x20});
    // Initial list of level 0 and section lists through effect numbers 1..3.
    setR10(ed, 2, 0x200);
    setR10(ed, 3, 0x210);
    setR10(ed, 4, 0);
    setR10(ed, 5, 0x220);
    setR10(ed, 6, 0x230);
    setR10(ed, 7, 0);
    poke(ed, 0x200, {0x00});
    poke(ed, 0x210, {0xA4});
    poke(ed, 0x140, {0, 1, 2, 3});
    for (int x = 1; x <= 3; ++x) {
        ed.setByte(0x220 + x, 0x10 * x);
        ed.setByte(0x230 + x, 0xA8);
    }
    const int64_t initial = ed.tables().levelEffectListPosition(ed.CurLevel);
    ed.setByte(initial + 1, 0x11);
    ed.setByte(initial + 8, 0xFF);
    for (int s = 1; s <= 3; ++s) {
        const int64_t e = ed.tables().sectionEffectListPosition(s);
        QVERIFY(e != initial);
        ed.setByte(e + 1, 0x20 + s);
        ed.setByte(e + 8, 0xFF);
    }

    struct Move {
        int screen;
        EffectReload reload;
        uint32_t colour73;
    };
    ed.CurSection = 0;
    ed.BmpCols[73] = kUntouched;
    const Move moves[] = {
        {1, EffectReload::None, kUntouched},   {4, EffectReload::Section, nes(0x22)},
        {5, EffectReload::None, kUntouched},   {6, EffectReload::Section, nes(0x23)},
        {0, EffectReload::Initial, nes(0x11)},
    };
    for (const Move& move : moves) {
        ed.BmpCols[73] = kUntouched;
        ed.CurScrn = move.screen;
        const SectionSpan span = sectionOfScreen(ed.tables(), ed.CurScrn);
        QCOMPARE(effectReloadFor(ed.EditMode, span.section, ed.CurSection), move.reload);
        QCOMPARE(loadSectionEffects(ed, span.section), move.reload != EffectReload::None);
        ed.enterSection(span);
        QCOMPARE(ed.BmpCols[73], move.colour73);
    }

    // The other games have no effect lists.
    ed.EditMode = kMM3;
    ed.CurSection = 1;
    QCOMPARE(effectReloadFor(ed.EditMode, 0, ed.CurSection), EffectReload::None);
    QCOMPARE(effectReloadFor(ed.EditMode, 3, ed.CurSection), EffectReload::None);
}

void TestSectionWalk::mm3SpriteSetup() {
    Editor ed = makeMiniEditor(kMM3, 0x1000);
    setParam(ed, 2, 0x4010);
    setParam(ed, 9, 0x200);
    setParam(ed, 27, 0x400);
    setR10(ed, 0, 0x300);
    ed.CurSection = 2;
    poke(ed, 0x204, {3, 0x0C}); // graphics set 3; the palette byte is not read here
    poke(ed, 0x306, {5, 9});    // CHR banks of set 3
    poke(ed, 0x400 + 24, {0x3F, 0x01, 0x02, 0x03, 0x3E, 0x05, 0x06, 0x07});
    ed.TileAddr[383] = -1;
    ed.BmpCols[72] = kUntouched;
    ed.BmpCols[76] = kUntouched;
    ed.SprColPos[0] = -1;
    ed.SprColPos[4] = -1;

    SprCHRPALSetup(ed);

    QCOMPARE(ed.TileAddr[383], int64_t{-1});
    QCOMPARE(ed.TileAddr[384], int64_t{0x4010 + 5 * 1024});
    QCOMPARE(ed.TileAddr[447], int64_t{0x4010 + 5 * 1024 + 63 * 16});
    QCOMPARE(ed.TileAddr[448], int64_t{0x4010 + 9 * 1024});
    QCOMPARE(ed.TileAddr[511], int64_t{0x4010 + 9 * 1024 + 63 * 16});
    for (int i : {1, 2, 3, 5, 6, 7}) {
        QCOMPARE(ed.BmpCols[72 + i], nes(i));
        QCOMPARE(ed.SprColPos[i], int64_t{0x400 + 24 + i});
    }
    // Colour 0 of each sprite palette stays the transparent one.
    QCOMPARE(ed.BmpCols[72], kUntouched);
    QCOMPARE(ed.BmpCols[76], kUntouched);
    QCOMPARE(ed.SprColPos[0], int64_t{-1});
    QCOMPARE(ed.SprColPos[4], int64_t{-1});
}

void TestSectionWalk::mm5SpriteColours_data() {
    QTest::addColumn<int>("setting");
    QTest::addColumn<qint64>("base"); // position of byte 0 of the eight colours used

    QTest::newRow("0 uses the default colours") << 0x00 << qint64{kMM5DefaultSpriteColours};
    QTest::newRow("bit 7 alone still means the default")
        << 0x80 << qint64{kMM5DefaultSpriteColours};
    QTest::newRow("set 1 is the first of the table") << 0x01 << qint64{0x400};
    QTest::newRow("set 3 with bit 7") << 0x83 << qint64{0x400 + 16};
}

void TestSectionWalk::mm5SpriteColours() {
    QFETCH(int, setting);
    QFETCH(qint64, base);

    Editor ed = makeMiniEditor(kMM5, 262160);
    setParam(ed, 9, 0x200);
    setParam(ed, 27, 0x400);
    ed.CurSection = 5;
    ed.setByte(0x205, setting);
    // Distinct colours in every candidate block, so a wrong block shows.
    for (int64_t b : {int64_t{0x400}, int64_t{0x408}, int64_t{0x410}, kMM5DefaultSpriteColours})
        for (int i = 0; i < 8; ++i)
            ed.setByte(b + i, static_cast<int>((b + i) & 0x3F));
    ed.TileAddr[384] = -1;

    SprCHRPALSetup(ed);

    for (int i : {1, 2, 3, 5, 6, 7}) {
        QCOMPARE(ed.SprColPos[i], base + i);
        QCOMPARE(ed.BmpCols[72 + i], nes(static_cast<int>((base + i) & 0x3F)));
    }
    QCOMPARE(ed.TileAddr[384], int64_t{-1});
}

void TestSectionWalk::mm4SpriteSetupLeavesEverything() {
    Editor ed = makeMiniEditor(kMM4, 0x1000);
    setParam(ed, 9, 0x200);
    setParam(ed, 27, 0x400);
    poke(ed, 0x200, {1, 1, 1, 1});
    for (int i = 0; i < 64; ++i)
        ed.setByte(0x400 + i, 0x30);
    const auto tiles = ed.TileAddr;
    const auto colours = ed.BmpCols;
    const auto positions = ed.SprColPos;

    SprCHRPALSetup(ed);

    QVERIFY(ed.TileAddr == tiles);
    QVERIFY(ed.BmpCols == colours);
    QVERIFY(ed.SprColPos == positions);
}

QTEST_APPLESS_MAIN(TestSectionWalk)
#include "test_section_walk.moc"
