#pragma once

#include <QCommandLineOption>
#include <QList>
#include <QString>

#include "gui/app/StartupOptions.h"

class QCommandLineParser;

namespace orvane {

// What a command-line job is given: the ROM it works on, its own option's value, the file
// it writes, the start-up answers (mode, home) and the parser for options only it reads.
struct JobRequest {
    QString rom;
    QString value;
    QString out;
    StartupOptions startup;
    const QCommandLineParser& parser;
};

// One line for the user: the file written and its size, or what went wrong and where.
struct JobResult {
    bool ok = false;
    QString line;
};

// A job the program runs from the command line without a window:
// `orvane --rom ROM --<option> VALUE --out FILE`. A new job is one more entry in
// commandLineJobs().
struct CommandLineJob {
    QString option;
    QString valueName;
    QString description;
    bool needsMode = false;               // jobs that read the resource data need --mode
    QList<QCommandLineOption> ownOptions; // extra options only this job reads
    JobResult (*run)(const JobRequest&) = nullptr;
};

const QList<CommandLineJob>& commandLineJobs();

} // namespace orvane
