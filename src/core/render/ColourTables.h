#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/render/BitmapSet.h"

namespace orvane {

// The editor's colours (0x00RRGGBB values): the NES palette with its dark and bright
// forms, and the shared colour table BmpCols whose slot 4p + k is colour k of palette p
// (0..15 background colours, +16 dark, +48 bright, +80 as loaded; 32..39 fixed interface
// colours; 64..79 sprite colours). The registered bitmaps take BmpCols when it is
// published (Update_Global_Pal).
struct ColourTables {
    std::array<uint32_t, 256> NesPal{};
    std::array<uint32_t, 256> NesPalDark{};
    std::array<uint32_t, 256> NesPalBright{};
    std::array<uint32_t, 256> BmpCols{};
    std::string PalFile;
    BitmapSet Bitmaps;
};

} // namespace orvane
