#pragma once

#include <cstdint>
#include <string>

namespace orvane {

struct ResourceData;

// The string stored from value index `index` on: one character per value, up to (not
// including) the first value of 255 or more.
std::string ResString(const ResourceData& res, int64_t index);

} // namespace orvane
