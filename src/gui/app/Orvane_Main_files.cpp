// Save, Load Backup, Export Level Map and Test! of the main window.
#include "gui/app/Orvane_Main.h"

#include <QFileInfo>
#include <QProcess>

#include "core/app/RomFile.h"
#include "core/mapedit/LevelMapPicture.h"
#include "gui/app/EditorStatusBar.h"
#include "gui/app/clsDialog.h"
#include "gui/mapedit/LevelMap.h"
#include "gui/mapedit/LevelMapPng.h"

namespace orvane {

namespace {
constexpr const char* kBackupFile = "backup.rom";
}

bool Orvane_Main::File_Save() {
    const QString rom = QString::fromStdString(m_ed.RomPath);
    const QString backup = homePath(kBackupFile);
    switch (saveRomWithBackup(m_ed.RomPath, m_ed.RomImage, backup.toLocal8Bit().toStdString())) {
    case SaveResult::Saved:
        // No box on success; the status bar says where the old file went.
        m_ed.RomImage.markSaved();
        m_status->announce("Saved " + romFileName() + " (backup in " + kBackupFile + ")");
        return true;
    case SaveResult::BackupFailed:
        message("Cannot write the backup file \"" + backup + "\"; the ROM file was not saved.");
        return false;
    case SaveResult::RomWriteFailed:
        message("Cannot write the ROM file \"" + rom + "\"; it was left as it was.");
        return false;
    }
    return false;
}

void Orvane_Main::File_Back() {
    const QString backup = homePath(kBackupFile);
    int64_t changed = 0;
    BackupResult result;
    {
        EditStep step(m_ed.RomImage, "Load Backup"); // one step: Ctrl+Z takes it back
        result = loadBackupInto(backup.toLocal8Bit().toStdString(), m_ed.RomImage, &changed);
    }
    switch (result) {
    case BackupResult::Missing:
        message("No backup!");
        return;
    case BackupResult::Unreadable:
        message("Cannot read the backup file \"" + backup + "\".");
        return;
    case BackupResult::TooShort:
        message("The backup file \"" + backup +
                "\" is shorter than the ROM image; nothing was loaded.");
        return;
    case BackupResult::Loaded:
        Update_Level();
        m_status->announce(QString("Loaded %1: %2 %3")
                               .arg(kBackupFile)
                               .arg(changed)
                               .arg(changed == 1 ? "byte differs" : "bytes differ"));
        return;
    }
}

void Orvane_Main::File_ExportMap() {
    // What the Level Map shows at scale 1, enemies as its check box says (off while the
    // window has never been opened).
    const auto* window = qobject_cast<LevelMap*>(existingWindow(WindowId::LevelMap));
    const bool enemies = window && window->enemiesShown();
    const QString rom = QString::fromStdString(m_ed.RomPath);
    const QString suggested = QFileInfo(rom).absolutePath() + "/" +
                              QFileInfo(rom).completeBaseName() +
                              QString("-level%1.png").arg(m_ed.CurLevel);
    clsDialog dialog;
    const QString path =
        dialog.ShowSave(this, "Export Level Map as PNG", suggested, "PNG image (*.png)|*.png");
    if (path.isEmpty()) return;
    // Drawn afresh, so the file does not depend on what the window has redrawn so far.
    LevelMapPicture map;
    map.build(m_ed, m_ed.CurLevel, enemies);
    const QString error = writeLevelMapPng(map, 1, path);
    if (!error.isEmpty()) message(error);
}

void Orvane_Main::Tools_Test() {
    const QString emulator = GetConfigText("emufname");
    if (emulator.isEmpty()) {
        message("Set Emulator location in Config first!");
        return;
    }
    if (m_ed.RomImage.isModified())
        m_status->announce("The emulator runs the saved " + romFileName() +
                           ": the edits since the last save are not in it");
    // The program path is taken whole (blanks and all); the ROM path is its one argument.
    if (!QProcess::startDetached(emulator, {QString::fromStdString(m_ed.RomPath)}))
        message("Cannot start the emulator \"" + emulator + "\".");
}

} // namespace orvane
