#include <QtTest>

#include "core/app/Editor.h"
#include "core/render/BitmapSet.h"
#include "core/render/Colours.h"

using namespace orvane;

namespace {

constexpr uint32_t rgb(int r, int g, int b) {
    return uint32_t(r) << 16 | uint32_t(g) << 8 | uint32_t(b);
}
constexpr uint32_t kSentinel = 0x00ABCDEF;

} // namespace

class TestColours : public QObject {
    Q_OBJECT
private slots:
    void paletteFileOfSixtyFourRecords();
    void shortOrMissingFileGivesBlack();
    void darkAndBrightForms_data();
    void darkAndBrightForms();
    void spriteSlotsFromTheRom();
    void globalPaletteCopiesOnlyTheLowerHalf();
    void fixedInterfaceColours();
    void swapRB_data();
    void swapRB();
    void clamp_data();
    void clamp();
};

void TestColours::paletteFileOfSixtyFourRecords() {
    Editor ed;
    ed.BmpCols.fill(kSentinel);
    std::vector<uint8_t> file(192);
    for (size_t i = 0; i < file.size(); ++i)
        file[i] = uint8_t(i * 5 + 3);
    ReloadNESPAL(ed, file);
    for (int c = 0; c < 256; ++c) {
        const uint32_t want = c < 64 ? rgb(file[3 * c], file[3 * c + 1], file[3 * c + 2]) : 0;
        QCOMPARE(ed.NesPal[c], want);
    }
    // Only the three NES tables change; the shared colour table waits for GetMMCols.
    QVERIFY(std::all_of(ed.BmpCols.begin(), ed.BmpCols.end(),
                        [](uint32_t v) { return v == kSentinel; }));
}

void TestColours::shortOrMissingFileGivesBlack() {
    Editor ed;
    ed.NesPal.fill(kSentinel);
    ed.NesPalDark.fill(kSentinel);
    ReloadNESPAL(ed, {10, 20, 30, 40, 50, 60, 255}); // two records and one byte
    QCOMPARE(ed.NesPal[0], rgb(10, 20, 30));
    QCOMPARE(ed.NesPal[1], rgb(40, 50, 60));
    QCOMPARE(ed.NesPal[2], rgb(255, 0, 0));
    for (int c = 3; c < 256; ++c) {
        QCOMPARE(ed.NesPal[c], 0u);
        QCOMPARE(ed.NesPalDark[c], 0u);
        QCOMPARE(ed.NesPalBright[c], rgb(80, 80, 80));
    }

    ReloadNESPAL(ed, {}); // unreadable file
    QVERIFY(std::all_of(ed.NesPal.begin(), ed.NesPal.end(), [](uint32_t v) { return v == 0; }));
}

void TestColours::darkAndBrightForms_data() {
    QTest::addColumn<QList<int>>("record");
    QTest::addColumn<QList<int>>("dark");
    QTest::addColumn<QList<int>>("bright");
    QTest::newRow("white") << QList<int>{255, 255, 255} << QList<int>{170, 170, 170}
                           << QList<int>{255, 255, 255};
    QTest::newRow("black") << QList<int>{0, 0, 0} << QList<int>{0, 0, 0} << QList<int>{80, 80, 80};
    QTest::newRow("mixed") << QList<int>{200, 10, 100} << QList<int>{133, 7, 67}
                           << QList<int>{255, 90, 180};
    QTest::newRow("small") << QList<int>{1, 2, 5} << QList<int>{1, 1, 3} << QList<int>{81, 82, 85};
    QTest::newRow("edge of clamp")
        << QList<int>{175, 176, 174} << QList<int>{117, 117, 116} << QList<int>{255, 255, 254};
}

void TestColours::darkAndBrightForms() {
    QFETCH(QList<int>, record);
    QFETCH(QList<int>, dark);
    QFETCH(QList<int>, bright);
    Editor ed;
    // Put the record at index 0x2A so byte order and indexing are checked too.
    std::vector<uint8_t> file(3 * 64, 0);
    for (int i = 0; i < 3; ++i)
        file[3 * 0x2A + i] = uint8_t(record[i]);
    ReloadNESPAL(ed, file);
    QCOMPARE(ed.NesPal[0x2A], rgb(record[0], record[1], record[2]));
    QCOMPARE(ed.NesPalDark[0x2A], rgb(dark[0], dark[1], dark[2]));
    QCOMPARE(ed.NesPalBright[0x2A], rgb(bright[0], bright[1], bright[2]));
}

void TestColours::spriteSlotsFromTheRom() {
    Editor ed;
    ed.EditMode = kMM5;
    // Layout parameter 49 of mm5, absolute: the sprite palette block at position 0x201.
    ed.Res->ResIndex[2] = 100;
    ed.Res->ResIndex[3] = 1000; // all parameter kinds 0 (absolute)
    ed.Res->ResData[100 + 49] = 0x201;
    ed.RomParams.resolveAbsolute(*ed.Res);
    ed.RomImage.assign(std::vector<uint8_t>(0x400, 0));
    const uint8_t block[8] = {0x0F, 0x16, 0x27, 0x30, 0x21, 0x11, 0xC5, 0xFF};
    for (int i = 0; i < 8; ++i)
        ed.setByte(0x201 + i, block[i]);
    for (int c = 0; c < 256; ++c)
        ed.NesPal[c] = 0x010000u * uint32_t(c) + 0x77;
    ed.BmpCols.fill(kSentinel);
    SharedColourBitmap bmp(ed.Bitmaps);
    bmp.colours().fill(kSentinel);

    GetMMCols(ed);
    for (int slot = 0; slot < 256; ++slot) {
        uint32_t want = kSentinel;
        if (slot == 64 || slot == 68 || slot == 72 || slot == 76)
            want = rgb(128, 0, 128);
        else if (slot > 64 && slot < 72)
            want = ed.NesPal[block[slot - 64]];
        QCOMPARE(ed.BmpCols[slot], want);
    }
    // Copying into the bitmaps is the caller's next step, not this one's.
    QCOMPARE(bmp.colours()[65], kSentinel);
}

void TestColours::globalPaletteCopiesOnlyTheLowerHalf() {
    Editor ed;
    for (int s = 0; s < 256; ++s)
        ed.BmpCols[s] = 0x010101u * uint32_t(s);
    SharedColourBitmap first(ed.Bitmaps), second(ed.Bitmaps);
    std::vector<uint64_t> versions;
    for (WinBitmap* b : {&first, &second}) {
        b->colours().fill(kSentinel);
        versions.push_back(b->version());
    }
    Update_Global_Pal(ed);
    size_t n = 0;
    for (const WinBitmap* b : {&first, &second}) {
        for (int s = 0; s < 256; ++s)
            QCOMPARE(b->colours()[s], s < 128 ? ed.BmpCols[s] : kSentinel);
        QVERIFY(b->version() > versions[n++]); // views must show it again
    }
    // A bitmap made later (a window opened again) starts with the colours last copied,
    // and one that is gone no longer takes any.
    ed.BmpCols[5] = 0x123456;
    {
        SharedColourBitmap gone(ed.Bitmaps);
        QCOMPARE(ed.Bitmaps.size(), 3);
    }
    QCOMPARE(ed.Bitmaps.size(), 2);
    SharedColourBitmap later(ed.Bitmaps);
    for (int s = 0; s < 256; ++s)
        QCOMPARE(later.colours()[s], s < 128 ? 0x010101u * uint32_t(s) : 0u);
}

void TestColours::fixedInterfaceColours() {
    Editor ed;
    setFixedColours(ed);
    const uint32_t want[7] = {rgb(160, 160, 160), rgb(255, 255, 255), rgb(96, 96, 255),
                              rgb(255, 96, 96),   rgb(96, 255, 96),   rgb(255, 255, 0),
                              rgb(255, 96, 255)};
    for (int s = 0; s < 256; ++s)
        QCOMPARE(ed.BmpCols[s], s >= 33 && s <= 39 ? want[s - 33] : 0u);
}

void TestColours::swapRB_data() {
    QTest::addColumn<uint>("in");
    QTest::addColumn<uint>("out");
    QTest::newRow("example") << 0x00123456u << 0x00563412u;
    QTest::newRow("top byte cleared") << 0xFF123456u << 0x00563412u;
    QTest::newRow("marker unchanged") << 0x00800080u << 0x00800080u;
    QTest::newRow("pure red") << 0x00FF0000u << 0x000000FFu;
}

void TestColours::swapRB() {
    QFETCH(uint, in);
    QFETCH(uint, out);
    QCOMPARE(uint(SwapRB(in)), out);
    QCOMPARE(uint(SwapRB(SwapRB(in))), in & 0xFFFFFFu);
}

void TestColours::clamp_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("lo");
    QTest::addColumn<int>("hi");
    QTest::addColumn<int>("result");
    QTest::newRow("inside") << 5 << 0 << 10 << 5;
    QTest::newRow("below") << -3 << 0 << 10 << 0;
    QTest::newRow("above") << 335 << 0 << 255 << 255;
    QTest::newRow("at hi") << 255 << 0 << 255 << 255;
}

void TestColours::clamp() {
    QFETCH(int, value);
    QFETCH(int, lo);
    QFETCH(int, hi);
    QFETCH(int, result);
    int v = value;
    QCOMPARE(Clamp(v, lo, hi), result);
    QCOMPARE(v, result); // the argument takes the result too
}

QTEST_APPLESS_MAIN(TestColours)
#include "test_colours.moc"
