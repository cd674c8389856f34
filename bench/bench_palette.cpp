// The Palette Editor's costliest gestures with the real main window on the mm4 demo:
//   - a colour step of the backdrop (entry 0, which every background pixel of every window
//     shows) with every built window shown: the ROM write, ApplySelCol, the colour tables
//     copied into every bitmap and every shown window's pictures shown again, once alone
//     and once with the repaint of every shown window that follows (goal: < 2 ms);
//   - SetFrameCount on a full area of 64 records, growing the first record by one frame
//     and shrinking it back, so all 63 records behind it move both ways (goal: < 0.1 ms).
// Prints microseconds per repetition, the best of several runs.
#include <QApplication>
#include <QTest>
#include <algorithm>
#include <cstdio>

#include "BenchSupport.h"
#include "core/app/Editor.h"
#include "core/render/AnimationArea.h"
#include "core/render/PaletteAnimation.h"
#include "gui/render/PalEd.h"
#include "gui/render/PictureArea.h"

using namespace orvane;

namespace {

// Animations 0..63 become consecutive records of four frames from 0xBB00 on.
void fillArea(Editor& ed) {
    for (int a = 0; a < kAreaAnimations; ++a) {
        const int64_t address = 0xBB00 + 6 * a;
        setAnimationAddress(ed, a, address);
        const int64_t at = animationBankPosition(ed, address);
        for (int i = 0; i < 6; ++i)
            ed.setByte(at + i, i == 0 ? 3 : a + i);
    }
}

} // namespace

int main(int argc, char** argv) {
    bench::useOffscreenByDefault();
    QApplication app(argc, argv);
    bench::DemoSession session;
    if (!session.start("mm4")) return 1;
    Orvane_Main& main = session.main();
    const QStringList shown =
        session.open({WindowId::TileTable, WindowId::TSATable, WindowId::StrTable,
                      WindowId::ScreenEd, WindowId::EnemEd, WindowId::PalEd});
    auto* palEd = qobject_cast<PalEd*>(main.shownWindow(WindowId::PalEd));
    if (!palEd) {
        std::fprintf(stderr, "the Palette Editor is not part of this build\n");
        return 1;
    }
    // The backdrop is selected when the window opens, so every click steps it.
    auto step = [&] { QTest::mouseClick(palEd->storedPicture(), Qt::LeftButton, {}, {16, 16}); };
    const double alone = bench::bestMicroseconds(200, step);
    // The repaints the step asked for, as the event loop runs them; the process's CPU time
    // counts Qt's helper threads too.
    double painted = 1e300;
    for (int run = 0; run < 5; ++run) {
        const double c0 = bench::cpuMicroseconds();
        for (int i = 0; i < 50; ++i) {
            step();
            QApplication::processEvents();
        }
        painted = std::min(painted, (bench::cpuMicroseconds() - c0) / 50);
    }
    // For comparison: every shown window repainted whole, as when all are uncovered at once.
    const double whole = bench::bestMicroseconds(20, [&] {
        step();
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible()) w->repaint();
    });

    Editor& ed = main.editor();
    fillArea(ed);
    const int64_t first = paletteAnimationRecord(ed, 0);
    const double resize = bench::bestMicroseconds(20000,
                                                  [&] {
                                                      SetFrameCount(ed, first, 4);
                                                      SetFrameCount(ed, first, 3);
                                                  }) /
                          2;

    std::printf("shown windows: %s\n", qPrintable(shown.join(", ")));
    std::printf("backdrop colour step (write, ApplySelCol, show every window): %8.1f us  "
                "(goal 2000)\n",
                alone);
    std::printf("same step + the repaints it asks for (cpu):                    %8.1f us\n",
                painted);
    std::printf("same step + every shown window repainted whole:                %8.1f us\n", whole);
    std::printf("SetFrameCount on a full 64-record area:                        %8.2f us  "
                "(goal 100)\n",
                resize);
    main.close();
    return 0;
}
