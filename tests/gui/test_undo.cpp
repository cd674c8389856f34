// Undo and redo through the real main window on the demo bundle: gestures in the tool
// windows become steps, Ctrl+Z and Ctrl+Y bring back bytes and pictures everywhere, the
// caption marks unsaved edits, and closing with unsaved edits asks first.
#include <QAbstractButton>
#include <QLineEdit>
#include <QStatusBar>
#include <QtTest>

#include "core/app/FileIO.h"
#include "core/mapedit/ScreenDrawing.h"
#include "core/mapedit/ScreenSettings.h"
#include "gui/app/Orvane_Main.h"
#include "gui/render/PictureArea.h"
#include "gui/support/Harness.h"

using namespace orvane;
using namespace orvane::testing;

namespace {

// The editor started on a private copy of the mm3 demo.
struct Session {
    DemoHome home{"mm3"};
    Orvane_Main main{home.options()};
    bool ok = false;
    Session() {
        main.setMessageSink([](const QString&) {});
        ok = home.isValid() && main.startUp();
        main.paletteTimer()->stop(); // pictures compared pixel for pixel keep their colours
        main.show();
    }
    QString status() { return main.statusBar()->currentMessage(); }
    bool marked() { return main.isWindowModified() && main.windowHandle()->title().endsWith('*'); }
    // Every picture of the tool windows (all shown), by window and picture name.
    QMap<QString, QImage> pictures() {
        QMap<QString, QImage> shown;
        for (PictureArea* p : main.findChildren<PictureArea*>())
            shown[p->window()->objectName() + "." + p->objectName()] = p->shownImage().copy();
        return shown;
    }
};

} // namespace

class TestUndo : public QObject {
    Q_OBJECT
private slots:
    // Load Backup, a paint stroke and keystrokes typed into one field are one step each;
    // Ctrl+Z takes them back to the opened file (bytes, pixels, field, tile addresses,
    // caption mark), Ctrl+Y brings them again, and the mark follows saving.
    void gesturesUndoneToTheOpenedFileAndRedone() {
        Session s;
        QVERIFY(s.ok);
        Editor& ed = s.main.editor();
        while (ed.tables().screenPreset(ed.CurScrn) == 0) // the "0" typed below is a change
            ++ed.CurScrn;
        s.main.selection().CurStrRow = s.main.selection().CurStrCol = 15;
        s.main.openWindow(WindowId::ScreenEd);
        auto* pic = s.main.findChild<PictureArea*>("ScreenPic");
        auto* field = s.main.findChild<QLineEdit*>("ScrnPresTB");
        auto state = [&] {
            return std::tuple(ed.RomImage.bytes(), pic->shownImage().copy(), field->text(),
                              ed.TileAddr, s.marked());
        };
        const auto opened = state();
        // A backup that differs in two bytes and the level's first background CHR bank, so
        // the level's tiles come from elsewhere while it is loaded.
        auto backup = std::get<0>(opened);
        for (int64_t pos : {int64_t(100), int64_t(5000), ed.LevelBase + ed.Pr(25)})
            backup[size_t(pos - 1)] ^= 0x01;
        QVERIFY(writeFileAtomically(s.home.path("backup.rom").toStdString(), backup));
        QTest::keyClick(&s.main, Qt::Key_F8);
        QCOMPARE(s.status(), QString("Loaded backup.rom: 3 bytes differ"));
        const auto loaded = state();
        QVERIFY(std::get<0>(loaded) == backup && std::get<3>(loaded) != std::get<3>(opened));

        press(pic, Qt::LeftButton, {16, 16});
        for (QPoint at : {QPoint(48, 16), QPoint(48, 48)})
            dragTo(pic, Qt::LeftButton, at);
        release(pic, Qt::LeftButton, {48, 48});
        const auto painted = state();
        field->selectAll();
        QTest::keyClicks(field, field->text() == "1" ? "02" : "01");
        const auto typed = state();
        s.main.SetConfigText("emufname", "/bin/true");
        QTest::keyClick(&s.main, Qt::Key_F9);
        QVERIFY(s.status().startsWith("The emulator runs the saved mm3-demo.nes"));

        // Ctrl+Z in the field: the editor's undo, not the field's.
        QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(state() == painted && s.status() == "Undid Screen Editor edit");
        QTest::keyClick(pic, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(state() == loaded);
        QTest::keyClick(pic, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(state() == opened && s.status() == "Undid Load Backup");
        QTest::keyClick(pic, Qt::Key_Y, Qt::ControlModifier);
        QTest::keyClick(pic, Qt::Key_Y, Qt::ControlModifier);
        QTest::keyClick(pic, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(state() == typed);

        QTest::keyClick(pic, Qt::Key_F5);
        QCOMPARE(s.status(), QString("Saved mm3-demo.nes (backup in backup.rom)"));
        QVERIFY(!s.marked() && readWholeFile(s.home.romPath().toStdString()) == std::get<0>(typed));
        QTest::keyClick(pic, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(s.marked());
        QTest::keyClick(pic, Qt::Key_Y, Qt::ControlModifier);
        QVERIFY(!s.marked());
    }

    // A TSA Table paint reaches every shown window; its undo, from the Edit menu, puts
    // every picture back. So does the undo of an Enemy Editor key.
    void tsaEditUndoneInEveryShownWindow() {
        Session s;
        QVERIFY(s.ok);
        Editor& ed = s.main.editor();
        // The block in the screen's first cell, painted with a tile it does not hold.
        const int block = ed.byte(ed.P(5) + 4 * ed.tables().screenCell(ed.CurScrn, 0, 0));
        const int tile = (ed.byte(ed.P(3) + block) + 1) & 0xFF;
        s.main.selection().TileSelA = tile / 16;
        s.main.selection().TileSelB = tile % 16;
        for (WindowId id : {WindowId::PalEd, WindowId::TileTable, WindowId::TSATable,
                            WindowId::StrTable, WindowId::ScreenEd, WindowId::EnemEd})
            s.main.openWindow(id);
        const auto before = s.pictures();
        QWidget* pic = s.main.findChild<QWidget*>("tsapic");
        const QPoint at(16 * (block % 16) + 2, 16 * (block / 16) + 2);
        press(pic, Qt::RightButton, at);
        release(pic, Qt::RightButton, at);
        const auto edited = s.pictures();
        for (const char* name :
             {"TSATable.tsapic", "StrTable.StrPic", "ScreenEd.ScreenPic", "EnemEd.ScreenPic"})
            QVERIFY2(edited[name] != before[name], name);

        auto* undo = s.main.findChild<QAction*>("Edit_Undo");
        QCOMPARE(undo->text(), QString("Undo TSA Table edit\tCtrl+Z"));
        undo->trigger();
        QVERIFY(s.pictures() == before && !undo->isEnabled());
        // A window built after the history (Delete removes the current enemy) gets it too.
        QTest::keyClick(s.main.findChild<QWidget*>("EnemEd")->findChild<QWidget*>("ScreenPic"),
                        Qt::Key_Delete);
        QTRY_COMPARE(undo->text(), QString("Undo Enemy Editor edit\tCtrl+Z"));
        undo->trigger();
        QCOMPARE(s.pictures(), before);
    }

    // Closing asks only with unsaved edits; each answer, given in the real box, does what
    // it says, and a save that fails keeps the program (and the edits) alive.
    void exitQuestion() {
        using Box = QMessageBox;
        for (auto [answer, saveFails] : {std::pair{Box::Save, false},
                                         {Box::Discard, false},
                                         {Box::Cancel, false},
                                         {Box::Save, true}}) {
            Session s;
            QVERIFY(s.ok);
            if (saveFails) QVERIFY(QDir(s.home.path("")).mkpath("backup.rom/x"));
            QStringList asked;
            QTimer driver;
            QObject::connect(&driver, &QTimer::timeout, [&] {
                if (auto* box = qobject_cast<Box*>(QApplication::activeModalWidget())) {
                    asked << box->text();
                    box->button(answer)->click();
                }
            });
            driver.start(10);
            QVERIFY(s.main.close() && asked.isEmpty()); // nothing unsaved, nothing asked
            s.main.show();
            s.main.editor().setByte(300, s.main.editor().byte(300) ^ 1);
            const bool saved = answer == Box::Save && !saveFails;
            QCOMPARE(s.main.close(), saved || answer == Box::Discard);
            QCOMPARE(asked, QStringList{"Save changes to mm3-demo.nes?"});
            QVERIFY((readWholeFile(s.home.romPath().toStdString()) ==
                     s.main.editor().RomImage.bytes()) == saved);
            QCOMPARE(QFileInfo(s.home.path("backup.rom")).isFile(), saved);
        }
    }
};

QTEST_MAIN(TestUndo)
#include "test_undo.moc"
