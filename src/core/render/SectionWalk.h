#pragma once

namespace orvane {

struct Editor;

// The section part of a screen refresh (the main window's Update_Scrn before it refreshes
// the windows and reloads the background palette): the section that holds CurScrn
// (sectionOfScreen), mm4's effect list when the section changed, the section made current,
// its sprite tiles and colours. Returns whether an effect list was applied. Copies no
// colour into the bitmaps.
bool enterCurrentScreen(Editor& ed);

} // namespace orvane
