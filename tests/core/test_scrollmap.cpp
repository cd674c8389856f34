// The scroll map seen screen by screen (decode and rebuild, per game), the detailed
// edits of the current section byte, the type names and summary, the direction and
// split display and the Screen Editor's limits.

#include <QList>
#include <QtTest>
#include <functional>

#include "core/level/SectionView.h"
#include "core/mapedit/ScreenDrawing.h"
#include "core/mapedit/ScreenSettings.h"
#include "core/mapedit/ScrollEntry.h"
#include "core/mapedit/ScrollMap.h"
#include "support/MiniEditor.h"
#include "support/ScrollTypeNames.h"

using namespace orvane;
using namespace orvane::testing;

namespace {

constexpr int64_t kMap = 0x200;      // P(8)
constexpr int64_t kSettings = 0x300; // P(9)
constexpr int64_t kEffects = 0x380;  // P(10)

// An editor whose scroll map, settings and type names sit at known places.
Editor scrollEditor(int mode) {
    Editor ed = makeMiniEditor(mode, 0x4000);
    setParam(ed, 8, kMap);
    setParam(ed, 9, kSettings);
    setParam(ed, 10, kEffects);
    addScrollTypeNames(ed);
    return ed;
}

void setMap(Editor& ed, const QList<int>& bytes) {
    for (int i = 0; i < bytes.size(); ++i)
        ed.setByte(kMap + i, bytes[i]);
}

QList<int> mapBytes(const Editor& ed, int count) {
    QList<int> out;
    for (int i = 0; i < count; ++i)
        out << ed.byte(kMap + i);
    return out;
}

QList<int> dirs(const ScreenLists& l) {
    QList<int> out;
    for (int s = 0; s < l.ScreenTotal; ++s)
        out << l.dir(s);
    return out;
}

// Runs the main window's section walk for screen `screen`.
void goToScreen(Editor& ed, int screen) {
    ed.CurScrn = screen;
    ed.enterSection(sectionOfScreen(ed.tables(), screen));
}

// A simple-mode click: decode the ROM map, change one screen, rebuild.
EncodeResult rebuildWith(Editor& ed, ScreenLists& lists,
                         const std::function<void(ScreenLists&)>& change) {
    ScrollMapDecode(ed.tables(), lists);
    change(lists);
    return ScrollMapEncode(ed, lists);
}

constexpr int U = kDirUp, R = kDirRight, D = kDirDown;

} // namespace

class TestScrollMap : public QObject {
    Q_OBJECT

private slots:
    // ---- decoding and rebuilding -------------------------------------------------------

    void decodeAndReencode_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QList<int>>("map");
        QTest::addColumn<QList<int>>("directions");
        QTest::addColumn<QList<int>>("splits");

        // Screen 2 turns up because the next section is 8; the last screen of the map goes right.
        const QList<int> mixed{0x22, 0x80, 0xA1, 0x00};
        QTest::newRow("mm3 right, up, up-then-right")
            << 0 << mixed << QList<int>{R, R, U, U, R, R} << QList<int>{};
        QTest::newRow("mm4 reads the same bytes")
            << 1 << mixed << QList<int>{R, R, U, U, R, R} << QList<int>{};
        QTest::newRow("right run after a right run starts with a split")
            << 0 << QList<int>{0x21, 0x22, 0x00} << QList<int>{R, R, R, R, R} << QList<int>{2};
        QTest::newRow("down-then-right run: the run before it turns down")
            << 0 << QList<int>{0x21, 0x61, 0x00} << QList<int>{R, D, R, R} << QList<int>{};
        QTest::newRow("down sections")
            << 0 << QList<int>{0x40, 0x40, 0x62, 0x00} << QList<int>{D, D, R, R, R} << QList<int>{};
        // mm5 keeps five length bits: 0x3F is one run of 32 screens, 0xA1 two screens.
        QList<int> long5(32, R);
        long5[31] = U;
        long5 << U << R << R;
        QTest::newRow("mm5 format")
            << 2 << QList<int>{0x3F, 0x80, 0xA1, 0x00} << long5 << QList<int>{};
    }

    void decodeAndReencode() {
        QFETCH(int, mode);
        QFETCH(QList<int>, map);
        QFETCH(QList<int>, directions);
        QFETCH(QList<int>, splits);
        Editor ed = scrollEditor(mode);
        setMap(ed, map);
        ed.setByte(kMap + map.size(), 0x77); // beyond the end byte: never written

        ScreenLists lists;
        ScrollMapDecode(ed.tables(), lists);
        QCOMPARE(lists.ScreenTotal, directions.size());
        QCOMPARE(dirs(lists), directions);
        for (int s = 0; s < lists.ScreenTotal; ++s)
            QCOMPARE(lists.split(s), splits.contains(s));

        setMap(ed, QList<int>(map.size(), 0x55)); // the rebuild must write every byte again
        const EncodeResult r = ScrollMapEncode(ed, lists);
        QCOMPARE(r.status, EncodeStatus::Written);
        QCOMPARE(r.sections, map.size() - 1);
        QCOMPARE(mapBytes(ed, map.size() + 1), map + QList<int>{0x77});
    }

    void simpleModeRebuilds_data() {
        QTest::addColumn<QList<int>>("before");
        QTest::addColumn<int>("screen");
        QTest::addColumn<QString>("change");
        QTest::addColumn<QList<int>>("after");

        QTest::newRow("Down on screen 1")
            << QList<int>{0x23, 0x00} << 1 << "D" << QList<int>{0x21, 0x61, 0x00};
        QTest::newRow("Up on screen 1")
            << QList<int>{0x23, 0x00} << 1 << "U" << QList<int>{0x21, 0xA1, 0x00};
        QTest::newRow("Up on screen 0")
            << QList<int>{0x23, 0x00} << 0 << "U" << QList<int>{0x80, 0xA2, 0x00};
        QTest::newRow("split at screen 2")
            << QList<int>{0x24, 0x00} << 2 << "S" << QList<int>{0x21, 0x22, 0x00};
        QTest::newRow("split at the map's first screen does nothing")
            << QList<int>{0x23, 0x00} << 0 << "S" << QList<int>{0x23, 0x00};
        QTest::newRow("clearing the split joins the runs")
            << QList<int>{0x21, 0x22, 0x00} << 2 << "s" << QList<int>{0x24, 0x00};
        QTest::newRow("Right on an up screen")
            << QList<int>{0x22, 0x80, 0xA1, 0x00} << 3 << "R" << QList<int>{0x22, 0xA2, 0x00};
        QTest::newRow("Up on the map's last screen changes nothing")
            << QList<int>{0x23, 0x00} << 3 << "U" << QList<int>{0x23, 0x00};
    }

    void simpleModeRebuilds() {
        QFETCH(QList<int>, before);
        QFETCH(int, screen);
        QFETCH(QString, change);
        QFETCH(QList<int>, after);
        for (int mode : {0, 1, 2}) {
            Editor ed = scrollEditor(mode);
            setMap(ed, before);
            ScreenLists lists;
            const EncodeResult r = rebuildWith(ed, lists, [&](ScreenLists& l) {
                if (change == "S" || change == "s")
                    l.setSplit(screen, change == "S");
                else
                    l.setDir(screen, change == "U" ? U : change == "D" ? D : R);
            });
            QCOMPARE(r.status, EncodeStatus::Written);
            QCOMPARE(mapBytes(ed, after.size()), after);
        }
    }

    void settingsTravelWithTheirSections_data() {
        QTest::addColumn<int>("mode");
        QTest::newRow("mm3 pairs") << 0;
        QTest::newRow("mm4 palette and effect tables") << 1;
        QTest::newRow("mm5 one byte") << 2;
    }

    void settingsTravelWithTheirSections() {
        QFETCH(int, mode);
        Editor ed = scrollEditor(mode);
        // Sections 0x21 (screens 0, 1), 0x80 (screen 2), 0x22 (screens 3..5).
        setMap(ed, {0x21, 0x80, 0x22, 0x00});
        for (int s = 0; s < 4; ++s) // section 3 is the end byte's: cleared by a rebuild
            writeSectionSettings(ed, s, 0x11 + 0x10 * s, 0x12 + 0x10 * s);
        const int b = mode == 2 ? 0 : 1; // mm5 has no second setting

        ScreenLists lists;
        ScrollMapDecode(ed.tables(), lists);
        QCOMPARE(lists.setA(1), 0x11);
        QCOMPARE(lists.setB(1), 0x12 * b);
        QCOMPARE(lists.setA(2), 0x21);
        QCOMPARE(lists.setA(5), 0x31);
        QCOMPARE(lists.setB(5), 0x32 * b);

        // Screen 1 now goes right: sections 0x22 (screens 0..2), 0xA2 (screens 3..5, whose
        // settings move from section 2 to section 1), end.
        lists.setDir(1, R);
        QCOMPARE(ScrollMapEncode(ed, lists).status, EncodeStatus::Written);
        QCOMPARE(mapBytes(ed, 3), (QList<int>{0x22, 0xA2, 0x00}));
        QCOMPARE(readSectionSettings(ed.tables(), 0), std::make_pair(0x11, 0x12 * b));
        QCOMPARE(readSectionSettings(ed.tables(), 1), std::make_pair(0x31, 0x32 * b));
        QCOMPARE(readSectionSettings(ed.tables(), 2), std::make_pair(0, 0));

        // Where the bytes are: mm3 interleaved pairs, mm4 two tables of single bytes (a pair
        // written at P(9) would overwrite the next section's palette), mm5 single bytes.
        if (mode == 0) {
            QCOMPARE(ed.byte(kSettings + 2), 0x31);
            QCOMPARE(ed.byte(kSettings + 3), 0x32);
        } else {
            QCOMPARE(ed.byte(kSettings + 1), 0x31);
            QCOMPARE(ed.byte(kSettings + 2), 0);
            QCOMPARE(ed.byte(kEffects + 1), mode == 1 ? 0x32 : 0);
        }
    }

    void longRunsBecomeConsecutiveSections_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("screens");
        QTest::addColumn<int>("entry"); // direction of the screen before the run, -1 none
        QTest::addColumn<QList<int>>("expected");
        QTest::newRow("mm3 20 screens") << 0 << 20 << -1 << QList<int>{0x2F, 0x23, 0x00};
        QTest::newRow("mm4 33 screens entered going up")
            << 1 << 33 << int(U) << QList<int>{0x80, 0xAF, 0x2F, 0x20, 0x00};
        QTest::newRow("mm3 exactly 16 screens") << 0 << 16 << -1 << QList<int>{0x2F, 0x00};
        QTest::newRow("mm5 40 screens entered going down")
            << 2 << 40 << int(D) << QList<int>{0x40, 0x7F, 0x27, 0x00};
    }

    void longRunsBecomeConsecutiveSections() {
        QFETCH(int, mode);
        QFETCH(int, screens);
        QFETCH(int, entry);
        QFETCH(QList<int>, expected);
        Editor ed = scrollEditor(mode);
        ScreenLists lists;
        int s = 0;
        if (entry >= 0) lists.setDir(s++, entry);
        for (int i = 0; i < screens; ++i) {
            lists.setDir(s, R);
            lists.setSettings(s++, 7, 8);
        }
        lists.ScreenTotal = s;
        const EncodeResult r = ScrollMapEncode(ed, lists);
        QCOMPARE(r.status, EncodeStatus::Written);
        QCOMPARE(mapBytes(ed, expected.size()), expected);

        // Decoding the pieces gives the same screens back, the cut as a split mark.
        ScreenLists again;
        ScrollMapDecode(ed.tables(), again);
        QCOMPARE(again.ScreenTotal, s);
        QCOMPARE(dirs(again), dirs(lists));
        // Every piece takes the settings of its own first screen; the end byte's are cleared.
        for (int e = 0; e < expected.size(); ++e)
            QCOMPARE(readSectionSettings(ed.tables(), e).first, (expected[e] & 0x20) ? 7 : 0);
    }

    void tableLimits() {
        Editor ed = scrollEditor(0);
        ScreenLists lists;
        // 32 up screens: 32 sections and the end byte at index 32, nothing beyond.
        for (int s = 0; s < 32; ++s)
            lists.setDir(s, U);
        lists.ScreenTotal = 32;
        ed.setByte(kMap + 33, 0x99);
        ed.setByte(kSettings + 2 * 33, 0x99);
        EncodeResult r = ScrollMapEncode(ed, lists);
        QCOMPARE(r.status, EncodeStatus::Written);
        QCOMPARE(r.sections, 32);
        QCOMPARE(mapBytes(ed, 34).mid(31), (QList<int>{0x80, 0, 0x99}));
        QCOMPARE(ed.byte(kSettings + 2 * 33), 0x99);

        // One more needs 33 sections: refused, the ROM untouched.
        setMap(ed, {0x25, 0x00});
        const std::vector<uint8_t> before = ed.RomImage.bytes();
        lists.setDir(32, U);
        lists.ScreenTotal = 33;
        r = ScrollMapEncode(ed, lists);
        QCOMPARE(r.status, EncodeStatus::TooManySections);
        QCOMPARE(r.sections, 33);
        QVERIFY(ed.RomImage.bytes() == before);

        // The decoder reads 32 sections at most, whatever follows them.
        setMap(ed, QList<int>(40, 0x8F)); // 32 sections of 16 screens each
        ScrollMapDecode(ed.tables(), lists);
        QCOMPARE(lists.ScreenTotal, 512);
        Editor ed5 = scrollEditor(2);
        setMap(ed5, QList<int>(40, 0x9F)); // mm5: 32 sections of 32 screens, the most there is
        ScreenLists lists5;
        ScrollMapDecode(ed5.tables(), lists5);
        QCOMPARE(lists5.ScreenTotal, ScreenLists::kCapacity);
        QCOMPARE(lists5.dir(ScreenLists::kCapacity - 1), R);
        // Outside the lists: reads as an up screen with a split mark, writes are dropped.
        lists5.setDir(ScreenLists::kCapacity, R);
        lists5.setDir(-1, R);
        QCOMPARE(lists5.dir(ScreenLists::kCapacity), U);
        QVERIFY(lists5.split(-1));
    }

    void emptyMap() {
        Editor ed = scrollEditor(0);
        setMap(ed, {0x00, 0x23});
        ScreenLists lists;
        lists.setDir(0, D);
        ScrollMapDecode(ed.tables(), lists);
        QCOMPARE(lists.ScreenTotal, 0);
        QCOMPARE(lists.dir(0), D); // nothing decoded, nothing changed
        const std::vector<uint8_t> before = ed.RomImage.bytes();
        QCOMPARE(ScrollMapEncode(ed, lists).status, EncodeStatus::Empty);
        QVERIFY(ed.RomImage.bytes() == before);
    }

    void splitMarksAccumulateButNoStaleStopMark() {
        Editor ed = scrollEditor(0);
        ScreenLists lists;
        // A split the user set outlives a later decode of a map that no longer has it.
        setMap(ed, {0x24, 0x00});
        rebuildWith(ed, lists, [](ScreenLists& l) { l.setSplit(2, true); });
        QCOMPARE(mapBytes(ed, 3), (QList<int>{0x21, 0x22, 0x00}));
        setMap(ed, {0x24, 0x00}); // joined again in the detailed mode
        rebuildWith(ed, lists, [](ScreenLists& l) { l.setDir(4, R); });
        QCOMPARE(mapBytes(ed, 3), (QList<int>{0x21, 0x22, 0x00}));

        // The end of a map is no split: a 4-screen map later lengthened to 8 screens is
        // rebuilt as one run, not cut where the old map ended.
        ScreenLists fresh;
        setMap(ed, {0x23, 0x00});
        rebuildWith(ed, fresh, [](ScreenLists&) {});
        setMap(ed, {0x27, 0x00});
        rebuildWith(ed, fresh, [](ScreenLists& l) { l.setDir(5, R); });
        QCOMPARE(mapBytes(ed, 2), (QList<int>{0x27, 0x00}));
    }

    // ---- detailed mode -------------------------------------------------------------------

    void detailedEdits_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("before");
        QTest::addColumn<QString>("edit"); // T+ T- L+ L-, or "T=text" / "L=text"
        QTest::addColumn<int>("after");
        QTest::newRow("mm3 type down") << 0 << 0x25 << "T-" << 0x15;
        QTest::newRow("mm3 type down wraps 0 to F") << 0 << 0x05 << "T-" << 0xF5;
        QTest::newRow("mm4 type up wraps F to 0") << 1 << 0xF7 << "T+" << 0x07;
        QTest::newRow("mm3 length up wraps F to 0") << 0 << 0x2F << "L+" << 0x20;
        QTest::newRow("mm4 length down wraps 0 to F") << 1 << 0x80 << "L-" << 0x8F;
        QTest::newRow("mm5 type up wraps 7 to 0") << 2 << 0xE3 << "T+" << 0x03;
        QTest::newRow("mm5 length down wraps 0 to 31") << 2 << 0x40 << "L-" << 0x5F;
        QTest::newRow("mm5 length up keeps the type") << 2 << 0x3F << "L+" << 0x20;
        QTest::newRow("mm3 typed type 1A") << 0 << 0x23 << "T=1A" << 0xA3;
        QTest::newRow("mm3 typed type lower case") << 0 << 0x23 << "T=c" << 0xC3;
        QTest::newRow("mm5 typed type is decimal") << 2 << 0x23 << "T=10" << 0x43;
        QTest::newRow("mm3 typed length 17 keeps 1") << 0 << 0x23 << "L=17" << 0x21;
        QTest::newRow("mm5 typed length 33 keeps 1") << 2 << 0x23 << "L=33" << 0x21;
        QTest::newRow("mm5 typed length 31") << 2 << 0x80 << "L=31" << 0x9F;
        QTest::newRow("typed length not a number") << 0 << 0x25 << "L=x9" << 0x20;
    }

    void detailedEdits() {
        QFETCH(int, mode);
        QFETCH(int, before);
        QFETCH(QString, edit);
        QFETCH(int, after);
        Editor ed = scrollEditor(mode);
        ed.CurSection = 3;
        setMap(ed, {0x11, 0x22, 0x33, before, 0x44});
        const std::string text = edit.mid(2).toStdString();
        Change change;
        if (edit == "T+") change = stepScrollType(ed, 3, 1);
        if (edit == "T-") change = stepScrollType(ed, 3, -1);
        if (edit == "L+") change = stepScrollLength(ed, 3, 1);
        if (edit == "L-") change = stepScrollLength(ed, 3, -1);
        if (edit.startsWith("T=")) change = setScrollType(ed, 3, typedScrollType(mode, text));
        if (edit.startsWith("L=")) change = setScrollLength(ed, 3, typedScrollLength(text));
        // Only a new length moves screens into other sections.
        QCOMPARE(change, edit.startsWith("L") ? Change::screen() : Change::nothing());
        QCOMPARE(mapBytes(ed, 5), (QList<int>{0x11, 0x22, 0x33, after, 0x44}));
    }

    void typedNumbers_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("bits");
        QTest::addColumn<int>("value");
        QTest::newRow("plain") << "12" << 5 << 12;
        QTest::newRow("wraps") << "40" << 5 << 8;
        QTest::newRow("leading number only") << "7abc" << 5 << 7;
        QTest::newRow("leading blanks and sign") << "  +9" << 5 << 9;
        QTest::newRow("negative wraps") << "-1" << 3 << 7;
        QTest::newRow("rounds up") << "2.6" << 5 << 3;
        QTest::newRow("half to even, down") << "2.5" << 5 << 2;
        QTest::newRow("half to even, up") << "3.5" << 5 << 4;
        QTest::newRow("just above a half") << "2.5001" << 5 << 3;
        QTest::newRow("empty") << "" << 5 << 0;
        QTest::newRow("no number") << "abc" << 5 << 0;
        QTest::newRow("huge keeps its low bits")
            << QString(400, '9') << 5 << 31; // 10^400 - 1 ≡ 31 (mod 32)
    }

    void typedNumbers() {
        QFETCH(QString, text);
        QFETCH(int, bits);
        QFETCH(int, value);
        QCOMPARE(leadingWholeNumberBits(text.toStdString(), bits), value);
    }

    void namesAndSummary() {
        Editor ed = scrollEditor(0);
        ed.CurSection = 1;
        setMap(ed, {0x20, 0xA3, 0x00});
        QCOMPARE(scrollTypeName(ed.tables(), 10), std::string("T10"));
        QCOMPARE(scrollSummary(ed.tables(), ed.CurSection), std::string("(T10 x 4)"));
        QCOMPARE(scrollTypeText(0, 0xA3), std::string("A"));
        QCOMPARE(scrollLengthText(0, 0xA3), std::string("3"));

        // mm5: its own slot, the top three bits and five length bits.
        Editor ed5 = scrollEditor(2);
        ed5.CurSection = 1;
        setMap(ed5, {0x20, 0xBF, 0x00});
        QCOMPARE(scrollSummary(ed5.tables(), ed5.CurSection), std::string("(F5 x 32)"));
        QCOMPARE(scrollTypeText(2, 0xBF), std::string("5"));
        QCOMPARE(scrollLengthText(2, 0xBF), std::string("31"));
    }

    void directionAndSplitDisplay_data() {
        QTest::addColumn<QList<int>>("map");
        QTest::addColumn<QList<int>>("directions"); // shown per screen
        QTest::addColumn<QList<int>>("checked");    // screens shown with the split ticked
        QTest::newRow("right, up, up-then-right")
            << QList<int>{0x22, 0x80, 0xA1, 0x00} << QList<int>{R, R, U, U, R, U} << QList<int>{};
        QTest::newRow("right after right")
            << QList<int>{0x21, 0x22, 0x00} << QList<int>{R, R, R, R, U} << QList<int>{2};
        QTest::newRow("right after up-then-right, up after it")
            << QList<int>{0xA1, 0x21, 0x00} << QList<int>{R, R, R, U} << QList<int>{2};
        QTest::newRow("up and down after up-then-right")
            << QList<int>{0xA1, 0x80, 0x00} << QList<int>{R, U, U} << QList<int>{2};
        QTest::newRow("down after plain right is no split")
            << QList<int>{0x21, 0x40, 0x00} << QList<int>{R, D, D} << QList<int>{};
        QTest::newRow("down-then-right turns its predecessor down")
            << QList<int>{0x21, 0x61, 0x00} << QList<int>{R, D, R, U} << QList<int>{};
    }

    void directionAndSplitDisplay() {
        QFETCH(QList<int>, map);
        QFETCH(QList<int>, directions);
        QFETCH(QList<int>, checked);
        Editor ed = scrollEditor(0);
        setMap(ed, map);
        for (int s = 0; s < directions.size(); ++s) {
            goToScreen(ed, s);
            QCOMPARE(shownDirection(ed.tables(), ed), directions[s]);
            QCOMPARE(shownSplit(ed.tables(), ed), checked.contains(s));
        }
    }

    // ---- the Screen Editor's limits ---------------------------------------------------------

    void settingLimits() {
        // Limits that damaged data makes negative or wider than a byte stay inside 0..255.
        Editor ed = scrollEditor(0);
        setR10(ed, 1, -3);
        setParam(ed, 18, 999);
        QCOMPARE(sectionSetting(ed.tables(), 2, 0).maxValue, 0);
        QCOMPARE(sectionSetting(ed.tables(), 2, 1).maxValue, 255);
        QCOMPARE(writeSectionSetting(ed, 2, 0, 5), Change::sectionSprites());
        QCOMPARE(ed.byte(kSettings + 4), 0);
        QCOMPARE(writeSectionSetting(ed, 2, 1, 300), Change::backgroundPalette());
        QCOMPARE(ed.byte(kSettings + 5), 255);

        Editor ed5 = scrollEditor(2);
        const std::vector<uint8_t> before = ed5.RomImage.bytes();
        QVERIFY(!sectionSetting(ed5.tables(), 0, 0).present);
        QVERIFY(!sectionSetting(ed5.tables(), 0, 1).present);
        QCOMPARE(writeSectionSetting(ed5, 0, 0, 3), Change::nothing());
        QCOMPARE(stepSectionSetting(ed5, 0, 1, 1), Change::nothing());
        QVERIFY(ed5.RomImage.bytes() == before);
    }

    void presetAndScreenLimits() {
        Editor ed = scrollEditor(0);
        setParam(ed, 7, 0x280);
        setParam(ed, 16, 13);
        setParam(ed, 17, -2); // damaged: no preset but 0
        QCOMPARE(presetLimit(ed.tables()), 0);
        QCOMPARE(typePreset(ed, 3, 9), Change::screen());
        QCOMPARE(ed.byte(0x283), 0);
        QCOMPARE(stepPreset(ed, 3, 1), Change::nothing());
        setParam(ed, 17, 400); // wider than a byte
        QCOMPARE(presetLimit(ed.tables()), 255);
        typePreset(ed, 3, 0x1234);
        QCOMPARE(ed.byte(0x283), 255);
        QCOMPARE(stepPreset(ed, 3, 1), Change::nothing());
        QCOMPARE(stepPreset(ed, 3, -1), Change::screen());
        QCOMPARE(ed.byte(0x283), 254);
        for (auto [screen, clamped] :
             {std::pair<int64_t, int>{-1, 0}, {14, 13}, {int64_t(1) << 40, 13}})
            QCOMPARE(clampScreen(ed.tables(), screen), clamped);
        for (auto [px, cell] : {std::pair{-40, 0}, {31, 0}, {32, 1}, {300, 7}})
            QCOMPARE(cellOfPixel(px), cell);
    }
};

QTEST_APPLESS_MAIN(TestScrollMap)
#include "test_scrollmap.moc"
