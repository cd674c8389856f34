#include "gui/app/CommandLineJobs.h"

#include <QCommandLineParser>

#include "gui/mapedit/LevelMapExport.h"

namespace orvane {

namespace {

const QCommandLineOption kEnemies("enemies", "--export-map: draw the enemies on the map.");
const QCommandLineOption kScale("scale", "--export-map: draw each pixel as N x N (1 to 8).", "N");

JobResult exportMapJob(const JobRequest& job) {
    MapExportRequest request;
    request.mode = job.startup.mode.value_or(QString());
    request.rom = job.rom;
    request.home = job.startup.home.value_or(QString());
    request.level = job.value;
    request.out = job.out;
    request.enemies = job.parser.isSet(kEnemies);
    if (job.parser.isSet(kScale)) request.scale = job.parser.value(kScale);
    const MapExportResult result = exportLevelMap(request);
    return {result.ok, result.line};
}

} // namespace

const QList<CommandLineJob>& commandLineJobs() {
    static const QList<CommandLineJob> jobs = {
        {"export-map",
         "level",
         "Write the map of level <level> (0-based) of the --rom file as a PNG image to --out.",
         true,
         {kEnemies, kScale},
         exportMapJob},
    };
    return jobs;
}

} // namespace orvane
