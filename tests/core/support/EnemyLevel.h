#pragma once

// A small level for enemy tests: an enemy list of eight entries, 1024 sprite tiles whose
// pixels are easy to recompute, and each game's sprite tables at known places, written
// by writeSprite from the pieces a sprite should draw. Header-only.

#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTest>
#include <array>
#include <vector>

#include "core/enemyedit/EnemyList.h"
#include "core/enemyedit/EnemySprite.h"
#include "support/TestLevel.h"

namespace orvane::testing {

constexpr int kEnemySlots = 8;
constexpr int kChr = 0x10000; // P(2); linear tile t at kChr + 16t

inline uint8_t spritePlane(int t, int plane, int r) {
    return static_cast<uint8_t>(plane ? t * 11 + r * 5 + 0x3C : t * 7 + r * 13 + 1);
}
inline int spriteColour(int t, int r, int c) {
    return 2 * ((spritePlane(t, 1, r) >> (7 - c)) & 1) + ((spritePlane(t, 0, r) >> (7 - c)) & 1);
}

// Enemy tables at 0x101, 0x111, 0x121, 0x131. Screens: every preset 0, layout cells 0;
// block b shows tile b, structure s blocks 4s..4s+3; background and sprite tile t is
// linear tile t.
inline Editor makeEnemyLevel(int mode) {
    Editor ed = bareEditor(mode, 0x20000);
    const int params[][2] = {{11, 0x101}, {12, 0x111}, {13, 0x121}, {14, 0x131},
                             {19, 7},     {2, kChr},   {16, 15},    {3, 0x9001},
                             {4, 0x9401}, {5, 0x9501}, {6, 0x8001}, {7, 0x8801}};
    for (const auto& [k, v] : params)
        setParam(ed, k, v);
    for (int i = 0; i < 1024; ++i) {
        poke(ed, 0x9001 + i, {i & 0xFF});
        poke(ed, 0x9501 + i, {i & 0xFF});
        for (int r = 0; r < 8; ++r) {
            poke(ed, kChr + 16 * i + r + 1, {spritePlane(i, 0, r)});
            poke(ed, kChr + 16 * i + r + 9, {spritePlane(i, 1, r)});
        }
    }
    for (int t = 0; t < 512; ++t)
        ed.TileAddr[size_t(t)] = kChr + 16 * (t & 0xFF);
    ed.Res->ResIndex[11] = 400; // mm3 sprite numbers
    ed.Res->ResIndex[32] = 600; // box label and digit fonts
    ed.Res->ResIndex[33] = 700;
    // Graphics of the sections: mm3 sets (P9, two bytes a section) naming banks in the
    // set table at 0x171, the banks each type needs (slots 12 to 14); mm4 effects (P10)
    // with their type lists (slot 34, lists from value 1700); the effect sprites' slot
    // tables at 0x1401, 0x1441 and their four-colour palettes at 0x1481.
    setParam(ed, 9, 0x141);
    setParam(ed, 10, 0x161);
    setR10(ed, 0, 0x171);
    for (int k : {8, 9, 10})
        setR10(ed, k, 0x1401 + 0x40 * (k - 8));
    for (int slot : {12, 13, 14})
        ed.Res->ResIndex[size_t(slot)] = int16_t(1000 + 200 * (slot - 12));
    ed.Res->ResIndex[34] = 1600;
    return ed;
}

// mm3: set g names banks b0 and b1 and is the highest set so far.
inline void addGraphicsSet(Editor& ed, int g, int b0, int b1) {
    poke(ed, 0x171 + 2 * g, {b0, b1});
    setR10(ed, 1, g);
}
// mm3: the banks type t needs (0: any) and the Bank 1 it is listed under by number.
inline void setTypeNeeds(Editor& ed, int t, int b0, int b1, int alt1) {
    for (int k = 0; k < 3; ++k)
        ed.Res->ResData[size_t(1000 + 200 * k + t)] = std::array{b0, b1, alt1}[size_t(k)];
}
// mm4: effect e supports `types` and is the highest effect so far.
inline void addEffect(Editor& ed, int e, const std::vector<int>& types) {
    const int list = 1700 + 20 * e;
    ed.Res->ResData[size_t(1600 + e)] = list;
    for (size_t j = 0; j <= types.size(); ++j)
        ed.Res->ResData[size_t(list) + j] = j < types.size() ? types[j] : 255;
    setR10(ed, 11, e);
}

// The list as "screen/x/y/type" entries in hexadecimal; entries not given end the list (FF).
inline void setEnemies(Editor& ed, const QString& text) {
    const QStringList entries = text.split(' ', Qt::SkipEmptyParts);
    for (int n = 0; n < kEnemySlots; ++n) {
        const QStringList v = entries.value(n, "FF").split('/');
        setEnemy(ed, n,
                 {v[0].toInt(nullptr, 16), v.value(1).toInt(nullptr, 16),
                  v.value(2).toInt(nullptr, 16), v.value(3).toInt(nullptr, 16)});
    }
}
// The list back in that form, up to its terminator.
inline QString enemies(const Editor& ed) {
    QStringList entries;
    for (int n = 0; n < kEnemySlots && enemyScreen(ed, n) != 0xFF; ++n) {
        const EnemySlot e = enemyAt(ed, n);
        entries << QString::asprintf("%X/%X/%X/%X", e.screen, e.x, e.y, e.type);
    }
    return entries.join(' ');
}

// Writes the sprite tables of the editor's game so that type `type` (below 0x40) draws
// `pieces`; an mm5 record names 1 KB tile bank `bank`. Sprite number, frame and
// coordinate set are all `type`; every game finds its tables at the same positions.
inline void writeSprite(Editor& ed, int type, const std::vector<SpritePiece>& pieces,
                        int bank = 0) {
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

// A case file of tests/data: one "key value..." line each, '#' lines are comments.
inline QList<QStringList> caseLines(const QString& path) {
    QFile file(path);
    QList<QStringList> lines;
    if (file.open(QIODevice::ReadOnly | QIODevice::Text))
        for (const QString& line : QString::fromUtf8(file.readAll()).split('\n'))
            if (!line.trimmed().isEmpty() && !line.startsWith('#'))
                lines << line.split(' ', Qt::SkipEmptyParts);
    return lines;
}
inline QString caseValue(const QList<QStringList>& lines, const QString& key) {
    for (const QStringList& l : lines)
        if (l.value(0) == key) return l.mid(1).join(' ');
    return {};
}
// One data row "path" per case file of tests/data/<folder>, named after the file.
inline void addCaseRows(const QString& folder) {
    QTest::addColumn<QString>("path");
    const QDir dir(QString(ORVANE_SOURCE_DIR) + "/tests/data/" + folder);
    for (const QFileInfo& file : dir.entryInfoList({"*.txt"}, QDir::Files, QDir::Name))
        QTest::newRow(qPrintable(file.baseName())) << file.filePath();
}

} // namespace orvane::testing
