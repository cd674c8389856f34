#include "gui/app/CommandLineJobs.h"

#include <QCommandLineParser>

#include "core/app/PatchFiles.h"
#include "gui/mapedit/LevelMapExport.h"

namespace orvane {

namespace {

std::string local(const QString& s) {
    return s.toLocal8Bit().toStdString();
}

JobResult fromOutcome(const PatchOutcome& outcome) {
    return {outcome.ok, QString::fromLocal8Bit(outcome.message.c_str())};
}

JobResult makePatchJob(const JobRequest& job) {
    return fromOutcome(makePatchFile(local(job.rom), local(job.value), local(job.out)));
}

JobResult applyPatchJob(const JobRequest& job) {
    return fromOutcome(applyPatchFile(local(job.rom), local(job.value), local(job.out)));
}

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
        {"make-patch",
         "original",
         "Write to --out (PATCH.ips or PATCH.bps) the patch that turns the unmodified ROM "
         "<original> into the --rom file.",
         false,
         {},
         makePatchJob},
        {"apply-patch",
         "patch",
         "Apply the IPS or BPS patch <patch> to the --rom file and write the result to --out.",
         false,
         {},
         applyPatchJob},
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
