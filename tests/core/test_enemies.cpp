// Enemy drawing from hand-built sprite tables of each game: the pieces' offsets, flips, palettes
// and clipping, mm5's tile re-pointing, the box markers, erasing, and a damaged ROM that must never
// draw outside the picture; and the search for the graphics that fit a section's enemies, as
// script cases in tests/data/enemy-gfx-search (support/Script.h).
#include <QRandomGenerator>
#include <QtTest>

#include "core/enemyedit/EnemyList.h"
#include "core/enemyedit/EnemyPicture.h"
#include "support/Script.h"
#include "support/TestLevel.h"

using namespace orvane;
using namespace orvane::testing;

class TestEnemies : public QObject {
    Q_OBJECT
    static WinBitmap blank() {
        WinBitmap b;
        b.InitBitmap(256, 256);
        return b;
    }

private slots:
    // Each file: the game, the enemy's position, an mm5 record's tile bank, and per piece
    // its tile, attribute, offsets and the tile drawn after re-pointing.
    void sprites_data() { addCaseRows("enemy-sprites"); }
    void sprites() {
        QFETCH(QString, path);
        const QList<QStringList> lines = caseLines(path);
        const QStringList at = caseValue(lines, "at").split(' ');
        const int x = at.value(0).toInt(), y = at.value(1).toInt();
        Editor ed = enemyLevel(caseValue(lines, "game").toInt());
        std::vector<SpritePiece> written;
        WinBitmap expected = blank();
        for (const QStringList& v : lines) {
            if (v[0] != "piece") continue;
            const SpritePiece p{v[1].toInt(), v[2].toInt(), v[3].toInt(), v[4].toInt()};
            written.push_back(p);
            for (int r = 0; r < 8; ++r)
                for (int c = 0; c < 8; ++c) {
                    const int px = x + p.dx + c, py = y + p.dy + r;
                    const int k =
                        spriteColour(v[5].toInt(), p.vflip() ? 7 - r : r, p.hflip() ? 7 - c : c);
                    if (k && px >= 0 && px < 256 && py >= 0 && py < 256)
                        expected.pixels()[size_t(256 * py + px)] =
                            uint8_t(64 + 4 * p.palette() + k);
                }
        }
        writeSprite(ed, 5, written, caseValue(lines, "bank").toInt());
        setEnemies(ed, QString("0/%1/%2/5").arg(x, 0, 16).arg(y, 0, 16));
        WinBitmap display = blank(), background = blank();
        EnemyPicture(display, background).DrawEnemy(ed, 0, false);
        QVERIFY(display.pixels() == expected.pixels());
    }

    // Each file: the game, the type, its entries in the box marker tables (mm4 R10(9),
    // mm5 R10(12) and R10(13)) and pixels expected of the box drawn at (220, 100), which
    // is cut at the right edge.
    void boxes_data() { addCaseRows("enemy-boxes"); }
    void boxes() {
        QFETCH(QString, path);
        const QList<QStringList> lines = caseLines(path);
        auto value = [&](const char* key) { return caseValue(lines, key).toInt(); };
        const int mode = value("game"), type = value("type");
        QVERIFY(lines.size() > 8); // the pixels to check are there
        Editor ed = enemyLevel(mode);
        setR10(ed, mode == kMM4 ? 9 : 12, 0x8001);
        setR10(ed, 13, 0x8101);
        poke(ed, 0x8001 + (type & 63), {value("kind")});
        poke(ed, 0x8101 + (type & 63), {value("palette")});
        for (int i = 0; i < 50; ++i) // label: a checkerboard
            ed.Res->ResData[size_t(600 + i)] = (i / 10 + i % 10) & 1;
        for (int i = 0; i < 16 * 15; ++i) // digit d: one mark in column 0, row d % 5
            ed.Res->ResData[size_t(700 + i)] = (i % 15) == 3 * ((i / 15) % 5);
        setEnemies(ed, QString("0/DC/64/%1").arg(type, 0, 16));
        WinBitmap display = blank(), background = blank();
        EnemyPicture(display, background).DrawEnemy(ed, 0, false);
        for (const QStringList& v : lines)
            if (v[0] == "pixel")
                QCOMPARE(int(display.pixel(v[1].toInt(), v[2].toInt())), v[3].toInt());
    }

    // Erasing restores exactly the background, even after an mm5 record re-pointed the
    // tiles an earlier enemy was drawn with; drawing again gives the same picture.
    void eraseLeavesBackground() {
        Editor ed = enemyLevel(kMM5);
        writeSprite(ed, 1, {{0x50, 0, 0, 0}, {0x90, 1, 8, 0}}, 5); // keeps the tiles
        writeSprite(ed, 2, {{0x90, 2, 0, 0}, {0xA0, 3, 0, 8}}, 7); // re-points 80..FF
        for (const QString list : {"3/40/40/1 3/78/40/2 3/FA/FA/2 3/A/C8/40", "3/40/40/1"}) {
            setEnemies(ed, list);
            WinBitmap display = blank(), background = blank();
            EnemyPicture pic(display, background);
            pic.drawScreen(ed, 3);
            const std::vector<uint8_t> first = display.pixels();
            QVERIFY(first != background.pixels());
            pic.EnemDraw(ed, 3, true);
            QVERIFY(display.pixels() == background.pixels());
            pic.EnemDraw(ed, 3, false);
            const std::vector<uint8_t> second = display.pixels();
            pic.EnemDraw(ed, 3, true);
            pic.EnemDraw(ed, 3, false);
            QVERIFY(display.pixels() == second);
            if (list == QString("3/40/40/1")) QVERIFY(second == first);
        }
    }

    void graphicsSearch_data() { scriptRows("enemy-gfx-search"); }
    void graphicsSearch() { runScriptRow(); }

    // Random ROM bytes and wild table positions: every type draws and erases without
    // writing a pixel outside the picture or touching the background tiles.
    void damagedRomStaysInPicture() {
        QRandomGenerator random(7);
        for (int round = 0; round < 12; ++round) {
            Editor ed = bareEditor(round % 3, 0x8000);
            for (int64_t p = 1; p <= 0x8000; ++p)
                ed.setByte(p, int(random.bounded(256)));
            for (int k = 2; k <= 48; ++k)
                setParam(ed, k,
                         k == 2 && round > 8 ? INT32_MAX : random.bounded(-0x10000, 0x20000));
            setParam(ed, 19, 255);
            for (int i = 256; i < 4096; ++i)
                ed.Res->ResData[size_t(i)] = int32_t(random.generate());
            const auto tiles = ed.TileAddr;
            WinBitmap display = blank(), background = blank();
            EnemyPicture pic(display, background);
            for (int n = 0; n <= 255; ++n)
                for (bool clear : {false, true, false})
                    pic.DrawEnemy(ed, n, clear);
            const auto& px = display.pixels();
            QVERIFY(std::all_of(px.begin() + 256 * 256, px.end(), [](uint8_t v) { return !v; }));
            QVERIFY(std::equal(tiles.begin(), tiles.begin() + 256, ed.TileAddr.begin()));
        }
    }
};

QTEST_MAIN(TestEnemies)
#include "test_enemies.moc"
