#pragma once

#include <string>

#include "core/app/ConfigTable.h"
#include "core/level/Document.h"
#include "core/level/SectionView.h"
#include "core/render/ColourTables.h"
#include "core/render/LoadedGraphics.h"

namespace orvane {

// The whole editor state in one plain object, in parts: the document being edited, the
// colour tables with the bitmaps that follow them, the graphics loaded for the current
// section and the screen on view. Routines take the parts they work on; the main window
// owns one editor and hands it to every window, and a test builds one, fills it and
// throws it away. What the user has chosen in the windows (the current tile, block,
// structure) is not here: the windows and the main window keep it.
struct Editor : Document, ColourTables, LoadedGraphics, ScreenView {
    std::string RomPath;
    std::string HomeDir; // folder of orvane.cfg, backup.rom, orvane.pad
    ConfigTable Config;
};

} // namespace orvane
