#include "core/level/Rom.h"

#include <algorithm>

namespace orvane {

bool Rom::overwriteFrom(const std::vector<uint8_t>& source) {
    if (source.size() < m_bytes.size()) return false;
    std::copy_n(source.begin(), m_bytes.size(), m_bytes.begin());
    return true;
}

} // namespace orvane
