#pragma once

// What window tests drive windows with: a recording stand-in for the main window, the real
// main window on a private copy of the demo bundle, and the pointer's gestures.

#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <memory>

#include "gui/app/Hub.h"
#include "gui/app/Selection.h"
#include "gui/app/StartupOptions.h"
#include "gui/app/ToolWindow.h"
#include "support/TestLevel.h"

namespace orvane {

class Orvane_Main;

// A main window stand-in over the made-up level of a game: records every call that changes
// something, in order, with its arguments ("Update_Block(18)", "Update_BGPal(1,0)",
// "Global_KeyDown(116,0)"); `messages` gets every message box text. It has no
// configuration: window tests that need one use the real main window.
class FakeHub : public Hub {
public:
    explicit FakeHub(int mode = kMM3) : ed(testing::tableLevel(mode)) {}
    Editor ed;
    Selection sel;
    QStringList calls;
    QStringList messages;
    ToolWindow* strTable = nullptr;                  // what shownWindow(StrTable) answers
    std::function<void(const QString& call)> onCall; // runs after each recorded call

    Editor& editor() override { return ed; }
    Selection& selection() override { return sel; }
    void Global_KeyDown(int key, int shift) override { rec("Global_KeyDown", key, shift); }
    void Update_Level() override { rec("Update_Level"); }
    void Update_Scrn() override { rec("Update_Scrn"); }
    void Update_Block(int b) override { rec("Update_Block", b); }
    void Update_StrBlock(int s, int q) override { rec("Update_StrBlock", s, q); }
    void Update_ScrnStr(int y, int x) override { rec("Update_ScrnStr", y, x); }
    void Update_Enemies(int screen) override { rec("Update_Enemies", screen); }
    void Update_BGPal(int upd, int animcl) override { rec("Update_BGPal", upd, animcl); }
    void Update_Global_Pal() override { rec("Update_Global_Pal"); }
    void SprCHRPALSetup() override { rec("SprCHRPALSetup"); }
    void refreshColours() override { rec("refreshColours"); }
    void InitEffectLoad() override { rec("InitEffectLoad"); }
    void ScrollEffectLoad(int section) override { rec("ScrollEffectLoad", section); }
    void ReloadNESPAL() override { rec("ReloadNESPAL"); }
    void GetMMCols() override { rec("GetMMCols"); }
    void setPaletteAnimationRunning(bool on) override { rec("setPaletteAnimationRunning", on); }
    ToolWindow* shownWindow(WindowId id) override {
        return id == WindowId::StrTable ? strTable : nullptr;
    }
    void openWindow(WindowId id) override { rec("openWindow", int(id)); }
    QString GetConfigText(const QString&) override { return QString(); }
    double GetConfigNumber(const QString&) override { return 0; }
    void SetConfigText(const QString& key, const QString&) override { calls << "Set " + key; }
    void SetConfigNumber(const QString& key, double) override { calls << "Set " + key; }
    void message(const QString& text) override { messages << text; }

private:
    void rec(const QString& name, int a = -1, int b = -1);
};

// A tool window that records every refresh it gets as "NAME.Update_Block(7)" in `log`.
class RecordingWindow : public ToolWindow {
public:
    RecordingWindow(Hub& hub, QWidget* parent, QString name, QStringList& log)
        : ToolWindow(hub, parent), m_name(std::move(name)), m_log(log) {}
    void Update() override { rec("Update"); }
    void Update_Level() override { rec("Update_Level"); }
    void Update_BGPal(int upd) override { rec("Update_BGPal", upd); }
    void Update_Scrn() override { rec("Update_Scrn"); }
    void Update_Block(int b) override { rec("Update_Block", b); }
    void Update_StrBlock(int s, int q) override { rec("Update_StrBlock", s, q); }
    void Update_ScrnStr(int y, int x) override { rec("Update_ScrnStr", y, x); }
    void Update_Enemies(int screen) override { rec("Update_Enemies", screen); }
    void Update_Global_Pal() override { rec("Update_Global_Pal"); }
    void CurStrSet(int upd) override { rec("CurStrSet", upd); }
    void showAnimatedPictures() override { rec("showAnimatedPictures"); }

private:
    void rec(const QString& what, int a = -1, int b = -1);
    QString m_name;
    QStringList& m_log;
};
// The name of a tool window as recordings and object names spell it: "TSATable".
QString windowName(WindowId id);

// A private copy of the demo bundle (configuration, resource data, palette and the demo
// ROM of one game) in a temporary folder, so a test may save, dump and rewrite there.
class DemoHome {
public:
    explicit DemoHome(const QString& mode);
    bool isValid() const { return m_dir.isValid(); }
    QString path(const QString& name) const { return m_dir.filePath(name); }
    QString romPath() const { return path(m_mode + "-demo.nes"); }
    StartupOptions options() const;
    QByteArray read(const QString& name) const;
    void write(const QString& name, const QByteArray& bytes);

private:
    QTemporaryDir m_dir;
    QString m_mode;
};

// The real main window started on a DemoHome, its messages recorded, the palette
// animation stopped so that pictures hold still. `main` is null when start-up failed.
struct StartedMain {
    // `prepare` may change the bundle and the options before start-up.
    explicit StartedMain(const QString& mode,
                         const std::function<void(DemoHome&, StartupOptions&)>& prepare = {});
    ~StartedMain();
    DemoHome home;
    QStringList messages;
    std::unique_ptr<Orvane_Main> main;
    int exitCode = 0;
    bool animating = false; // the palette animation ran after start-up
};

// Pointer gestures on a widget, positions in its own pixels (they may lie outside it).
void press(QWidget* w, Qt::MouseButton button, QPoint at);
void release(QWidget* w, Qt::MouseButton button, QPoint at);
void dragTo(QWidget* w, Qt::MouseButtons held, QPoint at);
// A named child control; the test program stops at once when there is none.
template <class T> T* child(const QObject* w, const char* name) {
    T* c = w->findChild<T*>(name);
    if (!c) qFatal("no control %s", name);
    return c;
}

} // namespace orvane
