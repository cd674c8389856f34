#pragma once

#include <QObject>

class QLineEdit;
class QScrollBar;
class QWidget;

namespace orvane {

struct Editor;
class Hub;
class SpinButton;

// The controls that choose the screen on view and edit its preset, at the same places in
// the Screen Editor and the Enemy Editor: `CurScrnTB` and the scroll bar `ScrnScroll`
// beside it, the "Screen Preset:" label `Label1`, `ScrnPresUD` and `ScrnPresTB`. A new
// screen goes through the main window's Update_Scrn, so every window follows; a preset
// edit is a core edit handed to the hub.
class ScreenChoice : public QObject {
    Q_OBJECT
public:
    // Makes the controls as children of `window`.
    ScreenChoice(QWidget* window, Hub& hub);

    // The bar's range, 0 to the level's last screen, set quietly.
    void setScreenRange();
    // The bar at the current screen, set quietly.
    void moveBar();
    // The screen and preset fields from the editor, set quietly.
    void showFields();

    QScrollBar* bar() const { return m_scrnScroll; }

    // What the screen picture of both windows shows at pixel (x, y): the cell's row and
    // column and the structure in it.
    QString cellHoverText(int x, int y) const;

private:
    void ScrnScroll_Change();
    void CurScrnTB_Change();
    void ScrnPresTB_Change();
    void ScrnPresUD_Step(int delta);

    Hub& m_hub;
    Editor& m_ed;
    QLineEdit* m_curScrnTB = nullptr;
    QScrollBar* m_scrnScroll = nullptr;
    SpinButton* m_scrnPresUD = nullptr;
    QLineEdit* m_scrnPresTB = nullptr;
};

} // namespace orvane
