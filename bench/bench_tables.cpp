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

#include "BenchSupport.h"
#include "core/app/Editor.h"
#include "gui/app/Orvane_Main.h"
#include "gui/app/ToolWindow.h"
#include "gui/mapedit/TSATable.h"
#include "gui/render/PictureArea.h"

using namespace orvane;

namespace {

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
    bench::useOffscreenByDefault();
    QApplication app(argc, argv);
    const QString mode = argc > 1 ? QString(argv[1]) : QString("mm3");
    bench::DemoSession session;
    if (!session.start(mode)) return 1;
    Orvane_Main& w = session.main();
    const QStringList shown =
        session.open({WindowId::PalEd, WindowId::TileTable, WindowId::TSATable, WindowId::StrTable,
                      WindowId::ScreenEd, WindowId::EnemEd, WindowId::MiscEd, WindowId::Config,
                      WindowId::DumpRes, WindowId::PalChart});

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
    const double paint = bench::bestMicroseconds(500, step);
    const double paintShown = bench::bestMicroseconds(200, [&] {
        step();
        QApplication::processEvents();
    });
    mouse(pic, QEvent::MouseButtonRelease, Qt::RightButton, Qt::NoButton, left);

    const double level = bench::bestMicroseconds(20, [&] { w.Update_Level(); });
    const double levelShown = bench::bestMicroseconds(20, [&] {
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
