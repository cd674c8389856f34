#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace orvane {

// The assembled resource data: 256 slots pointing into 65536 values. Element k of
// slot n is ResData[ResIndex[n] + k]; every read goes through value() so that a
// damaged resource file can never index outside the arrays.
struct ResourceData {
    static constexpr int kSlots = 256;
    static constexpr int kValues = 65536;

    std::array<int16_t, kSlots> ResIndex{};
    std::array<int32_t, kValues> ResData{};
    int ResSectionCount = 0; // sections assembled, index sections included
    int ResDataCount = 0;    // final cursor: number of values written

    // ResData[i], 0 outside the array.
    int32_t value(int64_t i) const {
        return (i >= 0 && i < kValues) ? ResData[static_cast<size_t>(i)] : 0;
    }
    // Rn(k): element k of slot n.
    int32_t slotValue(int n, int64_t k) const {
        if (n < 0 || n >= kSlots) return 0;
        return value(static_cast<int64_t>(ResIndex[static_cast<size_t>(n)]) + k);
    }
};

} // namespace orvane
