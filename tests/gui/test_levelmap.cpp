// The level map from outside: the command-line export run as a script runs it (no
// display), its picture of each demo compared with the golden PNGs under
// tests/data/level-map-golden, its failures, and the Level Map window on the real main
// window: a click moves the current screen, the menu export writes what it
// shows, a block edit redraws just its screens.
#include <QCheckBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>

#include "core/app/Editor.h"
#include "core/mapedit/LevelMapPicture.h"
#include "core/mapedit/ScreenDrawing.h"
#include "gui/app/KeyCodes.h"
#include "gui/app/Orvane_Main.h"
#include "gui/mapedit/LevelMap.h"
#include "gui/mapedit/LevelMapCanvas.h"
#include "gui/support/Harness.h"

using namespace orvane;

namespace {

const QString kBundle = ORVANE_DEMO_DIR;

struct Run {
    int status = -1;
    QString out;
    QString err;
};

// The program as a shell script starts it: no display of any kind.
Run runProgram(const QStringList& args) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(name);
    p.setProcessEnvironment(env);
    p.start(kBundle + "/orvane", args);
    if (!p.waitForFinished(60000)) return {};
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromLocal8Bit(p.readAllStandardOutput()),
            QString::fromLocal8Bit(p.readAllStandardError())};
}

QStringList exportArgs(const QString& mode, const QString& out) {
    return {"--mode", mode,    "--rom",        kBundle + "/" + mode + "-demo.nes",
            "--home", kBundle, "--export-map", "0",
            "--out",  out};
}

// Screen pixels as slot numbers, the first 256 rows.
QByteArray slotPixels(const WinBitmap& bmp) {
    QByteArray out;
    for (int y = 0; y < kMapCellPixels; ++y)
        for (int x = 0; x < kMapCellPixels; ++x)
            out += char(bmp.pixel(x, y));
    return out;
}

// Triggers a menu command and answers its file dialog with `path`, the way a person pastes
// a name and presses Return.
void runSaving(Orvane_Main& main, const char* command, const QString& path) {
    QTimer driver;
    QObject::connect(&driver, &QTimer::timeout, [&] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* d = qobject_cast<QFileDialog*>(w); d && d->isVisible()) {
                auto* name = d->findChild<QLineEdit*>("fileNameEdit");
                name->setText(path);
                QTest::keyClick(name, Qt::Key_Return);
            }
    });
    driver.start(20);
    main.findChild<QAction*>(command)->trigger();
}

} // namespace

class TestLevelMapExport : public QObject {
    Q_OBJECT
private slots:
    void exportMatchesGolden_data();
    void exportMatchesGolden();
    void exportFailures_data();
    void exportFailures();
    void helpNeedsNoDisplay();
    void clickAndBlockEdit();
};

void TestLevelMapExport::exportMatchesGolden_data() {
    QTest::addColumn<QString>("mode");
    for (const char* mode : {"mm3", "mm4", "mm5"})
        QTest::newRow(mode) << QString(mode);
}

void TestLevelMapExport::exportMatchesGolden() {
    QFETCH(QString, mode);
    QTemporaryDir dir;
    const QString out = dir.filePath(mode + ".png");
    const Run run = runProgram(exportArgs(mode, out) << "--enemies");
    QCOMPARE(run.err, QString());
    QCOMPARE(run.status, 0);
    const QImage written(out);
    const QImage golden(QString(ORVANE_SOURCE_DIR) + "/tests/data/level-map-golden/" + mode +
                        ".png");
    QVERIFY(!golden.isNull());
    QCOMPARE(written.convertToFormat(QImage::Format_ARGB32),
             golden.convertToFormat(QImage::Format_ARGB32));
    const int screens = run.out.section(", ", 1).section(' ', 0, 0).toInt();
    QVERIFY(screens > 0);
    QCOMPARE(run.out, QString("%1: %2 x %3, %4 screens\n")
                          .arg(out)
                          .arg(written.width())
                          .arg(written.height())
                          .arg(screens));
}

void TestLevelMapExport::exportFailures_data() {
    QTest::addColumn<QStringList>("change"); // option, value pairs replacing the good ones
    QTest::addColumn<QString>("named");      // what the message must name
    QTest::newRow("level past the last") << QStringList{"--export-map", "99"} << "99";
    QTest::newRow("level not a number") << QStringList{"--export-map", "two"} << "\"two\"";
    QTest::newRow("unreadable ROM")
        << QStringList{"--rom", "/nonexistent/x.nes"} << "/nonexistent/x.nes";
    QTest::newRow("no resource data") << QStringList{"--home", "EMPTYHOME"} << "orvane.dat";
    QTest::newRow("unwritable output")
        << QStringList{"--out", "/nonexistent/map.png"} << "/nonexistent/map.png";
    QTest::newRow("scale zero") << QStringList{"--scale", "0"} << "\"0\"";
}

void TestLevelMapExport::exportFailures() {
    QFETCH(QStringList, change);
    QFETCH(QString, named);
    QTemporaryDir outDir, emptyHome;
    // A home whose configuration names a resource data file that is not there.
    QVERIFY(QFile::copy(kBundle + "/orvane.cfg", emptyHome.filePath("orvane.cfg")));
    QStringList args = exportArgs("mm3", outDir.filePath("map.png"));
    const qsizetype at = args.indexOf(change[0]);
    const QString value = change[1] == "EMPTYHOME" ? emptyHome.path() : change[1];
    if (at >= 0)
        args[at + 1] = value;
    else
        args << change[0] << value;

    const Run run = runProgram(args);
    QVERIFY(run.status > 0);
    QCOMPARE(run.out, QString());
    QVERIFY2(run.err.contains(named), qPrintable(run.err));
    QCOMPARE(QDir(outDir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

void TestLevelMapExport::helpNeedsNoDisplay() {
    const Run run = runProgram({"--help"});
    QCOMPARE(run.status, 0);
    for (const char* option : {"--export-map", "--out", "--enemies", "--scale", "--mode"})
        QVERIFY2(run.out.contains(option), option);
}

void TestLevelMapExport::clickAndBlockEdit() {
    DemoHome home("mm3");
    QVERIFY(home.isValid());
    Orvane_Main main(home.options());
    main.setMessageSink([](const QString& m) { QFAIL(qPrintable(m)); });
    QVERIFY(main.startUp());
    main.show();
    Editor& ed = main.editor();
    main.Global_KeyDown('M', kShift);
    auto* window = qobject_cast<LevelMap*>(main.shownWindow(WindowId::LevelMap));
    QVERIFY(window);
    auto* canvas = window->findChild<LevelMapCanvas*>("MapPic");
    const LevelMapLayout& layout = window->picture().layout();
    QVERIFY(layout.screens() > 2);

    // The last screen of the level, clicked in the middle of its cell.
    const int target = layout.screens() - 1;
    const MapCell cell = layout.cellOf(target);
    const int side = canvas->cellPixels();
    QTest::mouseClick(canvas, Qt::LeftButton, {},
                      QPoint(cell.column * side + side / 2, cell.row * side + side / 2));
    QCOMPARE(ed.CurScrn, target);

    // With enemies on, the menu export writes what the window shows: level 0 of the mm3
    // demo, as the golden picture has it.
    auto* enemies = window->findChild<QCheckBox*>("EnemiesCheck");
    QTest::mouseClick(enemies, Qt::LeftButton, {}, QPoint(8, enemies->height() / 2));
    QVERIFY(window->enemiesShown());
    QTemporaryDir dir;
    runSaving(main, "File_ExportMap", dir.filePath("level0.png"));
    QCOMPARE(QImage(dir.filePath("level0.png")).convertToFormat(QImage::Format_ARGB32),
             QImage(QString(ORVANE_SOURCE_DIR) + "/tests/data/level-map-golden/mm3.png")
                 .convertToFormat(QImage::Format_ARGB32));

    // A block shown on some screens but not on all gets another palette: exactly the
    // screens whose pixels change are drawn again, and they come out as a fresh map does.
    int block = -1;
    for (int b = 0; b < 256 && block < 0; ++b) {
        int showing = 0;
        for (int s = 0; s < layout.screens(); ++s)
            showing += screenShowsBlock(ed.tables(), s, b);
        if (showing > 0 && showing < layout.screens()) block = b;
    }
    QVERIFY(block >= 0);
    LevelMapPicture before;
    before.build(ed, ed.CurLevel, true);
    const int64_t attr = ed.P(4) + block;
    ed.setByte(attr, (ed.byte(attr) & 0xFC) | ((ed.byte(attr) + 1) & 3));
    LevelMapPicture after;
    after.build(ed, ed.CurLevel, true);
    std::vector<int> changed;
    for (int s = 0; s < layout.screens(); ++s)
        if (slotPixels(before.screen(s)) != slotPixels(after.screen(s))) changed.push_back(s);
    QVERIFY(!changed.empty() && changed.size() < size_t(layout.screens()));

    main.Update_Block(block);
    std::vector<int> redrawn = window->lastRedrawn();
    std::sort(redrawn.begin(), redrawn.end());
    QCOMPARE(redrawn, changed);
    for (int s = 0; s < layout.screens(); ++s)
        QCOMPARE(slotPixels(window->picture().screen(s)), slotPixels(after.screen(s)));
}

QTEST_MAIN(TestLevelMapExport)
#include "test_levelmap.moc"
