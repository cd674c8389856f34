// The graphics a section chooses for its enemies: the search for a choice that fits the
// section's enemies, the types listed for a choice, and the sprite colour swatches.
#include <QtTest>

#include "core/enemyedit/GraphicsSetSearch.h"
#include "core/enemyedit/GraphicsSets.h"
#include "core/enemyedit/SpritePictures.h"
#include "core/enemyedit/TypeLists.h"
#include "core/support/EnemyLevel.h"

using namespace orvane;
using namespace orvane::testing;

namespace {
int hex(const QString& s) {
    return s.toInt(nullptr, 16);
}
} // namespace

class TestGfxSets : public QObject {
    Q_OBJECT
private slots:
    // Each file: the game, mm3 sets ("set" Bank 0, Bank 1) and type needs ("needs" type,
    // Bank 0, Bank 1, listed Bank 1) or mm4 effects ("effect" types...), the enemy list,
    // the section's screens, the current choice, the types listed for it and the choices
    // successive searches give.
    void search_data() { addCaseRows("enemy-gfx-search"); }
    void search() {
        QFETCH(QString, path);
        const QList<QStringList> lines = caseLines(path);
        Editor ed = makeEnemyLevel(caseValue(lines, "game").toInt());
        int g = 0, e = 0;
        for (const QStringList& l : lines) {
            if (l[0] == "set") addGraphicsSet(ed, g++, hex(l[1]), hex(l[2]));
            if (l[0] == "needs") setTypeNeeds(ed, hex(l[1]), hex(l[2]), hex(l[3]), hex(l[4]));
            std::vector<int> types;
            for (const QString& t : l.mid(1))
                types.push_back(hex(t));
            if (l[0] == "effect") addEffect(ed, e++, types);
        }
        setEnemies(ed, caseValue(lines, "list"));
        const QStringList section = caseValue(lines, "section").split(' ');
        ed.SectionStart = section[0].toInt();
        ed.SectionEnd = section[1].toInt();
        ed.setByte(ed.EditMode == kMM3 ? 0x141 : 0x161, caseValue(lines, "choice").toInt());

        QStringList listed;
        for (const TypeItem& item : gfxEnemyItems(ed))
            listed << QString::number(item.type, 16).toUpper() +
                          (item.text.find(':') == std::string::npos ? "#" : "");
        QCOMPARE(listed.join(' '), caseValue(lines, "listed"));
        for (const QString& expected : caseValue(lines, "finds").split(' ')) {
            QVERIFY(FindGfxSet(ed));
            QCOMPARE(graphicsChoice(ed), expected.toInt());
        }
    }

    // A press on PalPic selects the swatch under it; only a press on the selected swatch
    // (not a colour 0) steps its colour where the sprite set-up read it; a colour from the
    // Palette Chart goes there too.
    void swatches_data() {
        QTest::addColumn<int>("selected");
        QTest::addColumn<int>("button"); // 0: a pick in the Palette Chart of colour `x`
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("selectedAfter");
        QTest::addColumn<int>("after");
        QTest::newRow("left on the selected swatch goes up") << 1 << 1 << 40 << 0x10 << 1 << 0x11;
        QTest::newRow("left, 3F wraps to 0") << 1 << 1 << 63 << 0x3F << 1 << 0;
        QTest::newRow("right from 0 to 3F") << 5 << 2 << 170 << 0 << 5 << 0x3F;
        QTest::newRow("middle goes down") << 7 << 4 << 255 << 0x10 << 7 << 0x0F;
        QTest::newRow("same colour of the other palette selects")
            << 2 << 1 << 6 * 32 << 0x10 << 6 << 0x10;
        QTest::newRow("another swatch selects") << 1 << 1 << 100 << 0x10 << 3 << 0x10;
        QTest::newRow("selected colour 0 stays selected") << 4 << 1 << 130 << 0x10 << 4 << 0x10;
        QTest::newRow("chart pick") << 6 << 0 << 0x2A << 0x10 << 6 << 0x2A;
        QTest::newRow("chart pick for a colour 0") << 4 << 0 << 0x2A << 0x10 << 4 << 0x10;
    }
    void swatches() {
        QFETCH(int, selected);
        QFETCH(int, button);
        QFETCH(int, x);
        QFETCH(int, before);
        QFETCH(int, selectedAfter);
        QFETCH(int, after);
        for (bool recorded : {true, false}) {
            Editor ed = makeEnemyLevel(kMM3);
            for (int i = 0; i < 8; ++i)
                ed.SprColPos[size_t(i)] = recorded ? 0x181 + i : 0;
            for (int i = 0; i < 8; ++i)
                ed.setByte(0x181 + i, before);
            SwatchSelection sel{selected / 4, selected % 4};
            const bool changed =
                button ? pressSwatch(ed, sel, button, x) : setSwatchColour(ed, sel, x);
            QCOMPARE(sel.swatch(), selectedAfter);
            // A colour whose source was never recorded (no set-up yet) changes nothing.
            const int expected = recorded ? after : before;
            for (int i = 0; i < 8; ++i)
                QCOMPARE(int(ed.byte(0x181 + i)), i == selectedAfter ? expected : before);
            QCOMPARE(changed, expected != before);
            QCOMPARE(ed.BmpCols[size_t(72 + selectedAfter)], changed ? nes(expected) : 0u);
        }
    }
};

QTEST_MAIN(TestGfxSets)
#include "test_gfxsets.moc"
