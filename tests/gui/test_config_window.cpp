// The Configuration window on the real main window: every keystroke rewrites orvane.cfg,
// the animation switch, the file pickers, "Reload Now", and keys that stay in the window;
// and the file dialog's filters.
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "gui/app/Config.h"
#include "gui/app/Orvane_Main.h"
#include "gui/app/clsDialog.h"
#include "gui/support/Harness.h"

using namespace orvane;

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

} // namespace

class TestConfigWindow : public QObject {
    Q_OBJECT
private slots:
    // Each keystroke is stored at once, the caret staying after it; a double quote is not
    // taken (the file could not hold it); the palette name is stored, not read.
    void typing() {
        Opened o(kConfig);
        QCOMPARE(o.field("PALTB")->cursorPosition(), 1); // a quiet fill of an empty field
        const uint32_t colour = o.main->editor().NesPal[1];
        QTest::keyClicks(o.field("EmuTB"), "ab");
        QVERIFY(o.config().contains("emufname=\"ab\""));
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
             {std::tuple{"EmuBrowseBtn", "EmuTB", "Pick the Emu..", ""},
              {"EmuBrowseBtn", "EmuTB", "Pick the Emu..", "/usr/my emu"},
              {"PALBrowseBtn", "PALTB", "Pick the Palette..", "/home/u/fceu.pal"}}) {
            QStringList asked;
            o.w->setFilePicker([&](const QString& t, const QString& f) {
                asked << t << f.section('|', 1, 1);
                return QString(answer);
            });
            QTest::mouseClick(child<QPushButton>(o.w, button), Qt::LeftButton);
            QCOMPARE(asked, (QStringList{title, field[0] == 'E' ? "*.exe" : "*.pal"}));
            if (*answer) QCOMPARE(o.field(field)->text(), QString(answer));
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
    void dialogFilters_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QStringList>("qt");
        QTest::newRow("rom dialog") << "nes roms (*.nes)|*.nes|all files (*.*)|*.*"
                                    << QStringList{"nes roms (*.nes)", "all files (*)"};
        QTest::newRow("trailing bar")
            << "nes roms (*.nes)|*.nes|" << QStringList{"nes roms (*.nes)"};
        QTest::newRow("no patterns named") << "Palettes|*.pal" << QStringList{"Palettes (*.pal)"};
        QTest::newRow("several patterns")
            << "Images (*.bmp;*.png)|*.bmp;*.png" << QStringList{"Images (*.bmp *.png)"};
        QTest::newRow("other patterns named")
            << "Programs (*.exe)|*" << QStringList{"Programs (*.exe) (*)"};
        QTest::newRow("empty description") << "|*.nes" << QStringList{"*.nes (*.nes)"};
        QTest::newRow("pair without pattern") << "A||B|*.b" << QStringList{"B (*.b)"};
        QTest::newRow("lone description") << "just words" << QStringList();
    }
    void dialogFilters() {
        QFETCH(QString, filter);
        QFETCH(QStringList, qt);
        QCOMPARE(clsDialog::nameFilters(filter), qt);
    }
};

QTEST_MAIN(TestConfigWindow)
#include "test_config_window.moc"
