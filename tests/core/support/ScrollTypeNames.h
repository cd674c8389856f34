#pragma once

// Scroll-type names "T0".."T15" in slot 21 and the mm5 names "F0".."F7" in slot 22, kept
// from ResData position 1000 on, so a test sees which slot and which element were read.

#include <string>

#include "core/app/Editor.h"

namespace orvane::testing {

inline void addScrollTypeNames(Editor& ed) {
    ResourceData& res = *ed.Res;
    res.ResIndex[21] = 900;
    res.ResIndex[22] = 950;
    int at = 1000;
    for (int slot : {21, 22})
        for (int t = 0; t < (slot == 21 ? 16 : 8); ++t) {
            res.ResData[static_cast<size_t>(res.ResIndex[static_cast<size_t>(slot)] + t)] = at;
            std::string name(1, slot == 21 ? 'T' : 'F');
            name += std::to_string(t);
            for (char c : name)
                res.ResData[static_cast<size_t>(at++)] = c;
            res.ResData[static_cast<size_t>(at++)] = 255;
        }
}

} // namespace orvane::testing
