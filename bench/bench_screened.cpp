// How long the Screen Editor's two busiest paths take with the real main window on the
// demo bundle (mm3), the Screen Editor and every other built tool window shown:
//   - one step of a left-button drag into another cell: write the layout byte, redraw
//     the cell and the grid, show the picture, forward Update_ScrnStr (goal: < 1 ms);
//   - the main window's Update_Scrn for a change of screen into another section: the
//     section walk, sprite set-up, every shown window's screen refresh and the
//     background palette reload with its refresh of every shown window (goal: < 16.7 ms).
// Each is also timed with the repaint that follows it (offscreen platform). Prints
// microseconds per repetition, the best of several runs.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <functional>

#include "BenchSupport.h"
#include "core/app/Editor.h"
#include "core/level/SectionView.h"
#include "gui/app/Orvane_Main.h"
#include "gui/app/ToolWindow.h"
#include "gui/render/PictureArea.h"

using namespace orvane;

namespace {

// Two screens of the current level that lie in different sections, so every switch
// between them reloads the section's sprites and background palette.
std::pair<int, int> screensInTwoSections(Editor& ed) {
    int first = 0, second = 0;
    for (int n = 0; n <= ed.tables().lastScreen(); ++n) {
        const int section = sectionOfScreen(ed.tables(), n).section;
        if (n == 0)
            first = section;
        else if (section != first && section < kMapSections) {
            second = n;
            break;
        }
    }
    return {0, second};
}

} // namespace

int main(int argc, char** argv) {
    bench::useOffscreenByDefault();
    QApplication app(argc, argv);
    bench::DemoSession session;
    if (!session.start("mm3")) return 1;
    Orvane_Main& main = session.main();
    const QStringList shown =
        session.open({WindowId::PalEd, WindowId::TileTable, WindowId::TSATable, WindowId::StrTable,
                      WindowId::ScreenEd, WindowId::EnemEd, WindowId::MiscEd, WindowId::Config});
    ToolWindow* screenEd = main.shownWindow(WindowId::ScreenEd);
    if (!screenEd) {
        std::fprintf(stderr, "the Screen Editor is not part of this build\n");
        return 1;
    }
    auto* pic = screenEd->findChild<PictureArea*>("ScreenPic");
    QApplication::processEvents();

    // A drag step enters a new cell each time, so every step writes, draws and forwards.
    int step = 0;
    auto dragStep = [&] {
        const QPointF at(16 + 32 * (step % 8), 16 + 32 * ((step / 8) % 8));
        ++step;
        QMouseEvent move(QEvent::MouseMove, at, pic->mapToGlobal(at), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(pic, &move);
    };
    Editor& ed = main.editor();
    main.selection().CurStrRow = 0;
    main.selection().CurStrCol = 3;
    const double drag = bench::bestMicroseconds(500, dragStep);
    const double dragPainted = bench::bestMicroseconds(200, [&] {
        dragStep();
        pic->repaint();
    });

    const auto [a, b] = screensInTwoSections(ed);
    bool flip = false;
    auto screenChange = [&] {
        ed.CurScrn = (flip = !flip) ? b : a;
        main.Update_Scrn();
    };
    const double scrn = bench::bestMicroseconds(50, screenChange);
    auto screenChangePainted = [&] {
        screenChange();
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible()) w->repaint();
    };
    const double scrnPainted = bench::bestMicroseconds(20, screenChangePainted);
    const double scrnPaintedCpu = bench::bestCpuMicroseconds(20, screenChangePainted);

    std::printf("shown windows: %s\n", qPrintable(shown.join(", ")));
    std::printf("screens switched: %d <-> %d (in different sections)\n", a, b);
    std::printf("drag step (write, redraw cell, show, Update_ScrnStr):   %8.1f us  (goal 1000)\n",
                drag);
    std::printf("drag step + repaint of the picture:                    %8.1f us\n", dragPainted);
    std::printf("Update_Scrn, screen change with palette reload:         %8.1f us  (goal 16700)\n",
                scrn);
    std::printf("Update_Scrn + repaint of every shown window:            %8.1f us\n", scrnPainted);
    std::printf("the same, cpu time:                                     %8.1f us  (goal 4000)\n",
                scrnPaintedCpu);
    main.close();
    return 0;
}
