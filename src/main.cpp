// Orvane: read the command line, build the main window, run.
#include <QApplication>
#include <QSettings>

#include "gui/app/CommandLine.h"
#include "gui/app/Orvane_Main.h"

int main(int argc, char* argv[]) {
    // Help, a wrong option and the jobs that need no window end here, before the window
    // system is asked for a display.
    orvane::StartupOptions options;
    if (const auto status = orvane::handleCommandLine(argc, argv, options)) return *status;

    QApplication app(argc, argv);
    QApplication::setOrganizationName("Orvane");
    QApplication::setApplicationName("Orvane");
    QApplication::setApplicationVersion("0.3");

    // Where the windows were and which were open, from the last run.
    QSettings places;
    orvane::Orvane_Main window(options);
    window.keepWindowPlaces(&places);
    if (!window.startUp()) return window.exitCode();
    window.showWithWindows();
    return app.exec();
}
