#include "core/level/History.h"

#include <algorithm>

namespace orvane {

namespace {

// Sorts by position, keeps the first value recorded for each position (the oldest) and
// drops the positions that hold that value again: what is left is what the step changed.
template <class Change>
void normalise(std::vector<Change>& changes, const std::vector<uint8_t>& image) {
    const auto byOffset = [](const Change& a, const Change& b) { return a.offset < b.offset; };
    if (!std::is_sorted(changes.begin(), changes.end(), byOffset))
        std::stable_sort(changes.begin(), changes.end(), byOffset);
    changes.erase(
        std::unique(changes.begin(), changes.end(),
                    [](const Change& a, const Change& b) { return a.offset == b.offset; }),
        changes.end());
    std::erase_if(changes, [&](const Change& c) {
        return static_cast<size_t>(c.offset) >= image.size() ||
               image[static_cast<size_t>(c.offset)] == c.value;
    });
}

} // namespace

History::History(const std::vector<uint8_t>& image, HistoryLimits limits)
    : m_limits(limits), m_saved(image) {}

void History::begin(std::string label, uint64_t mergeKey) {
    if (label.empty() && !m_labels.empty()) label = m_labels.back();
    if (m_labels.empty()) {
        m_scopeKey = mergeKey;
        m_scopeCommitted = false;
    }
    m_labels.push_back(std::move(label));
}

void History::end(const std::vector<uint8_t>& image) {
    if (m_labels.empty()) return; // an end without its begin changes nothing
    m_labels.pop_back();
    if (!m_labels.empty()) return;
    commitOpen(image);
    // A gesture that changed nothing keeps a merge chain going only when it came from
    // the same place (Shift pressed in the field being typed into).
    if (!m_scopeCommitted && m_scopeKey != m_chainKey) m_chainKey = 0;
    notify();
}

void History::record(int64_t offset, uint8_t old, uint8_t now) {
    countChange(offset, old, now);
    if (m_labels.empty()) {
        m_chainKey = 0;
        push(Step{std::string(), {Change{offset, old}}});
        notify();
        return;
    }
    if (m_open.changes.empty()) m_open.label = m_labels.back();
    m_open.changes.push_back(Change{offset, old});
}

void History::commitOpen(const std::vector<uint8_t>& image) {
    if (m_open.changes.empty()) return;
    Step step = std::move(m_open);
    m_open = Step{};
    normalise(step.changes, image);
    if (step.changes.empty()) return;

    m_scopeCommitted = true;
    if (m_scopeKey == 0 || m_scopeKey != m_chainKey || m_undo.empty()) {
        push(std::move(step));
        m_chainKey = m_scopeKey;
        return;
    }
    // The next keystroke in the same field: one step for the whole typing. The older
    // step's values come first, so they win.
    Step& top = m_undo.back();
    m_bytes -= recordBytes(top);
    top.changes.insert(top.changes.end(), step.changes.begin(), step.changes.end());
    normalise(top.changes, image);
    m_bytes += recordBytes(top);
    if (top.changes.empty()) { // typed back to what it was
        m_undo.pop_back();
        m_chainKey = 0;
    }
}

void History::push(Step step) {
    for (const Step& s : m_redo)
        m_bytes -= recordBytes(s);
    m_redo.clear();
    m_bytes += recordBytes(step);
    m_undo.push_back(std::move(step));
    dropOldest();
}

void History::dropOldest() {
    while (m_undo.size() > 1 &&
           (m_undo.size() + m_redo.size() > m_limits.maxSteps || m_bytes > m_limits.maxBytes)) {
        m_bytes -= recordBytes(m_undo.front());
        m_undo.pop_front();
    }
}

void History::apply(Step& step, std::vector<uint8_t>& image) {
    // Each change swaps the byte in the image with the one kept, so the same step can be
    // applied again the other way.
    for (Change& c : step.changes) {
        if (static_cast<size_t>(c.offset) >= image.size()) continue;
        uint8_t& b = image[static_cast<size_t>(c.offset)];
        const uint8_t before = b;
        b = c.value;
        countChange(c.offset, before, c.value);
        c.value = before;
    }
}

bool History::undo(std::vector<uint8_t>& image) {
    commitOpen(image);
    m_chainKey = 0;
    if (m_undo.empty()) return false;
    Step step = std::move(m_undo.back());
    m_undo.pop_back();
    apply(step, image);
    m_redo.push_back(std::move(step));
    notify();
    return true;
}

bool History::redo(std::vector<uint8_t>& image) {
    commitOpen(image); // an edit not yet closed drops what could be redone
    m_chainKey = 0;
    if (m_redo.empty()) return false;
    Step step = std::move(m_redo.back());
    m_redo.pop_back();
    apply(step, image);
    m_undo.push_back(std::move(step));
    notify();
    return true;
}

std::string History::undoLabel() const {
    if (!m_open.changes.empty()) return m_open.label;
    return m_undo.empty() ? std::string() : m_undo.back().label;
}

std::string History::redoLabel() const {
    return m_redo.empty() ? std::string() : m_redo.back().label;
}

void History::reset(const std::vector<uint8_t>& image) {
    m_undo.clear();
    m_redo.clear();
    m_bytes = 0;
    m_open = Step{};
    m_labels.clear();
    m_chainKey = 0;
    markSaved(image);
}

void History::markSaved(const std::vector<uint8_t>& image) {
    m_saved = image;
    m_differing = 0;
    notify();
}

void History::countChange(int64_t offset, uint8_t before, uint8_t after) {
    if (offset < 0 || static_cast<size_t>(offset) >= m_saved.size()) return;
    const uint8_t saved = m_saved[static_cast<size_t>(offset)];
    m_differing += int64_t{after != saved} - int64_t{before != saved};
}

void History::notify() {
    if (m_listener) m_listener();
}

} // namespace orvane
