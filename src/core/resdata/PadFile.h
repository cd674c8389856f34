#pragma once

#include <cstdint>
#include <vector>

namespace orvane {

struct ResourceData;

// The bytes of orvane.pad: section count, slots 0..N, data count, values 0..M,
// little-endian, no header or padding.
std::vector<uint8_t> padFileBytes(const ResourceData& res);

} // namespace orvane
