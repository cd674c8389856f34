// The real main window on a copy of the demo bundle: start-up and its failures, level
// navigation, the shared keys, Save / Load Backup / Test!, and the dump and miscellany
// windows.
#include <QAction>
#include <QComboBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "core/resdata/DumpPage.h"
#include "core/resdata/PadFile.h"
#include "core/resdata/ResString.h"
#include "gui/app/Orvane_Main.h"
#include "gui/resdata/DumpRes.h"
#include "gui/support/Harness.h"

using namespace orvane;
using namespace orvane::testing;

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    // The mode answer is taken in any case; the log holds the ROM, the game and one line
    // per assembled section; the demo configuration starts the animation.
    void startUp() {
        for (const QString mode : {"mm3", "mm4", "mm5"}) {
            StartedMain s(mode, [&](DemoHome&, StartupOptions& o) { o.mode = mode.toUpper(); });
            QVERIFY2(s.main, qPrintable(s.messages.join('\n')));
            const QStringList log = s.main->logLines();
            QCOMPARE(log.mid(0, 3), (QStringList{"Opened \"" + s.home.romPath() + "\"",
                                                 "Editing mode: Megaman " + mode.right(1), "--"}));
            QCOMPARE(log.size(), 3 + s.main->editor().Res->ResSectionCount);
            for (const QString& line : log.mid(3))
                QVERIFY2(QRegularExpression("^\\$[0-9A-F]+: [a-z0-9_&]*$").match(line).hasMatch(),
                         qPrintable(line));
            QVERIFY(s.animating && s.messages.isEmpty() &&
                    s.main->paletteTimer()->interval() == 15);
        }
    }
    // Each failed start-up ends with a non-zero status and a message naming what failed.
    void startUpFailures_data() {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("message");
        QTest::newRow("no configuration") << "rm orvane.cfg"
                                          << "orvane.cfg";
        QTest::newRow("no datfile entry") << "cfg palfile"
                                          << "Cant find config ID: datfile";
        QTest::newRow("no resource data") << "cfg datfile=missing.dat"
                                          << "missing.dat";
        QTest::newRow("assembler limit") << "dat {a !1 }\r\n\r\n%300=a"
                                         << "bad.dat\", line 3";
        QTest::newRow("ROM vanished") << "rom gone.nes"
                                      << "gone.nes";
    }
    void startUpFailures() {
        QFETCH(QString, change);
        QFETCH(QString, message);
        const QString what = change.section(' ', 1);
        StartedMain s("mm3", [&](DemoHome& home, StartupOptions& o) {
            if (change.startsWith("rm")) QFile::remove(home.path(what));
            if (change.startsWith("cfg"))
                home.writeConfig({{what.section('=', 0, 0), what.section('=', 1)}});
            if (change.startsWith("dat")) home.write("bad.dat", what.toLatin1());
            if (change.startsWith("dat")) home.writeConfig({{"datfile", "bad.dat"}});
            if (change.startsWith("rom")) o.rom = home.path(what);
        });
        QVERIFY(!s.main && s.exitCode != 0);
        QVERIFY2(s.messages.join('\n').contains(message), qPrintable(s.messages.join('\n')));
    }
    // Without options the two questions are asked in boxes; cancelling the ROM dialog ends
    // the program quietly, touching no file.
    void questionsAskedWithoutOptions() {
        DemoHome home("mm5");
        StartupOptions o;
        o.home = home.path("");
        Orvane_Main w(o);
        QStringList seen;
        w.setMessageSink([&](const QString& t) { seen << "message " + t; });
        QTimer driver;
        QObject::connect(&driver, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* input = qobject_cast<QInputDialog*>(modal)) {
                seen << input->labelText();
                input->setTextValue("MM5");
                input->accept();
            } else if (auto* files = qobject_cast<QFileDialog*>(modal)) {
                seen << files->windowTitle() << files->nameFilters().join(';')
                     << files->directory().absolutePath();
                files->reject();
            }
        });
        driver.start(20);
        QVERIFY(!w.startUp() && w.exitCode() == 0 && w.logLines().isEmpty());
        QCOMPARE(seen, (QStringList{"Input Editing Mode ('mm3', 'mm4' or 'mm5').",
                                    "Select Megaman 5 ROM", "nes roms (*.nes);all files (*)",
                                    QDir(home.path("")).absolutePath()}));
        QVERIFY(!QFile::exists(home.path("backup.rom")));
    }
    // F6 and F7 (whatever the modifiers), and the menu, stop at the first and last level;
    // Shift alone with T, B, R, S opens a tool window.
    void keysAndLevels() {
        StartedMain s("mm5");
        const Editor& ed = s.main->editor();
        const int64_t base0 = ed.LevelBase;
        QTest::keyClick(s.main.get(), Qt::Key_F6);
        for (int n = 1; n <= ed.lastLevel() + 1; ++n)
            QTest::keyClick(s.main.get(), Qt::Key_F7, n % 2 ? Qt::AltModifier : Qt::NoModifier);
        QCOMPARE(std::make_pair(ed.CurLevel, ed.LevelBase),
                 std::make_pair(ed.lastLevel(), base0 + 8192 * ed.lastLevel()));
        child<QAction>(s.main.get(), "Level_Previous")->trigger();
        QCOMPARE(ed.CurLevel, ed.lastLevel() - 1);
        for (int n = 0; n <= ed.lastLevel(); ++n)
            QTest::keyClick(s.main.get(), Qt::Key_F6, Qt::ControlModifier);
        QCOMPARE(std::make_pair(ed.CurLevel, ed.LevelBase), std::make_pair(0, base0));
        for (const auto& [key, id] : {std::pair{Qt::Key_T, WindowId::TileTable},
                                      {Qt::Key_B, WindowId::TSATable},
                                      {Qt::Key_R, WindowId::StrTable},
                                      {Qt::Key_S, WindowId::ScreenEd}}) {
            for (auto m : {Qt::KeyboardModifiers(), Qt::ShiftModifier | Qt::ControlModifier,
                           Qt::ShiftModifier | Qt::AltModifier})
                QTest::keyClick(s.main.get(), key, m);
            QVERIFY(!s.main->existingWindow(id));
            QTest::keyClick(s.main.get(), key, Qt::ShiftModifier);
            QVERIFY(s.main->shownWindow(id));
        }
    }
    // Save (F5, with any modifiers) copies the ROM file to backup.rom, then writes the image;
    // Load Backup (F8) reads it back and touches no file. Failures name the file and lose
    // nothing: no backup, a backup too short, backup.rom a folder, and a folder where the
    // new ROM file would go.
    void saveAndLoadBackup() {
        StartedMain s("mm4");
        Editor& ed = s.main->editor();
        const QByteArray original = s.home.read("mm4-demo.nes");
        QTest::keyClick(s.main.get(), Qt::Key_F8);
        ed.setByte(0x100, ed.byte(0x100) ^ 0xFF);
        QTest::keyClick(s.main.get(), Qt::Key_F5, Qt::ControlModifier | Qt::ShiftModifier);
        const QByteArray saved = fromBytes(ed.RomImage.bytes());
        QVERIFY(s.home.read("mm4-demo.nes") == saved && s.home.read("backup.rom") == original);
        ed.setByte(0x300, 1);
        child<QAction>(s.main.get(), "File_Back")->trigger();
        QVERIFY(fromBytes(ed.RomImage.bytes()) == original && s.home.read("mm4-demo.nes") == saved);
        s.home.write("backup.rom", QByteArray(100, 1));
        QTest::keyClick(s.main.get(), Qt::Key_F8);
        QFile::remove(s.home.path("backup.rom"));
        QVERIFY(QDir(s.home.path("")).mkpath("backup.rom/x"));
        QTest::keyClick(s.main.get(), Qt::Key_F5);
        QVERIFY(QDir(s.home.path("backup.rom")).removeRecursively());
        QVERIFY(QDir(s.home.path("")).mkpath("mm4-demo.nes.orvane-tmp/x"));
        QTest::keyClick(s.main.get(), Qt::Key_F5);
        QVERIFY(fromBytes(ed.RomImage.bytes()) == original && s.home.read("mm4-demo.nes") == saved);
        QCOMPARE(s.messages.size(), 4);
        QCOMPARE(s.messages[0], QString("No backup!"));
        QVERIFY(s.messages[1].contains(s.home.path("backup.rom")) &&
                s.messages[2].contains(s.home.path("backup.rom")));
        QVERIFY(s.messages[3].contains(s.home.romPath()));
    }
    // Test! starts the configured program with the ROM path as its one argument.
    void testStartsTheEmulator() {
        StartedMain s("mm3");
        QVERIFY(QDir(s.home.path("")).mkpath("my emu"));
        const QString record = s.home.path("args.txt");
        s.home.write("my emu/fake emu.sh",
                     QString("#!/bin/sh\nfor a in \"$@\"; do echo \"$a\"; done > '%1.part'\n"
                             "mv '%1.part' '%1'\n")
                         .arg(record)
                         .toLocal8Bit());
        QFile::setPermissions(s.home.path("my emu/fake emu.sh"),
                              QFile::ReadOwner | QFile::ExeOwner);
        s.main->SetConfigText("emufname", s.home.path("my emu/fake emu.sh"));
        QTest::keyClick(s.main.get(), Qt::Key_F9);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(record), 10000);
        QCOMPARE(QString::fromLocal8Bit(s.home.read("args.txt")), s.home.romPath() + "\n");
        s.main->SetConfigText("emufname", s.home.path("no such emulator"));
        child<QAction>(s.main.get(), "Tools_Test")->trigger();
        s.main->SetConfigText("emufname", "");
        QTest::keyClick(s.main.get(), Qt::Key_F9);
        QCOMPARE(s.messages.size(), 2);
        QVERIFY(s.messages[0].contains("no such emulator"));
        QCOMPARE(s.messages[1], QString("Set Emulator location in Config first!"));
    }
    // The dump window pages with its keys (which go no further: F5 does not save), shows
    // characters, and writes orvane.pad; the miscellany window lists the game's tracks and
    // is made again after closing.
    void dumpAndMiscellany() {
        StartedMain s("mm4");
        const Editor& ed = s.main->editor();
        child<QPushButton>(s.main.get(), "Command1")->click();
        auto* dump = qobject_cast<DumpRes*>(s.main->shownWindow(WindowId::DumpRes));
        for (const auto& [key, page] : {std::pair{Qt::Key_PageUp, 0},
                                        {Qt::Key_PageDown, 1},
                                        {Qt::Key_End, 511},
                                        {Qt::Key_PageDown, 511},
                                        {Qt::Key_Home, 0}}) {
            QTest::keyClick(dump, key);
            QCOMPARE(dump->page(), page);
        }
        QCOMPARE(dump->shownLines(), dumpPageText(*ed.Res, 0, DumpMode::Hex));
        child<QPushButton>(dump, "Ascdo")->click();
        QCOMPARE(dump->shownLines(), dumpPageText(*ed.Res, 0, DumpMode::Chars));
        QTest::keyClick(dump, Qt::Key_F5);
        child<QPushButton>(dump, "Dumpdo")->click();
        QVERIFY(!QFile::exists(s.home.path("backup.rom")) &&
                s.home.read("orvane.pad") == fromBytes(padFileBytes(*ed.Res)));
        child<QAction>(s.main.get(), "Level_Misc")->trigger();
        auto* combo = child<QComboBox>(s.main->shownWindow(WindowId::MiscEd), "MusicCombo");
        QVERIFY(combo->count() == ed.P(57) && combo->currentIndex() == -1);
        QCOMPARE(combo->itemText(combo->count() - 1).toStdString(),
                 ResString(*ed.Res, ed.R(27, ed.P(57) - 1)));
        s.main->shownWindow(WindowId::MiscEd)->close();
        QTRY_VERIFY(!s.main->existingWindow(WindowId::MiscEd));
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
