#include "core/app/Crc32.h"

#include <array>

namespace orvane {

namespace {

// Eight tables let the loop take eight bytes a step ("slicing by 8"): checksums run over
// whole ROM images and patches, and a byte at a time is several times slower.
using Tables = std::array<std::array<uint32_t, 256>, 8>;

constexpr Tables makeTables() {
    Tables t{};
    for (uint32_t n = 0; n < 256; ++n) {
        uint32_t c = n;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        t[0][n] = c;
    }
    for (uint32_t n = 0; n < 256; ++n)
        for (size_t k = 1; k < 8; ++k)
            t[k][n] = (t[k - 1][n] >> 8) ^ t[0][t[k - 1][n] & 0xFF];
    return t;
}

constexpr Tables kTables = makeTables();

} // namespace

uint32_t crc32(const uint8_t* data, size_t size, uint32_t crc) {
    uint32_t c = ~crc;
    size_t i = 0;
    for (; i + 8 <= size; i += 8) {
        const uint32_t lo = c ^ (uint32_t(data[i]) | uint32_t(data[i + 1]) << 8 |
                                 uint32_t(data[i + 2]) << 16 | uint32_t(data[i + 3]) << 24);
        c = kTables[7][lo & 0xFF] ^ kTables[6][(lo >> 8) & 0xFF] ^ kTables[5][(lo >> 16) & 0xFF] ^
            kTables[4][lo >> 24] ^ kTables[3][data[i + 4]] ^ kTables[2][data[i + 5]] ^
            kTables[1][data[i + 6]] ^ kTables[0][data[i + 7]];
    }
    for (; i < size; ++i)
        c = kTables[0][(c ^ data[i]) & 0xFF] ^ (c >> 8);
    return ~c;
}

} // namespace orvane
