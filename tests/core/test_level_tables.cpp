// The level tables: every mutator writes exactly the one byte its accessor reads, at the
// place the layout says, in each game.
#include <QtTest>
#include <functional>

#include "core/enemyedit/EnemyList.h"
#include "core/level/LevelTables.h"
#include "support/TestLevel.h"

using namespace orvane;
using namespace orvane::testing;

namespace {

struct Case {
    const char* name;
    std::function<void(Editor&, int)> write;
    std::function<int(const LevelTables&)> read;
    int64_t where[3]; // position per game (mm3, mm4, mm5); 0: the game has no such byte
};

const Case kCases[] = {
    {"block tile",
     [](Editor& e, int v) { setBlockTile(e, 5, 2, v); },
     [](const LevelTables& t) { return t.blockTile(5, 2); },
     {0x305, 0x305, 0x305}},
    {"block attribute",
     [](Editor& e, int v) { setBlockAttribute(e, 9, v); },
     [](const LevelTables& t) { return t.blockAttribute(9); },
     {0x509, 0x509, 0x509}},
    {"structure quarter",
     [](Editor& e, int v) { setStructureQuarter(e, 3, 1, v); },
     [](const LevelTables& t) { return t.structureQuarter(3, 1); },
     {0x60D, 0x60D, 0x60D}},
    {"screen preset",
     [](Editor& e, int v) { setScreenPreset(e, 5, v); },
     [](const LevelTables& t) { return t.screenPreset(5); },
     {0x705, 0x705, 0x705}},
    {"screen cell through the preset",
     [](Editor& e, int v) { setScreenCell(e, 4, 2, 3, v); },
     [](const LevelTables& t) { return t.screenCell(4, 2, 3); },
     {0x800 + 64 * 6 + 19, 0x800 + 64 * 6 + 19, 0x800 + 64 * 6 + 19}},
    {"scroll entry",
     [](Editor& e, int v) { setScrollEntry(e, 3, v); },
     [](const LevelTables& t) { return t.scrollEntry(3); },
     {0x783, 0x783, 0x783}},
    {"first section setting",
     [](Editor& e, int v) { setSectionSetting(e, 2, 0, v); },
     [](const LevelTables& t) { return t.sectionSetting(2, 0); },
     {0x7A4, 0x7A2, 0x7A2}},
    {"second section setting",
     [](Editor& e, int v) { setSectionSetting(e, 2, 1, v); },
     [](const LevelTables& t) { return t.sectionSetting(2, 1); },
     {0x7A5, 0x7D2, 0}},
    {"enemy X",
     [](Editor& e, int v) { setEnemyX(e, 7, v); },
     [](const LevelTables& t) { return t.enemyX(7); },
     {0x947, 0x947, 0x947}},
    {"enemy type",
     [](Editor& e, int v) { setEnemyType(e, 7, v); },
     [](const LevelTables& t) { return t.enemyType(7); },
     {0x9C7, 0x9C7, 0x9C7}},
    {"palette record",
     [](Editor& e, int v) { setPaletteRecordByte(e, 2, 17, v); },
     [](const LevelTables& t) { return t.paletteRecordByte(2, 17); },
     {0xA39, 0xA39, 0xA39}},
    {"colour set",
     [](Editor& e, int v) { setColourSetByte(e, 90, 2, v); },
     [](const LevelTables& t) { return t.byte(t.colourSetPosition(90, 2)); },
     {kMM3AnimColourSets + 272, 0xB00 + 272, 0xB00 + 272}},
    {"graphics set bank",
     [](Editor& e, int v) { setGraphicsSetBank(e, 3, 1, v); },
     [](const LevelTables& t) { return t.graphicsSetBank(3, 1); },
     {0xC07, 0xC07, 0xC07}},
    {"object palette slot",
     [](Editor& e, int v) { setObjectPaletteSlot(e, 4, v); },
     [](const LevelTables& t) { return t.objectPaletteSlot(4); },
     {0xC44, 0xC44, 0xC44}},
    {"object kind",
     [](Editor& e, int v) { setObjectKind(e, 4, v); },
     [](const LevelTables& t) { return t.objectKind(4); },
     {0xC84, 0xC84, 0xC84}},
    {"four-colour palette",
     [](Editor& e, int v) { setFourColourPaletteByte(e, 3, 2, v); },
     [](const LevelTables& t) { return t.fourColourPaletteByte(3, 2); },
     {0xD0E, 0xD0E, 0xD0E}},
};

Editor tablesEditor(int mode) {
    Editor ed = bareEditor(mode, 0x20000);
    const std::pair<int, int32_t> params[] = {
        {3, 0x100},  {4, 0x500},  {5, 0x600},  {6, 0x800},  {7, 0x700},  {8, 0x780},  {9, 0x7A0},
        {10, 0x7D0}, {11, 0x900}, {12, 0x940}, {13, 0x980}, {14, 0x9C0}, {15, 0xA00}, {56, 0xB00}};
    for (auto [k, v] : params)
        setParam(ed, k, v);
    for (auto [k, v] : {std::pair{0, 0xC00}, {8, 0xC40}, {9, 0xC80}, {10, 0xD00}})
        setR10(ed, k, v);
    ed.setByte(0x704, 6); // screen 4 shows layout 6
    return ed;
}

} // namespace

class TestLevelTables : public QObject {
    Q_OBJECT
private slots:
    void mutatorsWriteWhereAccessorsRead() {
        for (int mode : {kMM3, kMM4, kMM5})
            for (const Case& c : kCases) {
                Editor ed = tablesEditor(mode);
                const std::vector<uint8_t> before = ed.RomImage.bytes();
                c.write(ed, 0x5A);
                const int64_t where = c.where[mode];
                const QByteArray what = QByteArray(c.name) + " in game " + QByteArray::number(mode);
                for (int64_t pos = 1; pos <= ed.RomImage.size(); ++pos)
                    if (pos != where && ed.byte(pos) != before[size_t(pos - 1)])
                        QFAIL((what + " wrote " + QByteArray::number(pos, 16)).constData());
                QVERIFY2(ed.byte(where) == (where ? 0x5A : 0), what.constData());
                QVERIFY2(c.read(ed.tables()) == (where ? 0x5A : 0), what.constData());
            }
    }
};

QTEST_APPLESS_MAIN(TestLevelTables)
#include "test_level_tables.moc"
