#pragma once

#include <cstdint>

namespace orvane {

struct Editor;

// The Palette Animation Editor's reads and edits of one mm4 or mm5 animation record
// (`record` = its position: last frame index, delay, one colour-set byte per frame) and of
// the colour sets its frames name.

int animationLastFrame(const Editor& ed, int64_t record);
int animationDelay(const Editor& ed, int64_t record);
int frameColourSet(const Editor& ed, int64_t record, int frame);

// Colour k (0..2) of colour set `set` as the editor shows and edits it: at P(56) + 3 * set
// in both games, without the wrap at 256 that mm5's animation applies from set 86 on.
int64_t panelColourPosition(const Editor& ed, int set, int k);
int setColour(const Editor& ed, int set, int k);

// A typed delay or colour set keeps its low eight bits; a step stops at 0 and 255.
void setAnimationDelay(Editor& ed, int64_t record, int64_t typed);
void stepAnimationDelay(Editor& ed, int64_t record, int delta);
void setFrameColourSet(Editor& ed, int64_t record, int frame, int64_t typed);
void stepFrameColourSet(Editor& ed, int64_t record, int frame, int delta);

// A typed colour keeps its low six bits; a step stops at 0 and 63 (a stored colour above
// 63 steps down to 63, or straight to 63 when stepped up).
void setSetColour(Editor& ed, int set, int k, int64_t typed);
void stepSetColour(Editor& ed, int set, int k, int delta);

} // namespace orvane
