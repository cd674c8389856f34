#pragma once

// The one place where tests build editor state: a small made-up level at known positions
// (its resource data is tests/data/level/level.dat), or a level of the demo bundle, and
// the case files of tests/data. Tests reach the editor's set-up through these functions
// only, so a change to it touches this file.

#include <QByteArray>
#include <QStringList>
#include <memory>
#include <vector>

#include "core/app/Editor.h"
#include "core/enemyedit/EnemySprite.h"

namespace orvane::testing {

// Colour c of the made-up NES palette: 0x100000 + c, its dark form 0x200000 + c, its
// bright form 0x300000 + c, so a colour table shows which colour and which form it holds.
// An editor of game `mode` with the made-up level's resource data over a zeroed image,
// and recognisable colour tables.
Editor blankEditor(int mode, int64_t romSize = 0x10000);
// The same over no resource data: every parameter 0 and of kind 0 until set, slot 10
// empty, each game's parameters, the kinds and slot 10 at ResData 64 * game, 192 and 256.
Editor bareEditor(int mode, int64_t romSize);
void setParam(Editor& ed, int k, int64_t value); // raw parameter k, absolute
void setR10(Editor& ed, int k, int value);
void poke(Editor& ed, int64_t pos, std::initializer_list<int> bytes);
std::vector<int> peek(const Editor& ed, int64_t pos, int count);

// The made-up level (its table positions are listed in level.dat): quarter q of block b
// holds tile (b + 64q) mod 256; block b is of type b / 16 in palette b mod 4; quarter q of
// structure s holds block (4s + q) mod 256; cell c of preset p holds structure (7p + c) mod
// 256; screens 2k and 2k + 1 show preset k; the scroll map `map`, section s with settings
// (s mod 3, s + 1) and effect s + 2; tiles at 0-based offset 8000 whose pixels differ by
// tile and row. Screen 0 is current.
Editor tableLevel(int mode, const std::vector<int>& map = {0x22, 0x80, 0xA1, 0x00});

// The demo bundle's resource data and ROM of game `mode`, with `level` loaded as the
// level load does it (mm4's effect list included).
std::unique_ptr<Editor> demoEditor(int mode, int level = 0);
void loadLevel(Editor& ed, int level);

// Makes `screen` current and walks the sections as the main window does.
void enterScreen(Editor& ed, int screen);

// A small level for enemies over no resource data: an enemy list of kEnemySlots entries at
// 0x101 (screens), 0x111, 0x121, 0x131; every preset 0 and layout cell 0, block b showing
// tile b, structure s blocks 4s..4s+3; the scroll map of tableLevel at 0x1C1 (screens 0..2
// are section 0, 3 section 1); 1024 linear tiles at kChr (tile t at kChr + 16t,
// its pixels spriteColour), background and sprite tile t being linear tile t.
// Graphics of the sections: mm3 sets (P9, two bytes a section) naming banks in the set
// table at 0x171, the banks each type needs (slots 12 to 14); mm4 effects (P10) with their
// type lists (slot 34); the effect sprites' slot tables at 0x1401, 0x1441 and their
// four-colour palettes at 0x1481.
constexpr int kEnemySlots = 8;
constexpr int kChr = 0x10000;
Editor enemyLevel(int mode);
int spriteColour(int tile, int row, int col);
// mm3: set g names banks b0 and b1 and is the highest set so far.
void addGraphicsSet(Editor& ed, int g, int b0, int b1);
// mm3: the banks type t needs (0: any) and the Bank 1 it is listed under by number.
void setTypeNeeds(Editor& ed, int t, int b0, int b1, int alt1);
// mm4: effect e supports `types` and is the highest effect so far.
void addEffect(Editor& ed, int e, const std::vector<int>& types);
// The list as "screen/x/y/type" entries in hexadecimal; entries not given end it (FF).
void setEnemies(Editor& ed, const QString& list);
// The list back in that form, up to its terminator.
QString enemies(const Editor& ed);
// Writes the sprite tables of the editor's game so that type `type` (below 0x40) draws
// `pieces`; an mm5 record names 1 KB tile bank `bank`. Sprite number, frame and
// coordinate set are all `type`; every game finds its tables at the same positions.
void writeSprite(Editor& ed, int type, const std::vector<SpritePiece>& pieces, int bank = 0);

// The case files of tests/data/<area> ending in `suffix`, sorted by name.
QStringList dataFiles(const QString& area, const QString& suffix = ".txt");
QByteArray readFile(const QString& path);
std::vector<uint8_t> bytesOf(const QByteArray& bytes);
QByteArray fromBytes(const std::vector<uint8_t>& bytes);
// A case file's two parts: what comes before the line `marker` and what follows it.
std::pair<QByteArray, QByteArray> splitCase(const QByteArray& file, const QByteArray& marker);
// The words of one line of a case file, repeats spelled out: "00*3" is three words 00,
// "[01 80]*2" is 01 80 01 80.
QStringList words(const QString& line);
// A "key value..." case file: its lines split into words ('#' lines are comments), the
// words after the first line starting with `key`, and one data row "path" per case file
// of tests/data/<folder>, named after the file.
QList<QStringList> caseLines(const QString& path);
QString caseValue(const QList<QStringList>& lines, const QString& key);
void addCaseRows(const QString& folder);
// The rows of the table tests/data/<name>: each line the text between its first and last
// double quote, then what follows the last quote, trimmed ("#" lines are comments).
QList<std::pair<QString, QString>> quotedRows(const QString& name);

} // namespace orvane::testing
