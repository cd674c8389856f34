#pragma once

// Cases written as scripts: each file of tests/data/<area> is one case, a command per line,
// run on the made-up level of each game its "game" line names. Numbers are hexadecimal,
// except screens, sections, slots, counts, coordinates and parameter numbers; "00*3" is
// three words 00 and "[01 80]*2" is 01 80 01 80; "#" starts a comment; a line starting
// "mm4:" is for that game only.
//
// Set-up:  game mm3 mm4 mm5 | rom SIZE (the image cut or grown) | param K V | r10 K V
//          | poke POS BYTES | map BYTES (at P(8)) | clear (tile entries, colours, colour
//          positions marked untouched) | snapshot (of the image, for "unchanged")
//          | set section S | set bounds START END | set level L | set force 0/1
//          | set screen N (and walk the sections) | set tile ROW COL | set block ROW COL
//          | set str ROW COL | set anim/wait/frame V V V V (the background palettes' state)
//          | set enemy N | set colour SLOT RGB (BmpCols) | level enemies (the enemy level of
//          TestLevel.h in place of the made-up one) | enemies LIST (screen/x/y/type ...)
//          | gfxset G BANK0 BANK1 (mm3 set G, the highest) | needs TYPE BANK0 BANK1 LISTED
//          | effect E TYPES (mm4 effect E and the types it supports, the highest)
// Actions: palette ANIMCL | tick | effects POS SIZEDIM | sprites | move SCREEN (the main
//          window's section walk with mm4's effect reload) | decode | lists DIRS
//          | dir SCREEN D | split SCREEN | unsplit SCREEN | encode BYTES (expects exactly
//          these bytes written, the byte after them kept) | refused SECTIONS | empty
//          | scroll type|length +1|-1|=TEXT (a detailed edit of the current section byte, the
//          text as typed) | setting WHICH VALUE|+1|-1 (a section setting; the result: whether
//          the game has it) | preset VALUE|+1|-1 (the current screen's; result of a step)
// Expect:  result yes/no (of the last action) | colours SLOT VALUES (NES colours shown from
//          SLOT on, "-" untouched; background slots wrap at 16, their dark and bright copies
//          must agree) | loaded SLOT VALUES (the as-loaded copy) | anim, wait, frame VALUES
//          | bgpal N | tiles FIRST-LAST OFFSET ... or "tiles -" (runs of tile entries changed
//          since "clear") | colourpos VALUES (where sprite colours 0..7 came from)
//          | bytes POS VALUES | unchanged [POS...] (the image as at "snapshot", but for
//          these positions) | editor screen/section N | editor tile/block/str/prev ROW COL
//          | dirs R R+ U (each screen's direction, "+" a split mark) | total N
//          | scrollfields TYPE LENGTH SUMMARY (the detailed fields of the current section)
//          | tilepalette TILE BLOCK PALETTE (the block whose palette the tile is shown in)
//          | shown DIRS (each screen made current: the direction and split shown)
//          | walk SCREEN SECTION START END | editor enemy N | editor palanim N (CurPalAnim)
//          | gfxlist TYPES (those "Enemies using GFX:" lists, "(9)": type 9 listed by number;
//          "none") | enemylist LIST (the enemy list up to its terminator)

#include <QStringList>

#include "core/mapedit/ScrollMap.h"

namespace orvane {
struct Editor;
}

namespace orvane::testing {

// The games a case file names on its "game" line.
QList<int> scriptGames(const QString& file);

class Script {
public:
    explicit Script(Editor& ed) : m_ed(ed) {}
    virtual ~Script() = default;
    // Runs the case in game `mode`; the first line that does not hold fails the test.
    void run(const QString& file, int mode);

protected:
    // Carries out one command; false when it is none of this script's. An expectation puts
    // the state into `got`, in the words of `want`.
    virtual bool command(const QString& cmd, QStringList& args, QStringList& got,
                         QStringList& want);
    Editor& m_ed;
    ScreenLists m_lists;
    bool m_result = false;
    bool m_levelLoad = false; // the next palette load is a level load's ("set force")
    std::vector<uint8_t> m_snapshot;
};

// Runs a case on the made-up level of game `mode`.
void runScript(const QString& file, int mode);
// A data-driven test over the cases of tests/data/<area>: one row per case and game, and
// the run of the current row with `run`.
void scriptRows(const QString& area);
void runScriptRow(void (*run)(const QString& file, int mode) = runScript);
// Hexadecimal words, and expected words put into that form.
int hex(const QString& word);
QStringList hexWords(const QStringList& words);

} // namespace orvane::testing
