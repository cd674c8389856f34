#pragma once

#include <QStatusBar>

class QLabel;

namespace orvane {

// The main window's status bar: where the user is (ROM file, game, level, screen) on the
// right, before it what lies under the pointer in a tool window, and for a few seconds
// what just happened on the left.
class EditorStatusBar : public QStatusBar {
    Q_OBJECT
public:
    explicit EditorStatusBar(QWidget* parent = nullptr);

    void showDocument(const QString& fileName, int editMode);
    // `level` and `lastLevel` as the editor counts them (from 0); shown counted from 1.
    void showPlace(int level, int lastLevel, int screen);
    // The last event, shown for a few seconds.
    void announce(const QString& text);
    // What lies under the pointer in a tool window's picture ("" clears it).
    void showHover(const QString& text);

private:
    QLabel* m_hover = nullptr;
    QLabel* m_file = nullptr;
    QLabel* m_game = nullptr;
    QLabel* m_level = nullptr;
    QLabel* m_screen = nullptr;
};

} // namespace orvane
