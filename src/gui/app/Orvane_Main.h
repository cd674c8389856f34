#pragma once

#include <QMainWindow>
#include <QMessageBox>
#include <QPointer>
#include <array>
#include <functional>
#include <memory>

#include "core/app/Editor.h"
#include "gui/app/Hub.h"
#include "gui/app/Selection.h"
#include "gui/app/StartupOptions.h"
#include "gui/app/WindowPlaces.h"

class QAction;
class QPlainTextEdit;
class QPushButton;
class QSettings;
class QTimer;

namespace orvane {

class EditGestures;
class EditorStatusBar;
class ToolWindow;

// The main window: start-up, the log, the menus and function keys, and the hub through
// which every tool window reaches the editor state and the refresh chain.
class Orvane_Main : public QMainWindow, public Hub {
    Q_OBJECT
public:
    explicit Orvane_Main(StartupOptions options, QWidget* parent = nullptr);
    ~Orvane_Main() override;

    // Runs the start-up sequence. False when the program must end: `exitCode()` is then
    // 0 for a cancelled ROM dialog and non-zero for an error already reported.
    bool startUp();
    int exitCode() const { return m_exitCode; }

    // Messages go to a box with an OK button; tests replace the sink to record them.
    void setMessageSink(std::function<void(const QString&)> sink) {
        m_messageSink = std::move(sink);
    }

    // The exit question ("Save changes to FILE?") goes to a box with Save, Discard and
    // Cancel; tests and scripts may answer it instead.
    using QuestionSink = std::function<QMessageBox::StandardButton(const QString&)>;
    void setQuestionSink(QuestionSink sink) { m_questionSink = std::move(sink); }

    // Window places and the open tool windows are kept between runs in `settings`
    // (main() passes the user's settings; without them nothing is kept).
    void keepWindowPlaces(QSettings* settings) { m_places.keepIn(settings); }
    // After start-up: shows the main window at its kept place and opens again the tool
    // windows that were open at the last exit.
    void showWithWindows();

    // The log's text, one line per entry.
    QStringList logLines() const;
    QTimer* paletteTimer() const { return m_palAnimT; }

    // ---- menu commands ----
    // True when the ROM file was written.
    bool File_Save();
    void File_Back();
    void File_CreatePatch();
    void File_ApplyPatch();
    void Tools_Test();
    void Level_Next();
    void Level_Previous();
    void File_Exit();
    void Edit_Undo();
    void Edit_Redo();
    void File_ExportMap();

    // ---- Hub ----
    Editor& editor() override { return m_ed; }
    Selection& selection() override { return m_selection; }
    void Global_KeyDown(int keyCode, int shift) override;
    void Update_Level() override;
    void Update_Scrn() override;
    void Update_Block(int block) override;
    void Update_StrBlock(int str, int quarter) override;
    void Update_ScrnStr(int strY, int strX) override;
    void Update_Enemies(int screen) override;
    void Update_BGPal(int upd, int animcl) override;
    void Update_Global_Pal() override;
    void SprCHRPALSetup() override;
    void refreshColours() override;
    void InitEffectLoad() override;
    void ScrollEffectLoad(int section) override;
    void ReloadNESPAL() override;
    void GetMMCols() override;
    void setPaletteAnimationRunning(bool on) override;
    ToolWindow* shownWindow(WindowId id) override;
    ToolWindow* existingWindow(WindowId id);
    void openWindow(WindowId id) override;
    QString GetConfigText(const QString& key) override;
    double GetConfigNumber(const QString& key) override;
    void SetConfigText(const QString& key, const QString& value) override;
    void SetConfigNumber(const QString& key, double value) override;
    void message(const QString& text) override;
    void showHover(const QString& text) override;

    // The palette-animation timer's tick; true when a frame advanced and pictures were shown.
    bool paletteAnimationTick();

    // True for the tool windows this build provides.
    static bool windowIsBuilt(WindowId id);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // Keeps the place of a tool window the user closes.
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Makes the tool window `id` (nullptr when the build has none); tests substitute
    // windows that record what reaches them.
    virtual ToolWindow* makeWindow(WindowId id);

private:
    void buildMenus();
    void log(const QString& line);
    bool fail(const QString& text, int code = 1);
    QString homePath(const QString& name) const;
    bool loadConfig();
    bool askEditMode();
    bool pickRom();
    bool assembleResources();
    bool readRom();
    void closeToolWindows();
    void keepWindowPlacesAtExit();
    void showDumpRes();
    ToolWindow* createWindow(WindowId id);
    void writeConfig();
    // Update_Scrn; a level load has the section's palette record loaded whatever the
    // section's palette byte says.
    void refreshScreen(bool levelLoad);
    void refreshBackgroundPalette(int upd, int animcl, bool levelLoad);
    QString romFileName() const;
    // Caption mark and Edit menu after every change of the history.
    void historyChanged();
    // Shows the restored bytes everywhere after an undo or redo.
    void refreshAfterHistory();
    // The exit question, when there are unsaved edits; false keeps the program running.
    bool mayClose();

    Editor m_ed;
    Selection m_selection;
    StartupOptions m_options;
    QString m_home;
    int m_exitCode = 0;
    std::function<void(const QString&)> m_messageSink;
    QuestionSink m_questionSink;

    QPlainTextEdit* m_log = nullptr;
    QPushButton* m_dumpResButton = nullptr;
    QTimer* m_palAnimT = nullptr;
    QAction* m_undoAction = nullptr;
    QAction* m_redoAction = nullptr;
    EditorStatusBar* m_status = nullptr;
    std::array<QPointer<ToolWindow>, kWindowCount> m_windows;
    WindowPlaces m_places{this};
    // Declared after m_ed: it closes an open step in the image when it goes.
    std::unique_ptr<EditGestures> m_gestures;
};

} // namespace orvane
