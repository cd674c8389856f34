#pragma once

#include <cstdint>
#include <memory>

#include "core/level/LevelTables.h"
#include "core/level/Rom.h"
#include "core/resdata/LayoutParams.h"
#include "core/resdata/ResourceData.h"

namespace orvane {

// What is being edited: the ROM image, the assembled resource data that says where the
// game keeps its tables, the layout parameters resolved for the current level and that
// level's addressing. Everything else the editor holds is derived from this or chosen by
// the user. Member names follow the editor's own vocabulary.
struct Document {
    int EditMode = kMM3;
    Rom RomImage;
    std::unique_ptr<ResourceData> Res = std::make_unique<ResourceData>(); // large: on the heap
    LayoutParams RomParams;
    int CurLevel = 0;
    int64_t LevelBase = 0;  // position of the current level's 8 KB bank
    int64_t LevelBase2 = 0; // and of its second bank

    // The current level's tables by name.
    LevelTables tables() const { return LevelTables(RomImage, RomParams, *Res, EditMode); }

    // The raw notation, for code that works on parameters as numbers: P(k) parameter k of
    // the current game resolved for the current level, Pr(k) its raw value, Rn(k)
    // element k of resource slot n; byte and setByte the ROM door.
    int64_t P(int k) const { return RomParams.get(EditMode, k); }
    int64_t P(Param p) const { return P(static_cast<int>(p)); }
    int64_t Pr(int k) const { return LayoutParams::raw(*Res, EditMode, k); }
    int64_t R(int n, int64_t k) const { return Res->slotValue(n, k); }
    uint8_t byte(int64_t pos) const { return RomImage.byte(pos); }
    void setByte(int64_t pos, int v) { RomImage.setByte(pos, v); }
    int lastLevel() const { return static_cast<int>(P(Param::LastLevel)); }
};

} // namespace orvane
