// Every window as a person first meets it, in each game, on the demo bundle. Each file of
// tests/data/windows describes one window, a line each:
//   level 1               step to that level first (F7 on the main window)
//   open View_ScreenEd    the main window's action or button that opens it
//   title Screen Editor   the window, found by its title
//   SimplEd Simple Scroll-Editing   a named control and its caption ("\t" a tab; a list's
//                                   items joined by "|"; none given: it only must exist)
//   mm4 DDALab BG Palette           a line for one game only
//   picture ScreenPic     the picture must show tests/data/golden/<game>-<window>-<picture>.png
// After a deliberate change of the demo or of the drawing, write the golden pictures again
// with   ORVANE_WRITE_GOLDEN=1 build/tests/gui_test_windows
// and look at every changed picture before committing it.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QtTest>

#include "gui/app/Orvane_Main.h"
#include "gui/render/PictureArea.h"
#include "gui/support/Harness.h"

using namespace orvane;
using namespace orvane::testing;

namespace {

QString captionOf(const QObject* o) {
    if (auto* l = qobject_cast<const QLabel*>(o)) return l->text();
    if (auto* b = qobject_cast<const QAbstractButton*>(o)) return b->text();
    if (auto* a = qobject_cast<const QAction*>(o)) return a->text();
    if (auto* m = qobject_cast<const QMenu*>(o)) return m->title();
    QStringList items;
    if (auto* l = qobject_cast<const QListWidget*>(o))
        for (int i = 0; i < l->count(); ++i)
            items << l->item(i)->text();
    return items.join('|');
}

QWidget* windowTitled(const QString& title) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->windowTitle() == title) return w;
    return nullptr;
}

// Compares a picture with its golden file, or writes the file when asked to.
void compareGolden(const QImage& shown, const QString& name) {
    const QString path = ORVANE_SOURCE_DIR "/tests/data/golden/" + name + ".png";
    const QImage picture = shown.convertToFormat(QImage::Format_RGB32);
    if (qEnvironmentVariableIsSet("ORVANE_WRITE_GOLDEN")) {
        QVERIFY(picture.save(path));
        return qWarning("wrote %s", qPrintable(path));
    }
    const QImage golden(path);
    QVERIFY2(!golden.isNull(), qPrintable("no golden picture " + path));
    if (golden.convertToFormat(QImage::Format_RGB32) != picture) {
        const QString actual = QDir::temp().filePath(name + "-actual.png");
        picture.save(actual);
        QFAIL(qPrintable("the picture differs from " + path + "; it is in " + actual));
    }
}

} // namespace

class TestWindows : public QObject {
    Q_OBJECT
private slots:
    void windows_data() {
        QTest::addColumn<QString>("game");
        QTest::addColumn<QString>("file");
        for (const char* game : {"mm3", "mm4", "mm5"})
            for (const QString& f : dataFiles("windows"))
                QTest::addRow("%s %s", game, qPrintable(QFileInfo(f).baseName()))
                    << QString(game) << f;
    }
    void windows() {
        QFETCH(QString, game);
        QFETCH(QString, file);
        StartedMain s(game);
        QVERIFY2(s.main, qPrintable(s.messages.join('\n')));
        const QObject* window = s.main.get();
        for (const QByteArray& raw : readFile(file).split('\n')) {
            QString line = QString::fromUtf8(raw).replace("\\t", "\t");
            if (line.startsWith("mm")) {
                if (!line.startsWith(game + " ")) continue;
                line = line.mid(4);
            }
            const QString key = line.section(' ', 0, 0), rest = line.section(' ', 1);
            if (key.isEmpty() || key.startsWith('#')) continue;
            if (key == "level") {
                for (int i = 0; i < rest.toInt(); ++i)
                    QTest::keyClick(s.main.get(), Qt::Key_F7);
            } else if (key == "open") {
                if (auto* a = s.main->findChild<QAction*>(rest))
                    a->trigger();
                else
                    child<QPushButton>(s.main.get(), qPrintable(rest))->click();
            } else if (key == "title") {
                window = windowTitled(rest);
                QVERIFY2(window, qPrintable("no window " + rest));
            } else if (key == "picture") {
                auto* picture = child<PictureArea>(window, qPrintable(rest));
                compareGolden(picture->grab().toImage(),
                              game + "-" + QFileInfo(file).baseName() + "-" + rest);
            } else {
                const QObject* control = window->findChild<QObject*>(key);
                QVERIFY2(control, qPrintable("no control " + key));
                if (!rest.isEmpty()) QCOMPARE(captionOf(control), rest);
            }
        }
        QVERIFY2(s.messages.isEmpty(), qPrintable(s.messages.join('\n')));
    }
};

QTEST_MAIN(TestWindows)
#include "test_windows.moc"
