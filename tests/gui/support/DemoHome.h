#pragma once

#include <QString>
#include <QTemporaryDir>
#include <memory>

#include "gui/app/StartupOptions.h"

namespace orvane {

// A private copy of the demo bundle (configuration, resource data, palette and the
// demo ROM of one game) in a temporary folder, so a test may save, dump and rewrite the
// configuration without touching the built bundle.
class DemoHome {
public:
    explicit DemoHome(const QString& mode);

    bool isValid() const { return m_valid; }
    QString path(const QString& name) const { return m_dir.filePath(name); }
    QString romPath() const { return path(m_mode + "-demo.nes"); }
    StartupOptions options() const;

    // Rewrites orvane.cfg with these entries, in this order, CR LF lines and the end mark.
    void writeConfig(const QList<QPair<QString, QString>>& quoted, double palanim = 0);

private:
    QTemporaryDir m_dir;
    QString m_mode;
    bool m_valid = false;
};

} // namespace orvane
