#include "gui/app/EditGestures.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextEdit>

#include "core/level/Rom.h"
#include "gui/app/ToolWindow.h"

namespace orvane {

namespace {

// The tool window a widget belongs to, across popups (a text field's context menu is
// the field's child, though a window of its own).
ToolWindow* toolWindowOf(QWidget* w) {
    for (; w; w = w->parentWidget())
        if (auto* tool = qobject_cast<ToolWindow*>(w)) return tool;
    return nullptr;
}

// The same event passed on from `receiver` to a parent widget: Qt hands an unhandled
// press or key up the parents, within the window only.
bool passedOnFrom(const QWidget* receiver, const QWidget* watched) {
    return receiver && watched != receiver && watched->isAncestorOf(receiver);
}

bool isTextField(const QWidget* w) {
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QAbstractSpinBox*>(w) ||
           qobject_cast<const QTextEdit*>(w) || qobject_cast<const QPlainTextEdit*>(w);
}

} // namespace

EditGestures::EditGestures(QWidget* owner, Rom& rom, std::function<void()> undo,
                           std::function<void()> redo)
    : m_owner(owner), m_rom(rom), m_undo(std::move(undo)), m_redo(std::move(redo)) {
    qApp->installEventFilter(this);
}

EditGestures::~EditGestures() {
    endGesture();
}

bool EditGestures::ownedByEditor(const QWidget* widget) const {
    for (const QWidget* w = widget; w; w = w->parentWidget())
        if (w == m_owner) return true;
    return false;
}

bool EditGestures::eventFilter(QObject* watched, QEvent* event) {
    // Only widgets: the window-system window that receives an event first hands it on
    // to its widget, where it is seen again.
    if (!watched->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(watched);
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (undoRedoKey(widget, key)) return true;
        // A key pressed during a drag (Shift, Ctrl) belongs to the drag.
        if (m_kind != Kind::Mouse)
            shortGesture(widget, event,
                         isTextField(widget) ? reinterpret_cast<uintptr_t>(widget) : 0);
        break;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
        mouseEvent(widget, static_cast<QMouseEvent*>(event));
        break;
    case QEvent::Wheel:
    case QEvent::Drop:
        if (m_kind != Kind::Mouse) shortGesture(widget, event, 0);
        break;
    default:
        break;
    }
    return false;
}

bool EditGestures::undoRedoKey(QWidget* watched, QKeyEvent* event) {
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    const bool undo = event->key() == Qt::Key_Z && mods == Qt::ControlModifier;
    const bool redo =
        (event->key() == Qt::Key_Y && mods == Qt::ControlModifier) ||
        (event->key() == Qt::Key_Z && mods == (Qt::ControlModifier | Qt::ShiftModifier));
    if (!undo && !redo) return false;
    // A question box waiting for an answer keeps its keys.
    if (QApplication::activeModalWidget() || !ownedByEditor(watched)) return false;
    if (m_kind == Kind::Short) endGesture();
    if (undo)
        m_undo();
    else
        m_redo();
    return true;
}

void EditGestures::mouseEvent(QWidget* watched, QMouseEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        if (m_kind == Kind::Mouse && event->buttons() == Qt::NoButton) endGesture();
        return;
    }
    if (m_kind == Kind::Mouse) {
        // Another button pressed during the drag, or the same press passed on to a
        // parent widget: still the same gesture.
        const bool othersHeld = (event->buttons() & ~event->button()) != Qt::NoButton;
        const bool passedOn =
            event->timestamp() == m_timestamp && passedOnFrom(m_receiver, watched);
        if (othersHeld || passedOn) return;
    }
    endGesture(); // a gesture whose release never came (a box opened during it) ends here
    if (ToolWindow* window = toolWindowOf(watched); window && ownedByEditor(window)) {
        beginGesture(Kind::Mouse, watched, window, 0);
        m_timestamp = event->timestamp();
    }
}

void EditGestures::shortGesture(QWidget* watched, const QEvent* event, uint64_t mergeKey) {
    if (m_kind == Kind::Short && event == m_event && passedOnFrom(m_receiver, watched)) return;
    endGesture();
    ToolWindow* window = toolWindowOf(watched);
    if (!window || !ownedByEditor(window)) return;
    beginGesture(Kind::Short, watched, window, mergeKey);
    m_event = event;
    // Closed once the event has been handled and control is back in the event loop.
    const uint64_t serial = m_serial;
    QMetaObject::invokeMethod(
        this,
        [this, serial] {
            if (m_serial == serial) endGesture();
        },
        Qt::QueuedConnection);
}

void EditGestures::beginGesture(Kind kind, QWidget* receiver, ToolWindow* window,
                                uint64_t mergeKey) {
    ++m_serial;
    m_kind = kind;
    m_receiver = receiver;
    m_event = nullptr;
    m_rom.beginStep(window->windowTitle().toStdString() + " edit", mergeKey);
}

void EditGestures::endGesture() {
    if (m_kind == Kind::None) return;
    ++m_serial;
    m_kind = Kind::None;
    m_receiver = nullptr;
    m_event = nullptr;
    m_rom.endStep();
}

} // namespace orvane
