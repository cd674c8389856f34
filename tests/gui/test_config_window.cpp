#include <QtTest>

#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>

#include "gui/app/Config.h"
#include "gui/app/QuietControls.h"
#include "gui/app/clsDialog.h"
#include "gui/support/FakeHub.h"

using namespace orvane;

namespace {

const QByteArray kConfig("datfile=\"orvane.dat\"\r\npalanim=#0;\r\npalfile=\"nes.pal\"\r\n"
                         "emufname=\"/opt/emu\"\r\n/\r\n");

template <class W> W* child(QWidget& window, const char* name) {
    W* w = window.findChild<W*>(name);
    if (!w) qFatal("no control %s", name);
    return w;
}

// The first visible top-level widget of type W (the modal dialog or message box a
// call under test is waiting on).
template <class W> W* shownTopLevel() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* d = qobject_cast<W*>(w); d && d->isVisible()) return d;
    return nullptr;
}

void touch(const QString& path) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
}

} // namespace

class TestConfigWindow : public QObject {
    Q_OBJECT
private slots:
    void quietText_data();
    void quietText();
    void tagGuardRestores();
    void updateFillsFieldsQuietly();
    void typingRewritesEveryKeystroke();
    void typingWithMissingKey();
    void checkBoxStoresAndSwitchesTimer();
    void openingTicksBoxOnce_data();
    void openingTicksBoxOnce();
    void browse_data();
    void browse();
    void reloadNow();
    void keysStayInWindow();
    void filterConversion_data();
    void filterConversion();
    void dialogCancel();
    void dialogChoose();
    void dialogMustExist();
};

void TestConfigWindow::quietText_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("caret");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("expectedCaret");
    QTest::newRow("empty field puts caret at 1") << "" << 0 << "ABC" << 1;
    QTest::newRow("caret kept") << "12345" << 2 << "ABCDEF" << 2;
    QTest::newRow("caret clamped to shorter text") << "12345" << 5 << "AB" << 2;
    QTest::newRow("empty to empty") << "" << 0 << "" << 0;
    QTest::newRow("emptied") << "123" << 3 << "" << 0;
}

// The change handler sees the mark while the text changes, and the caret ends up where
// the user had it.
void TestConfigWindow::quietText() {
    QFETCH(QString, before);
    QFETCH(int, caret);
    QFETCH(QString, after);
    QFETCH(int, expectedCaret);
    QLineEdit field;
    field.setText(before);
    field.setCursorPosition(caret);
    QStringList seen;
    connect(&field, &QLineEdit::textChanged, &field,
            [&](const QString& t) { seen << t + (hasTag(&field) ? " quiet" : " loud"); });
    SetTextQuiet(&field, after);
    QCOMPARE(field.text(), after);
    QCOMPARE(field.cursorPosition(), expectedCaret);
    QVERIFY(!hasTag(&field));
    QCOMPARE(seen, before == after ? QStringList() : QStringList{after + " quiet"});
    field.setText("typed");
    QCOMPARE(seen.last(), QString("typed loud"));
}

void TestConfigWindow::tagGuardRestores() {
    QObject box;
    QVERIFY(!hasTag(&box));
    {
        TagGuard outer(&box, "=D");
        QCOMPARE(tag(&box), QString("=D"));
        {
            TagGuard inner(&box, "=)");
            QCOMPARE(tag(&box), QString("=)"));
        }
        QCOMPARE(tag(&box), QString("=D"));
    }
    QVERIFY(!hasTag(&box));

    // A quiet text set inside an outer mark leaves the outer mark in place.
    QLineEdit field;
    {
        TagGuard outer(&field, "=D");
        SetTextQuiet(&field, "x");
        QCOMPARE(tag(&field), QString("=D"));
    }
    QVERIFY(!hasTag(&field));
}

void TestConfigWindow::updateFillsFieldsQuietly() {
    FakeHub hub;
    hub.setConfigFile(kConfig);
    Config w(hub);
    QCOMPARE(w.windowTitle(), QString("Configuration"));
    auto* emu = child<QLineEdit>(w, "EmuTB");
    auto* pal = child<QLineEdit>(w, "PALTB");
    auto* check = child<QCheckBox>(w, "PACheck");
    {
        TagGuard quiet(emu, ":)"); // a longer text, not stored, to show the caret stays put
        emu->setText("typed so far");
    }
    emu->setCursorPosition(3);

    w.Update();
    QCOMPARE(emu->text(), QString("/opt/emu"));
    QCOMPARE(emu->cursorPosition(), 3);
    QCOMPARE(pal->text(), QString("nes.pal"));
    QCOMPARE(pal->cursorPosition(), 1);
    QVERIFY(!check->isChecked());
    QCOMPARE(hub.calls, QStringList());
    QCOMPARE(hub.messages, QStringList());
    QCOMPARE(hub.configFile(), kConfig);

    // A changed value reaches the field on the next refresh, again without a write-back.
    QVERIFY(hub.ed.Config.setText("palfile", "other.pal"));
    w.Update();
    QCOMPARE(pal->text(), QString("other.pal"));
    QCOMPARE(hub.calls, QStringList());
}

void TestConfigWindow::typingRewritesEveryKeystroke() {
    FakeHub hub;
    hub.setConfigFile(kConfig);
    QVERIFY(hub.ed.Config.setText("emufname", ""));
    Config w(hub);
    w.Update();
    auto* emu = child<QLineEdit>(w, "EmuTB");
    auto* pal = child<QLineEdit>(w, "PALTB");

    QTest::keyClicks(emu, "abc");
    QCOMPARE(hub.calls, QStringList({"SetConfigText(emufname,a)", "SetConfigText(emufname,ab)",
                                     "SetConfigText(emufname,abc)"}));
    QCOMPARE(hub.ed.Config.text("emufname").value(), std::string("abc"));
    QCOMPARE(emu->text(), QString("abc"));

    // Typing in the middle: the refresh after each key leaves the caret after the key.
    emu->setCursorPosition(1);
    QTest::keyClicks(emu, "XY");
    QCOMPARE(emu->text(), QString("aXYbc"));
    QCOMPARE(emu->cursorPosition(), 3);
    QCOMPARE(hub.ed.Config.text("emufname").value(), std::string("aXYbc"));

    // A double quote cannot be stored in the file, so the field does not take it.
    QTest::keyClicks(emu, "\"");
    QCOMPARE(emu->text(), QString("aXYbc"));
    QCOMPARE(hub.ed.Config.text("emufname").value(), std::string("aXYbc"));

    // The palette name is stored but the palette is not read again.
    hub.calls.clear();
    pal->clear();
    QTest::keyClicks(pal, "p");
    QCOMPARE(hub.calls, QStringList({"SetConfigText(palfile,)", "SetConfigText(palfile,p)"}));
    QCOMPARE(hub.ed.Config.text("palfile").value(), std::string("p"));
    QCOMPARE(hub.messages, QStringList());
}

// Without an emufname entry every keystroke reports the failed set and the failed
// lookup, and the refresh empties the field again.
void TestConfigWindow::typingWithMissingKey() {
    FakeHub hub;
    hub.setConfigFile("palanim=#0;\r\npalfile=\"nes.pal\"\r\n/\r\n");
    Config w(hub);
    w.Update();
    QCOMPARE(hub.messages, QStringList({"Cant find config ID: emufname"}));
    hub.messages.clear();
    auto* emu = child<QLineEdit>(w, "EmuTB");
    QTest::keyClicks(emu, "ab");
    QCOMPARE(hub.messages,
             QStringList({"Cant set config ID: emufname", "Cant find config ID: emufname",
                          "Cant set config ID: emufname", "Cant find config ID: emufname"}));
    QCOMPARE(emu->text(), QString());
    QCOMPARE(hub.configFile(), QByteArray("palanim=#0;\r\npalfile=\"nes.pal\"\r\n/\r\n"));
}

void TestConfigWindow::checkBoxStoresAndSwitchesTimer() {
    FakeHub hub;
    hub.setConfigFile(kConfig);
    Config w(hub);
    w.Update();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    auto* check = child<QCheckBox>(w, "PACheck");

    QTest::mouseClick(check, Qt::LeftButton, {}, check->rect().center());
    QVERIFY(check->isChecked());
    QCOMPARE(hub.calls,
             QStringList({"SetConfigNumber(palanim,1)", "setPaletteAnimationRunning(1)"}));
    QVERIFY(hub.paletteAnimationRunning);
    QVERIFY(hub.configFile().contains("\r\npalanim=#1;\r\n"));

    hub.calls.clear();
    QTest::mouseClick(check, Qt::LeftButton, {}, check->rect().center());
    QVERIFY(!check->isChecked());
    QCOMPARE(hub.calls,
             QStringList({"SetConfigNumber(palanim,0)", "setPaletteAnimationRunning(0)"}));
    QVERIFY(!hub.paletteAnimationRunning);
    QCOMPARE(hub.configFile(), kConfig);
}

void TestConfigWindow::openingTicksBoxOnce_data() {
    QTest::addColumn<QByteArray>("palanim");
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<QByteArray>("stored");
    const QStringList starts{"SetConfigNumber(palanim,1)", "setPaletteAnimationRunning(1)"};
    QTest::newRow("on") << QByteArray("1") << starts << QByteArray("1");
    QTest::newRow("other non-zero is stored as 1") << QByteArray("2") << starts << QByteArray("1");
    QTest::newRow("off") << QByteArray("0") << QStringList() << QByteArray("0");
}

// The box starts clear, so the first refresh with palanim set ticks it, and that counts
// as one click.
void TestConfigWindow::openingTicksBoxOnce() {
    QFETCH(QByteArray, palanim);
    QFETCH(QStringList, calls);
    QFETCH(QByteArray, stored);
    FakeHub hub;
    hub.setConfigFile("palanim=#" + palanim + ";\r\n/\r\n");
    Config w(hub);
    w.Update();
    QCOMPARE(hub.calls, calls);
    QCOMPARE(hub.configFile(), "palanim=#" + stored + ";\r\n/\r\n");
    QCOMPARE(child<QCheckBox>(w, "PACheck")->isChecked(), !calls.isEmpty());
    hub.calls.clear();
    w.Update();
    QCOMPARE(hub.calls, QStringList());
}

void TestConfigWindow::browse_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("answer");
    const QString emuFilter = "Programs (*.exe)|*.exe|all files (*.*)|*.*";
    const QString palFilter = "NES Palettes (*.pal)|*.pal|all files (*.*)|*.*";
    QTest::newRow("emu chosen") << "EmuBrowseBtn"
                                << "EmuTB"
                                << "emufname"
                                << "Pick the Emu.." << emuFilter << "/usr/games/my emu";
    QTest::newRow("emu cancelled") << "EmuBrowseBtn"
                                   << "EmuTB"
                                   << "emufname"
                                   << "Pick the Emu.." << emuFilter << "";
    QTest::newRow("palette chosen") << "PALBrowseBtn"
                                    << "PALTB"
                                    << "palfile"
                                    << "Pick the Palette.." << palFilter << "/home/u/fceu.pal";
    QTest::newRow("palette cancelled") << "PALBrowseBtn"
                                       << "PALTB"
                                       << "palfile"
                                       << "Pick the Palette.." << palFilter << "";
}

void TestConfigWindow::browse() {
    QFETCH(QString, button);
    QFETCH(QString, field);
    QFETCH(QString, key);
    QFETCH(QString, title);
    QFETCH(QString, filter);
    QFETCH(QString, answer);
    FakeHub hub;
    hub.setConfigFile(kConfig);
    Config w(hub);
    w.Update();
    const QString before = child<QLineEdit>(w, qPrintable(field))->text();
    QStringList asked;
    w.setFilePicker([&](const QString& t, const QString& f) {
        asked << t << f;
        return answer;
    });

    QTest::mouseClick(child<QPushButton>(w, qPrintable(button)), Qt::LeftButton);
    QCOMPARE(asked, QStringList({title, filter}));
    if (answer.isEmpty()) {
        QCOMPARE(hub.calls, QStringList());
        QCOMPARE(hub.configFile(), kConfig);
        QCOMPARE(child<QLineEdit>(w, qPrintable(field))->text(), before);
    } else {
        // Stored and shown; a palette chosen here is not read until "Reload Now".
        QCOMPARE(hub.calls, QStringList({QString("SetConfigText(%1,%2)").arg(key, answer)}));
        QCOMPARE(QString::fromStdString(hub.ed.Config.text(key.toStdString()).value()), answer);
        QCOMPARE(child<QLineEdit>(w, qPrintable(field))->text(), answer);
    }
}

void TestConfigWindow::reloadNow() {
    FakeHub hub;
    hub.setConfigFile(kConfig);
    Config w(hub);
    w.Update();
    QTest::mouseClick(child<QPushButton>(w, "PALReloadBtn"), Qt::LeftButton);
    QCOMPARE(hub.calls, QStringList({"ReloadNESPAL", "GetMMCols", "Update_Level"}));
    QCOMPARE(hub.configFile(), kConfig);
}

// F5 while typing a path must not save the ROM: this window keeps its keys.
void TestConfigWindow::keysStayInWindow() {
    FakeHub hub;
    hub.setConfigFile(kConfig);
    Config w(hub);
    w.Update();
    QTest::keyClick(&w, Qt::Key_F5);
    QTest::keyClick(&w, Qt::Key_S, Qt::ShiftModifier);
    QTest::keyClick(child<QLineEdit>(w, "EmuTB"), Qt::Key_F9);
    QCOMPARE(hub.calls, QStringList());
}

void TestConfigWindow::filterConversion_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("qt");
    QTest::newRow("rom dialog") << "nes roms (*.nes)|*.nes|all files (*.*)|*.*"
                                << QStringList{"nes roms (*.nes)", "all files (*)"};
    QTest::newRow("trailing bar adds nothing")
        << "nes roms (*.nes)|*.nes|" << QStringList{"nes roms (*.nes)"};
    QTest::newRow("description without patterns")
        << "Palettes|*.pal" << QStringList{"Palettes (*.pal)"};
    QTest::newRow("several patterns")
        << "Images (*.bmp;*.png)|*.bmp;*.png" << QStringList{"Images (*.bmp *.png)"};
    QTest::newRow("description names other patterns")
        << "Programs (*.exe)|*" << QStringList{"Programs (*.exe) (*)"};
    QTest::newRow("empty description") << "|*.nes" << QStringList{"*.nes (*.nes)"};
    QTest::newRow("pair without pattern skipped") << "A||B|*.b" << QStringList{"B (*.b)"};
    QTest::newRow("lone description") << "just words" << QStringList();
    QTest::newRow("empty") << "" << QStringList();
}

void TestConfigWindow::filterConversion() {
    QFETCH(QString, filter);
    QFETCH(QStringList, qt);
    QCOMPARE(clsDialog::nameFilters(filter), qt);
}

void TestConfigWindow::dialogCancel() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    touch(dir.filePath("a.nes"));
    clsDialog dlg;
    dlg.setFileName(dir.filePath("a.nes"));

    QString title, folder;
    QStringList filters;
    int mode = -1;
    QTimer::singleShot(0, this, [&] {
        auto* d = shownTopLevel<QFileDialog>();
        if (!d) return;
        title = d->windowTitle();
        filters = d->nameFilters();
        folder = d->directory().absolutePath();
        mode = d->fileMode();
        d->reject();
    });
    // No initial folder: the dialog opens where the previous choice was.
    const QString result = dlg.ShowOpen(nullptr, "Select Megaman 3 ROM", QString(),
                                        "nes roms (*.nes)|*.nes|all files (*.*)|*.*",
                                        kOfnHideReadOnly | kOfnFileMustExist | kOfnLongNames);
    QCOMPARE(result, QString());
    QCOMPARE(dlg.FileName(), dir.filePath("a.nes"));
    QCOMPARE(title, QString("Select Megaman 3 ROM"));
    QCOMPARE(filters, QStringList({"nes roms (*.nes)", "all files (*)"}));
    QCOMPARE(folder, QDir(dir.path()).absolutePath());
    QCOMPARE(mode, int(QFileDialog::ExistingFile));
}

void TestConfigWindow::dialogChoose() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    touch(dir.filePath("b.pal"));
    clsDialog dlg;
    QString folder;
    QTimer::singleShot(0, this, [&] {
        auto* d = shownTopLevel<QFileDialog>();
        if (!d) return;
        folder = d->directory().absolutePath();
        d->selectFile("b.pal");
        static_cast<QDialog*>(d)->accept(); // the dialog's own accept, as its Open button
    });
    const QString result = dlg.ShowOpen(nullptr, "Pick the Palette..", dir.path(),
                                        "NES Palettes (*.pal)|*.pal|all files (*.*)|*.*",
                                        kOfnFileMustExist | kOfnLongNames);
    QCOMPARE(folder, QDir(dir.path()).absolutePath());
    QCOMPARE(QFileInfo(result).canonicalFilePath(),
             QFileInfo(dir.filePath("b.pal")).canonicalFilePath());
    QCOMPARE(dlg.FileName(), result);
}

// Confirming a file that does not exist is refused with a warning; the dialog stays.
void TestConfigWindow::dialogMustExist() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    clsDialog dlg;
    dlg.setFileName("kept");
    bool warned = false;
    bool stillOpen = false;
    QTimer::singleShot(0, this, [&] {
        auto* d = shownTopLevel<QFileDialog>();
        if (!d) return;
        QTimer::singleShot(0, this, [&] {
            if (auto* box = shownTopLevel<QMessageBox>()) {
                warned = true;
                box->reject();
            }
        });
        d->selectFile("missing.exe");
        static_cast<QDialog*>(d)->accept(); // returns once the warning is closed
        stillOpen = d->isVisible();
        d->reject();
    });
    const QString result =
        dlg.ShowOpen(nullptr, "Pick the Emu..", dir.path(), "Programs (*.exe)|*.exe",
                     kOfnFileMustExist | kOfnLongNames);
    QVERIFY(warned);
    QVERIFY(stillOpen);
    QCOMPARE(result, QString());
    QCOMPARE(dlg.FileName(), QString("kept"));
}

QTEST_MAIN(TestConfigWindow)
#include "test_config_window.moc"
