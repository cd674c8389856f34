// The editor on the desktop: window places kept between runs, keys typed into number
// fields that belong to the window instead, Escape in the Configuration window and the
// window keys the menus list.
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QSettings>
#include <QtTest>

#include "gui/app/Orvane_Main.h"
#include "gui/app/ToolWindow.h"
#include "gui/app/WindowOrder.h"
#include "gui/app/WindowPlaces.h"
#include "gui/support/Harness.h"

using namespace orvane;

namespace {

// The real main window, recording the windows it is asked to open.
class RecordingMain : public Orvane_Main {
public:
    using Orvane_Main::Orvane_Main;
    QList<WindowId> opened;
    void openWindow(WindowId id) override {
        opened << id;
        Orvane_Main::openWindow(id);
    }
    // Opens window `id` (a data row's int) and finds its control `name`.
    template <class T> T* openedControl(int id, const QString& name) {
        openWindow(static_cast<WindowId>(id));
        ToolWindow* w = shownWindow(static_cast<WindowId>(id));
        return w ? w->findChild<T*>(name) : nullptr;
    }
};

// A run of the editor on `home`'s demo ROM, keeping places in `places` when given.
std::unique_ptr<RecordingMain> run(const DemoHome& home, QSettings* places = nullptr) {
    auto main = std::make_unique<RecordingMain>(home.options());
    main->setMessageSink([](const QString& text) { QFAIL(qPrintable(text)); });
    main->keepWindowPlaces(places);
    if (!main->startUp()) return nullptr;
    main->showWithWindows();
    return main;
}

} // namespace

class TestDesktop : public QObject {
    Q_OBJECT
private slots:
    void keptPlacesAndOpenWindows_data() {
        QTest::addColumn<int>("window");
        QTest::addColumn<QPoint>("kept"); // from the top-left of the available area
        QTest::addColumn<bool>("open");
        QTest::addColumn<QPoint>("expected"); // (-1, -1): against the bottom-right corner
        const QPoint corner(-1, -1);
        QTest::newRow("open") << int(WindowId::TileTable) << QPoint(40, 30) << true
                              << QPoint(40, 30);
        QTest::newRow("closed") << int(WindowId::TSATable) << QPoint(50, 20) << false
                                << QPoint(50, 20);
        QTest::newRow("off right and bottom")
            << int(WindowId::StrTable) << QPoint(9000, 7000) << true << corner;
        QTest::newRow("off left and top")
            << int(WindowId::ScreenEd) << QPoint(-3000, -200) << true << QPoint(0, 0);
    }
    void keptPlacesAndOpenWindows() {
        QFETCH(int, window);
        QFETCH(QPoint, kept);
        QFETCH(bool, open);
        QFETCH(QPoint, expected);
        const auto id = static_cast<WindowId>(window);
        DemoHome home("mm4");
        QTemporaryDir dir;
        QSettings places(dir.filePath("places.ini"), QSettings::IniFormat);
        const QString key = QString("windows/") + toolWindowName(id);
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        places.setValue(key + "/pos", area.topLeft() + kept);
        places.setValue(key + "/open", open);

        auto main = run(home, &places);
        QVERIFY(main);
        QCOMPARE(main->opened, open ? QList<WindowId>{id} : QList<WindowId>{});
        if (!open) main->openWindow(id);
        ToolWindow* w = main->shownWindow(id);
        QVERIFY(w);
        const QRect frame = w->frameGeometry();
        if (expected == QPoint(-1, -1))
            QCOMPARE(frame.bottomRight(), area.bottomRight());
        else
            QCOMPARE(frame.topLeft(), area.topLeft() + expected);

        // Moved, then the editor closed with the window open: the next run opens it there.
        const QPoint moved = area.topLeft() + QPoint(11, 13);
        w->move(moved);
        main->close();
        main = run(home, &places);
        QVERIFY(main);
        QCOMPARE(main->opened, QList<WindowId>{id});
        QCOMPARE(main->shownWindow(id)->pos(), moved);

        // Closed by the user: the next run leaves it closed.
        main->shownWindow(id)->close();
        main->close();
        main = run(home, &places);
        QVERIFY(main->opened.isEmpty());
    }

    void freePlaceBesideTheMainWindow_data() {
        QTest::addColumn<QRect>("area");
        QTest::addColumn<QList<QRect>>("taken");
        QTest::addColumn<QPoint>("expected");
        const QRect wide(0, 0, 1600, 1000), small(0, 0, 1366, 768);
        QTest::newRow("first") << wide << QList<QRect>{} << QPoint(600, 100);
        QTest::newRow("beside the first")
            << wide << QList<QRect>{{600, 100, 300, 300}} << QPoint(900, 100);
        QTest::newRow("under, when the row is full")
            << small << QList<QRect>{{600, 100, 300, 300}, {900, 100, 466, 300}}
            << QPoint(600, 400);
        QTest::newRow("nothing free: least covered")
            << QRect(0, 0, 900, 500) << QList<QRect>{{600, 0, 300, 300}} << QPoint(600, 200);
    }
    void freePlaceBesideTheMainWindow() {
        QFETCH(QRect, area);
        QFETCH(QList<QRect>, taken);
        QFETCH(QPoint, expected);
        const QRect mainFrame(100, 100, 500, 400);
        QCOMPARE(freePlace(QSize(300, 300), mainFrame, taken, area), expected);
    }

    void lettersNumberFieldsCannotUse_data() {
        QTest::addColumn<int>("window");
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("typed");
        QTest::addColumn<int>("opens"); // -1: nothing
        const int screenEd = int(WindowId::ScreenEd), none = -1;
        QTest::newRow("hex") << screenEd << "ScrnPresTB" << int(Qt::Key_T) << false
                             << int(WindowId::TileTable);
        QTest::newRow("hex, no window key")
            << screenEd << "ScrnPresTB" << int(Qt::Key_G) << false << none;
        QTest::newRow("hex digit")
            << int(WindowId::EnemEd) << "XTB" << int(Qt::Key_B) << true << none;
        QTest::newRow("decimal") << screenEd << "SLenTB" << int(Qt::Key_E) << false
                                 << int(WindowId::EnemEd);
        QTest::newRow("palette") << int(WindowId::PalEd) << "EffTB2" << int(Qt::Key_R) << false
                                 << int(WindowId::StrTable);
    }
    void lettersNumberFieldsCannotUse() {
        QFETCH(int, window);
        QFETCH(QString, field);
        QFETCH(int, key);
        QFETCH(bool, typed);
        QFETCH(int, opens);
        DemoHome home("mm3");
        auto main = run(home);
        QVERIFY(main);
        auto* f = main->openedControl<QLineEdit>(window, field);
        main->opened.clear();
        QVERIFY(f);
        // Typing edits the text (the window may then show the value as stored).
        QSignalSpy edits(f, &QLineEdit::textEdited);
        QTest::keyClick(f, Qt::Key(key), Qt::ShiftModifier);
        QCOMPARE(edits.count(), typed ? 1 : 0);
        QCOMPARE(main->opened,
                 opens < 0 ? QList<WindowId>{} : QList<WindowId>{static_cast<WindowId>(opens)});
    }

    void escapeClosesConfiguration() {
        DemoHome home("mm3");
        auto main = run(home);
        QVERIFY(main);
        main->openWindow(WindowId::Config);
        QPointer<ToolWindow> config = main->shownWindow(WindowId::Config);
        QVERIFY(config);
        QTest::keyClick(config->findChild<QLineEdit*>("EmuTB"), Qt::Key_Escape);
        QVERIFY(!config || !config->isVisible());
    }

    // The pointer over a picture: the status bar names what lies under it.
    void hoverInTheStatusBar_data() {
        QTest::addColumn<int>("window");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QString>("expected"); // the start of the text
        QTest::newRow("tile") << int(WindowId::TileTable) << "pic1"
                              << QPoint(3 * 16 + 9, 2 * 16 + 9) << "Tile 23";
        QTest::newRow("block quarter") << int(WindowId::TSATable) << "tsapic"
                                       << QPoint(5 * 16 + 12, 16 + 3) << "Block 15, tile ";
        QTest::newRow("structure quarter") << int(WindowId::StrTable) << "StrPic"
                                           << QPoint(2 * 32 + 5, 32 + 20) << "Structure 12, block ";
        QTest::newRow("screen cell")
            << int(WindowId::ScreenEd) << "ScreenPic" << QPoint(3 * 32 + 1, 2 * 32 + 31)
            << "Row 2, column 3: structure ";
        QTest::newRow("sprite tile") << int(WindowId::EnemEd) << "TilePic"
                                     << QPoint(15 * 16 + 2, 15 * 16 + 15) << "Sprite tile FF";
        QTest::newRow("sprite colour") << int(WindowId::EnemEd) << "PalPic" << QPoint(6 * 32 + 4, 9)
                                       << "Sprite palette 3, colour 2: ";
        QTest::newRow("palette entry")
            << int(WindowId::PalEd) << "PalPic" << QPoint(5, 5) << "Entry 0: colour ";
    }
    void hoverInTheStatusBar() {
        QFETCH(int, window);
        QFETCH(QString, picture);
        QFETCH(QPoint, at);
        QFETCH(QString, expected);
        DemoHome home("mm4");
        auto main = run(home);
        QVERIFY(main);
        auto* pic = main->openedControl<QWidget>(window, picture);
        QVERIFY(pic);
        QTest::mouseMove(pic, at);
        const QString shown = main->findChild<QLabel*>("StatusHover")->text();
        QVERIFY2(shown.startsWith(expected), qPrintable(shown));
    }

    // The menus list the window keys as text only: in a tool window each fires once.
    void windowKeysFireOnce() {
        DemoHome home("mm5");
        auto main = run(home);
        QVERIFY(main);
        main->openWindow(WindowId::TileTable);
        for (const auto& entry : windowOrder::kLevelMenu) {
            if (entry.shiftKey == 0) continue;
            main->opened.clear();
            QTest::keyClick(main->shownWindow(WindowId::TileTable), Qt::Key(entry.shiftKey),
                            Qt::ShiftModifier);
            QCOMPARE(main->opened, QList<WindowId>{entry.id});
        }
    }
};

QTEST_MAIN(TestDesktop)
#include "test_desktop.moc"
