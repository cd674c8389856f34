#include "gui/support/DemoHome.h"

#include <QDir>
#include <QFile>

namespace orvane {

DemoHome::DemoHome(const QString& mode) : m_mode(mode) {
    const QString bundle = ORVANE_DEMO_DIR;
    m_valid = m_dir.isValid();
    for (const QString& name :
         {QString("orvane.cfg"), QString("orvane.dat"), QString("nes.pal"), mode + "-demo.nes"})
        m_valid = m_valid && QFile::copy(bundle + "/" + name, m_dir.filePath(name));
    // Copies of read-only files stay read-only; the tests write some of them.
    for (const QString& name : QDir(m_dir.path()).entryList(QDir::Files))
        QFile::setPermissions(m_dir.filePath(name), QFile::ReadOwner | QFile::WriteOwner);
}

StartupOptions DemoHome::options() const {
    StartupOptions o;
    o.mode = m_mode;
    o.rom = romPath();
    o.home = m_dir.path();
    return o;
}

void DemoHome::writeConfig(const QList<QPair<QString, QString>>& quoted, double palanim) {
    QByteArray bytes;
    for (const auto& [key, value] : quoted)
        bytes += (key + "=\"" + value + "\"\r\n").toLocal8Bit();
    bytes += "palanim=#" + QByteArray::number(palanim) + ";\r\n/\r\n";
    QFile f(path("orvane.cfg"));
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) f.write(bytes);
}

} // namespace orvane
