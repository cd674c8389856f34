#include "core/app/PatchFiles.h"

#include "core/app/FileIO.h"
#include "core/app/PatchFormat.h"
#include "core/level/Rom.h"

namespace orvane {

namespace {

std::string quoted(const std::string& path) {
    return "\"" + path + "\"";
}

PatchOutcome failed(std::string message) {
    return {false, std::move(message)};
}

PatchOutcome written(const std::string& path, size_t size) {
    return {true, "Wrote " + quoted(path) + " (" + std::to_string(size) + " bytes)."};
}

} // namespace

PatchOutcome writePatchFile(const std::vector<uint8_t>& modified, const std::string& originalPath,
                            const std::string& patchPath) {
    const auto format = patchFormatOf(patchPath);
    if (!format)
        return failed("The patch file " + quoted(patchPath) +
                      " must end in .ips or .bps, which names its format.");
    const auto original = readWholeFile(originalPath);
    if (!original)
        return failed("Cannot read the unmodified ROM file " + quoted(originalPath) + ".");
    const PatchResult patch = makePatch(*format, *original, modified);
    if (!patch.ok())
        return failed("Cannot make the patch " + quoted(patchPath) + ": " + patch.detail);
    if (!writeFileAtomically(patchPath, patch.bytes))
        return failed("Cannot write the patch file " + quoted(patchPath) + ".");
    return written(patchPath, patch.bytes.size());
}

PatchOutcome makePatchFile(const std::string& romPath, const std::string& originalPath,
                           const std::string& patchPath) {
    const auto rom = readWholeFile(romPath);
    if (!rom) return failed("Cannot read the ROM file " + quoted(romPath) + ".");
    return writePatchFile(*rom, originalPath, patchPath);
}

PatchOutcome applyPatchFile(const std::string& romPath, const std::string& patchPath,
                            const std::string& outPath) {
    const auto rom = readWholeFile(romPath);
    if (!rom) return failed("Cannot read the ROM file " + quoted(romPath) + ".");
    const auto patch = readWholeFile(patchPath);
    if (!patch) return failed("Cannot read the patch file " + quoted(patchPath) + ".");
    const PatchResult patched = applyPatch(*patch, *rom);
    if (!patched.ok()) return failed(patchProblemMessage(patchPath, patched));
    if (!writeFileAtomically(outPath, patched.bytes))
        return failed("Cannot write the patched file " + quoted(outPath) + ".");
    return written(outPath, patched.bytes.size());
}

PatchOutcome applyPatchToImage(Rom& image, const std::string& patchPath) {
    const auto patch = readWholeFile(patchPath);
    if (!patch) return failed("Cannot read the patch file " + quoted(patchPath) + ".");
    const PatchResult patched = applyPatch(*patch, image.bytes());
    if (!patched.ok()) return failed(patchProblemMessage(patchPath, patched));
    const std::vector<uint8_t>& target = patched.bytes;
    if (static_cast<int64_t>(target.size()) != image.size())
        return failed("The patch file " + quoted(patchPath) + " makes a file of " +
                      std::to_string(target.size()) + " bytes, but the open ROM image has " +
                      std::to_string(image.size()) +
                      " and cannot change its length; nothing was changed.");
    // Only the bytes that change pass the door, in one step, so the history records the
    // patch as what it did rather than as a copy of the whole image.
    const int64_t changed = image.overwriteFrom(target).value_or(0);
    return {true,
            "Applied " + quoted(patchPath) + ": " + std::to_string(changed) + " bytes changed."};
}

} // namespace orvane
