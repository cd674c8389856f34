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

QString clsDialog::ShowOpen(QWidget* owner, const QString& title, const QString& initDir,
                            const QString& filter, uint32_t flags) {
    QFileDialog dialog(owner, title);
    // Qt's own dialog rather than the desktop's: the same on every platform, and one the
    // program (and its tests) can drive.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode((flags & kOfnFileMustExist) ? QFileDialog::ExistingFile
                                                   : QFileDialog::AnyFile);
    const QStringList filters = nameFilters(filter);
    if (!filters.isEmpty()) dialog.setNameFilters(filters);

    const QString start = initDir.isEmpty() ? m_fileName : initDir;
    if (!start.isEmpty()) {
        const QFileInfo info(start);
        if (info.isDir()) {
            dialog.setDirectory(info.absoluteFilePath());
        } else {
            // A remembered file: open its folder with the file selected.
            dialog.setDirectory(info.absolutePath());
            dialog.selectFile(info.fileName());
        }
    }

    if (dialog.exec() != QDialog::Accepted) return QString();
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty() || chosen.first().isEmpty()) return QString();
    m_fileName = chosen.first();
    return m_fileName;
}

} // namespace orvane
