#include "core/render/AnimationArea.h"

#include "core/app/Editor.h"

namespace orvane {

namespace {

constexpr int64_t kBankWindow = 0xA000;

// The record the area ends with: the one with the highest address below the limit (the
// first animation naming it, when several do). Nothing when no pointer lies in the area.
bool findLastRecord(const Editor& ed, int64_t& address) {
    address = -1;
    for (int a = 0; a < kAreaAnimations; ++a) {
        const int64_t at = animationAddress(ed, a);
        if (at < kAreaLimit && at > address) address = at;
    }
    return address >= 0;
}

// Every record behind `record` inside the area moves by `delta` bytes.
void movePointersBehind(Editor& ed, int64_t record, int delta) {
    for (int a = 0; a < kAreaAnimations; ++a) {
        const int64_t at = animationAddress(ed, a);
        if (at < kAreaLimit && animationBankPosition(ed, at) > record)
            setAnimationAddress(ed, a, at + delta);
    }
}

} // namespace

int64_t animationAddress(const Editor& ed, int a) {
    return 256 * int64_t{ed.byte(ed.P(54) + a)} + ed.byte(ed.P(53) + a);
}

void setAnimationAddress(Editor& ed, int a, int64_t address) {
    ed.setByte(ed.P(54) + a, static_cast<int>((address >> 8) & 0xFF));
    ed.setByte(ed.P(53) + a, static_cast<int>(address & 0xFF));
}

int64_t animationBankPosition(const Editor& ed, int64_t address) {
    return address - kBankWindow + 256 * ed.P(55) + 17;
}

FrameCountResult SetFrameCount(Editor& ed, int64_t record, int newLast) {
    if (ed.EditMode != kMM4) return FrameCountResult::NotSupported;
    if (newLast < 0 || newLast > 255) return FrameCountResult::Unchanged;
    const int last = ed.byte(record);
    const int delta = newLast - last;
    if (delta == 0) return FrameCountResult::Unchanged;

    int64_t lastAddress = 0;
    if (!findLastRecord(ed, lastAddress)) return FrameCountResult::NoSpace;
    const int64_t lastRecord = animationBankPosition(ed, lastAddress);
    const int lastFrames = ed.byte(lastRecord);
    const int64_t areaEnd = lastAddress + lastFrames + 2; // the area's last used byte
    const int64_t areaEndPos = lastRecord + lastFrames + 2;
    if (delta > kAreaLimit - 1 - areaEnd) return FrameCountResult::NoSpace;

    movePointersBehind(ed, record, delta);
    if (delta < 0) {
        // Everything after the record closes up over its last frames, lowest byte first;
        // the bytes freed at the end of the area keep what they held.
        for (int64_t pos = record + last + 3; pos <= areaEndPos; ++pos)
            ed.setByte(pos + delta, ed.byte(pos));
    } else {
        // Frames 1 onwards and everything after move up, highest byte first, opening a gap
        // after frame 0 whose bytes stay as they were.
        for (int64_t pos = areaEndPos; pos >= record + 3; --pos)
            ed.setByte(pos + delta, ed.byte(pos));
    }
    ed.setByte(record, newLast);
    return FrameCountResult::Changed;
}

} // namespace orvane
