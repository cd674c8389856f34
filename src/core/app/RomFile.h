#pragma once

#include <cstdint>
#include <string>

namespace orvane {

class Rom;

enum class SaveResult { Saved, BackupFailed, RomWriteFailed };
enum class BackupResult { Loaded, Missing, Unreadable, TooShort };

// Save: copy the ROM file as it is on disk to `backupPath`, then replace the ROM file
// with the image. A failed backup leaves the ROM file untouched; a failed write leaves
// it as it was; `why`, when given, receives the system's reason for a failure. A ROM
// file that no longer exists (moved or deleted since it was opened) has nothing to back
// up: the image is written and the backup left as it is, so the edits can still be saved.
SaveResult saveRomWithBackup(const std::string& romPath, const Rom& image,
                             const std::string& backupPath, std::string* why = nullptr);

// The message for a save that failed, naming the file at fault and the reason.
std::string saveProblemMessage(SaveResult result, const std::string& romPath,
                               const std::string& backupPath, const std::string& why);

// Load Backup: the image takes the first image-size bytes of the backup file, through the
// write door in one step. A missing, unreadable or shorter file leaves the image
// unchanged. `changedBytes`, when given, receives the number of bytes that changed.
BackupResult loadBackupInto(const std::string& backupPath, Rom& image,
                            int64_t* changedBytes = nullptr);

} // namespace orvane
