#pragma once

#include <QWidget>

#include "gui/app/Hub.h"

namespace orvane {

class ToolWindow;

// Creates the tool window `id` for the main window, or returns nullptr when this build
// has no such window yet.
ToolWindow* createToolWindow(WindowId id, Hub& hub, QWidget* parent);
bool toolWindowIsBuilt(WindowId id);

} // namespace orvane
