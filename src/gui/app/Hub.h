#pragma once

#include <QString>

#include "core/level/Change.h"
#include "gui/app/WindowFactory.h"

namespace orvane {

struct Editor;
struct Selection;
class ToolWindow;

// What the tool windows may ask of the main window: the shared editor state and the
// user's choices, the refresh chain, the shared keys, configuration access and user
// messages. The main window implements it; tests may implement it with a recording
// stand-in.
class Hub {
public:
    virtual ~Hub() = default;

    virtual Editor& editor() = 0;
    virtual Selection& selection() = 0;

    // Keys shared by every forwarding window (F5..F9, Shift+letter).
    virtual void Global_KeyDown(int keyCode, int shift) = 0;

    // Every gesture of a window ends here with what its core call changed; the refresh
    // that follows is picked from it (Update_Block after a block, Update_Scrn after the
    // screen, ...). The window that made the edit has redrawn itself already.
    virtual void changed(const Change& change);

    // Refresh chain: each forwards to the shown windows in a fixed order.
    virtual void Update_Level() = 0;
    virtual void Update_Scrn() = 0;
    virtual void Update_Block(int block) = 0;
    virtual void Update_StrBlock(int str, int quarter) = 0;
    virtual void Update_ScrnStr(int strY, int strX) = 0;
    // The enemies of `screen` changed (only the Level Map shows them outside the Enemy
    // Editor).
    virtual void Update_Enemies(int screen) = 0;
    virtual void Update_BGPal(int upd, int animcl) = 0;
    virtual void Update_Global_Pal() = 0;
    // Colour slots were rewritten in place (a palette colour edit): Update_Global_Pal,
    // then the shown windows' Update_BGPal(1). Nothing is reloaded, so colours set by the
    // palette animation or by palette objects stay until they are next written.
    virtual void refreshColours() = 0;
    virtual void SprCHRPALSetup() = 0;
    virtual void InitEffectLoad() = 0;
    virtual void ScrollEffectLoad(int section) = 0;

    // Colours: read the palette file again and rebuild the game colours.
    virtual void ReloadNESPAL() = 0;
    virtual void GetMMCols() = 0;
    virtual void setPaletteAnimationRunning(bool on) = 0;

    // The window if it exists and is shown, else nullptr (for the few places where one
    // window calls another's named method, such as the Structure Table's mark).
    virtual ToolWindow* shownWindow(WindowId id) = 0;
    // Open a tool window: create it if needed, run its Update, show it, raise it.
    virtual void openWindow(WindowId id) = 0;

    // Configuration with the user-facing messages of a missing key. SetConfig rewrites
    // the configuration file at once.
    virtual QString GetConfigText(const QString& key) = 0;
    virtual double GetConfigNumber(const QString& key) = 0;
    virtual void SetConfigText(const QString& key, const QString& value) = 0;
    virtual void SetConfigNumber(const QString& key, double value) = 0;

    // What lies under the pointer in a tool window's picture, for the status bar ("" when
    // the pointer left it).
    virtual void showHover(const QString& /*text*/) {}

    // A plain message box with an OK button (recorded instead of shown under tests).
    virtual void message(const QString& text) = 0;
};

} // namespace orvane
