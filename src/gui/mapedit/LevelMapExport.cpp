#include "gui/mapedit/LevelMapExport.h"

#include <QDir>
#include <QFileInfo>

#include "core/app/EditModeAnswer.h"
#include "core/app/Editor.h"
#include "core/app/OpenSession.h"
#include "core/mapedit/LevelMapPicture.h"
#include "gui/mapedit/LevelMapPng.h"

namespace orvane {

namespace {

constexpr int kMaxScale = 8;

std::string local(const QString& s) {
    return s.toLocal8Bit().toStdString();
}

// The program's own folder, where orvane.cfg lives when no --home is given. There is no
// application object to ask, so the running executable is looked up directly.
QString programFolder() {
    const QFileInfo self("/proc/self/exe");
    return self.exists() ? QFileInfo(self.canonicalFilePath()).absolutePath() : QDir::currentPath();
}

MapExportResult failure(const QString& text) {
    return {false, text};
}

} // namespace

MapExportResult exportLevelMap(const MapExportRequest& request) {
    bool ok = false;
    const int scale = request.scale.toInt(&ok);
    if (!ok || scale < 1 || scale > kMaxScale)
        return failure(QString("--scale must be a whole number from 1 to %1, not \"%2\".")
                           .arg(kMaxScale)
                           .arg(request.scale));
    const int level = request.level.toInt(&ok);
    if (!ok || level < 0)
        return failure("--export-map needs a level number from 0 up, not \"" + request.level +
                       "\".");

    Editor ed;
    const QString home = request.home.isEmpty() ? programFolder() : request.home;
    const std::string error = openSession(ed, {editModeFromAnswer(local(request.mode)),
                                               local(QFileInfo(request.rom).absoluteFilePath()),
                                               local(QDir(home).absolutePath())});
    if (!error.empty()) return failure(QString::fromLocal8Bit(error.c_str()));
    if (level > ed.lastLevel())
        return failure(QString("Level %1 does not exist: the levels of %2 are 0 to %3.")
                           .arg(request.level)
                           .arg(request.rom)
                           .arg(ed.lastLevel()));

    LevelMapPicture map;
    map.build(ed, level, request.enemies);
    const QString written = writeLevelMapPng(map, scale, request.out);
    if (!written.isEmpty()) return failure(written);
    return {true, QString("%1: %2 x %3, %4 screens")
                      .arg(request.out)
                      .arg(map.width() * scale)
                      .arg(map.height() * scale)
                      .arg(map.layout().screens())};
}

} // namespace orvane
