// The patch commands: "Create Patch..." and "Apply Patch..." of the real main window driven
// through their file dialogs, and the command-line jobs run as a script runs them, with no
// display at all. A refused patch changes nothing and its message names the file.
#include <QAction>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QProcess>
#include <QTimer>
#include <QtTest>
#include <deque>

#include "core/app/FileIO.h"
#include "gui/app/Orvane_Main.h"
#include "gui/support/Harness.h"

using namespace orvane;

namespace {

class CountingMain : public Orvane_Main {
public:
    using Orvane_Main::Orvane_Main;
    int levelReloads = 0;
    void Update_Level() override {
        ++levelReloads;
        Orvane_Main::Update_Level();
    }
};

struct Session {
    DemoHome home{"mm4"};
    CountingMain main{home.options()};
    QStringList messages;
    bool ok = home.isValid();
    Session() {
        main.setMessageSink([this](const QString& t) { messages << t; });
        ok = ok && main.startUp();
        main.levelReloads = 0;
    }
    const std::vector<uint8_t>& image() { return main.editor().RomImage.bytes(); }

    // Runs a menu command, answering its file dialogs in order, one step each.
    void run(const char* command, std::deque<std::function<void(QFileDialog*)>> steps) {
        QTimer driver;
        QObject::connect(&driver, &QTimer::timeout, [&] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* d = qobject_cast<QFileDialog*>(w);
                    d && d->isVisible() && !steps.empty()) {
                    auto step = std::move(steps.front());
                    steps.pop_front();
                    return step(d);
                }
        });
        driver.start(20);
        main.findChild<QAction*>(command)->trigger();
        QVERIFY(steps.empty());
    }
};

// Pastes a file name and presses Return (typed keys would open the name completer's
// popup, which the headless platform cannot show).
std::function<void(QFileDialog*)> enter(const QString& name) {
    return [name](QFileDialog* d) {
        d->findChild<QLineEdit*>("fileNameEdit")->setText(name);
        QTest::keyClick(d->findChild<QLineEdit*>("fileNameEdit"), Qt::Key_Return);
    };
}

std::vector<uint8_t> fileBytes(const QString& path) {
    return readWholeFile(path.toStdString()).value_or(std::vector<uint8_t>{});
}

} // namespace

class TestPatchCommands : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QString path(const QString& name) const { return m_dir.filePath(name); }

private slots:
    void menuPatchRebuildsTheHackInACleanEditor() {
        Session hack, clean;
        QVERIFY(hack.ok && clean.ok);
        Rom& rom = hack.main.editor().RomImage;
        for (int64_t pos : {int64_t(17), int64_t(5000), int64_t(5001), rom.size()})
            rom.setByte(pos, rom.byte(pos) ^ 0xFF);
        // The clean ROM, then "BPS patch" from the type list and a name without extension.
        const QString patch = hack.home.path("hack.bps");
        hack.run("File_CreatePatch", {enter(hack.home.romPath()), [](QFileDialog* d) {
                                          QTest::keyClick(d->findChild<QComboBox*>("fileTypeCombo"),
                                                          Qt::Key_Down);
                                          enter("hack")(d);
                                      }});
        QVERIFY2(hack.messages.isEmpty(), qPrintable(hack.messages.join('\n')));
        QVERIFY(hack.main.logLines().last().contains(patch));

        const auto before = clean.image();
        clean.run("File_ApplyPatch", {enter(patch)});
        QVERIFY(clean.messages.isEmpty() && clean.image() == hack.image());
        QCOMPARE(clean.main.levelReloads, 1); // every window shows the patched image

        // The same patch again is refused: the image is no longer the file it was made for.
        clean.run("File_ApplyPatch", {enter(patch)});
        QCOMPARE(clean.messages.size(), 1);
        QVERIFY(clean.messages[0].startsWith("This patch is for another file: \"" + patch));
        QVERIFY(clean.image() == hack.image());
        QCOMPARE(clean.main.levelReloads, 1);
        clean.main.Edit_Undo(); // the applied patch is one step, taken back whole
        QVERIFY(clean.image() == before);
    }

    void commandLine_data() {
        // Two different files of different lengths stand for the clean ROM and the hack.
        const QString clean_ = ORVANE_DEMO_DIR "/mm3-demo.nes",
                      hack = ORVANE_DEMO_DIR "/mm4-demo.nes";
        const QString kept = path("kept.nes");
        QVERIFY(writeFileAtomically(kept.toStdString(), {'k', 'e', 'p', 't'}));
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("named"); // in the one line printed
        auto row = [](const char* name, QStringList args, int status, QString named) {
            QTest::newRow(name) << args << status << named;
        };
        row("help", {"--help"}, 0, "--apply-patch <patch>");
        for (const QString ext : {"ips", "BPS"}) {
            const QString patch = path("hack." + ext), out = path(ext + ".nes");
            row(qPrintable("make " + ext), {"--rom", hack, "--make-patch", clean_, "--out", patch},
                0, patch);
            row(qPrintable("apply " + ext),
                {"--rom", clean_, "--apply-patch", patch, "--out", out, "--mode", "mm4"}, 0, out);
        }
        row("wrong source", {"--rom", hack, "--apply-patch", path("hack.BPS"), "--out", kept}, 1,
            path("hack.BPS"));
        row("no format", {"--rom", hack, "--make-patch", clean_, "--out", kept}, 1, kept);
        row("no out", {"--rom", hack, "--make-patch", clean_}, 2, "--out");
        row("two jobs",
            {"--rom", hack, "--apply-patch", clean_, "--make-patch", clean_, "--out", kept}, 2,
            "--make-patch");
        row("bad mode", {"--mode", "mm9"}, 2, "mm9");
    }
    void commandLine() {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, named);
        QProcess p;
        // Any attempt to reach a window system fails here: no display, X11 asked for.
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("DISPLAY");
        env.remove("WAYLAND_DISPLAY");
        env.insert("QT_QPA_PLATFORM", "xcb");
        p.setProcessEnvironment(env);
        p.start(QString(ORVANE_DEMO_DIR) + "/orvane", args);
        QVERIFY(p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit);
        QCOMPARE(p.exitCode(), status);
        const QString out = p.readAllStandardOutput(), err = p.readAllStandardError();
        QVERIFY2((status == 0 ? out : err).contains(named), qPrintable(out + err));
        const QString written = args.value(args.indexOf("--out") + 1);
        if (status == 0 && args.contains("--out")) {
            QCOMPARE(
                out,
                QString("Wrote \"%1\" (%2 bytes).\n").arg(written).arg(fileBytes(written).size()));
            if (args.contains("--apply-patch"))
                QVERIFY(fileBytes(written) == fileBytes(ORVANE_DEMO_DIR "/mm4-demo.nes"));
        }
        if (status != 0) QVERIFY(out.isEmpty());
        QVERIFY(fileBytes(path("kept.nes")) == std::vector<uint8_t>({'k', 'e', 'p', 't'}));
        QCOMPARE(QDir(m_dir.path()).entryList({"*tmp*"}, QDir::Files), QStringList());
    }
};

QTEST_MAIN(TestPatchCommands)
#include "test_patch_commands.moc"
