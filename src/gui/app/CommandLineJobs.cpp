#include "gui/app/CommandLineJobs.h"

#include "core/app/PatchFiles.h"

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
    };
    return jobs;
}

} // namespace orvane
