#include "core/render/Nibble.h"

namespace orvane {

uint8_t Nibble(std::string& s, int which) {
    if (s.empty()) return 0;
    s.resize(1);
    const auto code = static_cast<uint8_t>(s[0]);
    if (which == 0) return static_cast<uint8_t>(code >> 4);
    if (which == 1) return static_cast<uint8_t>(code & 0x0F);
    return 0;
}

} // namespace orvane
