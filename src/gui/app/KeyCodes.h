#pragma once

class QKeyEvent;

namespace orvane {

// Key codes and modifier masks in the editor's own terms: letters are their capital
// character codes, F1..F12 are 112..123, Page Up/Down 33/34, End 35, Home 36, the
// arrows 37..40; the modifier mask is 1 Shift, 2 Ctrl, 4 Alt, summed.
int keyCodeOf(const QKeyEvent* event);
int shiftMaskOf(const QKeyEvent* event);

enum KeyCode {
    kKeyPageUp = 33,
    kKeyPageDown = 34,
    kKeyEnd = 35,
    kKeyHome = 36,
    kKeyLeft = 37,
    kKeyUp = 38,
    kKeyRight = 39,
    kKeyDown = 40,
    kKeyInsert = 45,
    kKeyDelete = 46,
    kKeyF5 = 116,
    kKeyF6 = 117,
    kKeyF7 = 118,
    kKeyF8 = 119,
    kKeyF9 = 120,
};
enum ShiftMask { kShift = 1, kCtrl = 2, kAlt = 4 };

} // namespace orvane
