#include "core/resdata/LayoutParams.h"

#include "core/resdata/ResourceData.h"

namespace orvane {

int32_t LayoutParams::raw(const ResourceData& res, int game, int k) {
    return res.slotValue(game, k);
}

int32_t LayoutParams::kind(const ResourceData& res, int k) {
    return res.slotValue(3, k);
}

void LayoutParams::resolveAbsolute(const ResourceData& res) {
    for (int m = 0; m < kGames; ++m)
        for (int k = 0; k < kCount; ++k)
            if (kind(res, k) == 0)
                m_values[static_cast<size_t>(m)][static_cast<size_t>(k)] = raw(res, m, k);
}

void LayoutParams::resolveRelative(const ResourceData& res, int wantedKind, int64_t base) {
    for (int m = 0; m < kGames; ++m)
        for (int k = 0; k < kCount; ++k)
            if (kind(res, k) == wantedKind)
                m_values[static_cast<size_t>(m)][static_cast<size_t>(k)] = base + raw(res, m, k);
}

} // namespace orvane
