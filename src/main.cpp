// Orvane: parse the command line, build the main window, run.
#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>

#include "gui/app/Orvane_Main.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Orvane");
    QApplication::setApplicationVersion("0.3");

    QCommandLineParser parser;
    parser.setApplicationDescription("Level editor for NES ROM images. Each option answers one "
                                     "start-up question, so its box is not shown.");
    parser.addHelpOption();
    const QCommandLineOption mode("mode", "Editing mode: mm3, mm4 or mm5.", "mode");
    const QCommandLineOption rom("rom", "The ROM file to open.", "path");
    const QCommandLineOption home("home",
                                  "Folder used in place of the program's own for orvane.cfg, the "
                                  "resource data file, backup.rom "
                                  "and orvane.pad.",
                                  "dir");
    parser.addOptions({mode, rom, home});
    parser.process(app);

    orvane::StartupOptions options;
    if (parser.isSet(mode)) {
        // A script that names a game it does not mean must not silently edit as mm3.
        const QString m = parser.value(mode).toLower();
        if (m != "mm3" && m != "mm4" && m != "mm5") {
            fprintf(stderr, "orvane: --mode must be mm3, mm4 or mm5, not \"%s\"\n",
                    qPrintable(parser.value(mode)));
            return 2;
        }
        options.mode = m;
    }
    if (parser.isSet(rom)) options.rom = parser.value(rom);
    if (parser.isSet(home)) options.home = parser.value(home);

    orvane::Orvane_Main window(options);
    if (!window.startUp()) return window.exitCode();
    window.show();
    window.activateWindow();
    return app.exec();
}
