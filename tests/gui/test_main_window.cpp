// The real main window started against the demo bundle: start-up and its failures, the
// log, level navigation, the shared keys, Save / Load Backup / Test!, and the dump and
// miscellany windows.
#include <QAction>
#include <QComboBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "core/app/FileIO.h"
#include "core/resdata/HexVal.h"
#include "core/resdata/PadFile.h"
#include "core/resdata/ResString.h"
#include "gui/app/Orvane_Main.h"
#include "gui/app/ToolWindow.h"
#include "gui/resdata/DumpRes.h"
#include "support/DemoHome.h"

using namespace orvane;

namespace {

// The real main window, recording which tool windows the keys ask to open.
class RecordingMain : public Orvane_Main {
public:
    using Orvane_Main::Orvane_Main;
    QList<WindowId> opened;
    void openWindow(WindowId id) override {
        opened << id;
        Orvane_Main::openWindow(id);
    }
};

std::vector<uint8_t> fileBytes(const QString& path) {
    return readWholeFile(path.toStdString()).value_or(std::vector<uint8_t>{});
}

struct Started {
    std::unique_ptr<DemoHome> home;
    std::unique_ptr<RecordingMain> main;
    QStringList messages;
    bool ok = false;
};

// `answer`, when given, is passed as the mode answer instead of `mode`.
std::unique_ptr<Started> start(const QString& mode, const QString& answer = {}) {
    auto s = std::make_unique<Started>();
    s->home = std::make_unique<DemoHome>(mode);
    StartupOptions o = s->home->options();
    if (!answer.isEmpty()) o.mode = answer;
    s->main = std::make_unique<RecordingMain>(o);
    s->main->setMessageSink([p = s.get()](const QString& text) { p->messages << text; });
    s->ok = s->home->isValid() && s->main->startUp();
    return s;
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void startUpLogsHeaderAndSections_data() {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<int>("game");
        QTest::newRow("mm3") << "mm3" << 3;
        QTest::newRow("mm4") << "mm4" << 4;
        QTest::newRow("mm5") << "mm5" << 5;
    }
    void startUpLogsHeaderAndSections() {
        QFETCH(QString, mode);
        QFETCH(int, game);
        auto s = start(mode, mode.toUpper()); // the answer is taken in any case
        QVERIFY2(s->ok, qPrintable(s->messages.join('\n')));
        Orvane_Main& w = *s->main;
        QCOMPARE(w.windowTitle(), QString("Orvane - version 0.3[*]"));
        QCOMPARE(w.editor().EditMode, game - 3);
        const QStringList log = w.logLines();
        QCOMPARE(log.value(0), "Opened \"" + s->home->romPath() + "\"");
        QCOMPARE(log.value(1), QString("Editing mode: Megaman %1").arg(game));
        QCOMPARE(log.value(2), QString("--"));
        // One "$start: name" line per assembled section, in order, and nothing else.
        const QStringList sections = log.mid(3);
        QCOMPARE(sections.size(), w.editor().Res->ResSectionCount);
        const QRegularExpression line("^\\$[0-9A-F]+: [a-z0-9_&]*$");
        for (const QString& l : sections)
            QVERIFY2(line.match(l).hasMatch(), qPrintable(l));
        QCOMPARE(w.editor().RomImage.size(), int64_t(QFileInfo(s->home->romPath()).size()));
        QCOMPARE(w.editor().CurLevel, 0);
        QVERIFY(s->messages.isEmpty());
        QVERIFY(w.paletteTimer()->isActive()); // the demo configuration has palanim 1
        QCOMPARE(w.paletteTimer()->interval(), 15);
    }

    void nextAndPreviousStopAtBothEnds() {
        auto s = start("mm5");
        QVERIFY(s->ok);
        Orvane_Main& w = *s->main;
        Editor& ed = w.editor();
        const int last = ed.lastLevel();
        QVERIFY(last >= 2);
        const int64_t base0 = ed.LevelBase;

        QTest::keyClick(&w, Qt::Key_F6); // already at level 0
        QCOMPARE(ed.CurLevel, 0);
        for (int n = 1; n <= last; ++n) {
            QTest::keyClick(&w, Qt::Key_F7);
            QCOMPARE(ed.CurLevel, n);
            QCOMPARE(ed.LevelBase, base0 + 8192 * n);
        }
        QTest::keyClick(&w, Qt::Key_F7); // at the last level: nothing
        QCOMPARE(ed.CurLevel, last);
        w.findChild<QAction*>("Level_Previous")->trigger();
        QCOMPARE(ed.CurLevel, last - 1);
        w.findChild<QAction*>("Level_Next")->trigger();
        w.findChild<QAction*>("Level_Next")->trigger();
        QCOMPARE(ed.CurLevel, last);
        for (int n = last; n > 0; --n)
            QTest::keyClick(&w, Qt::Key_F6);
        QCOMPARE(ed.CurLevel, 0);
        QCOMPARE(ed.LevelBase, base0);
        QTest::keyClick(&w, Qt::Key_F6);
        QCOMPARE(ed.CurLevel, 0);
    }

    void globalKeyDownMatrix() {
        auto s = start("mm3");
        QVERIFY(s->ok);
        RecordingMain& w = *s->main;
        const struct {
            Qt::Key key;
            WindowId id;
        } letters[] = {{Qt::Key_P, WindowId::PalEd},    {Qt::Key_T, WindowId::TileTable},
                       {Qt::Key_B, WindowId::TSATable}, {Qt::Key_R, WindowId::StrTable},
                       {Qt::Key_S, WindowId::ScreenEd}, {Qt::Key_E, WindowId::EnemEd}};
        for (const auto& l : letters) {
            w.opened.clear();
            QTest::keyClick(&w, l.key, Qt::ShiftModifier);
            QCOMPARE(w.opened, QList<WindowId>{l.id});
            w.opened.clear();
            QTest::keyClick(&w, l.key, Qt::ShiftModifier | Qt::ControlModifier); // not Shift alone
            QTest::keyClick(&w, l.key, Qt::ShiftModifier | Qt::AltModifier);
            QTest::keyClick(&w, l.key);
            QVERIFY(w.opened.isEmpty());
        }
        // Other letters with Shift open nothing.
        QTest::keyClick(&w, Qt::Key_Q, Qt::ShiftModifier);
        QVERIFY(w.opened.isEmpty());

        // Function keys act whatever the modifiers.
        QVERIFY(!QFile::exists(s->home->path("backup.rom")));
        QTest::keyClick(&w, Qt::Key_F5, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(QFile::exists(s->home->path("backup.rom")));
        QTest::keyClick(&w, Qt::Key_F7, Qt::AltModifier);
        QCOMPARE(w.editor().CurLevel, 1);
    }

    void menusAndWindowsThatExist() {
        auto s = start("mm3");
        QVERIFY(s->ok);
        Orvane_Main& w = *s->main;
        for (const char* name : {"File_Save", "File_Back", "File_Exit", "Level_Next",
                                 "Level_Previous", "Tools_Test", "Level_Misc", "Menu_Config"})
            QVERIFY2(w.findChild<QAction*>(name) && w.findChild<QAction*>(name)->isEnabled(), name);
        // Tool windows a build does not have yet are present and greyed out.
        for (const char* name :
             {"View_PalEd", "View_TT", "View_TSAT", "View_StrT", "View_ScreenEd", "View_EnemEd"}) {
            QAction* a = w.findChild<QAction*>(name);
            QVERIFY2(a, name);
            const auto id =
                QMap<QString, WindowId>{
                    {"View_PalEd", WindowId::PalEd},       {"View_TT", WindowId::TileTable},
                    {"View_TSAT", WindowId::TSATable},     {"View_StrT", WindowId::StrTable},
                    {"View_ScreenEd", WindowId::ScreenEd}, {"View_EnemEd", WindowId::EnemEd}}
                    .value(name);
            QCOMPARE(a->isEnabled(), Orvane_Main::windowIsBuilt(id));
        }

        w.findChild<QAction*>("Menu_Config")->trigger();
        ToolWindow* config = w.shownWindow(WindowId::Config);
        QVERIFY(config);
        QCOMPARE(config->windowTitle(), QString("Configuration"));

        // Miscellany: the game's music-track names, none selected.
        w.findChild<QAction*>("Level_Misc")->trigger();
        ToolWindow* misc = w.shownWindow(WindowId::MiscEd);
        QVERIFY(misc);
        QCOMPARE(misc->windowTitle(), QString("Level - Miscanneleous"));
        auto* combo = misc->findChild<QComboBox*>("MusicCombo");
        const Editor& ed = w.editor();
        QVERIFY(ed.P(57) > 0);
        QCOMPARE(combo->count(), int(ed.P(57)));
        QCOMPARE(combo->currentIndex(), -1);
        for (int i = 0; i < combo->count(); ++i)
            QCOMPARE(combo->itemText(i),
                     QString::fromLatin1(ResString(*ed.Res, ed.R(26, i)).c_str()));
        QVERIFY(!combo->itemText(0).isEmpty());

        // Closing a tool window destroys it; the next opening creates it again.
        misc->close();
        QTRY_VERIFY(w.existingWindow(WindowId::MiscEd) == nullptr);
        w.findChild<QAction*>("Level_Misc")->trigger();
        QVERIFY(w.shownWindow(WindowId::MiscEd));
    }

    void saveTwiceThenLoadBackup() {
        auto s = start("mm4");
        QVERIFY(s->ok);
        Orvane_Main& w = *s->main;
        Editor& ed = w.editor();
        const auto original = fileBytes(s->home->romPath());

        ed.setByte(0x100, ed.byte(0x100) ^ 0xFF);
        QTest::keyClick(&w, Qt::Key_F5);
        const auto first = ed.RomImage.bytes();
        QCOMPARE(fileBytes(s->home->romPath()), first);
        QCOMPARE(fileBytes(s->home->path("backup.rom")), original);

        ed.setByte(0x200, ed.byte(0x200) ^ 0xFF);
        w.findChild<QAction*>("File_Save")->trigger();
        const auto second = ed.RomImage.bytes();
        QCOMPARE(fileBytes(s->home->romPath()), second);
        QCOMPARE(fileBytes(s->home->path("backup.rom")), first);

        QTest::keyClick(&w, Qt::Key_F8);
        QCOMPARE(ed.RomImage.bytes(), first);
        QCOMPARE(fileBytes(s->home->romPath()), second); // Load Backup touches no file
        QCOMPARE(fileBytes(s->home->path("backup.rom")), first);
        QVERIFY(s->messages.isEmpty());
    }

    void loadBackupFailures() {
        auto s = start("mm3");
        QVERIFY(s->ok);
        Orvane_Main& w = *s->main;
        const auto image = w.editor().RomImage.bytes();
        QTest::keyClick(&w, Qt::Key_F8);
        QCOMPARE(s->messages, QStringList{"No backup!"});

        QVERIFY(writeFileAtomically(s->home->path("backup.rom").toStdString(),
                                    std::vector<uint8_t>(100, 1)));
        QTest::keyClick(&w, Qt::Key_F8);
        QCOMPARE(s->messages.size(), 2);
        QVERIFY(s->messages[1].contains(s->home->path("backup.rom")));
        QCOMPARE(w.editor().RomImage.bytes(), image);
    }

    void failedSaveLeavesTheRomUntouched() {
        auto s = start("mm3");
        QVERIFY(s->ok);
        Orvane_Main& w = *s->main;
        const auto original = fileBytes(s->home->romPath());
        w.editor().setByte(20, 0x5A ^ w.editor().byte(20));

        // backup.rom cannot be written: it is a folder.
        QVERIFY(QDir(s->home->path("")).mkpath("backup.rom/x"));
        QTest::keyClick(&w, Qt::Key_F5);
        QCOMPARE(s->messages.size(), 1);
        QVERIFY(s->messages[0].contains("backup.rom"));
        QCOMPARE(fileBytes(s->home->romPath()), original);
        QVERIFY(QDir(s->home->path("backup.rom/x")).exists());

        // The ROM file cannot be replaced: its replacement's name is taken by a folder.
        QDir(s->home->path("backup.rom")).removeRecursively();
        QVERIFY(QDir(s->home->path(""))
                    .mkpath(QFileInfo(s->home->romPath()).fileName() + ".orvane-tmp/x"));
        QTest::keyClick(&w, Qt::Key_F5);
        QCOMPARE(s->messages.size(), 2);
        QVERIFY(s->messages[1].contains(s->home->romPath()));
        QCOMPARE(fileBytes(s->home->romPath()), original);
    }

    void testStartsTheEmulatorWithTheRomPath() {
        auto s = start("mm3");
        QVERIFY(s->ok);
        Orvane_Main& w = *s->main;

        // A stand-in emulator in a folder with blanks records the arguments it got.
        QVERIFY(QDir(s->home->path("")).mkpath("my emu"));
        const QString script = s->home->path("my emu/fake emu.sh");
        const QString record = s->home->path("args.txt");
        {
            QFile f(script);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(QString("#!/bin/sh\nfor a in \"$@\"; do echo \"$a\"; done > '%1.part'\nmv "
                            "'%1.part' '%1'\n")
                        .arg(record)
                        .toLocal8Bit());
        }
        QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        w.SetConfigText("emufname", script);
        QTest::keyClick(&w, Qt::Key_F9);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(record), 10000);
        QFile f(record);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromLocal8Bit(f.readAll()), s->home->romPath() + "\n");
        QVERIFY(s->messages.isEmpty());

        w.SetConfigText("emufname", s->home->path("no such emulator"));
        w.findChild<QAction*>("Tools_Test")->trigger();
        QCOMPARE(s->messages.size(), 1);
        QVERIFY(s->messages[0].contains("no such emulator"));

        w.SetConfigText("emufname", "");
        QTest::keyClick(&w, Qt::Key_F9);
        QCOMPARE(s->messages.last(), QString("Set Emulator location in Config first!"));
    }

    void configurationRewrittenOnSet() {
        auto s = start("mm3");
        QVERIFY(s->ok);
        Orvane_Main& w = *s->main;
        w.SetConfigText("emufname", "/opt/emu");
        w.SetConfigNumber("palanim", 0);
        QCOMPARE(QString::fromLatin1(QByteArray(
                     reinterpret_cast<const char*>(fileBytes(s->home->path("orvane.cfg")).data()),
                     int(fileBytes(s->home->path("orvane.cfg")).size()))),
                 QString("datfile=\"orvane.dat\"\r\npalanim=#0;\r\npalfile=\"nes.pal\"\r\nemufname="
                         "\"/opt/emu\"\r\n/\r\n"));
        w.SetConfigText("nokey", "x");
        QCOMPARE(s->messages, QStringList{"Cant set config ID: nokey"});
        QCOMPARE(w.GetConfigText("nokey2"), QString());
        QCOMPARE(s->messages.last(), QString("Cant find config ID: nokey2"));
    }

    void dumpWindowPagesAndKeys() {
        auto s = start("mm3");
        QVERIFY(s->ok);
        Orvane_Main& w = *s->main;
        w.findChild<QPushButton*>("Command1")->click();
        auto* dump = qobject_cast<DumpRes*>(w.shownWindow(WindowId::DumpRes));
        QVERIFY(dump);
        QCOMPARE(dump->windowTitle(), QString("Resource Data Dump"));
        QCOMPARE(dump->page(), 0);
        QCOMPARE(dump->shownLines()[0], std::string("Page:0"));
        const Editor& ed = w.editor();
        // The first line shows values 0..7 as they were assembled.
        std::string first8 = "$0: ";
        for (int c = 0; c < 8; ++c) {
            first8 += '$';
            first8 += hexString(ed.Res->ResData[c]);
            first8 += ' ';
        }
        QCOMPARE(dump->shownLines()[2], first8 + "  /");

        QTest::keyClick(dump, Qt::Key_PageUp); // page 0: nothing
        QCOMPARE(dump->page(), 0);
        QTest::keyClick(dump, Qt::Key_PageDown);
        QCOMPARE(dump->page(), 1);
        QCOMPARE(dump->shownLines()[2].substr(0, 6), std::string("$80: $"));
        QTest::keyClick(dump, Qt::Key_End);
        QCOMPARE(dump->page(), 511);
        QCOMPARE(dump->shownLines()[0], std::string("Page:1FF"));
        QTest::keyClick(dump, Qt::Key_PageDown); // last page: nothing
        QCOMPARE(dump->page(), 511);
        QTest::keyClick(dump, Qt::Key_Home);
        QCOMPARE(dump->page(), 0);

        dump->findChild<QPushButton*>("Ascdo")->click();
        QCOMPARE(dump->mode(), DumpMode::Chars);
        QCOMPARE(dump->page(), 0);
        std::string chars = "$0: ";
        for (int c = 0; c < 8; ++c) {
            const int32_t v = ed.Res->ResData[c];
            if (v < 255)
                chars += std::string(1, char(v)) + " ";
            else if (v == 255)
                chars += "[E] ";
        }
        QCOMPARE(dump->shownLines()[2], chars + "  /");
        dump->findChild<QPushButton*>("Hexdo")->click();
        QCOMPARE(dump->mode(), DumpMode::Hex);

        // Keys stay in the dump window: F5 does not save.
        QTest::keyClick(dump, Qt::Key_F5);
        QVERIFY(!QFile::exists(s->home->path("backup.rom")));

        // Opening again brings it to the front unchanged.
        QTest::keyClick(dump, Qt::Key_PageDown);
        w.findChild<QPushButton*>("Command1")->click();
        QCOMPARE(dump->page(), 1);

        dump->findChild<QPushButton*>("Dumpdo")->click();
        const auto first = fileBytes(s->home->path("orvane.pad"));
        QCOMPARE(first, padFileBytes(*ed.Res));
        dump->findChild<QPushButton*>("Dumpdo")->click();
        QCOMPARE(fileBytes(s->home->path("orvane.pad")), first);
        QCOMPARE(int(first[0]), ed.Res->ResSectionCount & 0xFF);
    }

    // Without options the two start-up questions are asked in boxes: the answer is taken
    // in any case, and cancelling the ROM dialog ends the program quietly.
    void questionsAskedWithoutOptions() {
        DemoHome home("mm5");
        StartupOptions o;
        o.home = home.path("");
        const auto romBefore = fileBytes(home.romPath());
        Orvane_Main w(o);
        QStringList messages, seen;
        w.setMessageSink([&](const QString& t) { messages << t; });
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
        QVERIFY(!w.startUp());
        QCOMPARE(w.exitCode(), 0);
        QCOMPARE(seen.value(0), QString("Input Editing Mode ('mm3', 'mm4' or 'mm5')."));
        QCOMPARE(seen.value(1), QString("Select Megaman 5 ROM"));
        QCOMPARE(seen.value(2), QString("nes roms (*.nes);all files (*)"));
        QCOMPARE(seen.value(3), QDir(home.path("")).absolutePath()); // the demo ROMs are offered
        QVERIFY(messages.isEmpty());
        QVERIFY(w.logLines().isEmpty());
        QCOMPARE(fileBytes(home.romPath()), romBefore);
        QVERIFY(!QFile::exists(home.path("backup.rom")));
    }

    // Each failed start-up ends with a non-zero status and messages naming what failed.
    void startUpFailuresEndWithAMessage() {
        auto failedStart = [](const StartupOptions& options) {
            Orvane_Main w(options);
            QStringList messages;
            w.setMessageSink([&](const QString& t) { messages << t; });
            const bool started = w.startUp();
            return std::make_pair(!started && w.exitCode() != 0, messages);
        };
        {
            DemoHome home("mm3");
            QFile::remove(home.path("orvane.cfg"));
            const auto [failed, messages] = failedStart(home.options());
            QVERIFY(failed);
            QCOMPARE(messages.size(), 1);
            QVERIFY(messages[0].contains(home.path("orvane.cfg")));
        }
        {
            DemoHome home("mm3");
            home.writeConfig({{"palfile", "nes.pal"}, {"emufname", ""}}, 0); // no datfile
            const auto [failed, messages] = failedStart(home.options());
            QVERIFY(failed);
            QCOMPARE(messages.value(0), QString("Cant find config ID: datfile"));
            QVERIFY(messages.value(1).contains("datfile"));
        }
        {
            DemoHome home("mm3");
            home.writeConfig({{"datfile", "missing.dat"}, {"palfile", "nes.pal"}, {"emufname", ""}},
                             0);
            const auto [failed, messages] = failedStart(home.options());
            QVERIFY(failed);
            QCOMPARE(messages.size(), 1);
            QVERIFY(messages[0].contains(home.path("missing.dat")));
        }
        {
            // An assembler limit: a slot number above 255, on line 3.
            DemoHome home("mm3");
            QFile bad(home.path("bad.dat"));
            QVERIFY(bad.open(QIODevice::WriteOnly));
            bad.write("{a !1 }\r\n\r\n%300=a\r\n");
            bad.close();
            home.writeConfig({{"datfile", "bad.dat"}, {"palfile", "nes.pal"}, {"emufname", ""}}, 0);
            const auto [failed, messages] = failedStart(home.options());
            QVERIFY(failed);
            QCOMPARE(messages.size(), 1);
            QVERIFY2(messages[0].contains(home.path("bad.dat")) && messages[0].contains("line 3"),
                     qPrintable(messages[0]));
        }
        {
            // A ROM file that vanished between the question and the read.
            DemoHome home("mm3");
            StartupOptions o = home.options();
            o.rom = home.path("gone.nes");
            const auto [failed, messages] = failedStart(o);
            QVERIFY(failed);
            QVERIFY(messages.value(0).contains(home.path("gone.nes")));
        }
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
