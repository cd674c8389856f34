#include "core/resdata/PadFile.h"

#include <algorithm>

#include "core/resdata/ResourceData.h"

namespace orvane {

namespace {

void putLE(std::vector<uint8_t>& out, uint32_t v, int size) {
    for (int i = 0; i < size; ++i)
        out.push_back(static_cast<uint8_t>((v >> (8 * i)) & 0xFF));
}

} // namespace

std::vector<uint8_t> padFileBytes(const ResourceData& res) {
    // The file stores the counts in one and two bytes; the assembler keeps them in those
    // ranges, and clamping here keeps the stored counts and the number of entries that
    // follow them in agreement even for data built some other way.
    const int n = std::clamp(res.ResSectionCount, 0, 255);
    const int m = std::clamp(res.ResDataCount, 0, 32767);

    std::vector<uint8_t> bytes;
    bytes.reserve(static_cast<size_t>(1 + 2 * (n + 1) + 2 + 4 * (m + 1)));
    putLE(bytes, static_cast<uint32_t>(n), 1);
    for (int i = 0; i <= n; ++i)
        putLE(bytes, static_cast<uint16_t>(res.ResIndex[static_cast<size_t>(i)]), 2);
    putLE(bytes, static_cast<uint32_t>(m), 2);
    for (int i = 0; i <= m; ++i)
        putLE(bytes, static_cast<uint32_t>(res.value(i)), 4);
    return bytes;
}

} // namespace orvane
