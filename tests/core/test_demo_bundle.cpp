// The demo bundle: the resource data source assembles to the tables it documents, every
// slot the editor reads is bound, the three demo ROMs resolve their layout parameters
// to the places the generator filled, and the content agrees with itself (enemies fit
// the graphics of their section, effect lists load real tiles, animations cycle).

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <array>
#include <memory>
#include <set>
#include <vector>

#include "core/app/Editor.h"
#include "core/level/LevelLoader.h"
#include "core/render/EffectLoad.h"
#include "core/render/SpriteSetup.h"
#include "core/resdata/Assembler.h"
#include "core/resdata/ResString.h"

using namespace orvane;

namespace {

std::vector<uint8_t> readAll(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    const QByteArray b = f.readAll();
    return std::vector<uint8_t>(b.begin(), b.end());
}

const char* const kRomNames[3] = {"mm3-demo.nes", "mm4-demo.nes", "mm5-demo.nes"};

// Section starts in orvane.dat, counted from the file: each section holds its numbers,
// one value per string character plus the end mark, and its "&index" section (one value
// per label) follows it at once.
constexpr int kDataCount = 0xE89;
constexpr int kSectionCount = 35;

struct SlotStart {
    int slot;
    int start;
};
constexpr SlotStart kSlotStarts[] = {
    {0, 0x0},    {1, 0x3B},   {2, 0x76},   {3, 0xB1},   {10, 0xEC},  {7, 0x172},
    {8, 0x200},  {9, 0x28E},  {11, 0x29E}, {12, 0x32E}, {13, 0x3BE}, {14, 0x44E},
    {18, 0x649}, {19, 0x845}, {20, 0xA2B}, {21, 0xB0A}, {22, 0xB61}, {26, 0xBF7},
    {27, 0xC9E}, {28, 0xD0D}, {32, 0xD17}, {33, 0xD49}, {34, 0xE81},
};

// Level 0's bank, the second bank of level L, the CHR banks of level L's background.
constexpr int64_t kLevelBase0[3] = {0x11, 0x4011, 0x8011};
int64_t secondBase(int mode, int level) {
    if (mode == 0) return 0x11 + 8192 * (10 + level);
    if (mode == 1) return kLevelBase0[1] + 8192 * level;
    return 0x8011 + 8192 * (12 + level);
}
constexpr int64_t kChr = 0x40010;

// Which parameters are ROM positions for each game (the others are values, offsets
// inside a sprite bank, or -1 for a table the game does not have).
std::vector<int> positionParams(int mode) {
    std::vector<int> k = {1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 25, 49, 53, 54, 56};
    if (mode == 0)
        for (int p : {26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 43, 44, 45, 46, 47, 48})
            k.push_back(p);
    if (mode == 1)
        for (int p : {28, 29, 30})
            k.push_back(p);
    if (mode == 2)
        for (int p : {26, 27, 28, 29, 30})
            k.push_back(p);
    return k;
}

// The pieces of an enemy type's sprite, followed through the tables as the Enemy Editor
// will follow them; false when the type is drawn as a box. Each piece: tile, attribute,
// dx, dy.
bool spritePieces(const Editor& ed, int type, std::vector<std::array<int, 4>>& pieces) {
    auto signedByte = [](int v) { return v >= 128 ? v - 256 : v; };
    int64_t rec = 0, coords = 0;
    int header = 2, count = 0;
    if (ed.EditMode == 0) {
        const int s = ed.R(11, type);
        int x = (s & 0x80) ? 1 : 0;
        if ((type >= 0x47 && type <= 0x4E) || type == 0x5E || type == 0x5F ||
            (type >= 0x68 && type <= 0x6F) || (type >= 0x79 && type <= 0x89))
            x = 2;
        const int a = s & 0x7F;
        const int64_t anim = 17 + ed.byte(ed.P(43 + x) + a) +
                             256 * (ed.P(38 + x) + ed.byte(ed.P(46 + x) + a) - 0x80);
        const int f = ed.byte(anim + 2);
        rec = 17 + ed.byte(ed.P(28 + x) + f) +
              256 * (ed.P(38 + x) + ed.byte(ed.P(31 + x) + f) - 0x80);
        count = ed.byte(rec);
        const int g = ed.byte(rec + 1), y = (count & 0x80) ? 1 : 0;
        coords = 17 + ed.byte(ed.P(34 + y) + g) +
                 256 * (ed.P(41 + y) + ed.byte(ed.P(36 + y) + g) - 0xA0);
    } else {
        if (type >= 0xC0) return false;
        int a = ed.byte(ed.P(29) + type);
        const int64_t bank = 17 + 8192 * (ed.byte(ed.P(30) + ed.byte(ed.P(28) + type)) - 1);
        const int64_t anim =
            bank + ed.byte(bank + ed.P(43) + a) + 256 * (ed.byte(bank + ed.P(46) + a) - 0x80);
        const int x = ed.byte(anim) >= 128 ? 1 : 0, f = ed.byte(anim + 2);
        rec = bank + ed.byte(bank + ed.P(31 + x) + f) +
              256 * (ed.byte(bank + ed.P(33 + x) + f) - 0x80);
        header = ed.EditMode == 1 ? 2 : 3;
        count = ed.byte(rec + header - 2);
        const int g = ed.byte(rec + header - 1);
        coords = bank + ed.byte(bank + ed.P(35) + g) + 256 * (ed.byte(bank + ed.P(36) + g) - 0x80);
    }
    pieces.clear();
    for (int i = 0; i <= (count & 0x7F); ++i)
        pieces.push_back({ed.byte(rec + header + 2 * i), ed.byte(rec + header + 1 + 2 * i),
                          signedByte(ed.byte(coords + 2 * i + 1)),
                          signedByte((ed.byte(coords + 2 * i) + 1) & 0xFF)});
    return true;
}

} // namespace

class TestDemoBundle : public QObject {
    Q_OBJECT

public:
    TestDemoBundle() : m_res(std::make_unique<ResourceData>()) {}

private:
    std::unique_ptr<ResourceData> m_res;
    std::vector<uint8_t> m_roms[3];

    int32_t R(int slot, int k) const { return m_res->slotValue(slot, k); }

    // An editor on a demo ROM with `level` loaded the way the level load does it.
    std::unique_ptr<Editor> editorAt(int mode, int level) const {
        auto ed = std::make_unique<Editor>();
        ed->EditMode = mode;
        *ed->Res = *m_res;
        ed->RomImage.assign(m_roms[mode]);
        ed->RomParams.resolveAbsolute(*ed->Res);
        ed->CurLevel = level;
        loadLevelAddresses(*ed);
        return ed;
    }

    // Screen range [first, end) of each section, from the scroll map.
    static std::vector<std::pair<int, int>> sections(const Editor& ed) {
        std::vector<std::pair<int, int>> out;
        int screen = 0;
        for (int s = 0; s < 24 && ed.byte(ed.P(8) + s) != 0; ++s) {
            const int n = (ed.byte(ed.P(8) + s) & 15) + 1;
            out.emplace_back(screen, screen + n);
            screen += n;
        }
        return out;
    }

private slots:
    void initTestCase() {
        const auto source = readAll(QStringLiteral(ORVANE_SOURCE_DIR "/data/demo/orvane.dat"));
        QVERIFY(!source.empty());
        const AssemblyResult r = assembleSource(source, *m_res);
        QVERIFY2(r.ok, r.error.c_str());
        for (int m = 0; m < 3; ++m) {
            m_roms[m] = readAll(QStringLiteral(ORVANE_DEMO_DIR "/") + kRomNames[m]);
            QVERIFY2(!m_roms[m].empty(), kRomNames[m]);
        }
    }

    void assembledTotals() {
        QCOMPARE(m_res->ResSectionCount, kSectionCount);
        QCOMPARE(m_res->ResDataCount, kDataCount);
        // The copy beside the program is the source itself.
        QCOMPARE(readAll(QStringLiteral(ORVANE_DEMO_DIR "/orvane.dat")),
                 readAll(QStringLiteral(ORVANE_SOURCE_DIR "/data/demo/orvane.dat")));
        QCOMPARE(R(0, 0), 4);    // mm3: last level
        QCOMPARE(R(0, 1), 0x11); // mm3: level 0's bank
        // Slots nobody reads stay unbound (those the editor reads are pinned below).
        for (int n : {4, 5, 6, 15, 16, 17, 23, 24, 25, 29, 30, 31, 35, 255})
            QCOMPARE(static_cast<int>(m_res->ResIndex[static_cast<size_t>(n)]), 0);
    }

    void slotStarts_data() {
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("start");
        for (const SlotStart& s : kSlotStarts)
            QTest::addRow("slot %d", s.slot) << s.slot << s.start;
    }
    void slotStarts() {
        QFETCH(int, slot);
        QFETCH(int, start);
        QCOMPARE(static_cast<int>(m_res->ResIndex[static_cast<size_t>(slot)]), start);
    }

    // The number forms of the language: "-" negates, "#" and "." are the digits 1 and 0.
    void numberForms() {
        for (int m = 0; m < 3; ++m)
            for (int k : {20, 21, 22, 23, 24, 50, 51, 52})
                QCOMPARE(R(m, k), -1);
        QCOMPARE(R(0, 2), 0x40010);
        QCOMPARE(R(1, 55), 0x300);
        const int marker[10] = {1, 1, 1, 0, 1, 1, 0, 0, 0, 1}; // "OBJ", top row
        for (int c = 0; c < 10; ++c)
            QCOMPARE(R(32, c), marker[c]);
        const int eight[15] = {1, 1, 1, 1, 0, 1, 1, 1, 1, 1, 0, 1, 1, 1, 1};
        for (int i = 0; i < 15; ++i)
            QCOMPARE(R(33, 15 * 8 + i), eight[i]);
    }

    // Index sections hold the label cursors: the start of each name in its section.
    void labelCursors() {
        QCOMPARE(R(7, 0), 0xFA);     // mm3blocktypes starts with its first label
        QCOMPARE(R(7, 1), 0xFA + 4); // "Air" and its end mark
        QCOMPARE(QString::fromStdString(ResString(*m_res, R(7, 15))), QStringLiteral("Unused F"));
        QCOMPARE(R(18, 0), 0x4DE);
        QCOMPARE(R(18, 1), 0x4DE + 12); // "Pogo Hopper" is 11 characters
        // Labels in a row share the name after them.
        for (int t = 0x10; t <= 0x46; ++t)
            QCOMPARE(R(18, t), R(18, 0x10));
        QCOMPARE(QString::fromStdString(ResString(*m_res, R(18, 0x46))),
                 QStringLiteral("(unused)"));
        QCOMPARE(R(18, 0x47), R(18, 0x46) + 9);
        QCOMPARE(QString::fromStdString(ResString(*m_res, R(18, 0x47))),
                 QStringLiteral("Lift Platform"));
        // Effect lists: eight values in list 0, ten in list 1.
        QCOMPARE(R(34, 0), 0xE39);
        QCOMPARE(R(34, 1), 0xE39 + 8);
        QCOMPARE(R(34, 2), 0xE39 + 18);
        // List 7 holds nine values; its index section follows it at once.
        QCOMPARE(m_res->value(R(34, 7) + 8), 0xFF);
        QCOMPARE(m_res->value(R(34, 7) + 9), R(34, 0));
    }

    void names_data() {
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        const struct {
            const char* row;
            int slot, count;
            const char *first, *last;
        } rows[] = {{"mm3 block types", 7, 16, "Air", "Unused F"},
                    {"mm4 block types", 8, 16, "Empty", "Unused F"},
                    {"mm5 block types", 9, 16, "Open", "Unused F"},
                    {"mm3 enemies", 18, R(0, 58) + 1, "Pogo Hopper", "(unused)"},
                    {"mm4 enemies", 19, R(1, 58) + 1, "Spring Frog", "(unused)"},
                    {"mm5 enemies", 20, R(2, 58) + 1, "Bounce Bug", "(unused)"},
                    {"scroll types", 21, 16, "End of Map", "Type F"},
                    {"mm5 scroll types", 22, 8, "End of Map", "Type 7"},
                    {"mm3 music", 26, R(0, 57), "Title Theme", "Ending"},
                    {"mm4 music", 27, R(1, 57), "Opening", "Staff Roll"},
                    {"mm5 music", 28, R(2, 57), "Intro", "Farewell"}};
        for (const auto& r : rows)
            QTest::newRow(r.row) << r.slot << r.count << QString(r.first) << QString(r.last);
    }
    void names() {
        QFETCH(int, slot);
        QFETCH(int, count);
        QFETCH(QString, first);
        QFETCH(QString, last);
        auto name = [&](int i) { return QString::fromStdString(ResString(*m_res, R(slot, i))); };
        QCOMPARE(name(0), first);
        QCOMPARE(name(count - 1), last);
        for (int i = 0; i < count; ++i) {
            QVERIFY2(!name(i).isEmpty(), qPrintable(QString::number(i)));
            // Every entry points at the first character of a name inside the data.
            const int at = R(slot, i);
            QVERIFY(at > 0 && at < kDataCount);
            QVERIFY(m_res->value(at - 1) == 255 || at == R(slot, 0));
        }
    }

    void romFiles_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("prg16k");
        QTest::addColumn<int>("chr8k");
        QTest::newRow("mm3") << 0 << 16 << 16;
        QTest::newRow("mm4") << 1 << 32 << 0;
        QTest::newRow("mm5") << 2 << 16 << 32;
    }
    void romFiles() {
        QFETCH(int, mode);
        QFETCH(int, prg16k);
        QFETCH(int, chr8k);
        const auto& rom = m_roms[mode];
        QCOMPARE(static_cast<int64_t>(rom.size()), int64_t{16} + 16384 * prg16k + 8192 * chr8k);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(rom.data()), 4),
                 QByteArray("NES\x1A", 4));
        QCOMPARE(static_cast<int>(rom[4]), prg16k);
        QCOMPARE(static_cast<int>(rom[5]), chr8k);
    }

    void configAndPalette() {
        const QByteArray cfg("datfile=\"orvane.dat\"\r\npalanim=#1;\r\npalfile=\"nes.pal\"\r\n"
                             "emufname=\"/usr/games/fceux\"\r\n/\r\n");
        QCOMPARE(readAll(QStringLiteral(ORVANE_DEMO_DIR "/orvane.cfg")),
                 std::vector<uint8_t>(cfg.begin(), cfg.end()));
        const auto pal = readAll(QStringLiteral(ORVANE_DEMO_DIR "/nes.pal"));
        QCOMPARE(pal.size(), size_t{192});
        // First colour 747474, colour 21 (light blue) 3CBCFC, colour 3F last: 000000.
        QCOMPARE(pal[0], uint8_t{0x74});
        QCOMPARE(pal[3 * 0x21 + 0], uint8_t{0x3C});
        QCOMPARE(pal[3 * 0x21 + 2], uint8_t{0xFC});
        QCOMPARE(pal[3 * 0x3D + 0], uint8_t{0xC4});
    }

    // Kind 0 keeps its raw value, kind 1 follows the level's bank (8192 per level),
    // kind 2 the second bank; mm4's second bank is its level bank.
    void levelAddressing_data() {
        QTest::addColumn<int>("mode");
        QTest::newRow("mm3") << 0;
        QTest::newRow("mm4") << 1;
        QTest::newRow("mm5") << 2;
    }
    void levelAddressing() {
        QFETCH(int, mode);
        QCOMPARE(R(3, 1), 0);
        QCOMPARE(R(3, 2), 0);
        QCOMPARE(R(3, 25), 1);
        QCOMPARE(R(3, 3), 2);
        const int levels = R(mode, 0) + 1;
        QVERIFY(levels >= 4 && levels <= 6);
        int64_t previousTables = -1;
        for (int level = 0; level < levels; ++level) {
            const auto ed = editorAt(mode, level);
            QCOMPARE(ed->LevelBase, kLevelBase0[mode] + 8192 * level);
            QCOMPARE(ed->LevelBase2, secondBase(mode, level));
            QCOMPARE(ed->P(2), int64_t{R(mode, 2)});          // kind 0
            QCOMPARE(ed->P(16), int64_t{R(mode, 16)});        // kind 0
            QCOMPARE(ed->P(6), ed->LevelBase + R(mode, 6));   // kind 1
            QCOMPARE(ed->P(15), ed->LevelBase + R(mode, 15)); // kind 1
            QCOMPARE(ed->P(3), ed->LevelBase2 + R(mode, 3));  // kind 2
            QCOMPARE(ed->P(5), ed->LevelBase2 + R(mode, 5));  // kind 2
            if (previousTables >= 0) QCOMPARE(ed->P(8) - previousTables, int64_t{8192});
            previousTables = ed->P(8);
            if (mode == 1) QCOMPARE(ed->P(4) - R(1, 4), ed->P(9) - R(1, 9));

            if (mode == 1) continue; // mm4 tiles come from its effect lists
            const int64_t b0 = 16 + 4 * level, b1 = 18 + 4 * level;
            QCOMPARE(int(ed->byte(ed->LevelBase + R(mode, 25))), int(b0));
            QCOMPARE(ed->TileAddr[0], kChr + 1024 * b0);
            QCOMPARE(ed->TileAddr[127], kChr + 1024 * b0 + 16 * 127);
            QCOMPARE(ed->TileAddr[128], kChr + 1024 * b1);
            QCOMPARE(ed->TileAddr[255], kChr + 1024 * b1 + 16 * 127);
            QCOMPARE(ed->TileAddr[256], kChr);
            QCOMPARE(ed->TileAddr[383], mode == 0 ? kChr + 16 * 127 : kChr + 6144 + 16 * 63);
            if (mode == 2) QCOMPARE(ed->TileAddr[320], kChr + 6144);
            if (mode == 2) QCOMPARE(ed->TileAddr[319], kChr + 16 * 63);
        }
    }

    // Every position parameter of every level lies in the ROM, offsets in a sprite bank
    // lie in the bank, and the tables a level's windows read hold data there.
    void positionsInsideRom_data() { levelAddressing_data(); }
    void positionsInsideRom() {
        QFETCH(int, mode);
        for (int level = 0; level <= R(mode, 0); ++level) {
            const auto ed = editorAt(mode, level);
            const int64_t size = ed->RomImage.size();
            for (int k : positionParams(mode))
                QVERIFY2(ed->P(k) >= 1 && ed->P(k) <= size,
                         qPrintable(QStringLiteral("P(%1) level %2").arg(k).arg(level)));
            if (mode != 0)
                for (int k : {31, 32, 33, 34, 35, 36, 43, 46})
                    QVERIFY(ed->P(k) >= 0 && ed->P(k) < 8192);
            if (mode != 1)
                for (int t = 0; t < 384; ++t)
                    QVERIFY(ed->TileAddr[static_cast<size_t>(t)] + 16 <= size);
            // The screen table names layouts up to P(17); the attribute table palettes 0..3.
            for (int s = 0; s <= ed->P(16); ++s)
                QVERIFY(ed->byte(ed->P(7) + s) <= ed->P(17));
            for (int b = 0; b < 256; ++b)
                QVERIFY((ed->byte(ed->P(4) + b) & 15) <= 3);
        }
    }

    // Scroll maps cover every screen, enemy lists are in screen order with an end mark,
    // and the section settings stay within the Screen Editor's limits.
    void levelTables_data() { levelAddressing_data(); }
    void levelTables() {
        QFETCH(int, mode);
        for (int level = 0; level <= R(mode, 0); ++level) {
            const auto ed = editorAt(mode, level);
            const auto secs = sections(*ed);
            QVERIFY(!secs.empty());
            QCOMPARE(secs.back().second, int(ed->P(16) + 1));
            std::set<int> kinds;
            for (size_t s = 0; s < secs.size(); ++s)
                kinds.insert(ed->byte(ed->P(8) + int64_t(s)) >> 4);
            for (int h : {2, 4, 6, 8, 10})
                QVERIFY2(kinds.count(h), "a map with right, up and down sections");
            int last = 0, n = 0;
            for (; n <= ed->P(19) && ed->byte(ed->P(11) + n) != 0xFF; ++n) {
                QVERIFY(ed->byte(ed->P(11) + n) >= last);
                last = ed->byte(ed->P(11) + n);
                QVERIFY(last <= ed->P(16));
            }
            QVERIFY(n >= 10 && n <= ed->P(19));
            for (size_t s = 0; s < secs.size(); ++s) {
                if (mode == 0) {
                    QVERIFY(ed->byte(ed->P(9) + 2 * int64_t(s)) <= R(10, 1));
                    QVERIFY(ed->byte(ed->P(9) + 2 * int64_t(s) + 1) <= ed->P(18));
                } else if (mode == 1) {
                    QVERIFY(ed->byte(ed->P(9) + int64_t(s)) <= ed->P(18));
                    QVERIFY(ed->byte(ed->P(10) + int64_t(s)) <= R(10, 11));
                }
            }
        }
    }

    // mm3: each section's graphics set loads the CHR banks its enemies need, and the
    // sprite set-up points sprite tiles 384.. at them.
    void mm3GraphicsFitEnemies() {
        for (int level = 0; level <= R(0, 0); ++level) {
            auto ed = editorAt(0, level);
            const auto secs = sections(*ed);
            for (size_t s = 0; s < secs.size(); ++s) {
                ed->CurSection = static_cast<int>(s);
                SprCHRPALSetup(*ed);
                const int g = ed->byte(ed->P(9) + 2 * int64_t(s));
                const int a = ed->byte(R(10, 0) + 2 * g), b = ed->byte(R(10, 0) + 2 * g + 1);
                QVERIFY(a >= 0x28 && a <= 0x2D && b >= 0x28 && b <= 0x2D);
                QCOMPARE(ed->TileAddr[384], kChr + 1024 * a);
                QCOMPARE(ed->TileAddr[448], kChr + 1024 * b);
                for (int n = 0; ed->byte(ed->P(11) + n) != 0xFF; ++n) {
                    const int scr = ed->byte(ed->P(11) + n), t = ed->byte(ed->P(14) + n);
                    if (scr < secs[s].first || scr >= secs[s].second) continue;
                    QVERIFY2(
                        (R(12, t) == 0 || R(12, t) == a) && (R(13, t) == 0 || R(13, t) == b),
                        qPrintable(QStringLiteral("level %1 type %2").arg(level).arg(t, 0, 16)));
                }
            }
        }
    }

    // mm4: the initial effect list loads the level's background tiles from bank 32 + L
    // and sprite tiles; each section's enemies are among the types its effect lists.
    void mm4EffectLists() {
        for (int level = 0; level <= R(1, 0); ++level) {
            auto ed = editorAt(1, level);
            InitEffectLoad(*ed);
            const int64_t tileBank = 16 + 8192 * (32 + level);
            QCOMPARE(ed->TileAddr[0], tileBank);
            QCOMPARE(ed->TileAddr[255], tileBank + 16 * 255);
            QCOMPARE(ed->TileAddr[256], 16 + 8192 * 38);
            const auto secs = sections(*ed);
            for (size_t s = 0; s < secs.size(); ++s) {
                const int e = ed->byte(ed->P(10) + int64_t(s));
                ScrollEffectLoad(*ed, static_cast<int>(s));
                QVERIFY(ed->TileAddr[384] >= 16 + 8192 * 40 && ed->TileAddr[511] < 16 + 8192 * 46);
                std::set<int> supported;
                for (int j = 0; m_res->value(R(34, e) + j) != 0xFF; ++j)
                    supported.insert(m_res->value(R(34, e) + j));
                for (int n = 0; ed->byte(ed->P(11) + n) != 0xFF; ++n) {
                    const int scr = ed->byte(ed->P(11) + n), t = ed->byte(ed->P(14) + n);
                    if (scr < secs[s].first || scr >= secs[s].second || t >= 0xC0 || t == 0x16)
                        continue;
                    QVERIFY2(
                        supported.count(t),
                        qPrintable(QStringLiteral("level %1 type %2").arg(level).arg(t, 0, 16)));
                }
            }
        }
    }

    // mm5: sprite palette sets 1..4 and the fixed default at 251083 hold NES colours.
    void mm5SpriteColours() {
        auto ed = editorAt(2, 0);
        for (size_t s = 0; s < sections(*ed).size(); ++s) {
            ed->CurSection = static_cast<int>(s);
            SprCHRPALSetup(*ed);
            const int v = ed->byte(ed->P(9) + int64_t(s)) & 0x7F;
            QVERIFY(v <= 4);
            QCOMPARE(ed->SprColPos[1],
                     v == 0 ? kMM5DefaultSpriteColours + 1 : ed->P(27) + 8 * (v - 1) + 1);
            for (int i : {1, 2, 3, 5, 6, 7}) {
                const int c = ed->byte(ed->SprColPos[static_cast<size_t>(i)]);
                QVERIFY(c < 0x40 && c != 0);
            }
        }
    }

    // Palette records hold NES colours and animate at least one palette per level; the
    // animations they name cycle through more than one colour set, in mm3 at the fixed
    // places 75167 (colour sets), 75281 (pointers), 75295 (records).
    void paletteAnimations_data() { levelAddressing_data(); }
    void paletteAnimations() {
        QFETCH(int, mode);
        for (int level = 0; level <= R(mode, 0); ++level) {
            const auto ed = editorAt(mode, level);
            int animated = 0;
            for (int r = 0; r <= ed->P(18); ++r)
                for (int k = 0; k < 20; ++k) {
                    const int v = ed->byte(ed->P(15) + 20 * r + k);
                    if (k < 16) {
                        QVERIFY(v < 0x40);
                        continue;
                    }
                    if (v == 0) continue;
                    QVERIFY(v >= 0x80);
                    ++animated;
                    const int a = v & 0x7F;
                    int64_t rec;
                    int first; // offset of frame 0's colour set
                    if (mode == 0) {
                        rec = 75295 + ed->byte(75281 + a);
                        first = 3;
                        QVERIFY(ed->byte(rec + 2) >= 1 && ed->byte(rec + 2) <= 15);
                    } else if (mode == 1) {
                        rec = 256 * (ed->byte(ed->P(54) + a) - 160 + ed->P(55)) +
                              ed->byte(ed->P(53) + a) + 17;
                        first = 2;
                    } else {
                        rec = ed->P(54) + ed->byte(ed->P(53) + a);
                        first = 2;
                    }
                    const int frames = ed->byte(rec) + 1;
                    QVERIFY(frames >= 2);
                    std::set<int> sets;
                    for (int f = 0; f < frames; ++f)
                        sets.insert(ed->byte(rec + first + f));
                    QVERIFY(sets.size() >= 2);
                    const int64_t setBase = mode == 0 ? 75167 : ed->P(56);
                    for (int s : sets)
                        for (int j = 0; j < 3; ++j)
                            if (s != 0) QVERIFY(ed->byte(setBase + 3 * s + j) < 0x40);
                }
            QVERIFY(animated >= 2);
        }
    }
    // Every named enemy type leads through the sprite tables to a small sprite: a few
    // pieces around its anchor, in the sprite palette of its group (2 or 3 for the
    // enemies, 1 for the items), with tiles from the bank its graphics load.
    void enemySprites_data() { levelAddressing_data(); }
    void enemySprites() {
        QFETCH(int, mode);
        const auto ed = editorAt(mode, 0);
        const std::set<int> boxes[3] = {
            {},
            {0x16, 0x17, 0x1A, 0x44, 0x83, 0x86, 0x87},
            {0x40, 0x41, 0x42, 0x43, 0x45, 0x46, 0x47, 0x48, 0x49, 0x4A, 0x4D, 0x52, 0x53, 0x54}};
        std::vector<std::array<int, 4>> pieces;
        std::set<std::vector<std::array<int, 4>>> distinct;
        for (int t = 0; t <= R(mode, 58); ++t) {
            if (boxes[mode].count(t)) continue;
            QVERIFY(spritePieces(*ed, t, pieces));
            QVERIFY2(!pieces.empty() && pieces.size() <= 16, qPrintable(QString::number(t, 16)));
            for (const auto& p : pieces) {
                QVERIFY(p[2] >= -24 && p[2] < 24 && p[3] >= -32 && p[3] < 8);
                const int pal = p[1] & 3;
                if (p[0] >= 0x80)
                    QCOMPARE(pal, p[0] >= 0xC0 ? 3 : 2);
                else
                    QCOMPARE(pal, 1);
            }
            distinct.insert(pieces);
        }
        QVERIFY(distinct.size() >= 10); // real variety, not one sprite for every type
    }

    // The generator leaves files whose bytes did not change alone and names the file
    // it cannot read.
    void generatorWritesOnlyChanges() {
        const QString gen = QStringLiteral(ORVANE_DEMO_DIR "/../tools/orvane_demo_gen");
        if (!QFile::exists(gen)) QSKIP("generator not built beside the bundle");
        QTemporaryDir out;
        QVERIFY(out.isValid());
        const QString data = QStringLiteral(ORVANE_SOURCE_DIR "/data/demo");
        QCOMPARE(QProcess::execute(gen, {data, out.path()}), 0);
        for (const char* name : kRomNames)
            QCOMPARE(readAll(out.filePath(name)),
                     readAll(QStringLiteral(ORVANE_DEMO_DIR "/") + name));
        const QString cfg = out.filePath(QStringLiteral("orvane.cfg"));
        QFile stale(cfg);
        QVERIFY(stale.open(QIODevice::ReadWrite));
        const QDateTime old = QDateTime::currentDateTime().addSecs(-3600);
        QVERIFY(stale.setFileTime(old, QFileDevice::FileModificationTime));
        stale.close();
        QCOMPARE(QProcess::execute(gen, {data, out.path()}), 0);
        QCOMPARE(QFileInfo(cfg).lastModified(), old);

        QProcess bad;
        bad.start(gen, {out.filePath(QStringLiteral("missing")), out.path()});
        QVERIFY(bad.waitForFinished());
        QVERIFY(bad.exitCode() != 0);
        QVERIFY(bad.readAllStandardError().contains("missing/orvane.dat"));
    }
};

QTEST_APPLESS_MAIN(TestDemoBundle)
#include "test_demo_bundle.moc"
