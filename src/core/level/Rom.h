#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace orvane {

// The ROM image in memory, iNES header included. Every read and write of a ROM byte
// goes through this class: a position outside the image reads 0 and a write there is
// dropped, so wrong resource data or a damaged ROM can never reach memory outside it.
class Rom {
public:
    Rom() = default;
    explicit Rom(std::vector<uint8_t> bytes) : m_bytes(std::move(bytes)) {}

    int64_t size() const { return static_cast<int64_t>(m_bytes.size()); }

    // Byte at 1-based position `pos` (file offset pos - 1).
    uint8_t byte(int64_t pos) const {
        return (pos >= 1 && pos <= size()) ? m_bytes[static_cast<size_t>(pos - 1)] : 0;
    }
    void setByte(int64_t pos, int value) {
        if (pos >= 1 && pos <= size())
            m_bytes[static_cast<size_t>(pos - 1)] = static_cast<uint8_t>(value);
    }

    // Byte at 0-based file offset `off`, the addressing of tile offsets.
    uint8_t atOffset(int64_t off) const {
        return (off >= 0 && off < size()) ? m_bytes[static_cast<size_t>(off)] : 0;
    }

    // The 16 bytes of the tile at 0-based offset `off` when they all lie inside the
    // image, else nullptr: the tile decoder's fast path, read-only.
    const uint8_t* tile(int64_t off) const {
        return (off >= 0 && off <= size() - 16) ? m_bytes.data() + off : nullptr;
    }

    const std::vector<uint8_t>& bytes() const { return m_bytes; }

    // Replaces the whole image (start-up read). An undo history or a modified flag
    // hooks in here and in setByte.
    void assign(std::vector<uint8_t> bytes) { m_bytes = std::move(bytes); }

    // Overwrites the image with the first size() bytes of `source`; the image keeps its
    // length. Returns false, changing nothing, when `source` is shorter than the image.
    bool overwriteFrom(const std::vector<uint8_t>& source);

private:
    std::vector<uint8_t> m_bytes;
};

} // namespace orvane
