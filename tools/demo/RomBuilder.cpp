#include "RomBuilder.h"

#include <stdexcept>

#include "Tile.h"

namespace orvane::demo {

RomBuilder::RomBuilder(int prgBanks, int chrBanks)
    : m_image(16 + 8192 * size_t(prgBanks) + 1024 * size_t(chrBanks)), m_prgBanks(prgBanks) {
    // iNES header: 16 KB program units, 8 KB CHR units, mapper 4 in the high nibble.
    put(1,
        {'N', 'E', 'S', 0x1A, uint8_t(prgBanks / 2), uint8_t(chrBanks / 8), 0x40, 0, 0, 0, 0, 0, 0,
         0, 0, 0},
        "iNES header");
}

void RomBuilder::put(int64_t pos, const std::vector<uint8_t>& bytes, const std::string& what) {
    const auto end = pos + static_cast<int64_t>(bytes.size());
    const std::string at = what + " at position " + std::to_string(pos);
    if (pos < 1 || end - 1 > static_cast<int64_t>(m_image.size()))
        throw std::runtime_error(at + " lies outside the ROM");
    // The claim starting at or after pos, or the one before it if that reaches past pos.
    auto next = m_claims.lower_bound(pos);
    if (next != m_claims.begin() && std::prev(next)->second.first > pos) --next;
    if (next != m_claims.end() && next->first < end)
        throw std::runtime_error(at + " overlaps " + next->second.second + " at " +
                                 std::to_string(next->first));
    if (!bytes.empty()) m_claims.emplace(pos, std::make_pair(end, what));
    std::copy(bytes.begin(), bytes.end(), m_image.begin() + (pos - 1));
}

void RomBuilder::putTile(int64_t offset, const Tile& tile, const std::string& what) {
    put(offset + 1, encodeTile(tile), what);
}

void RomBuilder::putPointers(int64_t loPos, int64_t hiPos, int entries,
                             const std::vector<int64_t>& targets, const std::string& what) {
    if (targets.empty()) throw std::runtime_error(what + ": nothing to point at");
    std::vector<uint8_t> los, his;
    for (int i = 0; i < entries; ++i) {
        los.push_back(uint8_t(targets[i % targets.size()]));
        his.push_back(uint8_t(targets[i % targets.size()] >> 8));
    }
    put(loPos, los, what + " (low bytes)");
    put(hiPos, his, what + " (high bytes)");
}

int64_t RecordArea::add(const std::vector<uint8_t>& bytes) {
    if (m_next + static_cast<int64_t>(bytes.size()) > m_end)
        throw std::runtime_error(m_what + " do not fit in bank " + std::to_string(m_bank));
    const int64_t address = m_cpuBase + m_next;
    m_rom.put(RomBuilder::bankPosition(m_bank) + m_next, bytes, m_what);
    m_next += static_cast<int64_t>(bytes.size());
    return address;
}

} // namespace orvane::demo
