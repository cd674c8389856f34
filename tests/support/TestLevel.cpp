#include "support/TestLevel.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include "core/level/LevelLoader.h"
#include "core/render/EffectLoad.h"
#include "core/render/SectionWalk.h"
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
    int start = 0;
    const int section = findSection(ed, start);
    enterSection(ed, section, start);
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

QList<std::pair<QString, QString>> quotedRows(const QString& name) {
    QList<std::pair<QString, QString>> rows;
    for (const QString& line :
         QString::fromUtf8(readFile(ORVANE_SOURCE_DIR "/tests/data/" + name)).split('\n'))
        if (line.count('"') >= 2 && !line.startsWith('#'))
            rows.append({line.section('"', 1, -2), line.section('"', -1).trimmed()});
    return rows;
}

} // namespace orvane::testing
