#include <QtTest>

#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>

#include <functional>
#include <memory>

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

// The window over a hub holding `file`, refreshed once as the main window opens it.
struct Opened {
    FakeHub hub;
    std::unique_ptr<Config> w;
    QLineEdit* field(const char* name) { return child<QLineEdit>(*w, name); }
};
std::unique_ptr<Opened> open(const QByteArray& file = kConfig) {
    auto o = std::make_unique<Opened>();
    o->hub.setConfigFile(file);
    o->w = std::make_unique<Config>(o->hub);
    o->w->Update();
    return o;
}

// Runs `act` on the file dialog once the event loop shows it.
void whenDialogShown(QObject* ctx, std::function<void(QFileDialog*)> act) {
    QTimer::singleShot(0, ctx, [act] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* d = qobject_cast<QFileDialog*>(w); d && d->isVisible()) return act(d);
    });
}

void touch(const QString& path) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
}

} // namespace

class TestConfigWindow : public QObject {
    Q_OBJECT
private slots:
    void quietText_data() {
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
    // The change handler does not run for the quiet change; the caret stays put.
    void quietText() {
        QFETCH(QString, before);
        QFETCH(int, caret);
        QFETCH(QString, after);
        QFETCH(int, expectedCaret);
        QLineEdit field;
        field.setText(before);
        field.setCursorPosition(caret);
        QStringList seen;
        connect(&field, &QLineEdit::textChanged, &field, [&](const QString& t) { seen << t; });
        SetTextQuiet(&field, after);
        QCOMPARE(field.text(), after);
        QCOMPARE(field.cursorPosition(), expectedCaret);
        QVERIFY(!field.signalsBlocked());
        QCOMPARE(seen, QStringList());
        field.setText("typed");
        QCOMPARE(seen, QStringList{"typed"});
    }

    void quietTextKeepsAnOuterBlock() {
        QLineEdit field;
        {
            const QSignalBlocker outer(&field);
            SetTextQuiet(&field, "x");
            QVERIFY(field.signalsBlocked());
        }
        QVERIFY(!field.signalsBlocked());
    }

    void updateFillsFieldsQuietly() {
        auto o = open();
        QCOMPARE(o->w->windowTitle(), QString("Configuration"));
        QLineEdit *emu = o->field("EmuTB"), *pal = o->field("PALTB");
        QCOMPARE(pal->text(), QString("nes.pal"));
        QCOMPARE(pal->cursorPosition(), 1);
        QVERIFY(!child<QCheckBox>(*o->w, "PACheck")->isChecked());
        QCOMPARE(o->hub.configFile(), kConfig);
        {
            const QSignalBlocker quiet(emu); // a longer text, not stored: the caret stays put
            emu->setText("typed so far");
        }
        emu->setCursorPosition(3);
        QVERIFY(o->hub.ed.Config.setText("palfile", "other.pal"));
        o->w->Update();
        QCOMPARE(emu->text(), QString("/opt/emu"));
        QCOMPARE(emu->cursorPosition(), 3);
        QCOMPARE(pal->text(), QString("other.pal"));
        QCOMPARE(o->hub.calls, QStringList());
        QCOMPARE(o->hub.messages, QStringList());
    }

    void typingRewritesEveryKeystroke() {
        auto o = open();
        FakeHub& hub = o->hub;
        QVERIFY(hub.ed.Config.setText("emufname", ""));
        o->w->Update();
        QLineEdit *emu = o->field("EmuTB"), *pal = o->field("PALTB");
        QTest::keyClicks(emu, "abc");
        QCOMPARE(hub.calls, QStringList({"SetConfigText(emufname,a)", "SetConfigText(emufname,ab)",
                                         "SetConfigText(emufname,abc)"}));
        // Typing in the middle: the refresh after each key leaves the caret after the key.
        emu->setCursorPosition(1);
        QTest::keyClicks(emu, "XY");
        QCOMPARE(emu->cursorPosition(), 3);
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
    void typingWithMissingKey() {
        const QByteArray file("palanim=#0;\r\npalfile=\"nes.pal\"\r\n/\r\n");
        auto o = open(file);
        QCOMPARE(o->hub.messages, QStringList({"Cant find config ID: emufname"}));
        o->hub.messages.clear();
        QTest::keyClicks(o->field("EmuTB"), "ab");
        const QStringList key{"Cant set config ID: emufname", "Cant find config ID: emufname"};
        QCOMPARE(o->hub.messages, key + key);
        QCOMPARE(o->field("EmuTB")->text(), QString());
        QCOMPARE(o->hub.configFile(), file);
    }

    void checkBoxStoresAndSwitchesTimer() {
        auto o = open();
        o->w->show();
        QVERIFY(QTest::qWaitForWindowExposed(o->w.get()));
        auto* check = child<QCheckBox>(*o->w, "PACheck");
        for (int on : {1, 0}) {
            o->hub.calls.clear();
            QTest::mouseClick(check, Qt::LeftButton, {}, check->rect().center());
            QCOMPARE(check->isChecked(), on == 1);
            QCOMPARE(o->hub.calls,
                     QStringList({QString("SetConfigNumber(palanim,%1)").arg(on),
                                  QString("setPaletteAnimationRunning(%1)").arg(on)}));
            QCOMPARE(o->hub.paletteAnimationRunning, on == 1);
            QCOMPARE(o->hub.configFile(), on ? QByteArray(kConfig).replace("#0", "#1") : kConfig);
        }
    }

    void openingTicksBoxOnce_data() {
        QTest::addColumn<QByteArray>("palanim");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<QByteArray>("stored");
        const QStringList starts{"SetConfigNumber(palanim,1)", "setPaletteAnimationRunning(1)"};
        QTest::newRow("on") << QByteArray("1") << starts << QByteArray("1");
        QTest::newRow("other non-zero is stored as 1")
            << QByteArray("2") << starts << QByteArray("1");
        QTest::newRow("off") << QByteArray("0") << QStringList() << QByteArray("0");
    }
    // The box starts clear, so the first refresh with palanim set ticks it, and that
    // counts as one click.
    void openingTicksBoxOnce() {
        QFETCH(QByteArray, palanim);
        QFETCH(QStringList, calls);
        QFETCH(QByteArray, stored);
        auto o = open("palanim=#" + palanim + ";\r\n/\r\n");
        QCOMPARE(o->hub.calls, calls);
        QCOMPARE(o->hub.configFile(), "palanim=#" + stored + ";\r\n/\r\n");
        QCOMPARE(child<QCheckBox>(*o->w, "PACheck")->isChecked(), !calls.isEmpty());
        o->hub.calls.clear();
        o->w->Update();
        QCOMPARE(o->hub.calls, QStringList());
    }

    void browse() {
        const struct {
            const char *button, *field, *key, *title, *filter, *answer;
        } pickers[] = {{"EmuBrowseBtn", "EmuTB", "emufname", "Pick the Emu..",
                        "Programs (*.exe)|*.exe|all files (*.*)|*.*", "/usr/games/my emu"},
                       {"PALBrowseBtn", "PALTB", "palfile", "Pick the Palette..",
                        "NES Palettes (*.pal)|*.pal|all files (*.*)|*.*", "/home/u/fceu.pal"}};
        for (const auto& p : pickers)
            for (const QString& answer : {QString(), QString(p.answer)}) {
                auto o = open();
                const QString before = o->field(p.field)->text();
                QStringList asked;
                o->w->setFilePicker([&](const QString& t, const QString& f) {
                    asked << t << f;
                    return answer;
                });
                QTest::mouseClick(child<QPushButton>(*o->w, p.button), Qt::LeftButton);
                QCOMPARE(asked, QStringList({p.title, p.filter}));
                if (answer.isEmpty()) {
                    QCOMPARE(o->hub.calls, QStringList());
                    QCOMPARE(o->hub.configFile(), kConfig);
                    QCOMPARE(o->field(p.field)->text(), before);
                } else { // stored and shown; the palette is not read until "Reload Now"
                    QCOMPARE(o->hub.calls,
                             QStringList({QString("SetConfigText(%1,%2)").arg(p.key, answer)}));
                    QCOMPARE(QString::fromStdString(o->hub.ed.Config.text(p.key).value()), answer);
                    QCOMPARE(o->field(p.field)->text(), answer);
                }
            }
    }

    // F5 while typing a path must not save the ROM: this window keeps its keys.
    void keysStayInWindowAndReloadNow() {
        auto o = open();
        QTest::keyClick(o->w.get(), Qt::Key_F5);
        QTest::keyClick(o->w.get(), Qt::Key_S, Qt::ShiftModifier);
        QTest::keyClick(o->field("EmuTB"), Qt::Key_F9);
        QCOMPARE(o->hub.calls, QStringList());
        QTest::mouseClick(child<QPushButton>(*o->w, "PALReloadBtn"), Qt::LeftButton);
        QCOMPARE(o->hub.calls, QStringList({"ReloadNESPAL", "GetMMCols", "Update_Level"}));
        QCOMPARE(o->hub.configFile(), kConfig);
    }

    void filterConversion_data() {
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
    void filterConversion() {
        QFETCH(QString, filter);
        QFETCH(QStringList, qt);
        QCOMPARE(clsDialog::nameFilters(filter), qt);
    }

    void dialogCancel() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        touch(dir.filePath("a.nes"));
        clsDialog dlg;
        dlg.setFileName(dir.filePath("a.nes"));
        QString title, folder;
        QStringList filters;
        int mode = -1;
        whenDialogShown(this, [&](QFileDialog* d) {
            title = d->windowTitle();
            filters = d->nameFilters();
            folder = d->directory().absolutePath();
            mode = d->fileMode();
            d->reject();
        });
        // No initial folder: the dialog opens where the previous choice was.
        QCOMPARE(dlg.ShowOpen(nullptr, "Select Megaman 3 ROM", QString(),
                              "nes roms (*.nes)|*.nes|all files (*.*)|*.*",
                              kOfnHideReadOnly | kOfnFileMustExist | kOfnLongNames),
                 QString());
        QCOMPARE(dlg.FileName(), dir.filePath("a.nes"));
        QCOMPARE(title, QString("Select Megaman 3 ROM"));
        QCOMPARE(filters, QStringList({"nes roms (*.nes)", "all files (*)"}));
        QCOMPARE(folder, QDir(dir.path()).absolutePath());
        QCOMPARE(mode, int(QFileDialog::ExistingFile));
    }

    void dialogChoose() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        touch(dir.filePath("b.pal"));
        clsDialog dlg;
        QString folder;
        whenDialogShown(this, [&](QFileDialog* d) {
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
    void dialogMustExist() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        clsDialog dlg;
        dlg.setFileName("kept");
        bool warned = false, stillOpen = false;
        whenDialogShown(this, [&](QFileDialog* d) {
            QTimer::singleShot(0, this, [&] {
                for (QWidget* w : QApplication::topLevelWidgets())
                    if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) {
                        warned = true;
                        box->reject();
                    }
            });
            d->selectFile("missing.exe");
            static_cast<QDialog*>(d)->accept(); // returns once the warning is closed
            stillOpen = d->isVisible();
            d->reject();
        });
        QCOMPARE(dlg.ShowOpen(nullptr, "Pick the Emu..", dir.path(), "Programs (*.exe)|*.exe",
                              kOfnFileMustExist | kOfnLongNames),
                 QString());
        QVERIFY(warned);
        QVERIFY(stillOpen);
        QCOMPARE(dlg.FileName(), QString("kept"));
    }
};

QTEST_MAIN(TestConfigWindow)
#include "test_config_window.moc"
