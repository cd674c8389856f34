// Drawing into the paletted bitmaps: tiles and sprites against the rules written out pixel
// by pixel, lines, the bitmap's buffer; the colour tables; the palette a tile is shown in.
#include <QtTest>

#include <cmath>
#include <functional>
#include <random>

#include "core/render/BitmapSet.h"
#include "core/render/Colours.h"
#include "core/render/TileDrawing.h"
#include "support/Script.h"
#include "support/TestLevel.h"

using namespace orvane;
using namespace orvane::testing;

namespace {

WinBitmap bitmap(int W, int H, int Hp = -1, uint8_t fill = 0) {
    WinBitmap b;
    b.InitBitmap(W, H, Hp);
    std::fill(b.pixels().begin(), b.pixels().end(), fill);
    return b;
}

// The tile rules as they read on paper: tile row r, column c of the 16 bytes at T is
// colour 2 * bit(7 - c) of byte T + 8 + r plus bit(7 - c) of byte T + r; pixel (x, y) is
// buffer index W*y + x, and writes outside the buffer are dropped.
enum class Op { Tile, Spr, Restore };
void referenceDraw(std::vector<uint8_t>& buf, int W, const std::vector<uint8_t>& rom, int64_t T,
                   int pal, int x, int y, int scale, Op op, int vflip, int hflip,
                   const std::vector<uint8_t>& source) {
    auto at = [&](int64_t o) { return o >= 0 && o < int64_t(rom.size()) ? rom[size_t(o)] : 0; };
    if (op == Op::Tile && (T < 0 || T > int64_t(rom.size()) - 16)) return;
    for (int r = 0; r < 8; ++r)
        for (int c = 0; c < 8; ++c) {
            const int sr = op == Op::Tile ? r : std::abs(7 * vflip - r);
            const int bit = op == Op::Tile ? 7 - c : 7 - std::abs(7 * hflip - c);
            const int k = 2 * ((at(T + 8 + sr) >> bit) & 1) + ((at(T + sr) >> bit) & 1);
            for (int sy = 0; sy < scale; ++sy)
                for (int sx = 0; sx < scale; ++sx) {
                    const int64_t i = int64_t(W) * (y + scale * r + sy) + (x + scale * c + sx);
                    if (i < 0 || i >= int64_t(buf.size()) || (op != Op::Tile && k == 0)) continue;
                    if (op != Op::Restore)
                        buf[size_t(i)] = uint8_t(4 * pal + k);
                    else if (i < int64_t(source.size()))
                        buf[size_t(i)] = source[size_t(i)];
                }
        }
}

constexpr uint32_t rgb(int r, int g, int b) {
    return uint32_t(r) << 16 | uint32_t(g) << 8 | uint32_t(b);
}

} // namespace

class TestDrawing : public QObject {
    Q_OBJECT
private slots:
    // Random tiles, places off every edge, scales, palettes and flips, each result whole
    // against the rules: the fast paths must give exactly what the rules say.
    void tilesFollowThePixelRules() {
        std::mt19937 rng(12345);
        auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
        std::vector<uint8_t> romBytes(1024);
        for (auto& v : romBytes)
            v = uint8_t(pick(0, 255));
        const Rom rom(romBytes);
        for (int W : {8, 12, 30, 64, 256}) {
            const int H = pick(2, 40);
            WinBitmap b = bitmap(W, H);
            std::vector<uint8_t> want = b.pixels();
            std::vector<uint8_t> source(size_t(std::max(0, int(want.size()) + pick(-20, 20))));
            for (auto& v : source)
                v = uint8_t(pick(0, 255));
            for (int n = 0; n < 1500; ++n) {
                const Op op = Op(pick(0, 2));
                const int64_t T = pick(-24, 1024 + 8);
                const int pal = pick(0, 70), scale = pick(0, 3);
                const int x = pick(-30, W + 10), y = pick(-30, H * 2 + 10);
                const int vflip = pick(0, 1), hflip = pick(0, 1);
                referenceDraw(want, W, romBytes, T, pal, x, y, scale, op, vflip, hflip, source);
                if (op == Op::Tile)
                    DrawTile(b, rom, double(T), pal, x, y, scale);
                else if (op == Op::Spr)
                    DrawSprTile(b, rom, double(T), pal, x, y, scale, vflip, hflip);
                else
                    RestoreSprTile(b, source, rom, double(T), x, y, scale, vflip, hflip);
                QVERIFY2(b.pixels() == want, qPrintable(QString("W %1, drawing %2").arg(W).arg(n)));
            }
        }
    }
    void linesAndBuffer() {
        WinBitmap b = bitmap(16, 16);
        DrawHLine(b, 9, 3, 2, 7); // x1 > x2: nothing
        FillRect(b, 5, 5, 4, 8, 7);
        DrawHLine(b, 3, 9, 2, 33);
        DrawVLine(b, 12, 4, 6, 34);
        FillRect(b, -3, -3, 1, 1, 300); // a negative index is dropped; left of column 0
        for (int y = 0; y < 16; ++y)    // in row 1 lands at the end of row 0; 300 & 0xFF
            for (int x = 0; x < 16; ++x) {
                int want = (y == 2 && x >= 3 && x <= 9)    ? 33
                           : (x == 12 && y >= 4 && y <= 6) ? 34
                                                           : 0;
                if ((y <= 1 && x <= 1) || (y == 0 && x >= 13)) want = 44;
                QCOMPARE(int(b.pixel(x, y)), want);
            }
        // Lines stop at the overall height, or at the buffer's end ((2W - 2)(H - 1) bytes).
        for (const auto& [H, Hp, limit] : {std::tuple{8, 10, 160}, {4, 100, 90}, {8, -1, 128}}) {
            WinBitmap l = bitmap(16, H, Hp);
            FillRect(l, 0, 0, 15, 500, 5);
            DrawHLine(l, -100, 3000, 5, 7);
            QCOMPARE(int(l.pixels().size()), 30 * (H - 1));
            for (size_t i = 0; i < l.pixels().size(); ++i)
                QCOMPARE(l.pixels()[i] != 0, int(i) < limit);
        }
        WinBitmap none = bitmap(1, 50); // too small for a buffer: drawing does nothing
        FillRect(none, -5, -5, 500, 500, 7);
        QVERIFY(none.pixels().empty());
    }
    // A view shows a bitmap again when its version moves; every routine must move it.
    void everyRoutineBumpsTheVersion() {
        const Rom rom(std::vector<uint8_t>(64, 0));
        WinBitmap b = bitmap(16, 16);
        const std::vector<uint8_t> clean = b.pixels();
        const std::function<void()> routines[] = {
            [&] { DrawTile(b, rom, 0, 0, 0, 0, 1); },
            [&] { DrawSprTile(b, rom, 0, 0, 0, 0, 1, 0, 0); },
            [&] { RestoreSprTile(b, clean, rom, 0, 0, 0, 1, 0, 0); },
            [&] { DrawHLine(b, 0, 3, 0, 1); },
            [&] { DrawVLine(b, 0, 0, 3, 1); },
            [&] { FillRect(b, 0, 0, 3, 3, 1); }};
        for (const auto& draw : routines) {
            const uint64_t v = b.version(), p = b.pixelVersion();
            draw();
            QVERIFY(b.version() > v && b.pixelVersion() > p);
        }
    }
    // The palette file's RGB triples: dark is round(2c / 3), bright c + 80 up to 255, what
    // the file does not cover black. Sprite palettes 0 and 1 come from the eight bytes at
    // P(49), colour 0 of each sprite palette the transparent marker; the fixed interface
    // colours; the copy into the bitmaps takes slots 0..127 only and marks them for showing.
    void colourTables() {
        Editor ed = blankEditor(kMM5);
        std::vector<uint8_t> file(3 * 0x2A, 0);
        for (int v : {200, 10, 100, 175, 176, 174, 1, 2})
            file.push_back(uint8_t(v));
        ReloadNESPAL(ed, file);
        QCOMPARE(
            (std::vector{ed.NesPal[0x2A], ed.NesPalDark[0x2A], ed.NesPalBright[0x2A],
                         ed.NesPalDark[0x2B], ed.NesPalBright[0x2B], ed.NesPal[0x2C],
                         ed.NesPalDark[0x2C], ed.NesPalBright[0x2C], ed.NesPal[0x2D]}),
            (std::vector{rgb(200, 10, 100), rgb(133, 7, 67), rgb(255, 90, 180), rgb(117, 117, 116),
                         rgb(255, 255, 254), rgb(1, 2, 0), rgb(1, 1, 0), rgb(81, 82, 80), 0u}));
        setParam(ed, 49, 0x201);
        poke(ed, 0x201, {0x0F, 0x16, 0x27, 0x30, 0x21, 0x11, 0xC5, 0xFF});
        ed.BmpCols.fill(1);
        GetMMCols(ed);
        setFixedColours(ed);
        std::vector<uint32_t> want(256, 1);
        for (int i = 0; i < 16; ++i)
            want[size_t(64 + i)] = i % 4 == 0 ? kTransparentMarker
                                   : i < 8    ? ed.NesPal[ed.byte(0x201 + i)]
                                              : 1;
        const uint32_t fixed[] = {rgb(160, 160, 160), rgb(255, 255, 255), rgb(96, 96, 255),
                                  rgb(255, 96, 96),   rgb(96, 255, 96),   rgb(255, 255, 0),
                                  rgb(255, 96, 255)};
        std::copy_n(fixed, 7, want.begin() + 33);
        QVERIFY(std::equal(want.begin(), want.end(), ed.BmpCols.begin()));
        SharedColourBitmap first(ed.Bitmaps), second(ed.Bitmaps);
        for (WinBitmap* b : {&first, &second})
            b->colours().fill(2);
        const uint64_t version = first.version();
        Update_Global_Pal(ed);
        for (const WinBitmap* b : {&first, &second})
            QVERIFY(b->colours()[127] == ed.BmpCols[127] && b->colours()[128] == 2);
        QVERIFY(first.version() > version && SwapRB(0xFF123456u) == 0x563412u);
        // A bitmap made later (a window opened again) starts with the colours last copied,
        // one that is gone takes no more.
        { const SharedColourBitmap gone(ed.Bitmaps); }
        QCOMPARE(ed.Bitmaps.size(), 2);
        const SharedColourBitmap later(ed.Bitmaps);
        QVERIFY(later.colours()[127] == ed.BmpCols[127] && later.colours()[128] == 0);
    }
    // The palette each tile is shown in: cases in tests/data/drawing (support/Script.h).
    void cases_data() { scriptRows("drawing"); }
    void cases() { runScriptRow(); }
};

QTEST_APPLESS_MAIN(TestDrawing)
#include "test_drawing.moc"
