// The Enemy Editor driven as a person drives it: hovering, pressing and dragging on the
// picture, keys, typing into the fields and clicking the spin buttons; then the enemy
// list's ROM bytes, the current enemy and screen, and the picture are checked.
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

#include "core/enemyedit/EnemyList.h"
#include "core/mapedit/ScreenDrawing.h"
#include "gui/app/Orvane_Main.h"
#include "gui/enemyedit/EnemEd.h"
#include "gui/mapedit/SpinButton.h"
#include "gui/render/PictureArea.h"
#include "gui/support/Harness.h"

using namespace orvane;
using namespace orvane::testing;

namespace {

// The picture a fresh Update_Scrn would show.
std::vector<uint8_t> freshPicture(Editor& ed) {
    WinBitmap display, background;
    display.InitBitmap(256, 256);
    EnemyPicture(display, background).drawScreen(ed, ed.CurScrn);
    return display.pixels();
}

} // namespace

class TestEnemEd : public QObject {
    Q_OBJECT
private slots:
    // Each file: the list as screen/x/y/type slots, the current screen and enemy, the
    // gestures ("do"), and the list, enemy and screen expected after them.
    void gestures_data() { addCaseRows("enemy-gestures"); }
    void gestures() {
        QFETCH(QString, path);
        const QList<QStringList> lines = caseLines(path);
        QVERIFY(!lines.isEmpty());
        const QString after = caseValue(lines, "after");
        const int enemyAfter = caseValue(lines, "enemy-after").toInt();
        const int screenAfter = caseValue(lines, "screen-after").toInt();
        FakeHub hub;
        hub.ed = enemyLevel(kMM3);
        Editor& ed = hub.ed;
        writeSprite(ed, 0, {{1, 0, -4, -4}, {2, 1, 4, 4}});
        setEnemies(ed, caseValue(lines, "list"));
        const QString before = enemies(ed);
        ed.CurScrn = caseValue(lines, "screen").toInt();
        ed.CurEnemy = caseValue(lines, "enemy").toInt();
        EnemEd w(hub);
        // The main window refreshes the window on a screen change.
        hub.onCall = [&](const QString& call) {
            if (call == "Update_Scrn") w.Update_Scrn();
        };
        w.Update();
        w.show();
        auto* pic = w.findChild<PictureArea*>("ScreenPic");
        for (QStringList a : lines) {
            if (a.takeFirst() != "do") continue;
            auto point = [&] { return QPoint(a[1].toInt(), a[2].toInt()); };
            auto spin = [&] { return w.findChild<SpinButton*>(a[1]); };
            if (a[0] == "hover") dragTo(pic, Qt::NoButton, point());
            if (a[0] == "drag") dragTo(pic, Qt::LeftButton, point());
            if (a[0] == "left") QTest::mouseClick(pic, Qt::LeftButton, {}, point());
            if (a[0] == "right") QTest::mouseClick(pic, Qt::RightButton, {}, QPoint(0, 0));
            if (a[0] == "middle") QTest::mouseClick(pic, Qt::MiddleButton, {}, QPoint(0, 0));
            if (a[0] == "key") QTest::keyClick(pic, QKeySequence(a[1])[0].key());
            if (a[0] == "type") w.findChild<QLineEdit*>(a[1])->setText(a[2]);
            if (a[0] == "cell") { // another structure in a cell, drawn under the enemies
                setScreenCell(ed, ed.CurScrn, a[1].toInt(), a[2].toInt(), a[3].toInt());
                w.Update_ScrnStr(a[1].toInt(), a[2].toInt());
            }
            if (a[0] == "up") spin()->upButton()->click();
            if (a[0] == "down") spin()->downButton()->click();
        }
        QCOMPARE(enemies(ed), after == "same" ? before : after);
        QCOMPARE(ed.CurEnemy, enemyAfter);
        QCOMPARE(ed.CurScrn, screenAfter);
        QCOMPARE(w.findChild<QLineEdit*>("CurScrnTB")->text(),
                 QString::number(screenAfter, 16).toUpper());
        QCOMPARE(w.findChild<QLineEdit*>("XTB")->text().toInt(nullptr, 16),
                 enemyX(ed, ed.CurEnemy));
        QVERIFY(w.background().pixels() != w.display().pixels() ||
                enemiesOnScreen(ed, ed.CurScrn).empty());
        QVERIFY(w.display().pixels() == freshPicture(ed));
    }

    // On the demo: Shift+E opens it beside the Screen Editor, and an enemy number on
    // another screen moves both windows there.
    void withTheRealMainWindow() {
        DemoHome home("mm5");
        Orvane_Main main(home.options());
        QVERIFY(home.isValid() && main.startUp());
        main.paletteTimer()->stop();
        Editor& ed = main.editor();
        QTest::keyClick(&main, Qt::Key_S, Qt::ShiftModifier);
        QTest::keyClick(&main, Qt::Key_E, Qt::ShiftModifier);
        auto* w = qobject_cast<EnemEd*>(main.shownWindow(WindowId::EnemEd));
        QVERIFY(w && w->display().pixels() == freshPicture(ed));
        int n = 0;
        while (enemyScreen(ed, n) == ed.CurScrn)
            ++n;
        w->findChild<QLineEdit*>("CurEnemTB")->setText(QString::number(n));
        QCOMPARE(ed.CurScrn, enemyScreen(ed, n));
        QCOMPARE(main.shownWindow(WindowId::ScreenEd)->findChild<QLineEdit*>("CurScrnTB")->text(),
                 QString::number(ed.CurScrn, 16).toUpper());
        QVERIFY(w->display().pixels() == freshPicture(ed));

        // A colour picked in the Palette Chart for swatch 1 goes where the section's
        // sprite colours came from.
        QTest::mouseClick(w->findChild<PictureArea*>("PalPic"), Qt::LeftButton, {}, QPoint(40, 9));
        w->findChild<QPushButton*>("PCShowCmd")->click();
        ToolWindow* chart = main.shownWindow(WindowId::PalChart);
        QVERIFY(chart);
        QTest::mouseClick(chart->findChild<QWidget*>("PalChartPic"), Qt::LeftButton, {},
                          QPoint(5 * 16 + 8, 2 * 16 + 8));
        QCOMPARE(int(ed.byte(ed.SprColPos[1])), 0x1A);
        QCOMPARE(w->swatches().colours()[73], ed.NesPal[0x1A]);
    }
};

QTEST_MAIN(TestEnemEd)
#include "test_enemed.moc"
