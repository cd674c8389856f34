#pragma once

#include <cstdint>

namespace orvane {

struct Editor;

// mm4 keeps its palette-animation records one after another in one program bank, seen by
// the game at CPU addresses 0xA000..0xBFFF, and finds them through 64 pointer pairs
// (animations 0..63). Records below 0xBD2C form the area the editor may rearrange; it
// may grow up to 0xBD2B. Records from 0xBD2C on belong to the game's other data: they
// are never moved and their pointers never changed.
constexpr int kAreaAnimations = 64;
constexpr int64_t kAreaLimit = 0xBD2C;

// CPU address of animation a's record (low byte at P(53) + a, high byte at P(54) + a).
int64_t animationAddress(const Editor& ed, int a);
void setAnimationAddress(Editor& ed, int a, int64_t address);
// ROM position of the byte the game sees at `address` in the animation bank (page P(55)).
int64_t animationBankPosition(const Editor& ed, int64_t address);

enum class FrameCountResult {
    Unchanged,    // the count asked for is the one stored, or no count at all (above 0xFF)
    Changed,      // the record and everything behind it were rearranged
    NoSpace,      // the area has too little room left, or no record in it at all
    NotSupported, // only mm4's records can change their length
};

// Gives the animation whose record lies at `record` the last frame index `newLast`
// (0..255). Growing by d inserts d frames after frame 0 that repeat the bytes standing
// there; shrinking by k drops the last k frames. The records behind it in the area move
// with it and their pointers follow; records before it and records at 0xBD2C and above
// stay. Growing needs d free bytes between the area's last used byte and 0xBD2B;
// without them nothing changes.
FrameCountResult SetFrameCount(Editor& ed, int64_t record, int newLast);

} // namespace orvane
