// What the edit history costs, on the real main window with every tool window this build
// has shown, on a private copy of one game's demo bundle:
//   - a Screen Editor left-drag step and a TSA Table right-drag step (each writes a byte
//     that changes, so each is recorded), timed with the history off and on, in
//     alternating rounds of the same run (goal: recording adds under 5 %);
//   - Edit > Undo of a 1,000-byte step (the bytes, the level reload and every shown
//     window's refresh), and the same with the repaints carried out (goal: one 60 Hz
//     frame, 16.7 ms).
// Prints microseconds per repetition: CPU time, the best of many rounds, for the drag steps;
// wall time, the best of several runs, for the undo.
//
//   bench_history [mm3|mm4|mm5]
#include <QApplication>
#include <QMouseEvent>

#include <algorithm>
#include <cstdio>

#include "BenchSupport.h"
#include "core/app/Editor.h"
#include "gui/mapedit/TSATable.h"
#include "gui/render/PictureArea.h"

using namespace orvane;

namespace {

void mouse(QWidget* w, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held,
           QPoint at) {
    QMouseEvent e(type, QPointF(at), w->mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

struct OffOn {
    double off = 1e300;
    double on = 1e300;
};

// Best CPU time of `step` with the history off and on, in many short alternating rounds,
// each inside one press of `button` on `pic` (one gesture, as a real drag). CPU time and
// the best of many rounds keep the other work of a shared machine out of the comparison.
OffOn timeDrag(Editor& ed, QWidget* pic, Qt::MouseButton button,
               const std::function<void()>& step) {
    constexpr int kReps = 100;
    OffOn best;
    for (int round = 0; round < 60; ++round) {
        const bool on = round % 2 == 1;
        if (on)
            ed.RomImage.startHistory();
        else
            ed.RomImage.stopHistory();
        mouse(pic, QEvent::MouseButtonPress, button, button, QPoint(1, 1));
        const double start = bench::cpuMicroseconds();
        for (int i = 0; i < kReps; ++i)
            step();
        const double t = (bench::cpuMicroseconds() - start) / kReps;
        mouse(pic, QEvent::MouseButtonRelease, button, Qt::NoButton, QPoint(1, 1));
        double& slot = on ? best.on : best.off;
        slot = std::min(slot, t);
    }
    ed.RomImage.startHistory();
    return best;
}

void printOffOn(const char* what, const OffOn& t) {
    std::printf(
        "%s\n  history off: %9.1f us CPU\n  history on:  %9.1f us CPU  (%+.1f %%, goal < 5 %%)\n",
        what, t.off, t.on, 100.0 * (t.on - t.off) / t.off);
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
    auto* screenPic = w.findChild<PictureArea*>("ScreenPic");
    auto* tsa = qobject_cast<TSATable*>(w.shownWindow(WindowId::TSATable));
    if (!screenPic || !tsa) {
        std::fprintf(stderr, "the Screen Editor or the TSA Table is not part of this build\n");
        return 1;
    }
    Editor& ed = w.editor();

    // Screen Editor: every move enters the next cell; each pass over the 64 cells paints
    // the other of two structures, so every write changes the cell.
    int cell = 0;
    const OffOn screen = timeDrag(ed, screenPic, Qt::LeftButton, [&] {
        ed.CurStrRow = 0;
        ed.CurStrCol = (cell / 64) % 2 ? 3 : 4;
        const QPoint at(16 + 32 * (cell % 8), 16 + 32 * ((cell / 8) % 8));
        ++cell;
        mouse(screenPic, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, at);
    });

    // TSA Table: moves alternate between block 0x11's two top tiles, and the tile painted
    // changes every second move, so every write changes the quarter.
    int move = 0;
    const OffOn table = timeDrag(ed, tsa->tsapic(), Qt::RightButton, [&] {
        ed.TileSelA = 1;
        ed.TileSelB = (move / 2) % 2 ? 2 : 3;
        const QPoint at = QPoint(16 + 3, 16 + 3) + QPoint(move % 2 ? 8 : 0, 0);
        ++move;
        mouse(tsa->tsapic(), QEvent::MouseMove, Qt::NoButton, Qt::RightButton, at);
    });

    // A 1,000-byte step: the block tile table's first 1,000 bytes, each changed.
    {
        EditStep step(ed.RomImage, "Benchmark edit");
        for (int64_t i = 0; i < 1000; ++i)
            ed.setByte(ed.P(3) + i, ed.byte(ed.P(3) + i) ^ 0x01);
    }
    const size_t stepBytes = ed.RomImage.history()->newestStepSize();
    bool undone = false;
    auto undoOrRedo = [&] {
        if ((undone = !undone))
            w.Edit_Undo();
        else
            w.Edit_Redo();
    };
    const double undo = bench::bestMicroseconds(20, undoOrRedo);
    const double undoShown = bench::bestMicroseconds(20, [&] {
        undoOrRedo();
        QApplication::processEvents();
    });

    std::printf("game %s, windows shown: %s\n", qPrintable(mode), qPrintable(shown.join(", ")));
    printOffOn("Screen Editor left-drag step (write, redraw cell, show, Update_ScrnStr):", screen);
    printOffOn("TSA Table right-drag step (write, redraw tile, show, Update_Block):", table);
    std::printf("Undo or redo of a %zu-byte step with the full refresh:\n", stepBytes);
    std::printf("  handler:             %9.1f us  (goal < 16700)\n", undo);
    std::printf("  handler + repaints:  %9.1f us\n", undoShown);
    return 0;
}
