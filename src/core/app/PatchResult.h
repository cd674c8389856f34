#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace orvane {

// The largest file a patch may make or be made from. IPS cannot address more, NES images
// are far smaller, and a damaged BPS header naming a huge target must not make the reader
// allocate it.
constexpr size_t kMaxPatchedSize = 0x1000000; // 16 MiB

// Why a patch could not be made or applied.
enum class PatchProblem {
    None,
    NotAPatch,      // the file does not start with "PATCH" or "BPS1"
    Truncated,      // the file ends inside a record, a number or before its end mark
    TooLarge,       // a record or the result reaches past kMaxPatchedSize
    Malformed,      // anything else the format does not allow
    WrongSource,    // a BPS patch made for another file than the one it is applied to
    PatchChecksum,  // a BPS patch whose own CRC-32 fails: it was damaged on its way
    TargetChecksum, // a BPS patch whose result does not have the CRC-32 it names
    WrongLength,    // the result's length differs from the open image's
};

// What making or applying a patch gives: the patch or the patched file, or the problem
// with `detail` finishing a sentence that begins by naming the patch file.
struct PatchResult {
    std::vector<uint8_t> bytes;
    PatchProblem problem = PatchProblem::None;
    std::string detail;

    bool ok() const { return problem == PatchProblem::None; }
    static PatchResult failure(PatchProblem problem, std::string detail) {
        PatchResult r;
        r.problem = problem;
        r.detail = std::move(detail);
        return r;
    }
};

// "0x454F46": how the patch messages show file offsets.
inline std::string hexOffset(uint64_t value) {
    char text[24];
    std::snprintf(text, sizeof text, "0x%llX", static_cast<unsigned long long>(value));
    return text;
}

} // namespace orvane
