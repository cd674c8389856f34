#include "RecordArea.h"

#include <stdexcept>

namespace orvane::demo {

int64_t RecordArea::add(const std::vector<uint8_t>& bytes) {
    if (m_next + static_cast<int64_t>(bytes.size()) > m_end)
        throw std::runtime_error(m_what + " does not fit in bank " + std::to_string(m_bank));
    const int64_t address = m_cpuBase + m_next;
    m_rb.put(RomBuilder::bankPosition(m_bank) + m_next, bytes, m_what);
    m_next += static_cast<int64_t>(bytes.size());
    return address;
}

} // namespace orvane::demo
