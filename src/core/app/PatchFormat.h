#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/app/PatchResult.h"

namespace orvane {

enum class PatchFormat { Ips, Bps };

// The format a patch file's name asks for: ".ips" or ".bps" in any case, else none.
std::optional<PatchFormat> patchFormatOf(const std::string& path);

// The patch in `format` that turns `source` into `target`.
PatchResult makePatch(PatchFormat format, const std::vector<uint8_t>& source,
                      const std::vector<uint8_t>& target);

// `source` with an IPS or BPS patch applied, the format told by the patch's first bytes
// (its name may lie).
PatchResult applyPatch(const std::vector<uint8_t>& patch, const std::vector<uint8_t>& source);

// The message for a patch read from `patchPath` that could not be applied.
std::string patchProblemMessage(const std::string& patchPath, const PatchResult& result);

} // namespace orvane
