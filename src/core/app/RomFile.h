#pragma once

#include <cstdint>
#include <string>

namespace orvane {

class Rom;

enum class SaveResult { Saved, BackupFailed, RomWriteFailed };
enum class BackupResult { Loaded, Missing, Unreadable, TooShort };

// Save: copy the ROM file as it is on disk to `backupPath`, then replace the ROM file
// with the image. A failed backup leaves the ROM file untouched; a failed write leaves
// it as it was.
SaveResult saveRomWithBackup(const std::string& romPath, const Rom& image,
                             const std::string& backupPath);

// Load Backup: the image takes the first image-size bytes of the backup file, through the
// write door in one step. A missing, unreadable or shorter file leaves the image
// unchanged. `changedBytes`, when given, receives the number of bytes that changed.
BackupResult loadBackupInto(const std::string& backupPath, Rom& image,
                            int64_t* changedBytes = nullptr);

} // namespace orvane
