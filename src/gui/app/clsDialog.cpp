#include "gui/app/clsDialog.h"

#include <QFileDialog>
#include <QFileInfo>

namespace orvane {

namespace {

// Patterns in Qt's spelling: blank-separated, and "*.*" as "*" since on most systems
// it would hide every file without a dot, while it means "all files".
QString qtPatterns(const QString& patterns) {
    QStringList out;
    for (const QString& p : patterns.split(';')) {
        const QString t = p.trimmed();
        if (!t.isEmpty()) out << (t == "*.*" ? QString("*") : t);
    }
    return out.join(' ');
}

} // namespace

QStringList clsDialog::nameFilters(const QString& filter) {
    const QStringList fields = filter.split('|');
    QStringList result;
    // Fields come in pairs; a trailing "|" leaves an unpaired empty field that adds
    // nothing, and a description without a pattern lists nothing.
    for (qsizetype i = 0; i + 1 < fields.size(); i += 2) {
        const QString patterns = qtPatterns(fields[i + 1]);
        if (patterns.isEmpty()) continue;
        QString description = fields[i].trimmed();
        // Descriptions usually name their patterns already, "nes roms (*.nes)"; Qt reads
        // the patterns from the last parentheses, so they are respelled there.
        const qsizetype open = description.lastIndexOf('(');
        if (open >= 0 && description.endsWith(')') &&
            qtPatterns(description.mid(open + 1, description.size() - open - 2)) == patterns)
            description.truncate(open);
        description = description.trimmed();
        if (description.isEmpty()) description = patterns;
        result << description + " (" + patterns + ")";
    }
    return result;
}

namespace {

// What both dialogs share: Qt's own dialog rather than the desktop's (the same on every
// platform, and one the program and its tests can drive), the type list, and the folder
// to open in: `start` itself, or the folder of the remembered file with the file selected.
void prepare(QFileDialog& dialog, const QStringList& filters, const QString& start) {
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (!filters.isEmpty()) dialog.setNameFilters(filters);
    if (start.isEmpty()) return;
    const QFileInfo info(start);
    if (info.isDir()) {
        dialog.setDirectory(info.absoluteFilePath());
    } else {
        dialog.setDirectory(info.absolutePath());
        dialog.selectFile(info.fileName());
    }
}

QString chosenFile(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted) return QString();
    const QStringList chosen = dialog.selectedFiles();
    return chosen.isEmpty() ? QString() : chosen.first();
}

} // namespace

QString clsDialog::ShowOpen(QWidget* owner, const QString& title, const QString& initDir,
                            const QString& filter, uint32_t flags) {
    QFileDialog dialog(owner, title);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode((flags & kOfnFileMustExist) ? QFileDialog::ExistingFile
                                                   : QFileDialog::AnyFile);
    prepare(dialog, nameFilters(filter), initDir.isEmpty() ? m_fileName : initDir);
    const QString path = chosenFile(dialog);
    if (!path.isEmpty()) m_fileName = path;
    return path;
}

QString clsDialog::ShowSave(QWidget* owner, const QString& title, const QString& initDir,
                            const QString& filter) {
    QFileDialog dialog(owner, title);
    dialog.setAcceptMode(QFileDialog::AcceptSave); // asks before replacing a file
    dialog.setFileMode(QFileDialog::AnyFile);
    const QStringList filters = nameFilters(filter);
    prepare(dialog, filters, initDir.isEmpty() ? m_fileName : initDir);
    // A name typed without an extension takes the one of the type chosen in the list.
    auto suffixOf = [](const QString& nameFilter) {
        // "IPS patch (*.ips)" gives "ips"; "all files (*)" gives none.
        const QString first = nameFilter.section('(', -1).section(')', 0, 0).section(' ', 0, 0);
        const bool plain = first.startsWith("*.") && first.size() > 2 && first.indexOf('*', 1) < 0;
        return plain ? first.mid(2) : QString();
    };
    if (!filters.isEmpty()) dialog.setDefaultSuffix(suffixOf(filters.first()));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&](const QString& chosen) { dialog.setDefaultSuffix(suffixOf(chosen)); });
    const QString path = chosenFile(dialog);
    if (!path.isEmpty()) m_fileName = path;
    return path;
}

} // namespace orvane
