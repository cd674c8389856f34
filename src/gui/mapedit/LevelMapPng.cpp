#include "gui/mapedit/LevelMapPng.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>

#include "core/app/FileIO.h"
#include "core/mapedit/ComposedMap.h"
#include "core/mapedit/LevelMapPicture.h"

namespace orvane {

namespace {

// Qt's PNG writer takes its zlib level from the quality, (100 - quality) * 9 / 91: 80 is
// level 1, the fastest that compresses. A level map is long flat runs, which compress
// well at any level, and the export must stay quick for scripts that write every level.
constexpr int kPngQuality = 80;

// The composed pixels seen as an image, without a copy: `map` must outlive it.
QImage imageOf(ComposedMap& map) {
    if (!map.paletted())
        return QImage(reinterpret_cast<uchar*>(map.argb.data()), map.width, map.height,
                      qsizetype{map.width} * 4, QImage::Format_ARGB32);
    QImage image(map.indexed.data(), map.width, map.height, map.width, QImage::Format_Indexed8);
    image.setColorTable(QList<QRgb>(map.palette.begin(), map.palette.end()));
    return image;
}

} // namespace

QString writeLevelMapPng(const LevelMapPicture& map, int scale, const QString& path) {
    const QString file = "\"" + path + "\"";
    if (map.layout().screens() == 0)
        return QString("Level %1 has no screens; %2 was not written.").arg(map.level()).arg(file);
    if (composedPixels(map, scale) > ComposedMap::kMaxPixels)
        return QString("The map of level %1 is too large to write at scale %2; %3 was not written.")
            .arg(map.level())
            .arg(scale)
            .arg(file);
    ComposedMap composed = composeLevelMap(map, scale);
    // QImage needs no application object, so this runs from the command line too.
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    writer.setQuality(kPngQuality);
    if (!writer.write(imageOf(composed)))
        return "Cannot encode the level map for " + file + ": " + writer.errorString() + ".";
    if (!writeFileAtomically(path.toLocal8Bit().toStdString(),
                             std::vector<uint8_t>(png.begin(), png.end())))
        return "Cannot write " + file + ".";
    return QString();
}

} // namespace orvane
