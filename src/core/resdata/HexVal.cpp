#include "core/resdata/HexVal.h"

namespace orvane {

std::optional<int> HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return std::nullopt;
}

int32_t HexVal(std::string_view text) {
    // Unsigned arithmetic wraps by definition: after eight characters the multiplier has
    // become 16^8 = 0 mod 2^32, so earlier characters add nothing, and the sum is simply
    // the low 32 bits of the value the text spells.
    uint32_t result = 0;
    uint32_t multiplier = 1;
    for (auto it = text.rbegin(); it != text.rend(); ++it) {
        result += static_cast<uint32_t>(HexDigitValue(*it).value_or(0)) * multiplier;
        multiplier *= 16;
    }
    return static_cast<int32_t>(result);
}

std::string hexString(int64_t value) {
    // Negative numbers show as the 32-bit pattern the editor fields and the dump use.
    uint64_t bits = value < 0 ? static_cast<uint32_t>(value) : static_cast<uint64_t>(value);
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string reversed;
    do {
        reversed += kDigits[bits & 0xF];
        bits >>= 4;
    } while (bits != 0);
    return {reversed.rbegin(), reversed.rend()};
}

} // namespace orvane
