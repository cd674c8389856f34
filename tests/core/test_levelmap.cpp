// The level map: its layout on the scroll maps under tests/data/level-map-layout (one
// file per case: the game, the map bytes, each screen's cell and the grid as drawn), and
// the promise that drawing another level's map leaves the editor as it was.
#include <QDir>
#include <QFile>
#include <QtTest>

#include "core/app/EditModeAnswer.h"
#include "core/app/OpenSession.h"
#include "core/level/LevelLoader.h"
#include "core/mapedit/LevelMapLayout.h"
#include "core/mapedit/LevelMapPicture.h"
#include "core/render/EffectLoad.h"
#include "core/render/SectionWalk.h"
#include "support/TestLevel.h"

using namespace orvane;
using namespace orvane::testing;

namespace {

constexpr int64_t kMap = 0x200; // P(8)

struct LayoutCase {
    int mode = kMM3;
    QList<int> map;
    QList<MapCell> cells;
    QStringList grid;
};

LayoutCase readCase(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) qFatal("cannot read %s", qPrintable(path));
    LayoutCase c;
    bool inGrid = false;
    for (const QString& raw : QString::fromUtf8(file.readAll()).split('\n')) {
        const QString line = raw.trimmed();
        if (line.startsWith('#')) continue;
        const QStringList words = line.split(' ', Qt::SkipEmptyParts);
        if (inGrid) {
            if (!line.isEmpty()) c.grid << words.join(' ');
        } else if (words.value(0) == "mode") {
            c.mode = editModeFromAnswer(words.value(1).toStdString());
        } else if (words.value(0) == "map") {
            for (const QString& w : words.mid(1))
                c.map << w.toInt(nullptr, 16);
        } else if (words.value(0) == "cells") {
            for (const QString& w : words.mid(1))
                c.cells << MapCell{w.section(',', 0, 0).toInt(), w.section(',', 1, 1).toInt()};
        } else if (words.value(0) == "grid") {
            inGrid = true;
        }
    }
    return c;
}

QStringList gridOf(const LevelMapLayout& layout) {
    QStringList rows;
    for (int r = 0; r < layout.rows(); ++r) {
        QStringList row;
        for (int c = 0; c < layout.columns(); ++c) {
            const int s = layout.screenAt({c, r});
            row << (s < 0 ? QString(".") : QString::number(s));
        }
        rows << row.join(' ');
    }
    return rows;
}

} // namespace

class TestLevelMap : public QObject {
    Q_OBJECT
private slots:
    void layout_data();
    void layout();
    void drawingAnotherLevelKeepsTheEditor();
};

void TestLevelMap::layout_data() {
    QTest::addColumn<QString>("path");
    const QDir dir(QString(ORVANE_SOURCE_DIR) + "/tests/data/level-map-layout");
    for (const QString& name : dir.entryList({"*.txt"}, QDir::Files))
        QTest::newRow(qPrintable(name)) << dir.filePath(name);
    QVERIFY(dir.entryList({"*.txt"}).size() > 0);
}

void TestLevelMap::layout() {
    QFETCH(QString, path);
    const LayoutCase c = readCase(path);
    Editor ed = bareEditor(c.mode, 0x1000);
    setParam(ed, 8, kMap);
    for (int i = 0; i < c.map.size(); ++i)
        ed.setByte(kMap + i, c.map[i]);

    const LevelMapLayout layout = levelMapLayout(ed);
    QList<MapCell> cells;
    for (int s = 0; s < layout.screens(); ++s)
        cells << layout.cellOf(s);
    QCOMPARE(cells, c.cells);
    QCOMPARE(gridOf(layout), c.grid);
}

// The map of level 1 of the mm4 demo (effect lists, palette objects, enemies) is drawn
// while the editor stands on a screen of level 0: everything the screen refresh and the
// level load change must be as it was.
void TestLevelMap::drawingAnotherLevelKeepsTheEditor() {
    Editor ed;
    const std::string demo = ORVANE_DEMO_DIR;
    QCOMPARE(QString::fromStdString(openSession(ed, {kMM4, demo + "/mm4-demo.nes", demo})),
             QString());
    LevelMapPicture map;
    map.build(ed, 0, false);
    QVERIFY(map.layout().screens() > 2);
    loadLevelAddresses(ed);
    InitEffectLoad(ed);
    ed.CurScrn = map.layout().screens() - 1;
    enterCurrentScreen(ed);
    const auto tiles = ed.TileAddr;
    const auto colours = ed.BmpCols;
    const int section = ed.CurSection, start = ed.SectionStart, screen = ed.CurScrn;
    const int64_t base = ed.LevelBase, map8 = ed.P(8);

    map.build(ed, 1, true);
    QCOMPARE(map.level(), 1);
    QVERIFY(map.layout().screens() > 0);
    QCOMPARE(ed.CurLevel, 0);
    QCOMPARE(ed.CurScrn, screen);
    QCOMPARE(ed.CurSection, section);
    QCOMPARE(ed.SectionStart, start);
    QCOMPARE(ed.LevelBase, base);
    QCOMPARE(ed.P(8), map8);
    QVERIFY(ed.TileAddr == tiles);
    QVERIFY(ed.BmpCols == colours);
}

QTEST_APPLESS_MAIN(TestLevelMap)
#include "test_levelmap.moc"
