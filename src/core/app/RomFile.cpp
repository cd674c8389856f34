#include "core/app/RomFile.h"

#include "core/app/FileIO.h"
#include "core/level/Rom.h"

namespace orvane {

SaveResult saveRomWithBackup(const std::string& romPath, const Rom& image,
                             const std::string& backupPath) {
    const auto onDisk = readWholeFile(romPath);
    if (!onDisk || !writeFileAtomically(backupPath, *onDisk)) return SaveResult::BackupFailed;
    if (!writeFileAtomically(romPath, image.bytes())) return SaveResult::RomWriteFailed;
    return SaveResult::Saved;
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
