#include "core/render/AnimationEdits.h"

#include <algorithm>

#include "core/app/Editor.h"

namespace orvane {

namespace {

void writeStepped(Editor& ed, int64_t pos, int delta, int highest) {
    ed.setByte(pos, std::clamp(ed.byte(pos) + delta, 0, highest));
}

int64_t framePosition(int64_t record, int frame) {
    return record + 2 + frame;
}

} // namespace

int animationLastFrame(const Editor& ed, int64_t record) {
    return ed.byte(record);
}

int animationDelay(const Editor& ed, int64_t record) {
    return ed.byte(record + 1);
}

int frameColourSet(const Editor& ed, int64_t record, int frame) {
    return ed.byte(framePosition(record, frame));
}

int64_t panelColourPosition(const Editor& ed, int set, int k) {
    return ed.P(56) + 3 * int64_t{set} + k;
}

int setColour(const Editor& ed, int set, int k) {
    return ed.byte(panelColourPosition(ed, set, k));
}

void setAnimationDelay(Editor& ed, int64_t record, int64_t typed) {
    ed.setByte(record + 1, static_cast<int>(typed & 0xFF));
}

void stepAnimationDelay(Editor& ed, int64_t record, int delta) {
    writeStepped(ed, record + 1, delta, 255);
}

void setFrameColourSet(Editor& ed, int64_t record, int frame, int64_t typed) {
    ed.setByte(framePosition(record, frame), static_cast<int>(typed & 0xFF));
}

void stepFrameColourSet(Editor& ed, int64_t record, int frame, int delta) {
    writeStepped(ed, framePosition(record, frame), delta, 255);
}

void setSetColour(Editor& ed, int set, int k, int64_t typed) {
    ed.setByte(panelColourPosition(ed, set, k), static_cast<int>(typed & 63));
}

void stepSetColour(Editor& ed, int set, int k, int delta) {
    writeStepped(ed, panelColourPosition(ed, set, k), delta, 63);
}

} // namespace orvane
