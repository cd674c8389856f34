#include "core/level/LevelLoader.h"

#include "core/app/Editor.h"

namespace orvane {

namespace {
constexpr int kKindLevelBank = 1;
constexpr int kKindSecondBank = 2;
constexpr int64_t kBankSize = 8192;
} // namespace

LevelAddressing addressLevel(const Document& doc, int level) {
    const ResourceData& res = *doc.Res;
    LevelAddressing a;
    a.RomParams = doc.RomParams;
    a.LevelBase = doc.Pr(static_cast<int>(Param::FirstLevelBank)) + kBankSize * level;
    a.RomParams.resolveRelative(res, kKindLevelBank, a.LevelBase);
    if (doc.EditMode == kMM4) {
        a.LevelBase2 = a.LevelBase;
    } else {
        // The second-bank table is of kind 0 or 1, so it is resolved by now.
        const LevelTables partly(doc.RomImage, a.RomParams, res, doc.EditMode);
        a.LevelBase2 = doc.Pr(static_cast<int>(Param::FirstLevelBank)) +
                       kBankSize * partly.secondBankOf(level);
    }
    a.RomParams.resolveRelative(res, kKindSecondBank, a.LevelBase2);
    return a;
}

void setLevelTileAddresses(const LevelTables& tables, int64_t levelBase, TileAddresses& tiles) {
    if (tables.game() == kMM4) return;
    // The bank numbers count 1 KB units; their offset is always raw, whatever its kind.
    const int64_t bankPos = levelBase + tables.rawParam(Param::BackgroundBanks);
    const int b0 = tables.byte(bankPos);
    const int b1 = tables.byte(bankPos + 1);
    const int64_t chr = tables.param(Param::TileGraphics);
    for (int i = 0; i < 128; ++i) {
        tiles[static_cast<size_t>(i)] = chr + 1024 * b0 + 16 * i;
        tiles[static_cast<size_t>(128 + i)] = chr + 1024 * b1 + 16 * i;
        if (tables.game() == kMM3) tiles[static_cast<size_t>(256 + i)] = chr + 16 * i;
    }
    if (tables.game() == kMM5) {
        for (int i = 0; i < 64; ++i) {
            tiles[static_cast<size_t>(256 + i)] = chr + 16 * i;
            tiles[static_cast<size_t>(320 + i)] = chr + 6144 + 16 * i;
        }
    }
}

void loadLevelAddresses(Editor& ed) {
    LevelAddressing a = addressLevel(ed, ed.CurLevel);
    ed.LevelBase = a.LevelBase;
    ed.LevelBase2 = a.LevelBase2;
    ed.RomParams = a.RomParams;

    // No background palette animates until the section's palette is loaded again.
    ed.PalAnimId.fill(0);
    ed.PalAnimWait.fill(0);
    ed.PalAnimFrame.fill(0);

    setLevelTileAddresses(ed.tables(), ed.LevelBase, ed.TileAddr);
}

} // namespace orvane
