#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace orvane::demo {

struct Tile;

// Builds one demo ROM image: the iNES header, then every table at the position the
// resource data gives. Each write claims its bytes under a name, so two tables that the
// layout made overlap are reported instead of silently mixed.
class RomBuilder {
public:
    // Sizes the image (16-byte header, prgBanks 8 KB program banks, chrBanks 1 KB CHR
    // banks) and writes the header for mapper 4.
    RomBuilder(int prgBanks, int chrBanks);

    const std::vector<uint8_t>& image() const { return m_image; }

    // 1-based position of byte 0 of 8 KB program bank `bank`.
    static int64_t bankPosition(int bank) { return 17 + int64_t{8192} * bank; }
    // 0-based file offset of 1 KB CHR bank `bank` (the CHR data follows the program banks).
    int64_t chrOffset(int bank) const {
        return 16 + int64_t{8192} * m_prgBanks + int64_t{1024} * bank;
    }

    // Writes `bytes` from 1-based position `pos`, claiming them for `what`; throws when
    // they overlap an earlier claim or leave the image.
    void put(int64_t pos, const std::vector<uint8_t>& bytes, const std::string& what);
    // A tile at 0-based file offset `offset` (the addressing of tile tables).
    void putTile(int64_t offset, const Tile& tile, const std::string& what);
    // Pointer tables of `entries` entries: entry i points at targets[i mod size], low
    // bytes from loPos, high bytes from hiPos.
    void putPointers(int64_t loPos, int64_t hiPos, int entries, const std::vector<int64_t>& targets,
                     const std::string& what);

private:
    std::vector<uint8_t> m_image;
    int m_prgBanks;
    std::map<int64_t, std::pair<int64_t, std::string>> m_claims; // start -> end, what
};

// Hands out consecutive bytes of one program bank seen through a CPU window (0x8000 or
// 0xA000), from a start offset up to an end offset inside the bank.
class RecordArea {
public:
    RecordArea(RomBuilder& rom, int bank, int64_t cpuBase, int64_t start, int64_t end,
               std::string what)
        : m_rom(rom), m_bank(bank), m_cpuBase(cpuBase), m_next(start), m_end(end),
          m_what(std::move(what)) {}

    // Writes `bytes` at the next free offset and returns their CPU address.
    int64_t add(const std::vector<uint8_t>& bytes);

private:
    RomBuilder& m_rom;
    int m_bank;
    int64_t m_cpuBase, m_next, m_end;
    std::string m_what;
};

} // namespace orvane::demo
