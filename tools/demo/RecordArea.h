#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "RomBuilder.h"

namespace orvane::demo {

// Hands out consecutive bytes of one program bank seen through a CPU window (0x8000 or
// 0xA000), from a start offset to an end offset inside the bank.
class RecordArea {
public:
    RecordArea(RomBuilder& rb, int bank, int64_t cpuBase, int64_t startOffset, int64_t endOffset,
               std::string what)
        : m_rb(rb), m_bank(bank), m_cpuBase(cpuBase), m_next(startOffset), m_end(endOffset),
          m_what(std::move(what)) {}

    // Writes `bytes` at the next free offset and returns their CPU address.
    int64_t add(const std::vector<uint8_t>& bytes);
    int64_t nextAddress() const { return m_cpuBase + m_next; }
    int64_t positionOf(int64_t address) const {
        return RomBuilder::bankPosition(m_bank) + address - m_cpuBase;
    }

private:
    RomBuilder& m_rb;
    int m_bank;
    int64_t m_cpuBase, m_next, m_end;
    std::string m_what;
};

} // namespace orvane::demo
