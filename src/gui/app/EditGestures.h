#pragma once

#include <QObject>
#include <QPointer>
#include <cstdint>
#include <functional>

class QKeyEvent;
class QMouseEvent;
class QWidget;

namespace orvane {

class Rom;
class ToolWindow;

// Makes each user gesture in a tool window one step of the edit history, whatever the
// window does with it: an application-wide event filter opens a step named after the
// tool window ("Screen Editor edit") when a mouse button goes down there and closes it
// when the last button comes up, so a press with its drag and release (a paint stroke, a
// spin-button click, a list click) is one step; a key press, a wheel turn or a drop is
// one step of its own, closed once the event has been handled. Keystrokes typed one after
// another into the same text field are merged into one step. Menu commands of the main
// window open their own steps.
//
// It also takes Ctrl+Z (undo) and Ctrl+Y or Ctrl+Shift+Z (redo) in every window of the
// editor before any widget sees them, so a text field never undoes its own text behind
// the history's back.
class EditGestures : public QObject {
    Q_OBJECT
public:
    // `owner` is the main window: only it and the windows it owns are watched.
    EditGestures(QWidget* owner, Rom& rom, std::function<void()> undo, std::function<void()> redo);
    ~EditGestures() override;

    // Closes the open gesture's step, if any.
    void endGesture();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Kind { None, Mouse, Short };

    bool ownedByEditor(const QWidget* widget) const;
    bool undoRedoKey(QWidget* watched, QKeyEvent* event);
    void mouseEvent(QWidget* watched, QMouseEvent* event);
    void shortGesture(QWidget* watched, const QEvent* event, uint64_t mergeKey);
    void beginGesture(Kind kind, QWidget* receiver, ToolWindow* window, uint64_t mergeKey);

    QWidget* m_owner;
    Rom& m_rom;
    std::function<void()> m_undo;
    std::function<void()> m_redo;

    Kind m_kind = Kind::None;
    // Where the open gesture's event arrived first: the same event passed on to a parent
    // widget belongs to the same gesture.
    QPointer<QWidget> m_receiver;
    const QEvent* m_event = nullptr;
    quint64 m_timestamp = 0;
    uint64_t m_serial = 0; // counts gestures, so a late close cannot end a newer one
};

} // namespace orvane
