#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace orvane {

// How much history is kept: the oldest steps are dropped once either bound is passed
// (the newest step always stays, however large).
struct HistoryLimits {
    size_t maxSteps = 10000;
    size_t maxBytes = size_t{64} << 20; // of change records
};

// The edit history of one ROM image, fed by the image's one write door. Every write that
// changes a byte is recorded in the open step as (position, old value); a position keeps
// the first old value the step saw, so a step takes back exactly what it changed. Steps
// are opened and closed around the user's gestures (begin/end nest; the outermost pair
// makes the step); a write outside any step is a step of its own. A step that changes no
// byte in the end is not kept.
//
// It also knows, exactly, whether the image differs from the last saved or loaded file:
// it keeps that file's bytes and counts the positions that differ from them.
class History {
public:
    History(const std::vector<uint8_t>& image, HistoryLimits limits);

    // Opens a (nested) step. `label` names where the edit came from ("Screen Editor
    // edit", "Load Backup"); a step takes the label of the innermost scope open at its
    // first change, and an empty label takes the enclosing scope's. Steps whose outermost
    // scopes carry the same non-zero `mergeKey` and follow each other with nothing else
    // between are merged (the keystrokes typed into one text field).
    void begin(std::string label, uint64_t mergeKey = 0);
    void end(const std::vector<uint8_t>& image);

    // The door reports a byte at 0-based offset `offset` that changed from `old` to `now`.
    void record(int64_t offset, uint8_t old, uint8_t now);

    // Take back the newest step, or make the newest undone one again; an open step is
    // closed first. False when there is nothing to do.
    bool undo(std::vector<uint8_t>& image);
    bool redo(std::vector<uint8_t>& image);

    bool canUndo() const { return !m_open.changes.empty() || !m_undo.empty(); }
    bool canRedo() const { return !m_redo.empty(); }
    // The label of the step undo or redo would act on ("" when there is none).
    std::string undoLabel() const;
    std::string redoLabel() const;
    size_t undoSteps() const { return m_undo.size(); }
    // Positions changed by the newest step (0 when there is none).
    size_t newestStepSize() const { return m_undo.empty() ? 0 : m_undo.back().changes.size(); }

    // A new document: no steps, `image` is the saved state.
    void reset(const std::vector<uint8_t>& image);

    // The image now matches the file on disk.
    void markSaved(const std::vector<uint8_t>& image);
    bool isModified() const { return m_differing != 0; }

    // Called after every outermost step end, undo, redo and save mark, so the caption and
    // the menus can follow.
    void setListener(std::function<void()> listener) { m_listener = std::move(listener); }

private:
    struct Change {
        int64_t offset;
        uint8_t value; // the value to write back (undo: the old one; redo: the new one)
    };
    struct Step {
        std::string label;
        std::vector<Change> changes;
    };

    void commitOpen(const std::vector<uint8_t>& image);
    void push(Step step);
    void dropOldest();
    void apply(Step& step, std::vector<uint8_t>& image);
    void countChange(int64_t offset, uint8_t before, uint8_t after);
    void notify();
    static size_t recordBytes(const Step& step) { return step.changes.size() * sizeof(Change); }

    HistoryLimits m_limits;
    std::deque<Step> m_undo;
    std::vector<Step> m_redo;
    size_t m_bytes = 0; // record bytes held by m_undo and m_redo

    Step m_open;                       // changes of the step being recorded
    std::vector<std::string> m_labels; // open scopes, outermost first
    uint64_t m_scopeKey = 0;           // merge key of the outermost open scope
    uint64_t m_chainKey = 0;           // merge key the newest step may still be merged under
    bool m_scopeCommitted = false;     // the outermost scope has made or grown a step

    std::vector<uint8_t> m_saved;
    int64_t m_differing = 0;
    std::function<void()> m_listener;
};

} // namespace orvane
