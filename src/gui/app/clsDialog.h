#pragma once

#include <cstdint>

#include <QString>
#include <QStringList>

class QWidget;

namespace orvane {

// Open-dialog options, with the values the program has always stored for them.
constexpr uint32_t kOfnHideReadOnly = 0x4;     // no read-only box (Qt's dialog has none anyway)
constexpr uint32_t kOfnFileMustExist = 0x1000; // only an existing file can be confirmed
constexpr uint32_t kOfnLongNames = 0x200000;   // always true here

// The file dialogs: one object per use, remembering the last path chosen with it.
class clsDialog {
public:
    // Shows a modal open dialog owned by `owner` and returns the chosen full path, or ""
    // when the user cancels. `filter` alternates descriptions and patterns separated by
    // "|" ("nes roms (*.nes)|*.nes|all files (*.*)|*.*"). The dialog opens in `initDir`,
    // or where FileName points when that is empty. A chosen path is kept in FileName.
    QString ShowOpen(QWidget* owner, const QString& title, const QString& initDir = {},
                     const QString& filter = {}, uint32_t flags = 0);

    // The same as a save dialog: the chosen path may be new, and choosing an existing file
    // asks first. A name typed without an extension gets that of the type chosen in the
    // list ("IPS patch (*.ips)" adds ".ips").
    QString ShowSave(QWidget* owner, const QString& title, const QString& initDir = {},
                     const QString& filter = {});

    QString FileName() const { return m_fileName; }
    void setFileName(const QString& name) { m_fileName = name; }

    // The "|"-separated filter as Qt name filters: "nes roms (*.nes)|*.nes" gives
    // "nes roms (*.nes)", "all files (*.*)|*.*" gives "all files (*)" (Qt's "*.*" would
    // hide files without a dot); a description without its patterns gets them appended,
    // ";"-separated patterns become blank-separated ones.
    static QStringList nameFilters(const QString& filter);

private:
    QString m_fileName;
};

} // namespace orvane
