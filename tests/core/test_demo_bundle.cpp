// The demo bundle as the editor meets it: the resource data source assembles (or the
// level builder stops the test), each game's levels resolve to the banks the source
// documents, and every screen of every level of every game loads and draws without a
// read outside the image.
#include <QtTest>

#include <set>

#include "core/level/LevelLoader.h"
#include "core/mapedit/BlockDrawing.h"
#include "core/mapedit/ScreenDrawing.h"
#include "core/render/BackgroundPalette.h"
#include "core/render/LevelSource.h"
#include "core/render/PaletteAnimation.h"
#include "core/render/SectionWalk.h"
#include "core/render/SpriteSetup.h"
#include "core/render/TilePalette.h"
#include "support/TestLevel.h"

using namespace orvane;
using namespace orvane::testing;

namespace {

// Everything a level shows: every screen after its section's set-up, the Structure
// Table, the tile palettes, the colours and tile addresses after a few animation ticks.
// `shades` gets the pixel values the screens use.
std::vector<uint64_t> drawLevel(Editor& ed, int level, std::set<uint8_t>& shades) {
    loadLevel(ed, level);
    std::vector<uint64_t> out;
    WinBitmap b;
    for (int screen = 0; screen <= ed.P(16); ++screen) {
        ed.CurScrn = screen;
        enterCurrentScreen(ed);
        loadBackgroundPalette(ed, 1, screen == 0);
        b.InitBitmap(256, 256);
        DrawScreen(b, currentLevelSource(ed), screen);
        shades.insert(b.pixels().begin(), b.pixels().begin() + 256 * 256);
        out.insert(out.end(), b.pixels().begin(), b.pixels().end());
        for (int tick = 0; tick < 40; ++tick)
            paletteAnimationTick(ed);
        out.insert(out.end(), ed.BmpCols.begin(), ed.BmpCols.end());
        out.insert(out.end(), ed.TileAddr.begin(), ed.TileAddr.end());
    }
    b.InitBitmap(512, 512);
    for (int s = 0; s < 256; ++s)
        drawStructure(b, currentLevelSource(ed), s, 32 * (s % 16), 32 * (s / 16));
    const auto palettes = tilePalettes(ed.tables());
    out.insert(out.end(), b.pixels().begin(), b.pixels().end());
    out.insert(out.end(), palettes.begin(), palettes.end());
    return out;
}

} // namespace

class TestDemoBundle : public QObject {
    Q_OBJECT
private slots:
    // Level L's bank lies 8192 L after level 0's; the second bank is the level's own bank
    // in mm4 and bank 10 + L (mm3) or 12 + L (mm5) counted from level 0's; a parameter
    // of kind 0 keeps its raw value, kinds 1 and 2 add the bank and the second bank; the
    // background tiles come from CHR banks 16 + 4L and 18 + 4L (mm4: the effect list,
    // from bank 32 + L).
    void levelAddressing() {
        const int64_t kBase0[3] = {0x11, 0x4011, 0x8011}, kChr = 0x40010;
        for (int mode : {kMM3, kMM4, kMM5}) {
            auto ed = demoEditor(mode);
            QVERIFY(ed->lastLevel() >= 3);
            for (int level = 0; level <= ed->lastLevel(); ++level) {
                loadLevel(*ed, level);
                const int64_t base = kBase0[mode] + 8192 * level;
                const int64_t second =
                    mode == kMM4 ? base : kBase0[mode] + 8192 * ((mode ? 12 : 10) + level);
                QCOMPARE(std::make_pair(ed->LevelBase, ed->LevelBase2),
                         std::make_pair(base, second));
                for (int k = 0; k < 59; ++k) {
                    const int kind = ed->R(3, k);
                    QCOMPARE(ed->P(k), ed->Pr(k) + (kind == 1 ? base : kind == 2 ? second : 0));
                }
                const auto& t = ed->TileAddr;
                if (mode == kMM4) {
                    QCOMPARE(
                        std::make_pair(t[0], t[256]),
                        std::make_pair(int64_t(16 + 8192 * (32 + level)), int64_t(16 + 8192 * 38)));
                    continue;
                }
                const int64_t b0 = kChr + 1024 * (16 + 4 * level),
                              b1 = kChr + 1024 * (18 + 4 * level);
                QCOMPARE((std::array{t[0], t[127], t[128], t[255], t[256], t[319], t[320], t[383]}),
                         (std::array{b0, b0 + 16 * 127, b1, b1 + 16 * 127, kChr, kChr + 16 * 63,
                                     mode == kMM3 ? kChr + 16 * 64 : kChr + 6144,
                                     mode == kMM3 ? kChr + 16 * 127 : kChr + 6144 + 16 * 63}));
            }
        }
    }
    // The same drawing with the image followed by 64 KB of FF bytes: a read past the end
    // of the image would change something. The sanitizer build also checks that nothing
    // is drawn outside a bitmap.
    void everyLevelDrawsInsideTheImage() {
        for (int mode : {kMM3, kMM4, kMM5}) {
            auto ed = demoEditor(mode), padded = demoEditor(mode);
            std::vector<uint8_t> bytes = padded->RomImage.bytes();
            bytes.resize(bytes.size() + 0x10000, 0xFF);
            padded->RomImage.assign(bytes);
            for (int level = 0; level <= ed->lastLevel(); ++level) {
                std::set<uint8_t> shades, ignored;
                const QString where = QString("mm%1 level %2").arg(mode + 3).arg(level);
                QVERIFY2(drawLevel(*ed, level, shades) == drawLevel(*padded, level, ignored),
                         qPrintable(where));
                QVERIFY2(shades.size() > 8, qPrintable(where + ": no real graphics"));
            }
        }
    }
};

QTEST_APPLESS_MAIN(TestDemoBundle)
#include "test_demo_bundle.moc"
