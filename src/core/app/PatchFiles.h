#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace orvane {

class Rom;

// How a patch command ended: one line for the user, naming the file written or the file
// that is wrong. A failed command has written nothing and changed nothing.
struct PatchOutcome {
    bool ok = false;
    std::string message;
};

// Writes the patch that turns the file at `originalPath` into `modified` to `patchPath`,
// in the format its extension names (".ips" or ".bps").
PatchOutcome writePatchFile(const std::vector<uint8_t>& modified, const std::string& originalPath,
                            const std::string& patchPath);

// Command line: the patch from the file at `originalPath` to the file at `romPath`.
PatchOutcome makePatchFile(const std::string& romPath, const std::string& originalPath,
                           const std::string& patchPath);

// Command line: the file at `romPath` with the patch at `patchPath` applied, written to
// `outPath` whatever its length.
PatchOutcome applyPatchFile(const std::string& romPath, const std::string& patchPath,
                            const std::string& outPath);

// The editor: applies the patch at `patchPath` to the open image, one write through the
// image's byte door for each byte that changes. The image cannot change its length, so a
// patch whose result is longer or shorter is refused and the image stays as it was.
PatchOutcome applyPatchToImage(Rom& image, const std::string& patchPath);

} // namespace orvane
