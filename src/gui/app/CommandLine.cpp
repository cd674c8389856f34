#include "gui/app/CommandLine.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QStringList>
#include <cstdio>

#include "gui/app/CommandLineJobs.h"

namespace orvane {

namespace {

int usageError(const QString& text) {
    std::fprintf(stderr, "orvane: %s\n", qPrintable(text));
    return 2;
}

} // namespace

std::optional<int> handleCommandLine(int argc, char* argv[], StartupOptions& options) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Level editor for NES ROM images. Each of --mode, --rom and --home answers one "
        "start-up question, so its box is not shown. A job (an option that names its --out "
        "file) runs with no window and ends.");
    const QCommandLineOption help({"h", "help"}, "Show this help.");
    const QCommandLineOption mode("mode", "Editing mode: mm3, mm4 or mm5.", "mode");
    const QCommandLineOption rom("rom", "The ROM file to open.", "path");
    const QCommandLineOption home("home",
                                  "Folder used in place of the program's own for orvane.cfg, the "
                                  "resource data file, backup.rom and orvane.pad.",
                                  "dir");
    const QCommandLineOption out("out", "The file a job writes.", "file");
    parser.addOptions({help, mode, rom, home, out});
    QList<QCommandLineOption> jobOptions;
    for (const CommandLineJob& job : commandLineJobs()) {
        jobOptions << QCommandLineOption(job.option, job.description, job.valueName);
        parser.addOption(jobOptions.last());
        parser.addOptions(job.ownOptions);
    }

    if (!parser.parse(arguments)) return usageError(parser.errorText());
    if (parser.isSet(help)) {
        // With no application object yet, Qt cannot name the program in the usage line.
        const QString name = QFileInfo(arguments.value(0, "orvane")).fileName();
        std::fputs(qPrintable(parser.helpText().replace("<executable_name>", name)), stdout);
        return 0;
    }
    if (parser.isSet(mode)) {
        // A script that names a game it does not mean must not silently edit as mm3.
        const QString m = parser.value(mode).toLower();
        if (m != "mm3" && m != "mm4" && m != "mm5")
            return usageError("--mode must be mm3, mm4 or mm5, not \"" + parser.value(mode) + "\"");
        options.mode = m;
    }
    if (parser.isSet(rom)) options.rom = parser.value(rom);
    if (parser.isSet(home)) options.home = parser.value(home);

    const CommandLineJob* chosen = nullptr;
    for (qsizetype i = 0; i < jobOptions.size(); ++i) {
        if (!parser.isSet(jobOptions[i])) continue;
        if (chosen)
            return usageError("--" + chosen->option + " and --" + commandLineJobs()[i].option +
                              " cannot run together");
        chosen = &commandLineJobs()[i];
    }
    if (!chosen) {
        if (parser.isSet(out))
            return usageError("--out names the file a job writes; no job was given");
        return std::nullopt; // the editor starts
    }
    const QString name = "--" + chosen->option;
    if (!options.rom) return usageError(name + " needs --rom ROM");
    if (!parser.isSet(out)) return usageError(name + " needs --out FILE");
    if (chosen->needsMode && !options.mode) return usageError(name + " needs --mode mm3|mm4|mm5");

    const JobResult result = chosen->run(
        {*options.rom, parser.value(chosen->option), parser.value(out), options, parser});
    std::fprintf(result.ok ? stdout : stderr, "%s\n", qPrintable(result.line));
    return result.ok ? 0 : 1;
}

} // namespace orvane
