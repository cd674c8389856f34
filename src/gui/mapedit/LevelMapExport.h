#pragma once

#include <QString>

namespace orvane {

// The command-line export of a level map, as given: the values are checked here.
struct MapExportRequest {
    QString mode;  // mm3, mm4 or mm5
    QString rom;   // the ROM file
    QString home;  // folder of orvane.cfg; empty for the program's own folder
    QString level; // the level, 0-based
    QString out;   // the PNG file to write
    bool enemies = false;
    QString scale = "1"; // each pixel drawn scale x scale, 1 to 8
};

// One line for the user: "OUT: W x H, N screens", or what went wrong, naming the value
// or file at fault. On failure no file is written.
struct MapExportResult {
    bool ok = false;
    QString line;
};

// Starts an editor on the files without any window, draws the level's map and writes it.
MapExportResult exportLevelMap(const MapExportRequest& request);

} // namespace orvane
