// The Enemy Editor driven as a person drives it: hovering, pressing and dragging on the
// picture, keys, typing into the fields and clicking the spin buttons; then the enemy
// list's ROM bytes, the current enemy and screen, and the picture are checked.
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QtTest>

#include "core/enemyedit/GraphicsSets.h"
#include "core/mapedit/ScreenDrawing.h"
#include "core/render/Colours.h"
#include "core/render/SpriteSetup.h"
#include "core/support/EnemyLevel.h"
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

// A hub whose sprite set-up and colour copy do what the main window's do.
void loadSprites(FakeHub& hub, EnemEd& w) {
    hub.onCall = [&](const QString& call) {
        if (call == "SprCHRPALSetup") SprCHRPALSetup(hub.ed);
        if (call == "SprCHRPALSetup" || call == "paletteEdited(Colours)") Update_Global_Pal(hub.ed);
        if (call == "Update_Scrn") w.Update_Scrn();
    };
}

void clickRow(QListWidget* list, int row) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
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
        hub.ed = makeEnemyLevel(kMM3);
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
                ed.setByte(screenCellPosition(ed, a[1].toInt(), a[2].toInt()), a[3].toInt());
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
        QVERIFY(ed.Bitmaps[kBmpEnemEdClean].pixels() != ed.Bitmaps[kBmpEnemEd].pixels() ||
                enemiesOnScreen(ed, ed.CurScrn).empty());
        QVERIFY(ed.Bitmaps[kBmpEnemEd].pixels() == freshPicture(ed));
    }

    // Sections 0 and 1 share graphics set 1: Bank 0 typed for section 0 changes the
    // sprite tiles of both, the enemy is drawn with the new tiles, a swatch pressed twice
    // steps its colour in the ROM, a listed type goes to the current enemy.
    void graphicsSetPanel() {
        FakeHub hub;
        hub.ed = makeEnemyLevel(kMM3);
        Editor& ed = hub.ed;
        setParam(ed, 27, 0x1801);
        addGraphicsSet(ed, 0, 1, 2); // 1 KB banks of the fixture's sprite tiles
        addGraphicsSet(ed, 1, 3, 4);
        setTypeNeeds(ed, 4, 6, 0, 0);
        poke(ed, 0x141, {1, 0, 1, 0});
        writeSprite(ed, 0, {{0x81, 2, 0, 0}, {0xC1, 3, 8, 0}});
        setEnemies(ed, "0/40/40/0");
        EnemEd w(hub);
        loadSprites(hub, w);
        SprCHRPALSetup(ed);
        w.Update();
        const std::vector<uint8_t> before = ed.Bitmaps[kBmpEnemEd].pixels();
        hub.calls.clear();
        w.findChild<QLineEdit*>("Bank0TB")->setText("6");
        QCOMPARE(int(ed.byte(0x171 + 2)), 6);
        QCOMPARE(hub.calls.join(' '), "SprCHRPALSetup Update_Scrn"); // every window follows
        QVERIFY(ed.Bitmaps[kBmpEnemEd].pixels() == freshPicture(ed));
        QVERIFY(ed.Bitmaps[kBmpEnemEd].pixels() != before);
        ed.CurSection = 1;
        SprCHRPALSetup(ed);
        QCOMPARE(ed.TileAddr[384], kChr + 1024 * 6);

        auto* pal = w.findChild<PictureArea*>("PalPic");
        QTest::mouseClick(pal, Qt::LeftButton, {}, QPoint(40, 10));
        QTest::mouseClick(pal, Qt::LeftButton, {}, QPoint(40, 10));
        QCOMPARE(int(ed.byte(0x1801 + 8 + 1)), 1);
        QCOMPARE(ed.Bitmaps[kBmpEnemEdPal].colours()[73], nes(1));

        auto* list = w.findChild<QListWidget*>("GFXEnemList");
        QCOMPARE(list->count(), 1);
        clickRow(list, 0);
        QCOMPARE(enemyType(ed, 0), 4);
    }

    // Removing the second of three favourites: the new second one still gives the type of
    // the old third.
    void favourites() {
        FakeHub hub;
        hub.ed = makeEnemyLevel(kMM3);
        setEnemies(hub.ed, "0/40/40/0");
        EnemEd w(hub);
        w.Update();
        for (const char* type : {"11", "22", "33"}) {
            w.findChild<QLineEdit*>("TypeTB")->setText(type);
            w.findChild<QPushButton*>("AddFavBtn")->click();
        }
        auto* list = w.findChild<QListWidget*>("FavEnemList");
        clickRow(list, 1);
        w.findChild<QPushButton*>("RemFavBtn")->click();
        QCOMPARE(list->count(), 2);
        clickRow(list, 1);
        QCOMPARE(enemyType(hub.ed, 0), 0x33);
    }

    // mm4 effect sprite C5 (slot 5) holding palette animation 5, on enemies 0 and 1.
    void effectSpritePanel() {
        FakeHub hub;
        hub.ed = makeEnemyLevel(kMM4);
        Editor& ed = hub.ed;
        poke(ed, 0x1401 + 5, {0xFE});
        poke(ed, 0x1441 + 5, {0x85});
        setEnemies(ed, "0/10/10/C5 0/40/40/C5 0/80/80/10");
        EnemEd w(hub);
        w.Update();
        w.show();
        auto* panel = w.findChild<QWidget*>("EffSprEdFrame");
        auto field = [&](const QString& name) { return w.findChild<QLineEdit*>(name); };
        // Filling the panel selects slot 2 without writing the byte back.
        QVERIFY(panel->isVisible() && w.findChild<QRadioButton*>("EffSprSlot2")->isChecked());
        QCOMPARE(int(ed.byte(0x1401 + 5)), 0xFE);
        QCOMPARE(field("EffSprTB0")->text(), "5");
        QVERIFY(!field("EffSprTB1")->isEnabled() && !field("EffSprColTB0")->isEnabled());

        w.findChild<QRadioButton*>("EffSprTypeOpt1")->click(); // four-colour palette 5
        QCOMPARE(int(ed.byte(0x1441 + 5)), 0x05);
        QCOMPARE(field("EffSprTB1")->text(), "5");
        field("EffSprColTB2")->setText("7F");
        QCOMPARE(int(ed.byte(0x1481 + 4 * 5 + 2)), 0x3F);
        field("EffSprTB1")->setText("7F");
        w.findChild<SpinButton*>("EffSprUD1")->upButton()->click();
        QCOMPARE(int(ed.byte(0x1441 + 5)), 0x7F);
        w.findChild<QPushButton*>("EffSprAEdBtn")->click();
        QCOMPARE(ed.CurPalAnim, 0x7F);
        QVERIFY(hub.calls.contains("openWindow(PalEd)"));

        // The slot options in the colours of their background palettes, unswapped.
        ed.BmpCols[4 * 1 + 2] = 0x123456;
        w.Update_Global_Pal();
        QCOMPARE(w.findChild<QRadioButton*>("EffSprSlot1")->palette().color(QPalette::Window),
                 QColor(0x12, 0x34, 0x56));

        field("CurEnemTB")->setText("1"); // the same slot
        QCOMPARE(field("EffSprTB1")->text(), "7F");
        field("CurEnemTB")->setText("2");
        QVERIFY(!panel->isVisible());
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
        ToolWindow* w = main.shownWindow(WindowId::EnemEd);
        QVERIFY(w && ed.Bitmaps[kBmpEnemEd].pixels() == freshPicture(ed));
        int n = 0;
        while (enemyScreen(ed, n) == ed.CurScrn)
            ++n;
        w->findChild<QLineEdit*>("CurEnemTB")->setText(QString::number(n));
        QCOMPARE(ed.CurScrn, enemyScreen(ed, n));
        QCOMPARE(main.shownWindow(WindowId::ScreenEd)->findChild<QLineEdit*>("CurScrnTB")->text(),
                 QString::number(ed.CurScrn, 16).toUpper());
        QVERIFY(ed.Bitmaps[kBmpEnemEd].pixels() == freshPicture(ed));

        // A colour picked in the Palette Chart for swatch 1 goes where the section's
        // sprite colours came from.
        QTest::mouseClick(w->findChild<PictureArea*>("PalPic"), Qt::LeftButton, {}, QPoint(40, 9));
        w->findChild<QPushButton*>("PCShowCmd")->click();
        ToolWindow* chart = main.shownWindow(WindowId::PalChart);
        QVERIFY(chart);
        QTest::mouseClick(chart->findChild<QWidget*>("PalChartPic"), Qt::LeftButton, {},
                          QPoint(5 * 16 + 8, 2 * 16 + 8));
        QCOMPARE(int(ed.byte(ed.SprColPos[1])), 0x1A);
        QCOMPARE(ed.Bitmaps[kBmpEnemEdPal].colours()[73], ed.NesPal[0x1A]);
    }
};

QTEST_MAIN(TestEnemEd)
#include "test_enemed.moc"
