#pragma once

#include <QWidget>

namespace orvane {

class Hub;

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

    // A colour was picked in the Palette Chart (Editor::PCColor) while this window was
    // the chart's receiver.
    virtual void PCEvent() {}

    // Shows the picture backed by editor bitmap `bitmapId` again with its current colour
    // table (no redraw): the palette-animation tick's per-picture step.
    virtual void showPicture(int /*bitmapId*/) {}

protected:
    // Windows that share the main window's keys (F5..F9, Shift+letter) call this from
    // their keyPressEvent, or set forwardsKeys so the base class does it.
    void keyPressEvent(QKeyEvent* event) override;
    bool m_forwardsKeys = true;
    Hub& m_hub;
};

} // namespace orvane
