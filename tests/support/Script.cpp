#include "support/Script.h"

#include <QtTest>

#include "core/enemyedit/GraphicsSetSearch.h"
#include "core/enemyedit/GraphicsSets.h"
#include "core/enemyedit/TypeLists.h"
#include "core/level/SectionView.h"
#include "core/mapedit/ScreenSettings.h"
#include "core/mapedit/ScrollEntry.h"
#include "core/render/BackgroundPalette.h"
#include "core/render/EffectLoad.h"
#include "core/render/PaletteAnimation.h"
#include "core/render/SpriteSetup.h"
#include "core/render/TilePalette.h"
#include "support/TestLevel.h"

namespace orvane::testing {

namespace {

constexpr uint32_t kUntouched = 0xABCDEF;

QString hexWord(int64_t v) {
    return QString::number(v, 16).toUpper();
}

// The NES colour of a slot: "-" untouched; for a background slot (below 32, taken modulo
// 16) the colour only when its dark and bright copies hold the same one, "?" otherwise.
QString colourOf(const Editor& ed, int slot, int copy) {
    const auto at = [&](int s, uint32_t kind) {
        const uint32_t v = ed.BmpCols[size_t(s)];
        return v == kUntouched ? QString("-") : (v & 0xFF0000) == kind ? hexWord(v & 0xFF) : "?";
    };
    if (slot >= 32) return at(slot, 0x100000);
    const QString c = at((slot & 15) + copy, 0x100000);
    if (copy) return c;
    return at((slot & 15) + 16, 0x200000) == c && at((slot & 15) + 48, 0x300000) == c ? c : "?";
}

QString direction(int dir, bool split) {
    return QString("URD")[dir] + QString(split ? "+" : "");
}

// The tile entries changed since "clear", as runs of consecutive tiles: "48-49 148752".
QStringList tileRuns(const Editor& ed) {
    QStringList out;
    for (int t = 0, first = -1; t <= 512; ++t) {
        const int64_t at = t < 512 ? ed.TileAddr[size_t(t)] : -7;
        if (first >= 0 && at != ed.TileAddr[size_t(first)] + 16 * (t - first)) {
            out << QString("%1-%2").arg(first).arg(t - 1)
                << QString::number(ed.TileAddr[size_t(first)]);
            first = -1;
        }
        if (first < 0 && at != -7) first = t;
    }
    return out.isEmpty() ? QStringList{"-"} : out;
}

template <class A> QStringList hexList(const A& values) {
    QStringList out;
    for (auto v : values)
        out << (v < 0 ? QString("-") : hexWord(v));
    return out;
}

} // namespace

int hex(const QString& w) {
    return w.toInt(nullptr, 16);
}

QStringList hexWords(const QStringList& words) {
    QStringList out;
    for (const QString& w : words)
        out << (w == "-" ? w : hexWord(hex(w)));
    return out;
}

QList<int> scriptGames(const QString& file) {
    QList<int> games;
    const QString line =
        QString::fromLatin1(readFile(file)).section("game ", 1).section('\n', 0, 0);
    for (const QString& g : line.split(' '))
        if (g.startsWith("mm")) games << g.mid(2).toInt() - 3;
    return games;
}

void runScript(const QString& file, int mode) {
    Editor ed = tableLevel(mode);
    Script(ed).run(file, mode);
}

void scriptRows(const QString& area) {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("mode");
    for (const QString& f : dataFiles(area))
        for (int mode : scriptGames(f))
            QTest::addRow("%s mm%d", qPrintable(QFileInfo(f).baseName()), mode + 3) << f << mode;
}

void runScriptRow(void (*run)(const QString& file, int mode)) {
    QFETCH(QString, file);
    QFETCH(int, mode);
    run(file, mode);
}

void Script::run(const QString& file, int mode) {
    int lineNo = 0;
    for (const QByteArray& raw : readFile(file).split('\n')) {
        ++lineNo;
        QString line = QString::fromUtf8(raw).section('#', 0, 0).trimmed();
        if (line.startsWith("mm") && line.indexOf(':') == 3) { // a line for one game only
            if (line.mid(2, 1).toInt() != mode + 3) continue;
            line = line.mid(4).trimmed();
        }
        if (line.isEmpty()) continue;
        QStringList args = words(line), got, want;
        const QString cmd = args.takeFirst();
        want = args;
        const QString where = QString("mm%1, %2 line %3: %4")
                                  .arg(mode + 3)
                                  .arg(QFileInfo(file).fileName())
                                  .arg(lineNo)
                                  .arg(line);
        if (!command(cmd, args, got, want)) QFAIL(qPrintable(where + ": unknown command"));
        if (QTest::currentTestFailed()) QFAIL(qPrintable("at " + where));
        if (!got.isEmpty() && got != want)
            QFAIL(qPrintable(where + "\n   got: " + got.join(' ') + "\n  want: " + want.join(' ')));
    }
}

bool Script::command(const QString& cmd, QStringList& args, QStringList& got, QStringList& want) {
    Editor& ed = m_ed;
    const auto number = [&](int i) { return args.value(i).toInt(); };
    const auto pair = [&](int& a, int& b) { std::tie(a, b) = std::pair{number(1), number(2)}; };
    // ---- set-up
    if (cmd == "game") {
    } else if (cmd == "rom") {
        std::vector<uint8_t> bytes = ed.RomImage.bytes();
        bytes.resize(size_t(hex(args[0])));
        ed.RomImage.assign(bytes);
    } else if (cmd == "param") {
        setParam(ed, number(0), hex(args[1]));
    } else if (cmd == "r10") {
        setR10(ed, number(0), hex(args[1]));
    } else if (cmd == "poke" || cmd == "map") {
        const int64_t at = cmd == "map" ? ed.P(8) : hex(args.takeFirst());
        for (int i = 0; i < args.size(); ++i)
            ed.setByte(at + i, hex(args[i]));
    } else if (cmd == "clear") {
        ed.TileAddr.fill(-7);
        ed.BmpCols.fill(kUntouched);
        ed.SprColPos.fill(-1);
    } else if (cmd == "level") {
        ed = enemyLevel(ed.EditMode);
    } else if (cmd == "enemies") {
        setEnemies(ed, args.join(' '));
    } else if (cmd == "gfxset") {
        addGraphicsSet(ed, number(0), hex(args[1]), hex(args[2]));
    } else if (cmd == "needs") {
        setTypeNeeds(ed, hex(args[0]), hex(args[1]), hex(args[2]), hex(args[3]));
    } else if (cmd == "effect") {
        std::vector<int> types;
        for (const QString& t : args.mid(1))
            types.push_back(hex(t));
        addEffect(ed, number(0), types);
    } else if (cmd == "snapshot") {
        m_snapshot = ed.RomImage.bytes();
    } else if (cmd == "set") {
        const QString what = args[0];
        for (size_t i = 0; i < 4 && args.size() == 5; ++i)
            (what == "anim"   ? ed.PalAnimId
             : what == "wait" ? ed.PalAnimWait
                              : ed.PalAnimFrame)[i] = hex(args[int(i) + 1]);
        if (what == "section") ed.CurSection = number(1);
        if (what == "bounds") pair(ed.SectionStart, ed.SectionEnd);
        if (what == "level") ed.CurLevel = number(1);
        if (what == "enemy") ed.CurEnemy = number(1);
        if (what == "colour") ed.BmpCols[size_t(number(1))] = uint32_t(hex(args[2]));
        if (what == "force") m_levelLoad = number(1) != 0;
        if (what == "screen") enterScreen(ed, number(1));
        // ---- actions
    } else if (cmd == "palette") {
        m_result = loadBackgroundPalette(ed, number(0), m_levelLoad);
    } else if (cmd == "tick") {
        m_result = paletteAnimationTick(ed);
    } else if (cmd == "effects") {
        EffectLoad(ed, hex(args[0]), number(1));
    } else if (cmd == "sprites") {
        SprCHRPALSetup(ed);
    } else if (cmd == "move") {
        ed.CurScrn = number(0);
        const SectionSpan span = sectionOfScreen(ed.tables(), ed.CurScrn);
        m_result = loadSectionEffects(ed, span.section);
        ed.enterSection(span);
    } else if (cmd == "scroll") { // scroll type|length +1|-1|=TEXT: the current section byte
        const bool type = args[0] == "type";
        const std::string text = args[1].mid(1).toStdString();
        const int s = ed.CurSection;
        if (args[1].startsWith('='))
            type ? setScrollType(ed, s, typedScrollType(ed.EditMode, text))
                 : setScrollLength(ed, s, typedScrollLength(text));
        else
            type ? stepScrollType(ed, s, args[1].toInt())
                 : stepScrollLength(ed, s, args[1].toInt());
    } else if (cmd == "setting") { // setting WHICH VALUE|+1|-1
        const int which = number(0);
        const int s = ed.CurSection;
        const Change c = args[1].startsWith('+') || args[1].startsWith('-')
                             ? stepSectionSetting(ed, s, which, args[1].toInt())
                             : writeSectionSetting(ed, s, which, hex(args[1]));
        m_result = c.kind != Change::Kind::Nothing;
    } else if (cmd == "preset") { // preset VALUE|+1|-1
        if (args[0].startsWith('+') || args[0].startsWith('-'))
            m_result = stepPreset(ed, ed.CurScrn, args[0].toInt()).kind != Change::Kind::Nothing;
        else
            typePreset(ed, ed.CurScrn, hex(args[0]));
    } else if (cmd == "finds") { // successive searches, each giving the choice after it
        for (int i = 0; i < args.size() && FindGfxSet(ed).kind != Change::Kind::Nothing; ++i)
            got << QString::number(graphicsChoice(ed));
    } else if (cmd == "decode") {
        ScrollMapDecode(ed.tables(), m_lists);
    } else if (cmd == "lists") {
        m_lists = ScreenLists();
        for (int s = 0; s < args.size(); ++s) {
            m_lists.setDir(s, QString("URD").indexOf(args[s][0]));
            m_lists.setSettings(s, 7, 8);
        }
        m_lists.ScreenTotal = int(args.size());
    } else if (cmd == "dir") {
        m_lists.setDir(number(0), QString("URD").indexOf(args[1][0]));
    } else if (cmd == "split" || cmd == "unsplit") {
        m_lists.setSplit(number(0), cmd == "split");
    } else if (cmd == "encode") {
        for (int i = 0; i < args.size(); ++i) // every byte must be written again
            ed.setByte(ed.P(8) + i, 0x55);
        ed.setByte(ed.P(8) + args.size(), 0x77);
        const EncodeResult r = ScrollMapEncode(ed, m_lists);
        got << QString::number(int(r.status)) << QString::number(r.sections)
            << hexList(peek(ed, ed.P(8), int(args.size()) + 1));
        want =
            QStringList{"0", QString::number(args.size() - 1)} + hexWords(args) + QStringList{"77"};
    } else if (cmd == "refused" || cmd == "empty") {
        const std::vector<uint8_t> before = ed.RomImage.bytes();
        const EncodeResult r = ScrollMapEncode(ed, m_lists);
        got << QString::number(int(r.status)) << QString::number(r.sections)
            << (ed.RomImage.bytes() == before ? "unchanged" : "written");
        want = QStringList{cmd == "empty" ? "1" : "2", args.value(0, "0"), "unchanged"};
        // ---- expectations
    } else if (cmd == "result") {
        got << (m_result ? "yes" : "no");
    } else if (cmd == "colours" || cmd == "loaded") {
        for (int i = 1; i < args.size(); ++i)
            got << colourOf(ed, number(0) + i - 1, cmd == "loaded" ? 80 : 0);
        want = hexWords(args.mid(1));
    } else if (cmd == "anim" || cmd == "wait" || cmd == "frame") {
        got << hexList(cmd == "anim"   ? ed.PalAnimId
                       : cmd == "wait" ? ed.PalAnimWait
                                       : ed.PalAnimFrame);
        want = hexWords(args);
    } else if (cmd == "gfxlist") { // "(9)": type 9 listed by number alone
        for (const TypeItem& item : gfxEnemyItems(ed))
            got << (item.text.find(':') == std::string::npos ? "(" + hexWord(item.type) + ")"
                                                             : hexWord(item.type));
        got = got.isEmpty() ? QStringList{"none"} : got;
        want = args.isEmpty() ? QStringList{"none"} : args;
    } else if (cmd == "enemylist") {
        got = enemies(ed).split(' ');
    } else if (cmd == "bgpal") {
        got << QString::number(ed.CurBGPal);
    } else if (cmd == "tiles") {
        got << tileRuns(ed);
    } else if (cmd == "colourpos") {
        got << hexList(ed.SprColPos);
        want = hexWords(args);
    } else if (cmd == "bytes") {
        got << hexList(peek(ed, hex(args[0]), int(args.size()) - 1));
        want = hexWords(args.mid(1));
    } else if (cmd == "unchanged") {
        std::vector<uint8_t> now = ed.RomImage.bytes();
        for (const QString& pos : args)
            now[size_t(hex(pos) - 1)] = m_snapshot[size_t(hex(pos) - 1)];
        got << (now == m_snapshot ? "unchanged" : "changed");
        want = {"unchanged"};
    } else if (cmd == "editor") {
        const QString what = args[0];
        if (what == "screen") got << QString::number(ed.CurScrn);
        if (what == "section") got << QString::number(ed.CurSection);
        if (what == "enemy") got << QString::number(ed.CurEnemy);
        // The other choices belong to the windows (the window scripts answer them).
        if (what != "screen" && what != "section" && what != "enemy") return false;
        want = args.mid(1);
    } else if (cmd == "scrollfields") {
        const int b = ed.byte(ed.P(8) + ed.CurSection);
        got << QString::fromStdString(scrollTypeText(ed.EditMode, b))
            << QString::fromStdString(scrollLengthText(ed.EditMode, b))
            << QString::fromStdString(scrollSummary(ed.tables(), ed.CurSection)).split(' ');
    } else if (cmd == "tilepalette") {
        const int t = hex(args[0]);
        got << hexWord(tileBlocks(ed.tables())[size_t(t)])
            << hexWord(tilePalettes(ed.tables())[size_t(t)]);
        want = hexWords(args.mid(1));
    } else if (cmd == "dirs") {
        for (int s = 0; s < m_lists.ScreenTotal; ++s)
            got << direction(m_lists.dir(s), m_lists.split(s));
    } else if (cmd == "total") {
        got << QString::number(m_lists.ScreenTotal);
    } else if (cmd == "shown") {
        for (int s = 0; s < args.size(); ++s) {
            enterScreen(ed, s);
            got << direction(shownDirection(ed.tables(), ed), shownSplit(ed.tables(), ed));
        }
    } else if (cmd == "walk") {
        enterScreen(ed, number(0));
        got << QString::number(ed.CurSection) << QString::number(ed.SectionStart)
            << QString::number(ed.SectionEnd);
        want = args.mid(1);
    } else {
        return false;
    }
    return true;
}

} // namespace orvane::testing
