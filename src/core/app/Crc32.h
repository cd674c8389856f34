#pragma once

#include <cstddef>
#include <cstdint>

namespace orvane {

// The CRC-32 of zip, PNG and patch files (reflected polynomial 0xEDB88320, starting and
// ending with all bits inverted). `crc` carries a checksum across pieces: crc32(b, crc32(a))
// is the checksum of a followed by b.
uint32_t crc32(const uint8_t* data, size_t size, uint32_t crc = 0);

} // namespace orvane
