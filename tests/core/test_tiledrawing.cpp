#include <QtTest>
#include <limits>

#include <cstdlib>
#include <functional>
#include <random>
#include <set>

#include "core/level/Rom.h"
#include "core/render/Nibble.h"
#include "core/render/TileDrawing.h"
#include "core/render/WinBitmap.h"

using namespace orvane;

namespace {

// A ROM of `size` bytes whose tile at `off` has the given plane rows.
Rom romWithTile(int64_t size, int64_t off, std::array<uint8_t, 8> plane0,
                std::array<uint8_t, 8> plane1) {
    std::vector<uint8_t> bytes(static_cast<size_t>(size), 0);
    for (size_t r = 0; r < 8; ++r) {
        bytes[static_cast<size_t>(off) + r] = plane0[r];
        bytes[static_cast<size_t>(off) + 8 + r] = plane1[r];
    }
    return Rom(std::move(bytes));
}

WinBitmap bitmap(int W, int H, int Hp = -1, uint8_t fill = 0) {
    WinBitmap b;
    b.InitBitmap(W, H, Hp);
    std::fill(b.pixels().begin(), b.pixels().end(), fill);
    return b;
}

// The tile rules written out pixel by pixel, the way they read on paper: the drawing
// routines must give exactly this, fast paths and all.
enum class Op { Tile, Spr, Restore };
void referenceDraw(std::vector<uint8_t>& buf, int W, const std::vector<uint8_t>& rom, int64_t T,
                   int pal, int x, int y, int scale, Op op, int vflip, int hflip,
                   const std::vector<uint8_t>& source) {
    auto romAt = [&](int64_t o) { return o >= 0 && o < int64_t(rom.size()) ? rom[size_t(o)] : 0; };
    if (op == Op::Tile && (T < 0 || T > int64_t(rom.size()) - 16)) return;
    for (int r = 0; r < 8; ++r)
        for (int c = 0; c < 8; ++c) {
            const int sr = op == Op::Tile ? r : std::abs(7 * vflip - r);
            const int b = op == Op::Tile ? 7 - c : 7 - std::abs(7 * hflip - c);
            const int k = 2 * ((romAt(T + 8 + sr) >> b) & 1) + ((romAt(T + sr) >> b) & 1);
            for (int sy = 0; sy < scale; ++sy)
                for (int sx = 0; sx < scale; ++sx) {
                    const int64_t i = int64_t(W) * (y + scale * r + sy) + (x + scale * c + sx);
                    if (i < 0 || i >= int64_t(buf.size())) continue;
                    if (op == Op::Tile)
                        buf[size_t(i)] = uint8_t(4 * pal + k);
                    else if (k != 0 && op == Op::Spr)
                        buf[size_t(i)] = uint8_t(4 * pal + k);
                    else if (k != 0 && i < int64_t(source.size()))
                        buf[size_t(i)] = source[size_t(i)];
                }
        }
}

} // namespace

class TestTileDrawing : public QObject {
    Q_OBJECT
private slots:
    void bitmapHeaderAndBuffer_data() {
        QTest::addColumn<int>("W");
        QTest::addColumn<int>("H");
        QTest::addColumn<int>("bufferSize");
        QTest::newRow("256x200") << 256 << 200 << 510 * 199;
        QTest::newRow("13x7") << 13 << 7 << 24 * 6;
        QTest::newRow("W 1") << 1 << 50 << 0;
        QTest::newRow("H 1") << 40 << 1 << 0;
        QTest::newRow("zero") << 0 << 0 << 0;
        QTest::newRow("negative") << -8 << -8 << 0;
    }
    void bitmapHeaderAndBuffer() {
        QFETCH(int, W);
        QFETCH(int, H);
        QFETCH(int, bufferSize);
        WinBitmap b;
        b.pixels().assign(3, 9); // whatever was there before goes
        b.InitBitmap(W, H);
        QCOMPARE(int(b.pixels().size()), bufferSize);
        QVERIFY(
            std::all_of(b.pixels().begin(), b.pixels().end(), [](uint8_t v) { return v == 0; }));
        const int w = std::max(W, 0), h = std::max(H, 0);
        auto u32 = [](uint32_t v) {
            return std::vector<uint8_t>{uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16),
                                        uint8_t(v >> 24)};
        };
        std::vector<uint8_t> expected;
        for (auto part :
             {u32(40), u32(uint32_t(w)), u32(uint32_t(-h)), std::vector<uint8_t>{1, 0, 8, 0},
              u32(0), u32(uint32_t(bufferSize)), u32(0), u32(0), u32(256), u32(0)})
            expected.insert(expected.end(), part.begin(), part.end());
        const auto header = b.header();
        QCOMPARE(std::vector<uint8_t>(header.begin(), header.end()), expected);
        // Drawing on a degenerate bitmap must simply do nothing.
        const Rom rom = romWithTile(64, 16, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, {});
        DrawTile(b, rom, 16, 1, 0, 0, 2);
        DrawSprTile(b, rom, 16, 1, -3, -3, 1, 1, 1);
        FillRect(b, -5, -5, 500, 500, 7);
        QCOMPARE(int(b.pixels().size()), bufferSize);
    }
    void tileColourWithPalette_data() {
        QTest::addColumn<int>("plane0");
        QTest::addColumn<int>("plane1");
        QTest::addColumn<int>("pal");
        QTest::addColumn<int>("value");
        QTest::newRow("colour 1, pal 2") << 0xFF << 0x00 << 2 << 9;
        QTest::newRow("colour 2, pal 0") << 0x00 << 0xFF << 0 << 2;
        QTest::newRow("colour 3, pal 19") << 0xFF << 0xFF << 19 << 79;
        QTest::newRow("colour 0, pal 5") << 0x00 << 0x00 << 5 << 20;
        QTest::newRow("colour 3, pal 63") << 0xFF << 0xFF << 63 << 255;
        QTest::newRow("pal 65 wraps") << 0xFF << 0x00 << 65 << 5;
    }
    void tileColourWithPalette() {
        QFETCH(int, plane0);
        QFETCH(int, plane1);
        QFETCH(int, pal);
        QFETCH(int, value);
        std::array<uint8_t, 8> p0, p1;
        p0.fill(uint8_t(plane0));
        p1.fill(uint8_t(plane1));
        const Rom rom = romWithTile(256, 32, p0, p1);
        for (bool sprite : {false, true}) {
            WinBitmap b = bitmap(16, 16, -1, 0xEE);
            if (sprite)
                DrawSprTile(b, rom, 32, pal, 4, 2, 1, 0, 0);
            else
                DrawTile(b, rom, 32, pal, 4, 2, 1);
            const bool transparent = sprite && plane0 == 0 && plane1 == 0;
            for (int y = 0; y < 16; ++y)
                for (int x = 0; x < 16; ++x) {
                    const bool inTile = x >= 4 && x < 12 && y >= 2 && y < 10;
                    QCOMPARE(int(b.pixel(x, y)), inTile && !transparent ? value : 0xEE);
                }
        }
    }
    void bitOrderAndFlips_data() {
        QTest::addColumn<bool>("sprite");
        QTest::addColumn<int>("vflip");
        QTest::addColumn<int>("hflip");
        QTest::addColumn<int>("patternRow"); // where tile row 0 lands
        QTest::addColumn<int>("left");       // colour at column 0 of that row
        QTest::addColumn<int>("right");      // colour at column 7
        QTest::newRow("DrawTile") << false << 0 << 0 << 0 << 1 << 2;
        QTest::newRow("sprite") << true << 0 << 0 << 0 << 1 << 2;
        QTest::newRow("sprite hflip") << true << 0 << 1 << 0 << 2 << 1;
        QTest::newRow("sprite vflip") << true << 1 << 0 << 7 << 1 << 2;
        QTest::newRow("sprite both") << true << 1 << 1 << 7 << 2 << 1;
    }
    void bitOrderAndFlips() {
        QFETCH(bool, sprite);
        QFETCH(int, vflip);
        QFETCH(int, hflip);
        QFETCH(int, patternRow);
        QFETCH(int, left);
        QFETCH(int, right);
        // Row 0: plane 0 = 0x80, plane 1 = 0x01. Row 1: colour 3 in column 1 only, to tell a
        // vertical flip from a stray copy of row 0.
        const Rom rom =
            romWithTile(64, 16, {0x80, 0x40, 0, 0, 0, 0, 0, 0}, {0x01, 0x40, 0, 0, 0, 0, 0, 0});
        WinBitmap b = bitmap(8, 8, -1, 0xAA);
        if (sprite)
            DrawSprTile(b, rom, 16, 0, 0, 0, 1, vflip, hflip);
        else
            DrawTile(b, rom, 16, 0, 0, 0, 1);
        const int background = sprite ? 0xAA : 0;
        const int row1 = vflip ? 6 : 1, col1 = hflip ? 6 : 1;
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x) {
                int want = background;
                if (y == patternRow && x == 0) want = left;
                if (y == patternRow && x == 7) want = right;
                if (y == row1 && x == col1) want = 3;
                QCOMPARE(int(b.pixel(x, y)), want);
            }
    }
    void tileAtTheEndOfTheRom_data() {
        QTest::addColumn<qint64>("T");
        QTest::addColumn<bool>("drawn");
        const qint64 size = 4096;
        QTest::newRow("size - 16") << size - 16 << true;
        QTest::newRow("size - 15") << size - 15 << false;
        QTest::newRow("zero") << qint64{0} << true;
        QTest::newRow("negative") << qint64{-1} << false;
        QTest::newRow("far before") << std::numeric_limits<qint64>::min() << false;
        QTest::newRow("far away") << std::numeric_limits<qint64>::max() << false;
    }
    void tileAtTheEndOfTheRom() {
        QFETCH(qint64, T);
        QFETCH(bool, drawn);
        std::vector<uint8_t> bytes(4096, 0xFF); // colour 3 everywhere, except the last tile
        std::fill(bytes.end() - 16, bytes.end() - 8, 0xFF);
        std::fill(bytes.end() - 8, bytes.end(), 0x00); // last tile: colour 1
        const Rom rom(bytes);
        WinBitmap b = bitmap(8, 8, -1, 0xEE);
        DrawTile(b, rom, T, 1, 0, 0, 1);
        const int want = !drawn ? 0xEE : (T == 0 ? 4 + 3 : 4 + 1);
        for (int i = 0; i < 64; ++i)
            QCOMPARE(int(b.pixel(i % 8, i / 8)), want);
    }
    // A sprite partly above the top edge writes only the rows with a non-negative index,
    // and its colour-0 pixels keep the background.
    void spriteAboveTheTopEdge() {
        // Left half colour 1, right half colour 0, every row, rows told apart by plane 1.
        const Rom rom = romWithTile(64, 0, {0xF0, 0xF0, 0xF0, 0xF0, 0xF0, 0xF0, 0xF0, 0xF0},
                                    {0, 0, 0, 0, 0x80, 0, 0x80, 0});
        WinBitmap b = bitmap(32, 16, -1, 0x55);
        const std::vector<uint8_t> before = b.pixels();
        DrawSprTile(b, rom, 0, 16, 8, -4, 1, 0, 0);
        std::vector<uint8_t> want = before;
        for (int r = 4; r < 8; ++r)
            for (int c = 0; c < 4; ++c) {
                const int k = (c == 0 && (r == 4 || r == 6)) ? 3 : 1;
                want[size_t(32 * (r - 4) + 8 + c)] = uint8_t(64 + k);
            }
        QCOMPARE(b.pixels(), want);
    }

    void restoreCopiesExactlyWhereSpriteWrote_data() {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("scale");
        QTest::addColumn<int>("vflip");
        QTest::addColumn<int>("hflip");
        QTest::newRow("inside") << 5 << 3 << 1 << 0 << 0;
        QTest::newRow("flipped") << 5 << 3 << 1 << 1 << 1;
        QTest::newRow("scaled, hflip") << 2 << 1 << 2 << 0 << 1;
        QTest::newRow("above the top") << 10 << -5 << 1 << 1 << 0;
        QTest::newRow("left of column 0") << -3 << 4 << 1 << 0 << 0;
        QTest::newRow("past the buffer end") << 20 << 54 << 2 << 0 << 0;
    }
    void restoreCopiesExactlyWhereSpriteWrote() {
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(int, scale);
        QFETCH(int, vflip);
        QFETCH(int, hflip);
        const Rom rom = romWithTile(64, 16, {0x3C, 0x42, 0x81, 0x18, 0, 0xFF, 0x01, 0x80},
                                    {0x0F, 0x42, 0x00, 0x24, 0, 0x00, 0x80, 0x80});
        WinBitmap sprite = bitmap(32, 32, -1, 0x11);
        DrawSprTile(sprite, rom, 16, 20, x, y, scale, vflip, hflip);
        std::set<size_t> written;
        for (size_t i = 0; i < sprite.pixels().size(); ++i)
            if (sprite.pixels()[i] != 0x11) written.insert(i);
        QVERIFY(!written.empty());
        std::vector<uint8_t> source(sprite.pixels().size());
        for (size_t i = 0; i < source.size(); ++i)
            source[i] = uint8_t(i * 7 + 1);
        WinBitmap restored = bitmap(32, 32, -1, 0x11);
        RestoreSprTile(restored, source, rom, 16, x, y, scale, vflip, hflip);
        for (size_t i = 0; i < source.size(); ++i)
            QCOMPARE(int(restored.pixels()[i]), written.count(i) ? int(source[i]) : 0x11);
        // Erasing over the drawn sprite with the clean background brings the background back.
        const std::vector<uint8_t> clean(sprite.pixels().size(), 0x11);
        RestoreSprTile(sprite, clean, rom, 16, x, y, scale, vflip, hflip);
        QCOMPARE(sprite.pixels(), clean);
    }
    void matchesPixelByPixelRules() {
        // Random tiles, places (off every edge), scales, palettes and flips: each result
        // whole against the rules, writes that wrap into a neighbouring row included.
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
                    DrawTile(b, rom, T, pal, x, y, scale);
                else if (op == Op::Spr)
                    DrawSprTile(b, rom, T, pal, x, y, scale, vflip, hflip);
                else
                    RestoreSprTile(b, source, rom, T, x, y, scale, vflip, hflip);
                const auto diff = std::mismatch(want.begin(), want.end(), b.pixels().begin());
                if (diff.first != want.end())
                    QFAIL(qPrintable(QString::asprintf(
                        "W %d H %d op %d T %lld pal %d x %d y %d scale %d v %d h %d: index %d is "
                        "%d, should be %d",
                        W, H, int(op), (long long)T, pal, x, y, scale, vflip, hflip,
                        int(diff.first - want.begin()), *diff.second, *diff.first)));
            }
        }
    }
    void linesAndRectangles() {
        WinBitmap b = bitmap(16, 16);
        DrawHLine(b, 9, 3, 2, 7); // x1 > x2
        DrawVLine(b, 4, 9, 3, 7); // y1 > y2
        FillRect(b, 5, 5, 4, 8, 7);
        QVERIFY(
            std::all_of(b.pixels().begin(), b.pixels().end(), [](uint8_t v) { return v == 0; }));
        DrawHLine(b, 3, 9, 2, 33);
        DrawVLine(b, 12, 4, 6, 34);
        for (int x = 0; x < 16; ++x)
            QCOMPARE(int(b.pixel(x, 2)), x >= 3 && x <= 9 ? 33 : 0);
        for (int y = 0; y < 16; ++y)
            QCOMPARE(int(b.pixel(12, y)), y >= 4 && y <= 6 ? 34 : 0);
        // A rectangle with its top-left corner outside: points with a negative index are
        // dropped, points left of column 0 in rows 1 and 2 land at the end of the row above.
        WinBitmap r = bitmap(16, 16);
        FillRect(r, -3, -3, 2, 2, 300); // colour slot taken as a byte: 300 & 0xFF
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                const bool hit = (y <= 2 && x <= 2) || (y <= 1 && x >= 13);
                QCOMPARE(int(r.pixel(x, y)), hit ? 44 : 0);
            }
    }
    void linesStopAtOverallHeightOrBufferEnd_data() {
        QTest::addColumn<int>("H");
        QTest::addColumn<int>("Hp");
        QTest::addColumn<int>("limit");
        QTest::newRow("overall height inside the buffer") << 8 << 10 << 16 * 10;
        QTest::newRow("overall height past the buffer") << 4 << 100 << 30 * 3;
        QTest::newRow("overall height = client height") << 8 << -1 << 16 * 8;
    }
    void linesStopAtOverallHeightOrBufferEnd() {
        QFETCH(int, H);
        QFETCH(int, Hp);
        QFETCH(int, limit);
        WinBitmap b = bitmap(16, H, Hp);
        FillRect(b, 0, 0, 15, 500, 5);
        DrawVLine(b, 3, -10, 500, 6);
        DrawHLine(b, -100, 3000, 5, 7);
        for (size_t i = 0; i < b.pixels().size(); ++i)
            QCOMPARE(int(b.pixels()[i]) != 0, int(i) < limit);
    }
    void everyRoutineBumpsVersion() {
        const Rom rom = romWithTile(64, 0, {}, {});
        WinBitmap b = bitmap(16, 16);
        const std::vector<uint8_t> clean(b.pixels().size(), 0);
        const std::function<void()> routines[] = {
            [&] { DrawTile(b, rom, 0, 0, 0, 0, 1); },
            [&] { DrawSprTile(b, rom, 0, 0, 0, 0, 1, 0, 0); },
            [&] { RestoreSprTile(b, clean, rom, 0, 0, 0, 1, 0, 0); },
            [&] { DrawHLine(b, 0, 3, 0, 1); },
            [&] { DrawVLine(b, 0, 0, 3, 1); },
            [&] { FillRect(b, 0, 0, 3, 3, 1); }};
        for (const auto& draw : routines) {
            const uint64_t v = b.version();
            draw();
            QVERIFY(b.version() > v);
        }
    }
    void nibble_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("which");
        QTest::addColumn<int>("value");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("high") << QByteArray("\xA7zz") << 0 << 10 << QByteArray("\xA7");
        QTest::newRow("low") << QByteArray("\xA7zz") << 1 << 7 << QByteArray("\xA7");
        QTest::newRow("other which") << QByteArray("\xA7zz") << 2 << 0 << QByteArray("\xA7");
        QTest::newRow("letter") << QByteArray("A") << 0 << 4 << QByteArray("A");
        QTest::newRow("empty") << QByteArray() << 1 << 0 << QByteArray();
    }
    void nibble() {
        QFETCH(QByteArray, text);
        QFETCH(int, which);
        QFETCH(int, value);
        QFETCH(QByteArray, after);
        std::string s = text.toStdString();
        QCOMPARE(int(Nibble(s, which)), value);
        QCOMPARE(QByteArray::fromStdString(s), after);
    }
};

QTEST_APPLESS_MAIN(TestTileDrawing)
#include "test_tiledrawing.moc"
