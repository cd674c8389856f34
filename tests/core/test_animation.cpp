#include <QList>
#include <QtTest>

#include "core/render/PaletteAnimation.h"
#include "support/MiniEditor.h"

using namespace orvane;
using namespace orvane::testing;

namespace {

constexpr int64_t kRomSize = 0x14000;
constexpr int64_t kColourSets = 0x3000; // P(56) of mm4 and mm5
constexpr uint32_t kUntouched = 0xABCDEF;

// Colour byte k bytes after the start of the colour sets: distinct up to k = 299.
int colourByte(int64_t k) {
    return k < 256 ? static_cast<int>(k) : static_cast<int>(0xC0 + k - 256);
}

int64_t colourBase(int mode) {
    return mode == kMM3 ? kMM3AnimColourSets : kColourSets;
}

int64_t recordPosition(int mode, int a) {
    return mode == kMM3 ? kMM3AnimRecords + 16 * a : 0x2000 + 32 * a;
}

Editor animationEditor(int mode) {
    Editor ed = makeMiniEditor(mode, kRomSize);
    setParam(ed, 53, 0x300);
    setParam(ed, 54, mode == kMM4 ? 0x380 : 0x2000);
    setParam(ed, 55, 2);
    setParam(ed, 56, kColourSets);
    for (int k = 0; k < 300; ++k)
        ed.setByte(colourBase(mode) + k, colourByte(k));
    ed.BmpCols.fill(kUntouched);
    return ed;
}

// Points animation `a` at its record and writes the record.
void writeAnimation(Editor& ed, int a, int last, int delay, const QList<int>& sets,
                    int firstSlot = 0) {
    const int64_t r = recordPosition(ed.EditMode, a);
    switch (ed.EditMode) {
    case kMM3:
        ed.setByte(kMM3AnimOffsets + a, static_cast<int>(r - kMM3AnimRecords));
        break;
    case kMM4: // a CPU address in 0xA000..0xBFFF of bank page P(55) = 2
        ed.setByte(0x300 + a, static_cast<int>((r - 17) % 256));
        ed.setByte(0x380 + a, static_cast<int>((r - 17) / 256 + 160 - 2));
        break;
    default:
        ed.setByte(0x300 + a, static_cast<int>(r - 0x2000));
        break;
    }
    ed.setByte(r, last);
    ed.setByte(r + 1, delay);
    int64_t frames = r + 2;
    if (ed.EditMode == kMM3) ed.setByte(frames++, firstSlot);
    for (int f = 0; f < sets.size(); ++f)
        ed.setByte(frames + f, sets[f]);
}

// The colours of `set` as the tick plays it, at three slots from `first` (wrapping at 16);
// set -1: those slots untouched.
void verifyColours(const Editor& ed, int first, int set) {
    const int64_t o = ed.EditMode == kMM4 ? 3 * set : (3 * set) % 256;
    for (int j = 0; j < 3; ++j) {
        const int s = (first + j) & 15;
        const int c = colourByte(o + j);
        QCOMPARE(ed.BmpCols[s], set < 0 ? kUntouched : nes(c));
        QCOMPARE(ed.BmpCols[s + 16], set < 0 ? kUntouched : dark(c));
        QCOMPARE(ed.BmpCols[s + 48], set < 0 ? kUntouched : bright(c));
        QCOMPARE(ed.BmpCols[s + 80], kUntouched);
    }
}
void verifySlotsUntouched(const Editor& ed, int first) {
    verifyColours(ed, first, -1);
}

void addModeRows(const char* name, int delay, int last, const QList<int>& frames) {
    for (int mode : {int{kMM3}, int{kMM4}, int{kMM5}}) {
        const char* game[] = {"mm3", "mm4", "mm5"};
        QTest::addRow("%s: %s", game[mode], name) << mode << delay << last << frames;
    }
}

enum Broken { RecordPast, RecordBefore, RecordAtZero, FrameBytePast, ColourSetPast, TablesPast };

void resizeImage(Editor& ed, int64_t size) {
    std::vector<uint8_t> bytes = ed.RomImage.bytes();
    bytes.resize(static_cast<size_t>(size));
    ed.RomImage.assign(bytes);
}

void moveColourSets(Editor& ed, int64_t base) {
    setParam(ed, 56, static_cast<int32_t>(base));
    for (int k = 0; k < 300; ++k)
        ed.setByte(base + k, colourByte(k));
}

} // namespace

class TestAnimation : public QObject {
    Q_OBJECT

private slots:
    void recordPositions() {
        Editor mm3 = animationEditor(kMM3);
        mm3.setByte(75281 + 9, 0x21);
        QCOMPARE(mm3.tables().animationRecordPosition(9), int64_t{75295 + 0x21});
        Editor mm4 = animationEditor(kMM4);
        mm4.setByte(0x300 + 9, 0x40); // CPU 0xA140 in bank page 2
        mm4.setByte(0x380 + 9, 0xA1);
        QCOMPARE(mm4.tables().animationRecordPosition(9), int64_t{3 * 256 + 0x40 + 17});
        Editor mm5 = animationEditor(kMM5);
        mm5.setByte(0x300 + 9, 0xF3);
        QCOMPARE(mm5.tables().animationRecordPosition(9), int64_t{0x2000 + 0xF3});
    }
    void frameSequence_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("delay");
        QTest::addColumn<int>("last");
        // Frame after each tick, or -1 when the tick advances nothing.
        QTest::addColumn<QList<int>>("frames");
        addModeRows("delay 0 advances every tick, 1..F then 0", 0, 3, {1, 2, 3, 0, 1, 2});
        addModeRows("delay 2 shows a frame three ticks", 2, 1, {-1, -1, 1, -1, -1, 0, -1});
        addModeRows("last frame index 0 repeats frame 0", 0, 0, {0, 0, 0});
    }
    void frameSequence() {
        QFETCH(int, mode);
        QFETCH(int, delay);
        QFETCH(int, last);
        QFETCH(QList<int>, frames);
        Editor ed = animationEditor(mode);
        const QList<int> sets = {10, 11, 12, 13};
        writeAnimation(ed, 5, last, delay, sets, 14);
        writeAnimation(ed, 3, 0, 0, {20}, 6);
        // Palette 2 animates; palette 0 lacks bit 7 and stays still. mm3 plays into slots
        // from the record's first slot (14, 15, then 0), the others into colours 1..3.
        ed.PalAnimId = {0x03, 0, 0x85, 0};
        const int first = mode == kMM3 ? 14 : 9;
        int shown = -1;
        for (int tick = 0; tick < frames.size(); ++tick) {
            const bool advanced = frames[tick] >= 0;
            QCOMPARE(paletteAnimationTick(ed), advanced);
            if (advanced) shown = frames[tick];
            QCOMPARE(ed.PalAnimFrame[2], shown < 0 ? 0 : shown);
            if (shown < 0)
                verifySlotsUntouched(ed, first);
            else
                verifyColours(ed, first, sets[shown]);
        }
        QCOMPARE(ed.PalAnimId, (std::array<int, 4>{0x03, 0, 0x85, 0}));
        if (mode != kMM3) verifySlotsUntouched(ed, 1);
    }
    void colourSetOffsets_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<qint64>("offset");
        QTest::newRow("mm3 wraps 3 * 86 to 2") << int{kMM3} << qint64{2};
        QTest::newRow("mm4 does not wrap") << int{kMM4} << qint64{258};
        QTest::newRow("mm5 wraps 3 * 86 to 2") << int{kMM5} << qint64{2};
    }
    void colourSetOffsets() {
        QFETCH(int, mode);
        QFETCH(qint64, offset);
        Editor ed = animationEditor(mode);
        QCOMPARE(ed.tables().animationColourSetPosition(86), colourBase(mode) + offset);
        writeAnimation(ed, 1, 1, 0, {1, 86}, 1);
        ed.PalAnimId[0] = 0x81;
        QVERIFY(paletteAnimationTick(ed));
        for (int j = 0; j < 3; ++j)
            QCOMPARE(ed.BmpCols[1 + j], nes(colourByte(offset + j)));
    }
    void colourSetZeroStops_data() {
        QTest::addColumn<int>("mode");
        QTest::newRow("mm4") << int{kMM4};
        QTest::newRow("mm5") << int{kMM5};
    }
    void colourSetZeroStops() {
        QFETCH(int, mode);
        Editor ed = animationEditor(mode);
        writeAnimation(ed, 1, 1, 0, {1, 2});
        writeAnimation(ed, 2, 1, 0, {3, 0}); // frame 1 ends the animation
        ed.PalAnimId = {0x81, 0x82, 0x81, 0};
        // Palette 0 advances, palette 1 stops and ends the tick: palette 2 waits.
        QVERIFY(paletteAnimationTick(ed));
        verifyColours(ed, 1, 2);
        verifySlotsUntouched(ed, 5);
        verifySlotsUntouched(ed, 9);
        QCOMPARE(ed.PalAnimId, (std::array<int, 4>{0x81, 0, 0x81, 0}));
        QCOMPARE(ed.PalAnimFrame, (std::array<int, 4>{1, 1, 0, 0}));
        // Next tick the stopped palette is passed over and palette 2 catches up.
        QVERIFY(paletteAnimationTick(ed));
        verifyColours(ed, 1, 1);
        verifySlotsUntouched(ed, 5);
        verifyColours(ed, 9, 2);
        QCOMPARE(ed.PalAnimFrame, (std::array<int, 4>{0, 1, 1, 0}));
        // A stop in the first animated palette makes a tick that writes nothing.
        Editor first = animationEditor(mode);
        writeAnimation(first, 2, 1, 0, {3, 0});
        writeAnimation(first, 1, 1, 0, {1, 2});
        first.PalAnimId = {0, 0x82, 0x81, 0};
        QVERIFY(!paletteAnimationTick(first));
        QCOMPARE(first.PalAnimId, (std::array<int, 4>{0, 0, 0x81, 0}));
        for (int s = 0; s < 96; ++s)
            QCOMPARE(first.BmpCols[s], kUntouched);
    }
    void mm3ColourSetZeroPlays() {
        Editor ed = animationEditor(kMM3);
        writeAnimation(ed, 2, 1, 0, {3, 0}, 5);
        ed.PalAnimId = {0x82, 0, 0, 0};
        QVERIFY(paletteAnimationTick(ed));
        verifyColours(ed, 5, 0);
        QCOMPARE(ed.PalAnimId[0], 0x82);
    }
    void mm4AnimationSevenColoursSprites_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("animation");
        QTest::addColumn<bool>("sprites");
        QTest::newRow("mm4 animation 7") << int{kMM4} << 7 << true;
        QTest::newRow("mm4 animation 6") << int{kMM4} << 6 << false;
        QTest::newRow("mm5 animation 7") << int{kMM5} << 7 << false;
    }
    void mm4AnimationSevenColoursSprites() {
        QFETCH(int, mode);
        QFETCH(int, animation);
        QFETCH(bool, sprites);
        Editor ed = animationEditor(mode);
        writeAnimation(ed, animation, 1, 0, {4, 5});
        ed.PalAnimId[3] = 0x80 | animation;
        QVERIFY(paletteAnimationTick(ed));
        verifyColours(ed, 13, 5);
        for (int j = 0; j < 3; ++j)
            QCOMPARE(ed.BmpCols[73 + j], sprites ? nes(colourByte(15 + j)) : kUntouched);
        QCOMPARE(ed.BmpCols[72], kUntouched);
        QCOMPARE(ed.BmpCols[76], kUntouched);
    }
    void outsideTheImageSkips_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("broken");
        QTest::newRow("mm4 record past the image") << int{kMM4} << int{RecordPast};
        QTest::newRow("mm4 record before the image") << int{kMM4} << int{RecordBefore};
        QTest::newRow("mm4 record at position 0, its frames inside")
            << int{kMM4} << int{RecordAtZero};
        QTest::newRow("mm5 frame byte past the image") << int{kMM5} << int{FrameBytePast};
        QTest::newRow("mm4 colour set past the image") << int{kMM4} << int{ColourSetPast};
        QTest::newRow("mm5 colour set past the image") << int{kMM5} << int{ColourSetPast};
        QTest::newRow("mm3 image too small for its tables") << int{kMM3} << int{TablesPast};
    }
    void outsideTheImageSkips() {
        QFETCH(int, mode);
        QFETCH(int, broken);
        Editor ed = animationEditor(mode);
        writeAnimation(ed, 1, 1, 0, {1, 2}, 9);  // sound, played by palette 2
        writeAnimation(ed, 2, 1, 0, {3, 85}, 5); // broken below, on palette 1
        switch (broken) {
        case RecordPast: // CPU page 0xFF lies beyond a 16 KB image
            resizeImage(ed, 0x4000);
            ed.setByte(0x380 + 2, 0xFF);
            break;
        case RecordBefore: // CPU page 0x00 lies before the image's start
            ed.setByte(0x380 + 2, 0x00);
            break;
        case RecordAtZero: // CPU 0x9DEF of page 2: the delay byte is the image's first
            ed.setByte(0x300 + 2, 0xEF);
            ed.setByte(0x380 + 2, 0x9D);
            break;
        case FrameBytePast: {
            moveColourSets(ed, 0x1000);
            ed.setByte(0x300 + 2, 0xFE);
            const int64_t r = 0x2000 + 0xFE;
            poke(ed, r, {1, 0});
            resizeImage(ed, r + 2); // frame 0's byte is the last of the image, frame 1's beyond
            break;
        }
        case ColourSetPast: // set 85 starts 255 bytes on: beyond, set 2 is not
            moveColourSets(ed, kRomSize - 200);
            break;
        case TablesPast:
            resizeImage(ed, 0x10000);
            break;
        }
        ed.PalAnimId = {0, 0x82, 0x81, 0};
        bool anyWritten = false;
        for (int tick = 0; tick < 3; ++tick)
            anyWritten |= paletteAnimationTick(ed);
        // The broken palette keeps its state and colours.
        QCOMPARE(ed.PalAnimId[1], 0x82);
        QCOMPARE(ed.PalAnimWait[1], 0);
        QCOMPARE(ed.PalAnimFrame[1], 0);
        verifySlotsUntouched(ed, 5);
        // The palette after it is not held up, except where the whole table is missing.
        const bool playable = broken != TablesPast;
        QCOMPARE(anyWritten, playable);
        QCOMPARE(ed.PalAnimFrame[2], playable ? 1 : 0);
    }
};

QTEST_APPLESS_MAIN(TestAnimation)
#include "test_animation.moc"
