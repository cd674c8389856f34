#pragma once

namespace orvane {

struct Editor;

// The address part of a level load: the level's two bank positions, the level-relative
// layout parameters, the level-load part of TileAddr, and the cleared animation state.
// Copies nothing out of the image. The caller (the main window's Update_Level) then runs
// the mm4 effect loading, the windows' reloads and the screen refresh.
void loadLevelAddresses(Editor& ed);

} // namespace orvane
