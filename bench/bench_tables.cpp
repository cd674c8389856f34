// How long the block and structure tables take on the real main window with every tool
// window this build has shown, on a private copy of the demo bundle:
//  - one step of a right drag in the TSA Table (write the tile, redraw it, show, and
//    Update_Block reaching the Structure Table, the Screen Editor and every other shown
//    window), for a block that many structures use; target under 2 ms;
//  - a full Update_Level; target under 16.7 ms.
// Each is timed as the handler alone and with the repaints it schedules carried out.
// Prints microseconds per repetition, the best of several runs.
//
//   bench_tables [mm3|mm4|mm5]
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <functional>

#include "core/app/Editor.h"
#include "gui/app/Orvane_Main.h"
#include "gui/app/ToolWindow.h"
#include "gui/mapedit/TSATable.h"
#include "gui/render/PictureArea.h"

using namespace orvane;

namespace {

double bestMicroseconds(int reps, const std::function<void()>& body) {
    double best = 1e300;
    for (int run = 0; run < 5; ++run) {
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < reps; ++i)
            body();
        const std::chrono::duration<double, std::micro> took =
            std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count() / reps);
    }
    return best;
}

void mouse(QWidget* w, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held,
           QPoint at) {
    QMouseEvent e(type, QPointF(at), w->mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

// The block the structure table holds most often: the heaviest Update_Block.
int busiestBlock(const Editor& ed) {
    std::array<int, 256> uses{};
    for (int i = 0; i < 1024; ++i)
        ++uses[ed.byte(ed.P(5) + i)];
    return static_cast<int>(std::max_element(uses.begin(), uses.end()) - uses.begin());
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString mode = argc > 1 ? QString(argv[1]) : QString("mm3");

    QTemporaryDir home;
    const QString bundle = ORVANE_DEMO_DIR;
    for (const QString& name :
         {QString("orvane.cfg"), QString("orvane.dat"), QString("nes.pal"), mode + "-demo.nes"}) {
        if (!QFile::copy(bundle + "/" + name, home.filePath(name))) {
            std::fprintf(stderr, "cannot copy %s from %s\n", qPrintable(name), qPrintable(bundle));
            return 1;
        }
        QFile::setPermissions(home.filePath(name), QFile::ReadOwner | QFile::WriteOwner);
    }
    StartupOptions options;
    options.mode = mode;
    options.rom = home.filePath(mode + "-demo.nes");
    options.home = home.path();

    Orvane_Main w(options);
    w.setMessageSink(
        [](const QString& text) { std::fprintf(stderr, "message: %s\n", qPrintable(text)); });
    if (!w.startUp()) return 1;
    w.paletteTimer()->stop(); // only the work measured runs
    w.show();

    const WindowId all[] = {WindowId::PalEd,    WindowId::TileTable, WindowId::TSATable,
                            WindowId::StrTable, WindowId::ScreenEd,  WindowId::EnemEd,
                            WindowId::MiscEd,   WindowId::Config,    WindowId::DumpRes,
                            WindowId::PalChart};
    QStringList shown;
    for (WindowId id : all)
        if (Orvane_Main::windowIsBuilt(id)) {
            w.openWindow(id);
            if (ToolWindow* t = w.shownWindow(id)) shown << t->windowTitle();
        }
    QApplication::processEvents();

    auto* tsa = qobject_cast<TSATable*>(w.shownWindow(WindowId::TSATable));
    if (!tsa) {
        std::fprintf(stderr, "no TSA Table in this build\n");
        return 1;
    }
    Editor& ed = w.editor();
    const int block = busiestBlock(ed);
    int users = 0;
    for (int i = 0; i < 1024; ++i)
        users += ed.byte(ed.P(5) + i) == block;

    // Alternate between the block's two top tiles: every move enters a new tile, so
    // every move is one paint step.
    PictureArea* pic = tsa->tsapic();
    const QPoint left(16 * (block % 16) + 3, 16 * (block / 16) + 3);
    const QPoint right = left + QPoint(8, 0);
    mouse(pic, QEvent::MouseButtonPress, Qt::RightButton, Qt::RightButton, left);
    bool atLeft = true;
    auto step = [&] {
        atLeft = !atLeft;
        mouse(pic, QEvent::MouseMove, Qt::NoButton, Qt::RightButton, atLeft ? left : right);
    };
    const double paint = bestMicroseconds(500, step);
    const double paintShown = bestMicroseconds(200, [&] {
        step();
        QApplication::processEvents();
    });
    mouse(pic, QEvent::MouseButtonRelease, Qt::RightButton, Qt::NoButton, left);

    const double level = bestMicroseconds(20, [&] { w.Update_Level(); });
    const double levelShown = bestMicroseconds(20, [&] {
        w.Update_Level();
        QApplication::processEvents();
    });

    std::printf("game %s, windows shown: %s\n", qPrintable(mode), qPrintable(shown.join(", ")));
    std::printf("TSA right-drag step, block %02X in %d structure quarters:\n", block, users);
    std::printf("  handler:                    %9.1f us  (target < 2000)\n", paint);
    std::printf("  handler + repaints:         %9.1f us\n", paintShown);
    std::printf("Update_Level:\n");
    std::printf("  handler:                    %9.1f us  (target < 16700)\n", level);
    std::printf("  handler + repaints:         %9.1f us\n", levelShown);
    return 0;
}
