#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/level/History.h"

namespace orvane {

// The ROM image in memory, iNES header included. Every read and write of a ROM byte
// goes through this class: a position outside the image reads 0 and a write there is
// dropped, so wrong resource data or a damaged ROM can never reach memory outside it.
//
// Once its history is started (the editor does so when it has read the file), every
// write that changes a byte is recorded there, steps can be undone and redone, and the
// image knows whether it differs from the file last saved or loaded.
class Rom {
public:
    Rom() = default;
    explicit Rom(std::vector<uint8_t> bytes) : m_bytes(std::move(bytes)) {}
    // A copy is the bytes alone: the history belongs to the image the editor edits.
    Rom(const Rom& other) : m_bytes(other.m_bytes) {}
    Rom& operator=(const Rom& other) {
        if (this != &other) {
            m_bytes = other.m_bytes;
            m_history.reset();
        }
        return *this;
    }
    Rom(Rom&&) = default;
    Rom& operator=(Rom&&) = default;

    int64_t size() const { return static_cast<int64_t>(m_bytes.size()); }

    // Byte at 1-based position `pos` (file offset pos - 1).
    uint8_t byte(int64_t pos) const {
        return (pos >= 1 && pos <= size()) ? m_bytes[static_cast<size_t>(pos - 1)] : 0;
    }
    void setByte(int64_t pos, int value) {
        if (pos < 1 || pos > size()) return;
        uint8_t& b = m_bytes[static_cast<size_t>(pos - 1)];
        const auto now = static_cast<uint8_t>(value);
        if (b == now) return; // nothing changes, nothing is recorded
        const uint8_t old = b;
        b = now;
        if (m_history) m_history->record(pos - 1, old, now);
    }

    // Byte at 0-based file offset `off`, the addressing of tile offsets.
    uint8_t atOffset(int64_t off) const {
        return (off >= 0 && off < size()) ? m_bytes[static_cast<size_t>(off)] : 0;
    }

    // The 16 bytes of the tile at 0-based offset `off` when they all lie inside the
    // image, else nullptr: the tile decoder's fast path, read-only.
    const uint8_t* tile(int64_t off) const {
        return (off >= 0 && off + 16 <= size()) ? m_bytes.data() + off : nullptr;
    }

    const std::vector<uint8_t>& bytes() const { return m_bytes; }

    // Replaces the whole image with a file just read: a new document, so a running
    // history starts afresh with these bytes as the saved state.
    void assign(std::vector<uint8_t> bytes);

    // Overwrites the image with the first size() bytes of `source` through the write
    // door (so, inside a step, it is one undoable edit holding just the bytes that
    // changed); the image keeps its length. Returns the number of bytes that changed, or
    // nothing, changing nothing, when `source` is shorter than the image.
    std::optional<int64_t> overwriteFrom(const std::vector<uint8_t>& source);

    // ---- history ----
    void startHistory(HistoryLimits limits = {});
    void stopHistory() { m_history.reset(); }
    const History* history() const { return m_history.get(); }
    void setHistoryListener(std::function<void()> listener);

    // Steps around a gesture or command; without a history they do nothing.
    void beginStep(std::string label, uint64_t mergeKey = 0);
    void endStep();
    bool undo();
    bool redo();
    // The image was written to (or read from) its file.
    void markSaved();
    bool isModified() const { return m_history && m_history->isModified(); }

private:
    std::vector<uint8_t> m_bytes;
    std::unique_ptr<History> m_history;
};

// One step for the lifetime of the guard: a command's writes become one undoable edit.
class EditStep {
public:
    EditStep(Rom& rom, std::string label) : m_rom(rom) { m_rom.beginStep(std::move(label)); }
    ~EditStep() { m_rom.endStep(); }
    EditStep(const EditStep&) = delete;
    EditStep& operator=(const EditStep&) = delete;

private:
    Rom& m_rom;
};

} // namespace orvane
