#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "core/resdata/ResourceData.h"

namespace orvane {
struct Editor;
}

namespace orvane::fuzz {

// The demo bundle the build writes (resource data, palette, the three demo ROMs), read
// and assembled once per process. A bundle that cannot be read ends the process: a
// target that fuzzed nothing would look clean.
struct DemoBundle {
    std::unique_ptr<ResourceData> res;
    std::vector<uint8_t> palette;
    std::array<std::vector<uint8_t>, 3> roms;
};
const DemoBundle& demoBundle();

// What start-up makes of a ROM image and assembled resource data in game `game`: the
// palette, the image, the fixed and game colours and the layout parameters, as
// openSession leaves the editor, without reading any file.
void startEditor(Editor& ed, int game, const std::vector<uint8_t>& rom, const ResourceData& res);

} // namespace orvane::fuzz
