#pragma once

#include <cstdint>
#include <string>

namespace orvane {

// The high four bits (which = 0) or the low four bits (which = 1) of the code of the
// first character of s; 0 for any other `which` and for an empty string. s is cut down
// to its first character, as the hex fields that call this expect.
uint8_t Nibble(std::string& s, int which);

} // namespace orvane
