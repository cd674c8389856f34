#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace orvane {

// What is wrong with a ROM file's iNES header for the game being edited: "" when it
// starts with "NES" and byte 1A and gives the program (PRG) and CHR sizes the game has,
// else a phrase that says what differs, such as "has 128 KiB PRG and no CHR, where
// Megaman 3 has 256 KiB PRG and 128 KiB CHR". The file is opened either way; this only
// warns that it may be another game's or damaged.
std::string inesHeaderMismatch(const std::vector<uint8_t>& file, int editMode);

} // namespace orvane
