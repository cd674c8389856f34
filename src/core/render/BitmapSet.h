#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "core/render/WinBitmap.h"

namespace orvane {

// The bitmaps whose colour tables follow the editor's shared colours. Windows own their
// bitmaps and register them here for as long as they live (SharedColourBitmap does it);
// publishing the shared colours copies slots 0..127 into every registered bitmap. A
// bitmap registered later starts with the colours last published, so it shows what it
// would have shown had it been registered all along. Slots 128..255 are never copied.
class BitmapSet {
public:
    static constexpr int kSharedSlots = 128;

    void add(WinBitmap& bmp);
    void remove(WinBitmap& bmp);
    void publish(const std::array<uint32_t, 256>& colours);
    int size() const { return static_cast<int>(m_bitmaps.size()); }

private:
    std::vector<WinBitmap*> m_bitmaps;
    std::array<uint32_t, kSharedSlots> m_published{};
};

// A bitmap registered with a BitmapSet from construction to destruction. The set must
// outlive it.
class SharedColourBitmap : public WinBitmap {
public:
    explicit SharedColourBitmap(BitmapSet& set) : m_set(set) { m_set.add(*this); }
    ~SharedColourBitmap() { m_set.remove(*this); }
    SharedColourBitmap(const SharedColourBitmap&) = delete;
    SharedColourBitmap& operator=(const SharedColourBitmap&) = delete;

private:
    BitmapSet& m_set;
};

} // namespace orvane
