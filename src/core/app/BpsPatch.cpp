#include "core/app/BpsPatch.h"

#include <algorithm>
#include <cstring>

#include "core/app/Crc32.h"

namespace orvane {

namespace {

enum Action { SourceRead = 0, TargetRead = 1, SourceCopy = 2, TargetCopy = 3 };

constexpr size_t kMagicSize = 4;   // "BPS1"
constexpr size_t kFooterSize = 12; // three CRC-32s
constexpr size_t kShortMatch = 3;  // equal bytes cheaper inside a TargetRead than apart
constexpr uint64_t kMaxShift = uint64_t(1) << 56;    // the ninth byte: a tenth could overflow
constexpr uint64_t kMaxDistance = uint64_t(1) << 48; // no copy moves its cursor further

// 7 bits a byte, low bits first, the top bit set on the last byte; each further byte
// counts from where the shorter numbers end, so every value has exactly one spelling.
void putNumber(std::vector<uint8_t>& out, uint64_t n) {
    while (true) {
        const uint8_t x = n & 0x7f;
        n >>= 7;
        if (n == 0) {
            out.push_back(0x80 | x);
            return;
        }
        out.push_back(x);
        n -= 1;
    }
}

void put32(std::vector<uint8_t>& out, uint32_t v) {
    out.insert(out.end(), {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)});
}

uint32_t get32(const uint8_t* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

std::string hex32(uint32_t v) {
    char text[12];
    std::snprintf(text, sizeof text, "%08X", v);
    return text;
}

// Reads the patch body up to the checksums, failing rather than passing `limit`.
struct BodyReader {
    const uint8_t* p;
    size_t at;
    size_t limit;
    PatchResult failure;

    bool fail(PatchProblem problem, std::string detail) {
        failure = PatchResult::failure(problem, std::move(detail));
        return false;
    }
    bool number(uint64_t& value) {
        const size_t start = at;
        value = 0;
        for (uint64_t shift = 1;; shift <<= 7) {
            if (at >= limit)
                return fail(PatchProblem::Truncated, "is cut short: the number at byte " +
                                                         std::to_string(start) +
                                                         " runs into its checksums.");
            const uint8_t x = p[at++];
            value += (x & 0x7f) * shift;
            if (x & 0x80) return true;
            if (shift == kMaxShift)
                return fail(PatchProblem::Malformed, "has a number too large to be real at byte " +
                                                         std::to_string(start) + ".");
            value += shift << 7;
        }
    }
};

} // namespace

PatchResult makeBpsPatch(const std::vector<uint8_t>& source, const std::vector<uint8_t>& target) {
    for (size_t size : {source.size(), target.size()})
        if (size > kMaxPatchedSize)
            return PatchResult::failure(PatchProblem::TooLarge,
                                        "a file of " + std::to_string(size) +
                                            " bytes is more than a patch may describe here "
                                            "(16 MiB).");
    PatchResult result;
    std::vector<uint8_t>& out = result.bytes;
    out.assign({'B', 'P', 'S', '1'});
    putNumber(out, source.size());
    putNumber(out, target.size());
    putNumber(out, 0); // no metadata

    const size_t n = target.size();
    const size_t common = std::min(source.size(), n);
    auto same = [&](size_t i) { return i < common && source[i] == target[i]; };
    auto action = [&](size_t length, Action kind) { putNumber(out, (length - 1) << 2 | kind); };
    size_t pos = 0;
    while (pos < n) {
        size_t end = pos;
        if (same(pos)) {
            while (end < n && same(end))
                ++end;
            action(end - pos, SourceRead);
        } else {
            // Short stretches of equal bytes ride along in the TargetRead.
            while (true) {
                while (end < n && !same(end))
                    ++end;
                size_t equal = 0;
                while (equal < kShortMatch && end + equal < n && same(end + equal))
                    ++equal;
                if (equal == kShortMatch || end + equal == n) break;
                end += equal;
            }
            action(end - pos, TargetRead);
            out.insert(out.end(), target.begin() + pos, target.begin() + end);
        }
        pos = end;
    }
    put32(out, crc32(source.data(), source.size()));
    put32(out, crc32(target.data(), target.size()));
    put32(out, crc32(out.data(), out.size()));
    return result;
}

PatchResult applyBpsPatch(const std::vector<uint8_t>& patch, const std::vector<uint8_t>& source) {
    if (patch.size() < kMagicSize || std::memcmp(patch.data(), "BPS1", kMagicSize) != 0)
        return PatchResult::failure(PatchProblem::NotAPatch, "does not start with \"BPS1\".");
    // The three sizes take a byte each at the least.
    if (patch.size() < kMagicSize + 3 + kFooterSize)
        return PatchResult::failure(PatchProblem::Truncated,
                                    "is cut short: it is too small to hold a BPS patch.");
    const uint8_t* p = patch.data();
    const size_t footer = patch.size() - kFooterSize;
    const uint32_t sourceCrc = get32(p + footer);
    const uint32_t targetCrc = get32(p + footer + 4);
    const uint32_t patchCrc = get32(p + footer + 8);
    const uint32_t patchActual = crc32(p, patch.size() - 4);
    if (patchActual != patchCrc)
        return PatchResult::failure(PatchProblem::PatchChecksum,
                                    "is damaged: its bytes give the CRC-32 " + hex32(patchActual) +
                                        ", not the " + hex32(patchCrc) + " it names.");

    BodyReader in{p, kMagicSize, footer, {}};
    uint64_t sourceSize = 0, targetSize = 0, metadataSize = 0;
    if (!in.number(sourceSize) || !in.number(targetSize) || !in.number(metadataSize))
        return in.failure;
    const uint32_t sourceActual = crc32(source.data(), source.size());
    if (sourceSize != source.size() || sourceActual != sourceCrc)
        return PatchResult::failure(PatchProblem::WrongSource,
                                    "was made for a file of " + std::to_string(sourceSize) +
                                        " bytes with the CRC-32 " + hex32(sourceCrc) +
                                        ", not for one of " + std::to_string(source.size()) +
                                        " bytes with the CRC-32 " + hex32(sourceActual) + ".");
    if (targetSize > kMaxPatchedSize)
        return PatchResult::failure(PatchProblem::TooLarge,
                                    "would make a file of " + std::to_string(targetSize) +
                                        " bytes, more than the 16 MiB a patch may make here.");
    if (metadataSize > footer - in.at)
        return PatchResult::failure(PatchProblem::Truncated,
                                    "is cut short: its metadata runs into its checksums.");
    in.at += metadataSize;

    PatchResult result;
    std::vector<uint8_t>& out = result.bytes;
    out.resize(targetSize);
    size_t outPos = 0;
    int64_t sourceCursor = 0, targetCursor = 0;
    while (in.at < footer) {
        const size_t actionAt = in.at;
        auto bad = [&](const std::string& what) {
            return PatchResult::failure(PatchProblem::Malformed, "has an action at byte " +
                                                                     std::to_string(actionAt) +
                                                                     " that " + what + ".");
        };
        uint64_t word = 0;
        if (!in.number(word)) return in.failure;
        const uint64_t length = (word >> 2) + 1;
        if (length > targetSize - outPos) return bad("writes past the end of the result");
        const auto kind = static_cast<Action>(word & 3);
        if (kind == SourceRead) {
            if (outPos + length > source.size()) return bad("reads past the end of the source");
            std::copy_n(source.begin() + outPos, length, out.begin() + outPos);
        } else if (kind == TargetRead) {
            if (length > footer - in.at)
                return PatchResult::failure(PatchProblem::Truncated,
                                            "is cut short: the bytes of the action at byte " +
                                                std::to_string(actionAt) +
                                                " run into its checksums.");
            std::copy_n(p + in.at, length, out.begin() + outPos);
            in.at += length;
        } else {
            uint64_t move = 0;
            if (!in.number(move)) return in.failure;
            if ((move >> 1) > kMaxDistance) return bad("moves its cursor too far");
            const int64_t distance = static_cast<int64_t>(move >> 1);
            int64_t& cursor = kind == SourceCopy ? sourceCursor : targetCursor;
            cursor += (move & 1) ? -distance : distance;
            if (kind == SourceCopy) {
                if (cursor < 0 || uint64_t(cursor) + length > source.size())
                    return bad("copies from outside the source");
                std::copy_n(source.begin() + cursor, length, out.begin() + outPos);
            } else {
                // The copy may overlap what it writes (a repeating pattern): byte by byte.
                if (cursor < 0 || uint64_t(cursor) >= outPos)
                    return bad("copies from a part of the result not yet written");
                for (uint64_t i = 0; i < length; ++i)
                    out[outPos + i] = out[size_t(cursor) + i];
            }
            cursor += static_cast<int64_t>(length);
        }
        outPos += length;
    }
    if (outPos != targetSize)
        return PatchResult::failure(PatchProblem::Malformed,
                                    "ends after " + std::to_string(outPos) + " of the " +
                                        std::to_string(targetSize) + " bytes of its result.");
    const uint32_t targetActual = crc32(out.data(), out.size());
    if (targetActual != targetCrc)
        return PatchResult::failure(PatchProblem::TargetChecksum,
                                    "makes a file with the CRC-32 " + hex32(targetActual) +
                                        ", not the " + hex32(targetCrc) + " it names.");
    return result;
}

} // namespace orvane
