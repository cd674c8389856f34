#include "support/Pipeline.h"

#include <algorithm>
#include <vector>

#include "core/app/Editor.h"
#include "core/enemyedit/EnemyPicture.h"
#include "core/level/LevelLoader.h"
#include "core/mapedit/LevelMapLayout.h"
#include "core/mapedit/ScreenDrawing.h"
#include "core/mapedit/ScrollMap.h"
#include "core/render/LevelWalk.h"
#include "core/render/PaletteAnimation.h"
#include "core/render/WinBitmap.h"
#include "support/FuzzCheck.h"

namespace orvane::fuzz {

namespace {

constexpr int kScreenPixels = kScreenCells * kCellPixels;
constexpr int kAnimationTicks = 4;

bool slackUntouched(const WinBitmap& bmp) {
    const auto& px = bmp.pixels();
    const auto shown = static_cast<size_t>(bmp.width()) * static_cast<size_t>(bmp.height());
    return std::all_of(px.begin() + static_cast<std::ptrdiff_t>(std::min(shown, px.size())),
                       px.end(), [](uint8_t p) { return p == 0; });
}

void checkScrollMap(Editor& ed, bool validTables) {
    const std::vector<uint8_t> before = ed.RomImage.bytes();
    ScreenLists lists;
    ScrollMapDecode(ed.tables(), lists);
    const EncodeResult first = ScrollMapEncode(ed, lists);
    if (first.status != EncodeStatus::Written) {
        check(ed.RomImage.bytes() == before, "a scroll map that is not written changes nothing");
        return;
    }
    if (validTables) {
        const std::vector<uint8_t> written = ed.RomImage.bytes();
        ScreenLists again;
        ScrollMapDecode(ed.tables(), again);
        check(again.ScreenTotal == lists.ScreenTotal, "an encoded scroll map keeps its screens");
        ScrollMapEncode(ed, again);
        check(ed.RomImage.bytes() == written,
              "an encoded scroll map decodes and encodes to itself");
    }
    ed.RomImage.assign(before);
}

// Draws a screen and its enemies over the previous screen's picture, then erases them.
void drawScreen(Editor& ed, int screen, WinBitmap& display, WinBitmap& blocks) {
    EnemyPicture picture(display, blocks);
    picture.drawScreen(ed, screen);
    picture.EnemDraw(ed, screen, true);
    check(display.pixels() == blocks.pixels(), "erasing a screen's enemies gives its blocks back");
}

} // namespace

void runPipeline(Editor& ed, int pick, bool validTables) {
    const std::vector<uint8_t> image = ed.RomImage.bytes();
    const auto levels = std::clamp<int64_t>(ed.P(Param::LastLevel) + 1, 1, 256);
    const int level = static_cast<int>(pick % levels);
    ed.CurLevel = level;
    loadLevelAddresses(ed);
    checkScrollMap(ed, validTables);

    WinBitmap display, blocks;
    display.InitBitmap(kScreenPixels, kScreenPixels);
    blocks.InitBitmap(kScreenPixels, kScreenPixels);
    walkLevel(ed, level, levelMapLayout(ed).screens(), [&](int screen) {
        drawScreen(ed, screen, display, blocks);
        for (int t = 0; t < kAnimationTicks; ++t)
            paletteAnimationTick(ed);
    });
    // The slack only ever gains what a drawing spilled, so one look at the end is enough.
    check(slackUntouched(display) && slackUntouched(blocks),
          "drawing a screen writes only inside its picture");
    check(ed.RomImage.bytes() == image, "reading and drawing a level writes nothing");
}

} // namespace orvane::fuzz
