#pragma once

#include <QWidget>

namespace orvane {

struct Editor;
class Hub;
struct Selection;

// The refresh contract every tool window implements: the main window forwards each
// change, in a fixed order, to the shown windows through these methods. A window
// overrides the ones its content depends on; the rest do nothing.
class ToolWindow : public QWidget {
    Q_OBJECT
public:
    ToolWindow(Hub& hub, QWidget* parent = nullptr);

    virtual void Update() {}
    virtual void Update_Level() {}
    virtual void Update_BGPal(int /*upd*/) {}
    virtual void Update_Scrn() {}
    virtual void Update_Block(int /*block*/) {}
    virtual void Update_StrBlock(int /*str*/, int /*quarter*/) {}
    virtual void Update_ScrnStr(int /*strY*/, int /*strX*/) {}
    virtual void Update_Enemies(int /*screen*/) {}
    virtual void Update_Global_Pal() {}

    // The Structure Table's selection mark, moved by the Screen Editor's right-click pick.
    virtual void CurStrSet(int /*upd*/) {}

    // A colour was picked in the Palette Chart (Selection::PCColor) while this window was
    // the chart's receiver.
    virtual void PCEvent() {}

    // Shows again, with their bitmaps' current colour tables and no redraw, the pictures
    // that show background colours: the palette-animation tick's step for this window.
    virtual void showAnimatedPictures() {}

protected:
    // A status tip from a control (what lies under the pointer) goes to the main
    // window's status bar: a tool window has none of its own.
    bool event(QEvent* event) override;
    // Windows that share the main window's keys (F5..F9, Shift+letter) call this from
    // their keyPressEvent, or set forwardsKeys so the base class does it.
    void keyPressEvent(QKeyEvent* event) override;
    bool m_forwardsKeys = true;
    Hub& m_hub;
    Editor& m_ed;     // the hub's editor state
    Selection& m_sel; // and the user's choices
};

} // namespace orvane
