#pragma once

#include <string>

namespace orvane {

struct Editor;

// What a job run without a window starts the editor from.
struct SessionFiles {
    int editMode = 0;
    std::string romPath;
    std::string homeDir; // folder of orvane.cfg and of the files it names relatively
};

// Loads what the editor's start-up loads, asking nothing: the configuration in homeDir,
// the resource data file it names (assembled), its palette file (a missing or short one
// leaves the colours it lacks black, as at start-up), the ROM, the fixed and game colours
// and the resolved layout parameters. Returns an empty string on success, else a message
// naming the file or key at fault. The level is not loaded.
std::string openSession(Editor& ed, const SessionFiles& files);

} // namespace orvane
