#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orvane {

// 0..15 for a hexadecimal digit of either case, nothing for any other character.
std::optional<int> HexDigitValue(char c);

// The hexadecimal parser of every editor field: characters from last to first, each
// taking one digit position; non-digits count as 0 ("1G" is 0x10); empty gives 0. Only
// the last 8 characters carry weight and the result wraps to a signed 32-bit value.
int32_t HexVal(std::string_view text);

// Capital hexadecimal digits without leading zeros ("0" for 0); negative values as their
// 8-digit two's complement.
std::string hexString(int64_t value);

} // namespace orvane
