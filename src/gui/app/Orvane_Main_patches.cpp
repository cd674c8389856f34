// Create Patch and Apply Patch of the main window: IPS and BPS patches of the open image.
#include "gui/app/Orvane_Main.h"

#include <QFileInfo>

#include "core/app/PatchFiles.h"
#include "gui/app/EditorStatusBar.h"
#include "gui/app/clsDialog.h"

namespace orvane {

namespace {

constexpr uint32_t kOpenFlags = kOfnHideReadOnly | kOfnFileMustExist | kOfnLongNames;

std::string local(const QString& s) {
    return s.toLocal8Bit().toStdString();
}

} // namespace

void Orvane_Main::File_CreatePatch() {
    // Both dialogs open beside the ROM: the clean file and the patch usually live there.
    const QFileInfo rom(QString::fromStdString(m_ed.RomPath));
    clsDialog originalDialog;
    const QString original =
        originalDialog.ShowOpen(this, "Select the unmodified ROM", rom.absolutePath(),
                                "nes roms (*.nes)|*.nes|all files (*.*)|*.*", kOpenFlags);
    if (original.isEmpty()) return;
    clsDialog patchDialog;
    const QString patch = patchDialog.ShowSave(
        this, "Save Patch As", rom.absolutePath() + "/" + rom.completeBaseName() + ".ips",
        "IPS patch (*.ips)|*.ips|BPS patch (*.bps)|*.bps");
    if (patch.isEmpty()) return;
    const PatchOutcome outcome =
        writePatchFile(m_ed.RomImage.bytes(), local(original), local(patch));
    const QString text = QString::fromLocal8Bit(outcome.message.c_str());
    if (outcome.ok)
        log(text);
    else
        message(text);
}

void Orvane_Main::File_ApplyPatch() {
    const QFileInfo rom(QString::fromStdString(m_ed.RomPath));
    clsDialog dialog;
    const QString patch = dialog.ShowOpen(
        this, "Select the Patch to Apply", rom.absolutePath(),
        "IPS or BPS patch (*.ips;*.bps)|*.ips;*.bps|all files (*.*)|*.*", kOpenFlags);
    if (patch.isEmpty()) return;
    PatchOutcome outcome;
    {
        EditStep step(m_ed.RomImage, "Apply Patch"); // one step: Ctrl+Z takes it back
        outcome = applyPatchToImage(m_ed.RomImage, local(patch));
    }
    const QString text = QString::fromLocal8Bit(outcome.message.c_str());
    if (!outcome.ok) {
        message(text); // the image is as it was
        return;
    }
    log(text);
    Update_Level(); // every window shows the patched image, as after a level reload
    m_status->announce(text);
}

} // namespace orvane
