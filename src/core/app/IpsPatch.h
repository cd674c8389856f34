#pragma once

#include <cstdint>
#include <vector>

#include "core/app/PatchResult.h"

namespace orvane {

// IPS patches: "PATCH", then records of a 3-byte offset and a 2-byte size followed by that
// many bytes (or, for size 0, a 2-byte run length and the byte to repeat), then "EOF" and
// optionally the 3-byte length to cut the result to. Numbers are big-endian.

// The patch that turns `source` into `target`. Fails (TooLarge) when either file is larger
// than an IPS patch can address.
PatchResult makeIpsPatch(const std::vector<uint8_t>& source, const std::vector<uint8_t>& target);

// `source` with `patch` applied. The patch is read with every length checked against the
// file, so no input reads or writes outside the buffers.
PatchResult applyIpsPatch(const std::vector<uint8_t>& patch, const std::vector<uint8_t>& source);

} // namespace orvane
