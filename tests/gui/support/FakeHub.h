#pragma once

#include <functional>

#include <QString>
#include <QStringList>

#include "core/app/Editor.h"
#include "gui/app/Hub.h"

namespace orvane {

// A main window stand-in for window tests: owns an Editor, keeps the configuration in
// ed.Config, and records instead of acting. `calls` lists every hub call that changes
// something, in order, with its arguments: "Update_Block(18)", "Update_BGPal(1,0)",
// "ReloadNESPAL", "setPaletteAnimationRunning(1)", "SetConfigNumber(palanim,1)",
// "Global_KeyDown(116,0)", "openWindow(PalChart)", "paletteEdited(Colours)". Configuration reads
// are not recorded. `messages` gets every message box text, the configuration's own included.
class FakeHub : public Hub {
public:
    Editor ed;
    QStringList calls;
    QStringList messages;
    bool paletteAnimationRunning = false;
    // Runs after each recorded call, for tests that need a call to do something.
    std::function<void(const QString& call)> onCall;

    // Puts ed.Config back to the given file contents ("palanim=#1;\r\n/\r\n").
    void setConfigFile(const QByteArray& bytes);
    // The configuration as the real hub would have written it.
    QByteArray configFile() const;

    Editor& editor() override { return ed; }
    void Global_KeyDown(int keyCode, int shift) override;
    void Update_Level() override { record("Update_Level"); }
    void Update_Scrn() override { record("Update_Scrn"); }
    void Update_Block(int block) override;
    void Update_StrBlock(int str, int quarter) override;
    void Update_ScrnStr(int strY, int strX) override;
    void Update_Enemies(int screen) override;
    void Update_BGPal(int upd, int animcl) override;
    void Update_Global_Pal() override { record("Update_Global_Pal"); }
    void SprCHRPALSetup() override { record("SprCHRPALSetup"); }
    void paletteEdited(PaletteChange change) override;
    void InitEffectLoad() override { record("InitEffectLoad"); }
    void ScrollEffectLoad(int section) override;
    void ReloadNESPAL() override { record("ReloadNESPAL"); }
    void GetMMCols() override { record("GetMMCols"); }
    void setPaletteAnimationRunning(bool on) override;
    ToolWindow* shownWindow(WindowId) override { return nullptr; }
    void openWindow(WindowId id) override;
    QString GetConfigText(const QString& key) override;
    double GetConfigNumber(const QString& key) override;
    void SetConfigText(const QString& key, const QString& value) override;
    void SetConfigNumber(const QString& key, double value) override;
    void message(const QString& text) override { messages << text; }

    // Name of a window as used in the "openWindow(...)" record.
    static QString windowName(WindowId id);

private:
    void record(const QString& call);
};

} // namespace orvane
