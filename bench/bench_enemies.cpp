// How long the Enemy Editor's busiest paths take with the real main window on each game's
// demo bundle:
//   - EnemDraw(0) of a screen holding 32 enemies of mixed kinds: sprites of every chain,
//     mm5 records that re-point tiles, box markers (goal: < 1 ms);
//   - one step of a left-button drag of an enemy: erase the screen's enemies, move, draw
//     them again, show the picture (goal: < 1 ms);
//   - the main window's Update_Scrn with the Enemy Editor and every other built tool
//     window shown (goal: one 60 Hz frame, 16.7 ms);
//   - FindGfxSet over a section of 64 enemies with 256 candidate sets or effects
//     (goal: < 1 ms);
//   - a graphics-set change typed into the panel: mm3 the set (write, SprCHRPALSetup, the
//     screen refresh that every shown window follows, with ShowGfxSet and the enemies
//     drawn again; goal: < 5 ms), mm4 the PPU effect (write, ScrollEffectLoad, the same
//     refresh).
// Prints microseconds per repetition, the best of several runs.
#include <QLineEdit>
#include <QMouseEvent>

#include <cstdio>
#include <vector>

#include "BenchSupport.h"
#include "core/app/Editor.h"
#include "core/enemyedit/EnemyList.h"
#include "core/enemyedit/EnemyPicture.h"
#include "core/enemyedit/GraphicsSetSearch.h"
#include "gui/enemyedit/EnemEd.h"
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

// 256 graphics choices for the search, all supporting some of the mixed types: mm3 sets
// at the end of the image (the last CHR bank's bytes are only read as bank numbers),
// mm4 effect lists in unused resource values. Screen 0, in the current section, gets 64
// enemies.
void manyChoices(Editor& ed) {
    ResourceData& res = *ed.Res;
    const std::vector<int> types = mixedTypes(ed.EditMode);
    if (ed.EditMode == kMM3) {
        const int64_t table = ed.RomImage.size() - 511;
        res.ResData[size_t(res.ResIndex[10])] = int32_t(table);
        res.ResData[size_t(res.ResIndex[10] + 1)] = 255;
        for (int g = 0; g < 256; ++g) {
            ed.setByte(table + 2 * g, 0x28 + g % 6);
            ed.setByte(table + 2 * g + 1, 0x2A + g % 4);
        }
    } else {
        constexpr int kIndex = 30000, kLists = 30300;
        res.ResIndex[34] = kIndex;
        res.ResData[size_t(res.ResIndex[10] + 11)] = 255;
        for (int e = 0; e < 256; ++e) {
            const int list = kLists + 20 * e;
            res.ResData[size_t(kIndex + e)] = list;
            for (int j = 0; j < 12; ++j)
                res.ResData[size_t(list + j)] = types[size_t(e + j) % types.size()];
            res.ResData[size_t(list + 12)] = 255;
        }
    }
    for (int n = 0; n < 64; ++n)
        setEnemy(ed, n, {0, 8 + 30 * (n % 8), 16 + 28 * (n / 8), types[size_t(n) % types.size()]});
    setEnemyScreen(ed, 64, kEndOfEnemies);
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
        const QStringList shown =
            session.open({WindowId::PalEd, WindowId::TileTable, WindowId::TSATable,
                          WindowId::StrTable, WindowId::ScreenEd, WindowId::EnemEd,
                          WindowId::MiscEd, WindowId::Config, WindowId::LevelMap});
        ToolWindow* enemEd = main.shownWindow(WindowId::EnemEd);
        if (!enemEd) {
            std::fprintf(stderr, "the Enemy Editor is not part of this build\n");
            return 1;
        }
        main.Update_Scrn();

        auto* enemyWindow = qobject_cast<orvane::EnemEd*>(enemEd);
        EnemyPicture picture(enemyWindow->display(), enemyWindow->background());
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

        if (ed.EditMode != kMM5) {
            ed.CurScrn = 0;
            main.Update_Scrn();
            auto* field = enemEd->findChild<QLineEdit*>(ed.EditMode == kMM3 ? "GFXSetTB" : "EffTB");
            int choice = 0;
            const double change = bench::bestMicroseconds(50, [&] {
                choice = (choice + 1) % 3;
                field->setText(QString::number(choice));
            });
            manyChoices(ed);
            main.Update_Scrn();
            const double find = bench::bestMicroseconds(500, [&] { FindGfxSet(ed); });
            std::printf("  %s typed, the enemies drawn again:         %8.1f us  (goal %s)\n",
                        ed.EditMode == kMM3 ? "GFX set   " : "PPU effect", change,
                        ed.EditMode == kMM3 ? "5000" : "16700");
            std::printf("  FindGfxSet, 64 enemies, 256 choices:           %8.1f us  (goal 1000)\n",
                        find);
        }
        main.close();
    }
    return 0;
}
