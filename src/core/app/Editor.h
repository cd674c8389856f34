#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "core/app/ConfigTable.h"
#include "core/level/Rom.h"
#include "core/render/WinBitmap.h"
#include "core/resdata/LayoutParams.h"
#include "core/resdata/ResourceData.h"

namespace orvane {

enum EditModeValue { kMM3 = 0, kMM4 = 1, kMM5 = 2 };

// The whole editor state in one plain object: the ROM image, the assembled resource
// data, the resolved layout parameters, the colour tables and the shared editing
// state. The main window owns one and hands it to every window; a test builds one,
// fills it and throws it away. Member names follow the editor's own vocabulary.
struct Editor {
    // ---- start-up state ----
    int EditMode = kMM3;
    std::string RomPath;
    std::string HomeDir; // folder of orvane.cfg, backup.rom, orvane.pad
    Rom RomImage;
    std::unique_ptr<ResourceData> Res = std::make_unique<ResourceData>(); // large: on the heap
    LayoutParams RomParams;
    ConfigTable Config;

    // ---- level model ----
    int CurLevel = 0;
    int64_t LevelBase = 0;
    int64_t LevelBase2 = 0;
    std::array<int64_t, 512> TileAddr{}; // 0-based file offsets of 16-byte tiles

    // ---- colour tables (0x00RRGGBB values) ----
    std::array<uint32_t, 256> NesPal{};
    std::array<uint32_t, 256> NesPalDark{};
    std::array<uint32_t, 256> NesPalBright{};
    std::array<uint32_t, 256> BmpCols{};
    std::string PalFile;
    // The picture areas' bitmaps live as long as the editor, whether their windows exist
    // or not, so a colour change reaches every one of them.
    std::array<WinBitmap, kBitmapCount> Bitmaps;

    // ---- shared editing state ----
    int CurScrn = 0;
    int CurSection = 0;
    int SectionStart = 0;
    int SectionEnd = 0;
    int TileSelA = 0, TileSelB = 0;
    int CurBlockRow = 0, CurBlockCol = 0;
    int CurStrRow = 0, CurStrCol = 0;
    int PrevStrRow = 0, PrevStrCol = 0;
    int CurEnemy = 0;

    // ---- palettes and their animation ----
    int CurBGPal = 0;
    std::array<int, 4> PalAnimId{};
    std::array<int, 4> PalAnimWait{};
    std::array<int, 4> PalAnimFrame{};
    std::array<int64_t, 8> SprColPos{};
    bool ForcePalLoad = false;
    // The animation the Palette Animation Editor shows; the Enemy Editor sets it too.
    int CurPalAnim = 0;

    // ---- the Palette Chart ----
    // The colour picked last, and which window receives picks (the windows that open the
    // chart set it; the values are theirs, the core only keeps it).
    int PCColor = 0;
    int PCTarget = 0;

    // ---- accessors in the notation every window uses ----
    // P(k): parameter k of the current game, resolved for the current level.
    int64_t P(int k) const { return RomParams.get(EditMode, k); }
    // Pr(k): raw parameter k of the current game.
    int64_t Pr(int k) const { return LayoutParams::raw(*Res, EditMode, k); }
    // Rn(k): element k of resource slot n.
    int64_t R(int n, int64_t k) const { return Res->slotValue(n, k); }
    uint8_t byte(int64_t pos) const { return RomImage.byte(pos); }
    void setByte(int64_t pos, int v) { RomImage.setByte(pos, v); }
    int lastLevel() const { return static_cast<int>(P(0)); }
};

} // namespace orvane
