#pragma once

#include <optional>

#include "gui/app/StartupOptions.h"

namespace orvane {

// Reads the command line before any window system is touched, so that --help, a wrong
// option and the jobs that need no window (commandLineJobs()) work without a display.
// Returns the exit status when the command line has been answered; nothing when the
// editor is to start, with `options` holding the start-up answers given.
std::optional<int> handleCommandLine(int argc, char* argv[], StartupOptions& options);

} // namespace orvane
