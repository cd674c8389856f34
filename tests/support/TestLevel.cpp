#include "support/TestLevel.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTest>
#include <array>

#include "core/enemyedit/EnemyList.h"
#include "core/level/LevelLoader.h"
#include "core/level/SectionView.h"
#include "core/render/EffectLoad.h"
#include "core/resdata/Assembler.h"

namespace orvane::testing {

namespace {

constexpr int64_t kBlockTiles = 0x1001, kBlockAttrs = 0x1401, kStructures = 0x1501,
                  kLayouts = 0x2001, kPresets = 0x2801, kSettings = 0x2A01, kEffects = 0x2B01,
                  kTileData = 0x8000;
constexpr int kLastScreen = 13, kLastPreset = 9;

uint8_t plane(int t, int r, int p) {
    return uint8_t(p ? t * 11 + r * 5 + 0x3C : t * 7 + r * 13 + 1);
}

int32_t& slotValue(Editor& ed, int slot, int k) {
    return ed.Res->ResData[size_t(ed.Res->ResIndex[size_t(slot)] + k)];
}

} // namespace

Editor bareEditor(int mode, int64_t romSize) {
    Editor ed;
    ed.EditMode = mode;
    ed.RomImage.assign(std::vector<uint8_t>(size_t(romSize), 0));
    for (int slot : {0, 1, 2, 3, 10})
        ed.Res->ResIndex[size_t(slot)] = int16_t(slot == 10 ? 256 : 64 * slot);
    ed.RomParams.resolveAbsolute(*ed.Res);
    for (uint32_t c = 0; c < 256; ++c)
        std::tie(ed.NesPal[c], ed.NesPalDark[c], ed.NesPalBright[c]) =
            std::tuple{0x100000 + c, 0x200000 + c, 0x300000 + c};
    return ed;
}

Editor blankEditor(int mode, int64_t romSize) {
    Editor ed = bareEditor(mode, romSize);
    *ed.Res = ResourceData();
    if (!assembleSource(bytesOf(readFile(ORVANE_SOURCE_DIR "/tests/data/level/level.dat")), *ed.Res)
             .ok)
        qFatal("level.dat does not assemble");
    ed.RomParams.resolveAbsolute(*ed.Res);
    return ed;
}

void setParam(Editor& ed, int k, int64_t v) {
    slotValue(ed, ed.EditMode, k) = int32_t(v);
    ed.RomParams.resolveAbsolute(*ed.Res);
}

void setR10(Editor& ed, int k, int v) {
    slotValue(ed, 10, k) = v;
}

void poke(Editor& ed, int64_t pos, std::initializer_list<int> bytes) {
    for (int b : bytes)
        ed.setByte(pos++, b);
}

std::vector<int> peek(const Editor& ed, int64_t pos, int count) {
    std::vector<int> out;
    for (int i = 0; i < count; ++i)
        out.push_back(ed.byte(pos + i));
    return out;
}

Editor tableLevel(int mode, const std::vector<int>& map) {
    Editor ed = blankEditor(mode);
    for (int t = 0; t < 256; ++t) {
        ed.TileAddr[size_t(t)] = kTileData + 16 * t;
        for (int r = 0; r < 16; ++r)
            ed.setByte(kTileData + 16 * t + r + 1, plane(t, r % 8, r / 8));
        for (int q = 0; q < 4; ++q) {
            ed.setByte(kBlockTiles + 256 * q + t, (t + 64 * q) & 0xFF);
            ed.setByte(kStructures + 4 * t + q, (4 * t + q) & 0xFF);
        }
        ed.setByte(kBlockAttrs + t, (t / 16) << 4 | (t % 4));
    }
    for (int c = 0; c < 64 * (kLastPreset + 1); ++c)
        ed.setByte(kLayouts + c, (7 * (c / 64) + c % 64) & 0xFF);
    for (int n = 0; n <= kLastScreen; ++n)
        ed.setByte(kPresets + n, n / 2);
    for (size_t i = 0; i < map.size(); ++i)
        ed.setByte(ed.P(8) + int64_t(i), map[i]);
    for (int s = 0; s < 8; ++s) {
        poke(ed, kSettings + 2 * s, {s % 3, s + 1});
        ed.setByte(kEffects + s, s + 2);
    }
    enterScreen(ed, 0);
    return ed;
}

std::unique_ptr<Editor> demoEditor(int mode, int level) {
    auto ed = std::make_unique<Editor>();
    ed->EditMode = mode;
    if (!assembleSource(bytesOf(readFile(ORVANE_SOURCE_DIR "/data/demo/orvane.dat")), *ed->Res).ok)
        qFatal("the demo source does not assemble");
    static const char* const kRoms[] = {"mm3-demo.nes", "mm4-demo.nes", "mm5-demo.nes"};
    ed->RomImage.assign(bytesOf(readFile(QString(ORVANE_DEMO_DIR "/") + kRoms[mode])));
    ed->RomParams.resolveAbsolute(*ed->Res);
    loadLevel(*ed, level);
    return ed;
}

void loadLevel(Editor& ed, int level) {
    ed.CurLevel = level;
    loadLevelAddresses(ed);
    if (ed.EditMode == kMM4) InitEffectLoad(ed);
}

void enterScreen(Editor& ed, int screen) {
    ed.CurScrn = screen;
    ed.enterSection(sectionOfScreen(ed.tables(), screen));
}

int spriteColour(int t, int r, int c) {
    return 2 * ((plane(t, r, 1) >> (7 - c)) & 1) + ((plane(t, r, 0) >> (7 - c)) & 1);
}

Editor enemyLevel(int mode) {
    Editor ed = bareEditor(mode, 0x20000);
    const int params[][2] = {{11, 0x101}, {12, 0x111}, {13, 0x121}, {14, 0x131}, {19, 7},
                             {2, kChr},   {16, 15},    {3, 0x9001}, {4, 0x9401}, {5, 0x9501},
                             {6, 0x8001}, {7, 0x8801}, {8, 0x1C1},  {9, 0x141},  {10, 0x161}};
    for (const auto& [k, v] : params)
        setParam(ed, k, v);
    for (int i = 0; i < 1024; ++i) {
        poke(ed, 0x9001 + i, {i & 0xFF});
        poke(ed, 0x9501 + i, {i & 0xFF});
        for (int r = 0; r < 16; ++r)
            poke(ed, kChr + 16 * i + r + 1, {plane(i, r % 8, r / 8)});
    }
    for (int t = 0; t < 512; ++t)
        ed.TileAddr[size_t(t)] = kChr + 16 * (t & 0xFF);
    poke(ed, 0x1C1, {0x22, 0x80, 0xA1, 0x00});
    ed.Res->ResIndex[11] = 400; // mm3 sprite numbers
    ed.Res->ResIndex[32] = 600; // box label and digit fonts
    ed.Res->ResIndex[33] = 700;
    setR10(ed, 0, 0x171);
    for (int k : {8, 9, 10})
        setR10(ed, k, 0x1401 + 0x40 * (k - 8));
    for (int slot : {12, 13, 14})
        ed.Res->ResIndex[size_t(slot)] = int16_t(1000 + 200 * (slot - 12));
    ed.Res->ResIndex[34] = 1600;
    return ed;
}

void addGraphicsSet(Editor& ed, int g, int b0, int b1) {
    poke(ed, 0x171 + 2 * g, {b0, b1});
    setR10(ed, 1, g);
}

void setTypeNeeds(Editor& ed, int t, int b0, int b1, int alt1) {
    for (int k = 0; k < 3; ++k)
        ed.Res->ResData[size_t(1000 + 200 * k + t)] = std::array{b0, b1, alt1}[size_t(k)];
}

void addEffect(Editor& ed, int e, const std::vector<int>& types) {
    const int list = 1700 + 20 * e;
    ed.Res->ResData[size_t(1600 + e)] = list;
    for (size_t j = 0; j <= types.size(); ++j)
        ed.Res->ResData[size_t(list) + j] = j < types.size() ? types[j] : 255;
    setR10(ed, 11, e);
}

void setEnemies(Editor& ed, const QString& text) {
    const QStringList entries = text.split(' ', Qt::SkipEmptyParts);
    for (int n = 0; n < kEnemySlots; ++n) {
        const QStringList v = entries.value(n, "FF").split('/');
        setEnemy(ed, n,
                 {v[0].toInt(nullptr, 16), v.value(1).toInt(nullptr, 16),
                  v.value(2).toInt(nullptr, 16), v.value(3).toInt(nullptr, 16)});
    }
}

QString enemies(const Editor& ed) {
    QStringList entries;
    for (int n = 0; n < kEnemySlots && enemyScreen(ed, n) != 0xFF; ++n) {
        const EnemySlot e = enemyAt(ed, n);
        entries << QString::asprintf("%X/%X/%X/%X", e.screen, e.x, e.y, e.type);
    }
    return entries.join(' ');
}

void writeSprite(Editor& ed, int type, const std::vector<SpritePiece>& pieces, int bank) {
    constexpr int64_t S = 0x4011; // the sprite bank: mm3 page 0x40, mm4/mm5 bank number 3
    const bool mm3 = ed.EditMode == kMM3;
    // Low and high pointer bytes of the animation, sprite and coordinate records, at
    // 0x3001 + 0x100 i; mm4 and mm5 give them as offsets into the bank.
    const int params[] = {43, 46, mm3 ? 28 : 31, mm3 ? 31 : 33, mm3 ? 34 : 35, 36};
    for (int i = 0; i < 6; ++i)
        setParam(ed, params[i], int32_t(0x3001 + 0x100 * i - (mm3 ? 0 : S)));
    if (mm3) {
        setParam(ed, 38, 0x40);
        setParam(ed, 41, 0x60); // coordinates at 0x6011, mapped at 0xA000
        ed.Res->ResData[size_t(400 + type)] = type;
    } else {
        setParam(ed, 28, 0x1001); // bank index 0 for every type, bank number 3
        setParam(ed, 29, 0x1101);
        setParam(ed, 30, 0x1201);
        poke(ed, 0x1101 + type, {type});
        poke(ed, 0x1201, {3});
    }
    const int anim = 4 * type, record = 0x200 + 0x20 * type, coord = 0x20 * type;
    const int pointers[][2] = {{anim, 0x80}, {record, 0x80}, {coord, 0xA0}};
    for (int i = 0; i < 3; ++i) {
        poke(ed, 0x3001 + 0x200 * i + type, {pointers[i][0] & 0xFF});
        poke(ed, 0x3101 + 0x200 * i + type, {pointers[i][1] + (pointers[i][0] >> 8)});
    }
    poke(ed, S + anim, {0, 0, type});
    const int64_t R = S + record;
    const int h = ed.EditMode == kMM5 ? 3 : 2; // mm5 records start with their tile bank
    if (h == 3) poke(ed, R, {bank});
    poke(ed, R + h - 2, {int(pieces.size()) - 1, type});
    for (size_t i = 0; i < pieces.size(); ++i) {
        poke(ed, R + h + 2 * int(i), {pieces[i].tile, pieces[i].attribute});
        poke(ed, 0x6011 + coord + 2 * int(i), {(pieces[i].dy - 1) & 0xFF, pieces[i].dx & 0xFF});
    }
}

QStringList dataFiles(const QString& area, const QString& suffix) {
    const QDir dir(ORVANE_SOURCE_DIR "/tests/data/" + area);
    QStringList out;
    for (const QString& name : dir.entryList({"*" + suffix}, QDir::Files, QDir::Name))
        out << dir.filePath(name);
    if (out.isEmpty()) qFatal("no test data in %s", qPrintable(dir.path()));
    return out;
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) qFatal("cannot read %s", qPrintable(path));
    return f.readAll();
}

std::vector<uint8_t> bytesOf(const QByteArray& b) {
    return std::vector<uint8_t>(b.begin(), b.end());
}

QByteArray fromBytes(const std::vector<uint8_t>& v) {
    return QByteArray(reinterpret_cast<const char*>(v.data()), qsizetype(v.size()));
}

std::pair<QByteArray, QByteArray> splitCase(const QByteArray& file, const QByteArray& marker) {
    const qsizetype at = file.indexOf("\n" + marker + "\n");
    return at < 0 ? std::pair{file, QByteArray()}
                  : std::pair{file.left(at), file.mid(at + marker.size() + 2)};
}

QStringList words(const QString& line) {
    QString text = line;
    static const QRegularExpression group("\\[([^\\]]*)\\]\\*(\\d+)");
    for (auto m = group.match(text); m.hasMatch(); m = group.match(text))
        text.replace(m.capturedStart(), m.capturedLength(),
                     QString(m.captured(1) + " ").repeated(m.captured(2).toInt()));
    QStringList out;
    for (const QString& w : text.split(' ', Qt::SkipEmptyParts))
        for (int i = 0; i < (w.contains('*') ? w.section('*', 1).toInt() : 1); ++i)
            out << w.section('*', 0, 0);
    return out;
}

QList<QStringList> caseLines(const QString& path) {
    QList<QStringList> lines;
    for (const QString& line : QString::fromUtf8(readFile(path)).split('\n'))
        if (!line.trimmed().isEmpty() && !line.startsWith('#'))
            lines << line.split(' ', Qt::SkipEmptyParts);
    return lines;
}

QString caseValue(const QList<QStringList>& lines, const QString& key) {
    for (const QStringList& l : lines)
        if (l.value(0) == key) return l.mid(1).join(' ');
    return {};
}

void addCaseRows(const QString& folder) {
    QTest::addColumn<QString>("path");
    for (const QString& f : dataFiles(folder))
        QTest::newRow(qPrintable(QFileInfo(f).baseName())) << f;
}

QList<std::pair<QString, QString>> quotedRows(const QString& name) {
    QList<std::pair<QString, QString>> rows;
    for (const QString& line :
         QString::fromUtf8(readFile(ORVANE_SOURCE_DIR "/tests/data/" + name)).split('\n'))
        if (line.count('"') >= 2 && !line.startsWith('#'))
            rows.append({line.section('"', 1, -2), line.section('"', -1).trimmed()});
    return rows;
}

} // namespace orvane::testing
