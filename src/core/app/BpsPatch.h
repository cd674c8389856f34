#pragma once

#include <cstdint>
#include <vector>

#include "core/app/PatchResult.h"

namespace orvane {

// BPS patches: "BPS1", the source, target and metadata sizes, the metadata, the actions
// that build the target, and the CRC-32s of the source, the target and the patch itself,
// so a patch cannot be applied to the wrong file or arrive damaged unnoticed.

// The patch that turns `source` into `target`, built from SourceRead and TargetRead
// actions only. Fails (TooLarge) for files larger than kMaxPatchedSize.
PatchResult makeBpsPatch(const std::vector<uint8_t>& source, const std::vector<uint8_t>& target);

// `source` with `patch` applied; all four action kinds are read. Every number, length and
// copy position is checked before use, so no input reads or writes outside the buffers.
PatchResult applyBpsPatch(const std::vector<uint8_t>& patch, const std::vector<uint8_t>& source);

} // namespace orvane
