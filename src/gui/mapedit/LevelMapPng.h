#pragma once

#include <QString>

namespace orvane {

class LevelMapPicture;

// Writes the level map at `scale` (each pixel scale x scale) as a PNG image, transparent
// where no screen lies. The file is written whole or not at all: a temporary file beside
// it is renamed over it. Returns an empty string, or a message naming the file.
QString writeLevelMapPng(const LevelMapPicture& map, int scale, const QString& path);

} // namespace orvane
