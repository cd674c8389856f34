#pragma once

#include <QList>
#include <QRect>

#include "gui/app/WindowFactory.h"

class QSettings;
class QWidget;

namespace orvane {

// Where the windows go on the desktop. A tool window opened for the first time takes the
// place it had when it was last closed, or else a free place beside the main window; the
// main window's place, every tool window's place and which tool windows were open at the
// last exit are kept in QSettings between runs. A kept place that no longer fits the
// screen (another desktop size, a screen unplugged) is moved back onto it.
class WindowPlaces {
public:
    explicit WindowPlaces(QWidget* mainWindow) : m_main(mainWindow) {}

    // Where places are kept; nullptr (the default) keeps nothing between runs.
    void keepIn(QSettings* settings) { m_settings = settings; }

    // The main window at its kept place (at first the screen's top-left corner), before
    // it is shown.
    void placeMainWindow();
    // A new tool window, before it is shown, where `shownFrames` are the frames of the
    // tool windows on the screen.
    void placeToolWindow(WindowId id, QWidget* window, const QList<QRect>& shownFrames);
    // Keeps a window's place and whether it is open.
    void keep(WindowId id, const QWidget* window, bool open);
    void keepMainWindow();
    bool wasOpen(WindowId id) const;

private:
    // The window's frame with its top-left corner at `topLeft`, `frameExtra` thicker
    // than the window (by default as thick as the main window's frame).
    QRect frameAt(const QWidget* window, QPoint topLeft, QSize frameExtra = QSize()) const;
    QRect availableArea(const QRect& frame) const;
    // Moves and, when it may be resized, sizes `window` to its kept place; false when
    // no place was kept.
    bool restore(const QString& key, QWidget* window) const;
    void store(const QString& key, const QWidget* window) const;

    QWidget* m_main;
    QSettings* m_settings = nullptr;
};

// `frame` moved (not resized) the least distance that puts it inside `area`; a frame
// larger than the area keeps its top-left corner in the area's.
QRect movedOnto(const QRect& frame, const QRect& area);

// The top-left corner for a new frame of `size` in `area`: the place that covers the
// least of the main window's frame and the `taken` frames, among the places beside the
// main window and beside or under the taken frames; of equally good places, the one
// nearest the main window's top-right corner, then the highest, then the leftmost.
QPoint freePlace(QSize size, const QRect& mainFrame, const QList<QRect>& taken, const QRect& area);

} // namespace orvane
