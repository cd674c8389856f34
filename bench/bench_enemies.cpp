// How long the Enemy Editor's busiest paths take with the real main window on each game's
// demo bundle:
//   - EnemDraw(0) of a screen holding 32 enemies of mixed kinds: sprites of every chain,
//     mm5 records that re-point tiles, box markers (goal: < 1 ms);
//   - one step of a left-button drag of an enemy: erase the screen's enemies, move, draw
//     them again, show the picture (goal: < 1 ms);
//   - the main window's Update_Scrn with the Enemy Editor and every other built tool
//     window shown (goal: one 60 Hz frame, 16.7 ms).
// Prints microseconds per repetition, the best of several runs.
#include <QMouseEvent>

#include <cstdio>
#include <vector>

#include "BenchSupport.h"
#include "core/app/Editor.h"
#include "core/enemyedit/EnemyList.h"
#include "core/enemyedit/EnemyPicture.h"
#include "gui/render/PictureArea.h"

using namespace orvane;

namespace {

// Types that each game draws: its sprite chain's creatures and objects, and box markers.
std::vector<int> mixedTypes(int mode) {
    switch (mode) {
    case kMM3:
        return {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 0xA, 0xB, 0xC, 0xD, 0xE, 0xF, 0x47, 0x48};
    case kMM4:
        return {0,   1,   2,   3,    4,    5,    6,    7,    8,    9,    0xA,
                0xB, 0xC, 0xD, 0x16, 0x1A, 0x30, 0x4F, 0x73, 0x79, 0xC1, 0xC3};
    default:
        return {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 0xA, 0xB, 0xC, 0x40, 0x44, 0x47, 0x4B, 0x4C, 0x4D};
    }
}

// Screen 0 gets 32 enemies spread over the picture; the list ends after them.
void fillScreenZero(Editor& ed) {
    const std::vector<int> types = mixedTypes(ed.EditMode);
    for (int n = 0; n < 32; ++n)
        setEnemy(ed, n, {0, 8 + 30 * (n % 8), 16 + 56 * (n / 8), types[size_t(n) % types.size()]});
    setEnemyScreen(ed, 32, kEndOfEnemies);
    ed.CurScrn = 0;
    ed.CurEnemy = 0;
}

} // namespace

int main(int argc, char** argv) {
    bench::useOffscreenByDefault();
    QApplication app(argc, argv);
    for (const QString mode : {"mm3", "mm4", "mm5"}) {
        bench::DemoSession session;
        if (!session.start(mode)) return 1;
        Orvane_Main& main = session.main();
        Editor& ed = main.editor();
        fillScreenZero(ed);
        const QStringList shown = session.open(
            {WindowId::PalEd, WindowId::TileTable, WindowId::TSATable, WindowId::StrTable,
             WindowId::ScreenEd, WindowId::EnemEd, WindowId::MiscEd, WindowId::Config});
        ToolWindow* enemEd = main.shownWindow(WindowId::EnemEd);
        if (!enemEd) {
            std::fprintf(stderr, "the Enemy Editor is not part of this build\n");
            return 1;
        }
        main.Update_Scrn();

        EnemyPicture picture(ed.Bitmaps[kBmpEnemEd], ed.Bitmaps[kBmpEnemEdClean]);
        const double draw = bench::bestMicroseconds(500, [&] { picture.EnemDraw(ed, 0, false); });

        auto* pic = enemEd->findChild<PictureArea*>("ScreenPic");
        int step = 0;
        const double drag = bench::bestMicroseconds(500, [&] {
            const QPointF at(20 + (step % 200), 40 + (step / 200) % 200);
            ++step;
            QMouseEvent move(QEvent::MouseMove, at, pic->mapToGlobal(at), Qt::NoButton,
                             Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(pic, &move);
        });

        ed.CurScrn = 0;
        bool other = false;
        const double scrn = bench::bestMicroseconds(50, [&] {
            ed.CurScrn = (other = !other) ? 1 : 0;
            main.Update_Scrn();
        });
        const double scrnPainted = bench::bestMicroseconds(20, [&] {
            ed.CurScrn = (other = !other) ? 1 : 0;
            main.Update_Scrn();
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->isVisible()) w->repaint();
        });

        std::printf("%s, shown windows: %s\n", qPrintable(mode), qPrintable(shown.join(", ")));
        std::printf("  EnemDraw(0), %zu enemies of mixed kinds:        %8.1f us  (goal 1000)\n",
                    enemiesOnScreen(ed, 0).size(), draw);
        std::printf("  drag step (erase, move, draw, show):          %8.1f us  (goal 1000)\n",
                    drag);
        std::printf("  Update_Scrn, every window shown:               %8.1f us  (goal 16700)\n",
                    scrn);
        std::printf("  Update_Scrn + repaint of every shown window:   %8.1f us\n", scrnPainted);
        main.close();
    }
    return 0;
}
