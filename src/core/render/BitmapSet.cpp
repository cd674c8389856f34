#include "core/render/BitmapSet.h"

#include <algorithm>

namespace orvane {

void BitmapSet::add(WinBitmap& bmp) {
    std::copy(m_published.begin(), m_published.end(), bmp.colours().begin());
    bmp.touch();
    m_bitmaps.push_back(&bmp);
}

void BitmapSet::remove(WinBitmap& bmp) {
    std::erase(m_bitmaps, &bmp);
}

void BitmapSet::publish(const std::array<uint32_t, 256>& colours) {
    std::copy_n(colours.begin(), kSharedSlots, m_published.begin());
    for (WinBitmap* bmp : m_bitmaps) {
        std::copy_n(colours.begin(), kSharedSlots, bmp->colours().begin());
        bmp->touch();
    }
}

} // namespace orvane
