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
// The rows of the table tests/data/<name>: each line the text between its first and last
// double quote, then what follows the last quote, trimmed ("#" lines are comments).
QList<std::pair<QString, QString>> quotedRows(const QString& name);

} // namespace orvane::testing
