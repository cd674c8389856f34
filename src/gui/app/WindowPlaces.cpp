#include "gui/app/WindowPlaces.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QWidget>
#include <algorithm>
#include <climits>
#include <cstdlib>
#include <tuple>

namespace orvane {

namespace {

int64_t coveredArea(const QRect& frame, const QRect& other) {
    const QRect both = frame.intersected(other);
    return both.isEmpty() ? 0 : int64_t(both.width()) * both.height();
}

QString keyOf(WindowId id) {
    return QString("windows/") + toolWindowName(id);
}

constexpr const char* kMainKey = "windows/Orvane_Main";

} // namespace

QRect movedOnto(const QRect& frame, const QRect& area) {
    auto along = [](int start, int length, int areaStart, int areaLength) {
        if (length >= areaLength) return areaStart;
        return std::clamp(start, areaStart, areaStart + areaLength - length);
    };
    return QRect(QPoint(along(frame.x(), frame.width(), area.x(), area.width()),
                        along(frame.y(), frame.height(), area.y(), area.height())),
                 frame.size());
}

QPoint freePlace(QSize size, const QRect& mainFrame, const QList<QRect>& taken, const QRect& area) {
    QList<int> xs{mainFrame.right() + 1, mainFrame.left() - size.width(), area.left()};
    QList<int> ys{mainFrame.top(), mainFrame.bottom() + 1, area.top()};
    for (const QRect& t : taken) {
        xs << t.right() + 1 << t.left();
        ys << t.bottom() + 1 << t.top();
    }
    const QPoint anchor(mainFrame.right() + 1, mainFrame.top());
    QPoint best = movedOnto(QRect(anchor, size), area).topLeft();
    std::tuple<int64_t, int, int, int> bestScore{INT64_MAX, INT_MAX, INT_MAX, INT_MAX};
    for (int y : ys)
        for (int x : xs) {
            const QRect frame = movedOnto(QRect(QPoint(x, y), size), area);
            int64_t covered = coveredArea(frame, mainFrame);
            for (const QRect& t : taken)
                covered += coveredArea(frame, t);
            const int distance = (frame.topLeft() - anchor).manhattanLength();
            const std::tuple<int64_t, int, int, int> score{covered, distance, frame.y(), frame.x()};
            if (score < bestScore) {
                bestScore = score;
                best = frame.topLeft();
            }
        }
    return best;
}

QRect WindowPlaces::frameAt(const QWidget* window, QPoint topLeft, QSize frameExtra) const {
    // A window never shown has no frame yet, and one without a fixed size takes its
    // size from its layout when shown.
    const QSize client =
        window->testAttribute(Qt::WA_Resized) ? window->size() : window->sizeHint();
    if (!frameExtra.isValid()) frameExtra = m_main->frameGeometry().size() - m_main->size();
    return QRect(topLeft, client + frameExtra);
}

QRect WindowPlaces::availableArea(const QRect& frame) const {
    const QScreen* screen = QGuiApplication::screenAt(frame.center());
    if (!screen) screen = m_main->screen();
    return screen ? screen->availableGeometry() : frame;
}

void WindowPlaces::placeMainWindow() {
    // At first the top-left corner, which leaves the rest of the screen to the tool
    // windows beside it.
    if (!restore(kMainKey, m_main)) m_main->move(availableArea(m_main->frameGeometry()).topLeft());
}

void WindowPlaces::placeToolWindow(WindowId id, QWidget* window, const QList<QRect>& shownFrames) {
    if (restore(keyOf(id), window)) return;
    const QRect mainFrame = m_main->frameGeometry();
    const QSize size = frameAt(window, QPoint()).size();
    window->move(freePlace(size, mainFrame, shownFrames, availableArea(mainFrame)));
}

bool WindowPlaces::restore(const QString& key, QWidget* window) const {
    if (!m_settings) return false;
    const QVariant pos = m_settings->value(key + "/pos");
    if (!pos.canConvert<QPoint>()) return false;
    const QSize size = m_settings->value(key + "/size").toSize();
    const bool resizable = window->minimumSize() != window->maximumSize();
    if (resizable && size.isValid()) window->resize(size);
    // How thick the frame was: at start-up the window manager may not have framed the
    // main window yet, so its frame tells nothing then.
    const QSize frame = m_settings->value(key + "/frame").toSize();
    const QSize extra = frame.isValid() && size.isValid() ? frame - size : QSize();
    const QRect frameRect = frameAt(window, pos.toPoint(), extra);
    window->move(movedOnto(frameRect, availableArea(frameRect)).topLeft());
    return true;
}

void WindowPlaces::store(const QString& key, const QWidget* window) const {
    m_settings->setValue(key + "/pos", window->pos());
    m_settings->setValue(key + "/size", window->size());
    m_settings->setValue(key + "/frame", window->frameGeometry().size());
}

void WindowPlaces::keep(WindowId id, const QWidget* window, bool open) {
    if (!m_settings) return;
    if (window) store(keyOf(id), window);
    m_settings->setValue(keyOf(id) + "/open", open);
}

void WindowPlaces::keepMainWindow() {
    if (m_settings) store(kMainKey, m_main);
}

bool WindowPlaces::wasOpen(WindowId id) const {
    return m_settings && m_settings->value(keyOf(id) + "/open").toBool();
}

} // namespace orvane
