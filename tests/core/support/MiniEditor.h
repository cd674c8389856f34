#pragma once

// A small editor for core tests: a zeroed ROM image of a chosen size, layout parameters
// set one by one (all of kind 0, so P(k) is the raw value), resource slot 10 writable,
// and recognisable colour tables. Header-only so it cannot clash with other helpers.

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "core/app/Editor.h"

namespace orvane::testing {

// Where the fixture puts each slot's values inside ResData.
inline constexpr int kParamSlotBase[3] = {0, 64, 128};
inline constexpr int kKindSlotBase = 192;
inline constexpr int kSlot10Base = 256;

// Screen colour of NES colour c in the fixture's tables: shown, dark, bright.
constexpr uint32_t nes(int c) {
    return 0x100000u + static_cast<uint32_t>(c);
}
constexpr uint32_t dark(int c) {
    return 0x200000u + static_cast<uint32_t>(c);
}
constexpr uint32_t bright(int c) {
    return 0x300000u + static_cast<uint32_t>(c);
}

inline Editor makeMiniEditor(int mode, int64_t romSize) {
    Editor ed;
    ed.EditMode = mode;
    ed.RomImage.assign(std::vector<uint8_t>(static_cast<size_t>(romSize), 0));
    ResourceData& res = *ed.Res;
    for (int m = 0; m < 3; ++m)
        res.ResIndex[static_cast<size_t>(m)] = static_cast<int16_t>(kParamSlotBase[m]);
    res.ResIndex[3] = kKindSlotBase;
    res.ResIndex[10] = kSlot10Base;
    ed.RomParams.resolveAbsolute(res);
    for (int c = 0; c < 256; ++c) {
        ed.NesPal[static_cast<size_t>(c)] = nes(c);
        ed.NesPalDark[static_cast<size_t>(c)] = dark(c);
        ed.NesPalBright[static_cast<size_t>(c)] = bright(c);
    }
    return ed;
}

// Sets raw parameter k of the editor's game and resolves the parameters again.
inline void setParam(Editor& ed, int k, int32_t value) {
    ed.Res->ResData[static_cast<size_t>(kParamSlotBase[ed.EditMode] + k)] = value;
    ed.RomParams.resolveAbsolute(*ed.Res);
}

inline void setR10(Editor& ed, int k, int32_t value) {
    ed.Res->ResData[static_cast<size_t>(kSlot10Base + k)] = value;
}

// Writes consecutive bytes from 1-based position `pos`.
inline void poke(Editor& ed, int64_t pos, std::initializer_list<int> bytes) {
    for (int b : bytes)
        ed.setByte(pos++, b);
}

} // namespace orvane::testing
