#include "core/app/RomFile.h"

#include "core/app/FileIO.h"
#include "core/level/Rom.h"

namespace orvane {

SaveResult saveRomWithBackup(const std::string& romPath, const Rom& image,
                             const std::string& backupPath, std::string* why) {
    if (fileExists(romPath)) {
        const auto onDisk = readWholeFile(romPath);
        if (!onDisk) {
            if (why) *why = "the ROM file cannot be read";
            return SaveResult::BackupFailed;
        }
        if (!writeFileAtomically(backupPath, *onDisk, why)) return SaveResult::BackupFailed;
    }
    if (!writeFileAtomically(romPath, image.bytes(), why)) return SaveResult::RomWriteFailed;
    return SaveResult::Saved;
}

std::string saveProblemMessage(SaveResult result, const std::string& romPath,
                               const std::string& backupPath, const std::string& why) {
    const std::string reason = why.empty() ? "" : " (" + why + ")";
    switch (result) {
    case SaveResult::BackupFailed:
        return "Cannot write the backup file \"" + backupPath + "\"" + reason +
               "; the ROM file was not saved.";
    case SaveResult::RomWriteFailed:
        return "Cannot write the ROM file \"" + romPath + "\"" + reason +
               "; it was left as it was.";
    case SaveResult::Saved:
        break;
    }
    return {};
}

BackupResult loadBackupInto(const std::string& backupPath, Rom& image, int64_t* changedBytes) {
    if (!fileExists(backupPath)) return BackupResult::Missing;
    const auto bytes = readWholeFile(backupPath);
    if (!bytes) return BackupResult::Unreadable;
    const auto changed = image.overwriteFrom(*bytes);
    if (!changed) return BackupResult::TooShort;
    if (changedBytes) *changedBytes = *changed;
    return BackupResult::Loaded;
}

} // namespace orvane
