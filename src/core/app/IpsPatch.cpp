#include "core/app/IpsPatch.h"

#include <algorithm>
#include <cstring>

namespace orvane {

namespace {

constexpr size_t kMagicSize = 5;      // "PATCH"
constexpr size_t kEofMark = 0x454F46; // "EOF" read as an offset: no record may start here
constexpr size_t kMaxRecord = 0xFFFF; // a record's 2-byte size
constexpr size_t kMinRun = 9;         // from here on a run record is shorter than the bytes
constexpr size_t kMaxGap = 5;         // unchanged bytes cheaper to repeat than a new header

void put24(std::vector<uint8_t>& out, size_t v) {
    out.insert(out.end(), {uint8_t(v >> 16), uint8_t(v >> 8), uint8_t(v)});
}
void put16(std::vector<uint8_t>& out, size_t v) {
    out.insert(out.end(), {uint8_t(v >> 8), uint8_t(v)});
}
size_t get24(const uint8_t* p) {
    return size_t(p[0]) << 16 | size_t(p[1]) << 8 | p[2];
}
size_t get16(const uint8_t* p) {
    return size_t(p[0]) << 8 | p[1];
}

std::string tooLarge(size_t size) {
    return "a file of " + std::to_string(size) +
           " bytes is more than an IPS patch can address (16 MiB).";
}

} // namespace

PatchResult makeIpsPatch(const std::vector<uint8_t>& source, const std::vector<uint8_t>& target) {
    // Within 16 MiB every offset and a shorter target's length fit in three bytes.
    for (size_t size : {source.size(), target.size()})
        if (size > kMaxPatchedSize)
            return PatchResult::failure(PatchProblem::TooLarge, tooLarge(size));

    const size_t n = target.size();
    // Bytes past the end of the source are always written, so the result gets its length.
    auto differs = [&](size_t i) { return i >= source.size() || source[i] != target[i]; };
    // Equal bytes from `i` on, counting no further than `cap`.
    auto runAt = [&](size_t i, size_t cap) {
        size_t len = 1;
        while (len < cap && i + len < n && target[i + len] == target[i])
            ++len;
        return len;
    };

    PatchResult result;
    std::vector<uint8_t>& out = result.bytes;
    out.assign({'P', 'A', 'T', 'C', 'H'});
    size_t pos = 0;
    while (pos < n) {
        if (!differs(pos)) {
            ++pos;
            continue;
        }
        // A record at kEofMark would read as the end mark: it starts one byte earlier and
        // writes that byte again as it is in the target.
        const size_t start = pos == kEofMark ? pos - 1 : pos;
        const size_t run = runAt(start, kMaxRecord);
        if (run >= kMinRun) {
            put24(out, start);
            put16(out, 0);
            put16(out, run);
            out.push_back(target[start]);
            pos = start + run;
            continue;
        }
        // A literal record: it runs on over changed bytes and short stretches of unchanged
        // ones, and stops before a run worth its own record.
        size_t end = pos + 1;
        while (end < n && end - start < kMaxRecord) {
            if (differs(end)) {
                if (runAt(end, kMinRun) >= kMinRun) break;
                ++end;
                continue;
            }
            size_t gap = 1;
            while (gap <= kMaxGap && end + gap < n && !differs(end + gap))
                ++gap;
            if (gap > kMaxGap || end + gap >= n || end + gap - start >= kMaxRecord) break;
            end += gap;
        }
        put24(out, start);
        put16(out, end - start);
        out.insert(out.end(), target.begin() + start, target.begin() + end);
        pos = end;
    }
    out.insert(out.end(), {'E', 'O', 'F'});
    if (n < source.size()) put24(out, n);
    return result;
}

PatchResult applyIpsPatch(const std::vector<uint8_t>& patch, const std::vector<uint8_t>& source) {
    if (patch.size() < kMagicSize || std::memcmp(patch.data(), "PATCH", kMagicSize) != 0)
        return PatchResult::failure(PatchProblem::NotAPatch, "does not start with \"PATCH\".");
    if (source.size() > kMaxPatchedSize)
        return PatchResult::failure(PatchProblem::TooLarge, tooLarge(source.size()));

    PatchResult result;
    std::vector<uint8_t>& out = result.bytes;
    out = source;
    const uint8_t* p = patch.data();
    const size_t size = patch.size();
    size_t at = kMagicSize;
    auto cutShort = [](size_t record) {
        return PatchResult::failure(PatchProblem::Truncated,
                                    "is cut short: it ends inside the record at byte " +
                                        std::to_string(record) + " of the patch.");
    };
    while (true) {
        if (size - at < 3)
            return PatchResult::failure(PatchProblem::Truncated,
                                        "is cut short: it ends before its \"EOF\" mark.");
        if (std::memcmp(p + at, "EOF", 3) == 0) break;
        const size_t record = at;
        if (size - at < 5) return cutShort(record);
        const size_t offset = get24(p + at);
        size_t length = get16(p + at + 3);
        at += 5;
        const bool isRun = length == 0;
        if (isRun) {
            if (size - at < 3) return cutShort(record);
            length = get16(p + at);
            at += 2;
        } else if (size - at < length) {
            return cutShort(record);
        }
        if (offset + length > kMaxPatchedSize)
            return PatchResult::failure(PatchProblem::TooLarge,
                                        "has a record of " + std::to_string(length) + " bytes at " +
                                            hexOffset(offset) + ", reaching past 16 MiB.");
        // A record past the end lengthens the file; any bytes it skips over are zeros.
        if (length > 0 && offset + length > out.size()) out.resize(offset + length, 0);
        if (isRun) {
            std::fill_n(out.begin() + offset, length, p[at]);
            at += 1;
        } else {
            std::copy_n(p + at, length, out.begin() + offset);
            at += length;
        }
    }
    at += 3;
    const size_t rest = size - at;
    if (rest == 3) {
        // The length to cut the result to; it never lengthens the file.
        out.resize(std::min(out.size(), get24(p + at)));
    } else if (rest != 0) {
        return PatchResult::failure(PatchProblem::Malformed,
                                    "has " + std::to_string(rest) +
                                        " bytes after its \"EOF\" mark, where only a 3-byte "
                                        "length may follow.");
    }
    return result;
}

} // namespace orvane
