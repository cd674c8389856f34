#include "RomBuilder.h"

#include <stdexcept>

#include "core/app/Editor.h"

namespace orvane::demo {

RomBuilder::RomBuilder(Editor& ed, int prgBanks, int chrBanks) : m_ed(ed), m_prgBanks(prgBanks) {
    const size_t size = 16 + size_t{8192} * static_cast<size_t>(prgBanks) +
                        size_t{1024} * static_cast<size_t>(chrBanks);
    m_ed.RomImage.assign(std::vector<uint8_t>(size, 0));
    // iNES header: 16 KB program units, 8 KB CHR units, mapper 4 in the high nibble.
    put(1,
        {'N', 'E', 'S', 0x1A, static_cast<uint8_t>(prgBanks / 2),
         static_cast<uint8_t>(chrBanks / 8), 0x40, 0x00, 0, 0, 0, 0, 0, 0, 0, 0},
        "iNES header");
}

void RomBuilder::claim(int64_t pos, int64_t length, const std::string& what) {
    if (length <= 0) return;
    if (pos < 1 || pos + length - 1 > m_ed.RomImage.size())
        throw std::runtime_error(what + " at position " + std::to_string(pos) +
                                 " lies outside the ROM");
    const int64_t end = pos + length;
    auto next = m_claims.lower_bound(pos);
    if (next != m_claims.end() && next->first < end)
        throw std::runtime_error(what + " at position " + std::to_string(pos) + " overlaps " +
                                 next->second.what + " at " + std::to_string(next->first));
    if (next != m_claims.begin()) {
        auto prev = std::prev(next);
        if (prev->second.end > pos)
            throw std::runtime_error(what + " at position " + std::to_string(pos) + " overlaps " +
                                     prev->second.what + " at " + std::to_string(prev->first));
    }
    m_claims.emplace(pos, Region{end, what});
}

void RomBuilder::put(int64_t pos, const std::vector<uint8_t>& bytes, const std::string& what) {
    claim(pos, static_cast<int64_t>(bytes.size()), what);
    for (size_t i = 0; i < bytes.size(); ++i)
        m_ed.setByte(pos + static_cast<int64_t>(i), bytes[i]);
}

void RomBuilder::putTile(int64_t offset, const Tile& tile, const std::string& what) {
    const auto bytes = encodeTile(tile);
    put(offset + 1, std::vector<uint8_t>(bytes.begin(), bytes.end()), what);
}

uint8_t RomBuilder::byte(int64_t pos) const {
    return m_ed.byte(pos);
}

} // namespace orvane::demo
