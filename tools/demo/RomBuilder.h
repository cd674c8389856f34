#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "TileArt.h"

namespace orvane {
struct Editor;
}

namespace orvane::demo {

// Builds one demo ROM inside an Editor's image: the iNES header, then every table at the
// position the resource data gives. Each write claims its bytes under a name, so two
// tables that the layout made overlap are reported instead of silently mixed.
class RomBuilder {
public:
    // Sizes the image (16-byte header, prgBanks 8 KB program banks, chrBanks 1 KB CHR
    // banks) and writes the header for mapper 4.
    RomBuilder(Editor& ed, int prgBanks, int chrBanks);

    Editor& editor() { return m_ed; }
    const Editor& editor() const { return m_ed; }

    // 1-based position of byte 0 of 8 KB program bank `bank`.
    static int64_t bankPosition(int bank) { return 17 + int64_t{8192} * bank; }
    // 0-based file offset of 1 KB CHR bank `bank` (the CHR data follows the program banks).
    int64_t chrOffset(int bank) const {
        return 16 + int64_t{8192} * m_prgBanks + int64_t{1024} * bank;
    }

    // Claims [pos, pos + length) for `what`; throws on overlap or outside the image.
    void claim(int64_t pos, int64_t length, const std::string& what);
    void put(int64_t pos, const std::vector<uint8_t>& bytes, const std::string& what);
    void put(int64_t pos, uint8_t value, const std::string& what) {
        put(pos, std::vector<uint8_t>{value}, what);
    }
    // A tile at 0-based file offset `offset` (the addressing of tile tables).
    void putTile(int64_t offset, const Tile& tile, const std::string& what);
    // The bytes back, for checks after writing.
    uint8_t byte(int64_t pos) const;

private:
    Editor& m_ed;
    int m_prgBanks;
    struct Region {
        int64_t end;
        std::string what;
    };
    std::map<int64_t, Region> m_claims; // start -> region
};

// Low and high byte of a CPU address.
inline uint8_t lo(int64_t address) {
    return static_cast<uint8_t>(address & 0xFF);
}
inline uint8_t hi(int64_t address) {
    return static_cast<uint8_t>((address >> 8) & 0xFF);
}

} // namespace orvane::demo
