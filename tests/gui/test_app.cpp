// The application shell on the real main window over a copy of the demo bundle: start-up
// and its failures, level navigation, the shared keys, Save / Load Backup / Test!, the
// dump and miscellany windows; the Configuration window (every keystroke rewrites
// orvane.cfg); the file dialog's filters; and the hub's refresh chain, with windows that
// record every call standing in for the real ones.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "core/mapedit/ScreenDrawing.h"
#include "core/render/BitmapSet.h"
#include "core/render/LevelSource.h"
#include "core/resdata/DumpPage.h"
#include "core/resdata/PadFile.h"
#include "core/resdata/ResString.h"
#include "gui/app/Config.h"
#include "gui/app/Orvane_Main.h"
#include "gui/app/ToolWindow.h"
#include "gui/app/clsDialog.h"
#include "gui/mapedit/ScreenEd.h"
#include "gui/resdata/DumpRes.h"
#include "gui/support/Harness.h"

using namespace orvane;
using namespace orvane::testing;

namespace {

// The real main window on the demo with orvane.cfg holding `config`, and its
// Configuration window opened as the menu opens it.
struct Opened : StartedMain {
    Config* w = nullptr;
    explicit Opened(const QByteArray& config)
        : StartedMain("mm3", [&](DemoHome& h, StartupOptions&) { h.write("orvane.cfg", config); }) {
        main->openWindow(WindowId::Config);
        w = qobject_cast<Config*>(main->shownWindow(WindowId::Config));
    }
    QLineEdit* field(const char* name) { return child<QLineEdit>(w, name); }
    QByteArray config() const { return home.read("orvane.cfg"); }
};

const QByteArray kConfig("datfile=\"orvane.dat\"\r\npalanim=#0;\r\npalfile=\"nes.pal\"\r\n"
                         "emufname=\"\"\r\n/\r\n");

class HubUnderTest : public Orvane_Main {
public:
    using Orvane_Main::Orvane_Main;
    QStringList log;

protected:
    ToolWindow* makeWindow(WindowId id) override {
        return new RecordingWindow(*this, this, windowName(id), log);
    }
};

// The real hub started on the demo, with these windows opened (in this order) and then
// the `hidden` ones hidden; the log starts empty.
struct Fixture {
    DemoHome home{"mm3"};
    HubUnderTest hub{home.options()};
    Fixture(std::initializer_list<WindowId> open, std::initializer_list<WindowId> hidden) {
        hub.setMessageSink([](const QString& t) { QFAIL(qPrintable(t)); });
        if (!hub.startUp()) qFatal("start-up failed");
        hub.paletteTimer()->stop();
        for (WindowId id : open)
            hub.openWindow(id);
        for (WindowId id : hidden)
            hub.existingWindow(id)->hide();
        hub.log.clear();
    }
};

} // namespace

class TestApp : public QObject {
    Q_OBJECT
private slots:
    // The mode answer is taken in any case; the log holds the ROM, the game and one line
    // per assembled section; the demo configuration starts the animation. mm4 names its ROM
    // relative to the folder the program starts in, which is not its home.
    void startUp() {
        for (const QString mode : {"mm3", "mm4", "mm5"}) {
            StartedMain s(mode, [&](DemoHome& home, StartupOptions& o) {
                o.mode = mode.toUpper();
                if (mode == "mm4") QDir::setCurrent(QDir::tempPath());
                if (mode == "mm4") o.rom = QDir::temp().relativeFilePath(home.romPath());
            });
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
        QTest::addColumn<QString>("file"); // rewritten, removed when empty; "rom": the ROM named
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        QTest::newRow("no configuration") << "orvane.cfg" << QByteArray() << "orvane.cfg";
        QTest::newRow("no datfile entry") << "orvane.cfg" << QByteArray("palanim=#0;\r\n/\r\n")
                                          << "Cant find config ID: datfile\nNo resource data file";
        QTest::newRow("no resource data")
            << "orvane.cfg" << QByteArray("datfile=\"no.dat\"\r\n/\r\n") << "no.dat";
        QTest::newRow("assembler limit")
            << "orvane.dat" << QByteArray("{a !1 }\r\n\r\n%300=a") << "orvane.dat\", line 3";
        QTest::newRow("ROM vanished") << "rom" << QByteArray("gone.nes") << "gone.nes";
    }
    void startUpFailures() {
        QFETCH(QString, file);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        StartedMain s("mm3", [&](DemoHome& home, StartupOptions& o) {
            if (file == "rom")
                o.rom = home.path(bytes);
            else if (bytes.isEmpty())
                QFile::remove(home.path(file));
            else
                home.write(file, bytes);
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
    // Save (F5, with any modifiers) copies the ROM file to backup.rom, then writes the image,
    // leaving no temporary file; Load Backup (F8) takes the first image-size bytes of the
    // backup and touches no file, and the windows show it. Failures name the file and lose
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
        QVERIFY(!QFile::exists(s.home.romPath() + ".orvane-tmp"));
        s.home.write("backup.rom", original + "longer");
        QTest::keyClick(s.main.get(), Qt::Key_S, Qt::ShiftModifier); // the Screen Editor shows
        setScreenCell(ed, ed.CurScrn, 0, 0, ed.tables().screenCell(ed.CurScrn, 0, 0) ^ 1);
        s.main->Update_Scrn();
        child<QAction>(s.main.get(), "File_Back")->trigger();
        QVERIFY(fromBytes(ed.RomImage.bytes()) == original && s.home.read("mm4-demo.nes") == saved);
        WinBitmap screen; // the loaded backup, shown
        screen.InitBitmap(256, 256);
        DrawScreen(screen, currentLevelSource(ed), ed.CurScrn);
        auto* screenEd = qobject_cast<ScreenEd*>(s.main->shownWindow(WindowId::ScreenEd));
        QVERIFY(screenEd && screen.pixels() == screenEd->bitmap().pixels());
        QTest::keyClick(s.main.get(), Qt::Key_F5); // the backup now holds the state saved before
        QVERIFY(s.home.read("backup.rom") == saved && s.home.read("mm4-demo.nes") == original);
        s.home.write("backup.rom", QByteArray(100, 1));
        QTest::keyClick(s.main.get(), Qt::Key_F8);
        QFile::remove(s.home.path("backup.rom"));
        QVERIFY(QDir(s.home.path("")).mkpath("backup.rom/x"));
        ed.setByte(0x100, ed.byte(0x100) ^ 0xFF); // a failed save must not write this
        QTest::keyClick(s.main.get(), Qt::Key_F5);
        QVERIFY(QDir(s.home.path("backup.rom")).removeRecursively());
        QVERIFY(QDir(s.home.path("")).mkpath("mm4-demo.nes.orvane-tmp/x"));
        QTest::keyClick(s.main.get(), Qt::Key_F5);
        QVERIFY(s.home.read("mm4-demo.nes") == original && s.messages.size() == 4);
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
    // Each keystroke is stored at once, the caret staying after it; a double quote is not
    // taken (the file could not hold it); the palette name is stored, not read.
    void typing() {
        Opened o(kConfig);
        QCOMPARE(o.field("PALTB")->cursorPosition(), 1); // a quiet fill of an empty field
        const uint32_t colour = o.main->editor().NesPal[1];
        QTest::keyClicks(o.field("EmuTB"), "xy");
        o.field("EmuTB")->undo(); // refreshes keep the field's own undo (its context menu)
        QVERIFY2(o.config().contains("emufname=\"\""), o.config().constData());
        QTest::keyClicks(o.field("EmuTB"), "ab");
        o.field("EmuTB")->setCursorPosition(1);
        QTest::keyClicks(o.field("EmuTB"), "XY");
        QCOMPARE(o.field("EmuTB")->cursorPosition(), 3);
        o.field("EmuTB")->end(false);
        QTest::keyClicks(o.field("EmuTB"), "\"");
        o.field("PALTB")->selectAll();
        QTest::keyClicks(o.field("PALTB"), "p");
        QCOMPARE(o.config(), QByteArray(kConfig)
                                 .replace("nes.pal", "p")
                                 .replace("emufname=\"\"", "emufname=\"aXYb\""));
        QCOMPARE(o.field("EmuTB")->text(), QString("aXYb"));
        QVERIFY(o.main->editor().NesPal[1] == colour && o.messages.isEmpty());
    }
    // Without an emufname entry each keystroke reports the failed set and lookup, and the
    // field empties again.
    void typingWithoutTheKey() {
        Opened o("datfile=\"orvane.dat\"\r\npalanim=#0;\r\npalfile=\"nes.pal\"\r\n/\r\n");
        QTest::keyClicks(o.field("EmuTB"), "a");
        QCOMPARE(o.messages,
                 QStringList({"Cant find config ID: emufname", "Cant set config ID: emufname",
                              "Cant find config ID: emufname"}));
        QVERIFY(o.field("EmuTB")->text().isEmpty());
    }
    // The box starts clear, so opening with palanim set ticks it, which counts as a click:
    // palanim is stored as 1 and the animation runs. A click switches both.
    void animationSwitch() {
        for (const auto& [palanim, on] : {std::pair{"2", true}, {"0", false}}) {
            Opened o(QByteArray(kConfig).replace("#0", "#" + QByteArray(palanim)));
            QCOMPARE(o.main->paletteTimer()->isActive(), on);
            QVERIFY(o.config().contains(on ? "palanim=#1;" : "palanim=#0;"));
            auto* box = child<QCheckBox>(o.w, "PACheck");
            QTest::mouseClick(box, Qt::LeftButton, {}, box->rect().center());
            QCOMPARE(o.main->paletteTimer()->isActive(), !on);
            QVERIFY(o.config().contains(on ? "palanim=#0;" : "palanim=#1;"));
        }
    }
    // The pickers ask with their title and filter; a chosen file is stored and shown, a
    // cancel changes nothing.
    void pickers() {
        Opened o(kConfig);
        for (const auto& [button, field, title, answer] :
             {std::tuple{"EmuBrowseBtn", "EmuTB", "Pick the Emu..", "/usr/my emu"},
              {"EmuBrowseBtn", "EmuTB", "Pick the Emu..", ""},
              {"PALBrowseBtn", "PALTB", "Pick the Palette..", "/home/u/fceu.pal"}}) {
            QStringList asked;
            o.w->setFilePicker([&](const QString& t, const QString& f) {
                asked << t << f.section('|', 1, 1);
                return QString(answer);
            });
            QTest::mouseClick(child<QPushButton>(o.w, button), Qt::LeftButton);
            QCOMPARE(asked, (QStringList{title, field[0] == 'E' ? "*.exe" : "*.pal"}));
            QCOMPARE(o.field(field)->text(), QString(*answer ? answer : "/usr/my emu"));
        }
        QCOMPARE(o.config(), QByteArray(kConfig)
                                 .replace("nes.pal", "/home/u/fceu.pal")
                                 .replace("emufname=\"\"", "emufname=\"/usr/my emu\""));
    }
    // Keys stay in this window (F5 typing a path must not save); "Reload Now" reads the
    // palette file again and shows its colours.
    void keysAndReload() {
        Opened o(kConfig);
        QTest::keyClick(o.w, Qt::Key_F5);
        QTest::keyClick(o.field("EmuTB"), Qt::Key_F9);
        QVERIFY(!QFile::exists(o.home.path("backup.rom")) && o.messages.isEmpty());
        o.home.write("nes.pal", QByteArray("\x01\x02\x03\x04\x05\x06", 6));
        QTest::mouseClick(child<QPushButton>(o.w, "PALReloadBtn"), Qt::LeftButton);
        const Editor& ed = o.main->editor();
        QVERIFY(ed.NesPal[1] == 0x040506u && ed.NesPal[2] == 0);
    }
    // The file dialog's filters in Qt's spelling: tests/data/tables/dialog-filters.txt.
    void dialogFilters() {
        for (const auto& [filter, qt] : quotedRows("tables/dialog-filters.txt"))
            QCOMPARE(clsDialog::nameFilters(filter), qt.split(';', Qt::SkipEmptyParts));
    }
    // The hub's refresh chain: the calls of tests/data/refresh/chain.txt.
    void forwardsToShownWindowsInOrder() {
        Fixture f({}, {});
        HubUnderTest& hub = f.hub;
        Editor& ed = hub.editor();
        const auto window = [](const QString& name) {
            int id = 0;
            while (windowName(WindowId(id)) != name)
                ++id;
            return WindowId(id);
        };
        for (const QString& line :
             QString::fromLatin1(readFile(dataFiles("refresh")[0])).split('\n')) {
            const QStringList call = words(line.section("->", 0, 0));
            if (call.isEmpty() || call[0].startsWith('#')) continue;
            for (const QString& w : call.mid(1))
                if (call[0] == "open")
                    hub.openWindow(window(w));
                else if (call[0] == "hide")
                    hub.existingWindow(window(w))->hide();
            hub.log.clear();
            ed.PalAnimWait.fill(3);
            const int a = call.value(1).toInt(), b = call.value(2).toInt();
            const std::map<QString, std::function<void()>> calls = {
                {"Update_Block", [&] { hub.Update_Block(a); }},
                {"Update_StrBlock", [&] { hub.Update_StrBlock(a, b); }},
                {"Update_ScrnStr", [&] { hub.Update_ScrnStr(a, b); }},
                {"Update_BGPal", [&] { hub.Update_BGPal(a, b); }},
                {"Update_Scrn", [&] { hub.Update_Scrn(); }},
                {"Update_Level", [&] { hub.Update_Level(); }},
                {"Update_Global_Pal", [&] { hub.Update_Global_Pal(); }}};
            if (!line.contains("->")) continue;
            calls.at(call[0])();
            if (ed.PalAnimWait == std::array<int, 4>{}) hub.log << "restarted";
            QCOMPARE(hub.log.join(' '), line.section("->", 1).simplified());
        }
    }
    // The animation tick shows the pictures of every existing window, shown or not, in its
    // fixed order, after copying the colours; and does nothing when no frame advances.
    void animationTickShowsPictures() {
        Fixture f({WindowId::StrTable, WindowId::ScreenEd, WindowId::TSATable, WindowId::PalEd},
                  {WindowId::ScreenEd});
        Editor& ed = f.hub.editor();
        ed.PalAnimId.fill(0);
        QVERIFY(!f.hub.paletteAnimationTick() && f.hub.log.isEmpty());
        // Animation 0 of this game: two frames, no delay, from slot 9, on palette 2.
        testing::poke(ed, 75281, {0});
        testing::poke(ed, 75295, {1, 0, 9, 1, 2});
        ed.PalAnimId[2] = 0x80;
        const SharedColourBitmap bitmap(ed.Bitmaps);
        QVERIFY(f.hub.paletteAnimationTick());
        QCOMPARE(f.hub.log,
                 (QStringList{"PalEd.showAnimatedPictures", "TSATable.showAnimatedPictures",
                              "StrTable.showAnimatedPictures", "ScreenEd.showAnimatedPictures"}));
        for (int j = 0; j < 3; ++j)
            QCOMPARE(bitmap.colours()[size_t(9 + j)], ed.NesPal[ed.byte(75167 + 6 + j)]);
    }
    // A level load loads the section's palette record even where an mm4 section's palette
    // byte 0 keeps the colours it was entered with; a screen refresh after it keeps them.
    void levelLoadLoadsThePaletteRecordOnce() {
        StartedMain s("mm4");
        QVERIFY(s.main);
        Editor& ed = s.main->editor();
        int screen = 0;
        while (screen < 256 && sectionOfScreen(ed.tables(), screen).section != 1)
            ++screen;
        QVERIFY(screen < 256);
        setSectionSetting(ed, 1, 0, 0);
        ed.CurScrn = screen;
        ed.CurBGPal = 5;
        s.main->Update_Scrn();
        QCOMPARE(ed.CurBGPal, 5);
        s.main->Update_Level();
        QCOMPARE(ed.CurBGPal, 0);
        ed.CurBGPal = 5;
        s.main->Update_Scrn();
        QCOMPARE(ed.CurBGPal, 5);
    }
};

QTEST_MAIN(TestApp)
#include "test_app.moc"
