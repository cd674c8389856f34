// The level map's costs on the demo bundle:
//   - drawing and encoding the map of the largest demo level (the screens, the colours of
//     each, the composition and the PNG written to a file), with enemies (goal: < 50 ms);
//   - a block edit with the Level Map shown (mm3, every built window open): the screens
//     drawn again against the level's total, and the time of Update_Block;
//   - one step of a Screen Editor drag with the Level Map shown (goal: < 1 ms);
//   - a change of screen into another section with the Level Map shown and hidden.
// Prints microseconds per repetition, the best of several runs.
#include <QApplication>
#include <QMouseEvent>
#include <QTemporaryDir>

#include <cstdio>

#include "BenchSupport.h"
#include "core/app/Editor.h"
#include "core/app/OpenSession.h"
#include "core/mapedit/ComposedMap.h"
#include "core/mapedit/LevelMapPicture.h"
#include "core/mapedit/ScreenDrawing.h"
#include "core/render/SectionWalk.h"
#include "gui/mapedit/LevelMap.h"
#include "gui/mapedit/LevelMapPng.h"
#include "gui/render/PictureArea.h"

using namespace orvane;

namespace {

struct Largest {
    QString mode;
    int level = 0;
    int64_t pixels = 0;
};

// The CPU time of one run of `body`, the best of `runs`: on a machine shared with other
// builds the wall-clock figure mostly measures waiting for a core.
double bestCpuMicroseconds(const std::function<void()>& body, int runs = 5) {
    double best = 1e300;
    for (int run = 0; run < runs; ++run) {
        const double start = bench::cpuMicroseconds();
        body();
        best = std::min(best, bench::cpuMicroseconds() - start);
    }
    return best;
}

Largest largestDemoLevel() {
    Largest best;
    const std::string bundle = ORVANE_DEMO_DIR;
    for (int mode : {kMM3, kMM4, kMM5}) {
        const QString name = QString("mm%1").arg(mode + 3);
        Editor ed;
        if (!openSession(ed, {mode, bundle + "/" + name.toStdString() + "-demo.nes", bundle})
                 .empty())
            continue;
        for (int level = 0; level <= ed.lastLevel(); ++level) {
            LevelMapPicture map;
            map.build(ed, level, false);
            const int64_t pixels = int64_t{map.width()} * map.height();
            if (pixels > best.pixels) best = {name, level, pixels};
        }
    }
    return best;
}

} // namespace

int main(int argc, char** argv) {
    bench::useOffscreenByDefault();
    QApplication app(argc, argv);

    const Largest largest = largestDemoLevel();
    Editor ed;
    const std::string bundle = ORVANE_DEMO_DIR;
    openSession(ed, {largest.mode == "mm3"   ? kMM3
                     : largest.mode == "mm4" ? kMM4
                                             : kMM5,
                     bundle + "/" + largest.mode.toStdString() + "-demo.nes", bundle});
    QTemporaryDir dir;
    const QString png = dir.filePath("map.png");
    auto exportMap = [&] {
        LevelMapPicture map;
        map.build(ed, largest.level, true);
        writeLevelMapPng(map, 1, png);
    };
    const double exportTime = bench::bestMicroseconds(1, exportMap);
    const double exportCpu = bestCpuMicroseconds(exportMap);
    LevelMapPicture sized;
    const double buildTime =
        bench::bestMicroseconds(5, [&] { sized.build(ed, largest.level, true); });
    const double composeTime = bench::bestMicroseconds(5, [&] { composeLevelMap(sized, 1); });
    const double writeTime = bench::bestMicroseconds(5, [&] { writeLevelMapPng(sized, 1, png); });

    bench::DemoSession session;
    if (!session.start("mm3")) return 1;
    Orvane_Main& main = session.main();
    const QStringList shown =
        session.open({WindowId::PalEd, WindowId::TileTable, WindowId::TSATable, WindowId::StrTable,
                      WindowId::ScreenEd, WindowId::EnemEd, WindowId::MiscEd, WindowId::LevelMap});
    auto* mapWindow = qobject_cast<LevelMap*>(main.shownWindow(WindowId::LevelMap));
    ToolWindow* screenEd = main.shownWindow(WindowId::ScreenEd);
    if (!mapWindow || !screenEd) return 1;
    Editor& med = main.editor();
    const int total = mapWindow->picture().layout().screens();

    // The block shown on the fewest screens, but on at least one.
    int block = 0, fewest = total + 1;
    for (int b = 0; b < 256; ++b) {
        int n = 0;
        for (int s = 0; s < total; ++s)
            n += screenShowsBlock(med, s, b);
        if (n > 0 && n < fewest) {
            block = b;
            fewest = n;
        }
    }
    const double blockEdit = bench::bestMicroseconds(50, [&] {
        const int64_t attr = med.P(4) + block;
        med.setByte(attr, med.byte(attr) ^ 1);
        main.Update_Block(block);
    });
    const size_t redrawn = mapWindow->lastRedrawn().size();

    auto* pic = screenEd->findChild<PictureArea*>("ScreenPic");
    int step = 0;
    med.CurStrRow = 0;
    med.CurStrCol = 3;
    const double drag = bench::bestMicroseconds(500, [&] {
        const QPointF at(16 + 32 * (step % 8), 16 + 32 * ((step / 8) % 8));
        ++step;
        QMouseEvent move(QEvent::MouseMove, at, pic->mapToGlobal(at), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(pic, &move);
    });

    // A screen change into another section: the map takes every screen's colours again
    // and moves its frame; nothing is redrawn.
    int other = 0;
    const int keep = med.CurScrn;
    for (int s = 1; s < total && other == 0; ++s) {
        int start = 0;
        med.CurScrn = s;
        if (findSection(med, start) != 0) other = s;
    }
    med.CurScrn = keep;
    bool flip = false;
    auto screenChange = [&] {
        med.CurScrn = (flip = !flip) ? other : 0;
        main.Update_Scrn();
    };
    const double withMap = bench::bestMicroseconds(50, screenChange);
    const size_t redrawnOnScreenChange = mapWindow->lastRedrawn().size();
    mapWindow->hide();
    const double withoutMap = bench::bestMicroseconds(50, screenChange);

    std::printf("largest demo level: %s level %d, %d screens, %d x %d pixels\n",
                qPrintable(largest.mode), largest.level, sized.layout().screens(), sized.width(),
                sized.height());
    std::printf("draw + compose + encode + write its map (enemies on): %8.1f us CPU, %8.1f us "
                "wall  (goal 50000)\n",
                exportCpu, exportTime);
    std::printf("  of which drawing %8.1f us, composing %8.1f us, composing + encoding + writing "
                "%8.1f us\n",
                buildTime, composeTime, writeTime);
    std::printf("shown windows: %s\n", qPrintable(shown.join(", ")));
    std::printf("block %d edit, Update_Block: %zu of %d screens redrawn,  %8.1f us\n", block,
                redrawn, total, blockEdit);
    std::printf("Screen Editor drag step with the Level Map shown:       %8.1f us  (goal 1000)\n",
                drag);
    std::printf("Update_Scrn 0 <-> %d with the Level Map shown: %8.1f us (%zu screens redrawn), "
                "hidden: %8.1f us\n",
                other, withMap, redrawnOnScreenChange, withoutMap);
    main.close();
    return 0;
}
