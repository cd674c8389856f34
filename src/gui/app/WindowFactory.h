#pragma once

#include <QWidget>

namespace orvane {

class Hub;
class ToolWindow;

// The tool windows of the editor, one instance each.
enum class WindowId {
    PalEd,
    TileTable,
    TSATable,
    StrTable,
    ScreenEd,
    EnemEd,
    MiscEd,
    Config,
    DumpRes,
    PalChart,
    LevelMap,
};
constexpr int kWindowCount = static_cast<int>(WindowId::LevelMap) + 1;

// Creates the tool window `id` for the main window, or returns nullptr when this build
// has no such window yet.
ToolWindow* createToolWindow(WindowId id, Hub& hub, QWidget* parent);
bool toolWindowIsBuilt(WindowId id);
// The window's name ("TSATable"), under which its place is kept between runs.
const char* toolWindowName(WindowId id);

} // namespace orvane
