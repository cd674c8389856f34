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

#include "core/app/Editor.h"
#include "core/render/SectionWalk.h"
#include "gui/app/Orvane_Main.h"
#include "gui/app/ToolWindow.h"
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

// Two screens of the current level that lie in different sections, so every switch
// between them reloads the section's sprites and background palette.
std::pair<int, int> screensInTwoSections(Editor& ed) {
    const int keep = ed.CurScrn;
    int first = 0, second = 0;
    for (int n = 0; n <= ed.P(16); ++n) {
        ed.CurScrn = n;
        int start = 0;
        const int section = findSection(ed, start);
        if (n == 0)
            first = section;
        else if (section != first && section < 24) {
            second = n;
            break;
        }
    }
    ed.CurScrn = keep;
    return {0, second};
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    // A private copy of the demo bundle, so nothing the benchmark does reaches it.
    QTemporaryDir home;
    for (const QString name : {"orvane.cfg", "orvane.dat", "nes.pal", "mm3-demo.nes"})
        if (!QFile::copy(QString(ORVANE_DEMO_DIR) + "/" + name, home.filePath(name))) {
            std::fprintf(stderr, "cannot copy %s from %s\n", qPrintable(name), ORVANE_DEMO_DIR);
            return 1;
        }
    StartupOptions options;
    options.mode = "mm3";
    options.rom = home.filePath("mm3-demo.nes");
    options.home = home.path();
    Orvane_Main main(options);
    main.setMessageSink(
        [](const QString& text) { std::fprintf(stderr, "message: %s\n", qPrintable(text)); });
    if (!main.startUp()) return 1;
    main.paletteTimer()->stop(); // nothing else runs while we measure
    main.show();

    QStringList shown;
    for (WindowId id :
         {WindowId::PalEd, WindowId::TileTable, WindowId::TSATable, WindowId::StrTable,
          WindowId::ScreenEd, WindowId::EnemEd, WindowId::MiscEd, WindowId::Config}) {
        if (!Orvane_Main::windowIsBuilt(id)) continue;
        main.openWindow(id);
        if (ToolWindow* w = main.shownWindow(id)) shown << w->windowTitle();
    }
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
    ed.CurStrRow = 0;
    ed.CurStrCol = 3;
    const double drag = bestMicroseconds(500, dragStep);
    const double dragPainted = bestMicroseconds(200, [&] {
        dragStep();
        pic->repaint();
    });

    const auto [a, b] = screensInTwoSections(ed);
    bool flip = false;
    auto screenChange = [&] {
        ed.CurScrn = (flip = !flip) ? b : a;
        main.Update_Scrn();
    };
    const double scrn = bestMicroseconds(50, screenChange);
    const double scrnPainted = bestMicroseconds(20, [&] {
        screenChange();
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible()) w->repaint();
    });

    std::printf("shown windows: %s\n", qPrintable(shown.join(", ")));
    std::printf("screens switched: %d <-> %d (in different sections)\n", a, b);
    std::printf("drag step (write, redraw cell, show, Update_ScrnStr):   %8.1f us  (goal 1000)\n",
                drag);
    std::printf("drag step + repaint of the picture:                    %8.1f us\n", dragPainted);
    std::printf("Update_Scrn, screen change with palette reload:         %8.1f us  (goal 16700)\n",
                scrn);
    std::printf("Update_Scrn + repaint of every shown window:            %8.1f us\n", scrnPainted);
    main.close();
    return 0;
}
