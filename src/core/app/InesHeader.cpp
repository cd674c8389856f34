#include "core/app/InesHeader.h"

namespace orvane {

namespace {

struct RomSizes {
    int prgKiB;
    int chrKiB;
};

// The sizes of the three games, by editing mode.
constexpr RomSizes kGameSizes[3] = {{256, 128}, {512, 0}, {256, 256}};

std::string describe(const RomSizes& s) {
    return std::to_string(s.prgKiB) + " KiB PRG and " +
           (s.chrKiB ? std::to_string(s.chrKiB) + " KiB CHR" : std::string("no CHR"));
}

} // namespace

std::string inesHeaderMismatch(const std::vector<uint8_t>& file, int editMode) {
    if (file.size() < 16 || file[0] != 'N' || file[1] != 'E' || file[2] != 'S' || file[3] != 0x1A)
        return "does not start with the iNES header (\"NES\" and byte 1A)";
    if (editMode < 0 || editMode > 2) return std::string();
    // Byte 4 counts 16 KiB program units, byte 5 8 KiB CHR units.
    const RomSizes found{16 * file[4], 8 * file[5]};
    const RomSizes& expected = kGameSizes[editMode];
    if (found.prgKiB == expected.prgKiB && found.chrKiB == expected.chrKiB) return std::string();
    return "has " + describe(found) + ", where Megaman " + std::to_string(editMode + 3) + " has " +
           describe(expected);
}

} // namespace orvane
