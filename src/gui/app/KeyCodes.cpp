#include "gui/app/KeyCodes.h"

#include <QKeyEvent>

namespace orvane {

int keyCodeOf(const QKeyEvent* event) {
    const int key = event->key();
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return key; // 65..90
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return key; // 48..57
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12) return 112 + (key - Qt::Key_F1);
    switch (key) {
    case Qt::Key_PageUp:
        return kKeyPageUp;
    case Qt::Key_PageDown:
        return kKeyPageDown;
    case Qt::Key_End:
        return kKeyEnd;
    case Qt::Key_Home:
        return kKeyHome;
    case Qt::Key_Left:
        return kKeyLeft;
    case Qt::Key_Up:
        return kKeyUp;
    case Qt::Key_Right:
        return kKeyRight;
    case Qt::Key_Down:
        return kKeyDown;
    case Qt::Key_Insert:
        return kKeyInsert;
    case Qt::Key_Delete:
        return kKeyDelete;
    case Qt::Key_Space:
        return 32;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Shift:
        return 16;
    case Qt::Key_Control:
        return 17;
    case Qt::Key_Alt:
        return 18;
    default:
        return 0;
    }
}

int shiftMaskOf(const QKeyEvent* event) {
    const Qt::KeyboardModifiers m = event->modifiers();
    int mask = 0;
    if (m & Qt::ShiftModifier) mask |= kShift;
    if (m & Qt::ControlModifier) mask |= kCtrl;
    if (m & Qt::AltModifier) mask |= kAlt;
    return mask;
}

} // namespace orvane
