#include "core/level/Rom.h"

namespace orvane {

void Rom::assign(std::vector<uint8_t> bytes) {
    m_bytes = std::move(bytes);
    if (m_history) m_history->reset(m_bytes);
}

std::optional<int64_t> Rom::overwriteFrom(const std::vector<uint8_t>& source) {
    if (source.size() < m_bytes.size()) return std::nullopt;
    int64_t changed = 0;
    beginStep({}); // one step, named by the command around it
    for (int64_t pos = 1; pos <= size(); ++pos) {
        const uint8_t b = source[static_cast<size_t>(pos - 1)];
        if (byte(pos) == b) continue;
        setByte(pos, b);
        ++changed;
    }
    endStep();
    return changed;
}

void Rom::startHistory(HistoryLimits limits) {
    m_history = std::make_unique<History>(m_bytes, limits);
}

void Rom::setHistoryListener(std::function<void()> listener) {
    if (m_history) m_history->setListener(std::move(listener));
}

void Rom::beginStep(std::string label, uint64_t mergeKey) {
    if (m_history) m_history->begin(std::move(label), mergeKey);
}

void Rom::endStep() {
    if (m_history) m_history->end(m_bytes);
}

bool Rom::undo() {
    return m_history && m_history->undo(m_bytes);
}

bool Rom::redo() {
    return m_history && m_history->redo(m_bytes);
}

void Rom::markSaved() {
    if (m_history) m_history->markSaved(m_bytes);
}

} // namespace orvane
