// The whole reading and drawing path on arbitrary ROM bytes under the demo resource data.
// The first byte picks the game (its value modulo 3: mm3, mm4, mm5) and the level (the
// value divided by 3), the rest is the ROM image, iNES header included.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/app/Editor.h"
#include "core/app/InesHeader.h"
#include "support/DemoBundle.h"
#include "support/Pipeline.h"

using namespace orvane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const int game = data[0] % 3;
    const std::vector<uint8_t> rom(data + 1, data + size);
    inesHeaderMismatch(rom, game);
    Editor ed;
    fuzz::startEditor(ed, game, rom, *fuzz::demoBundle().res);
    fuzz::runPipeline(ed, data[0] / 3, true);
    return 0;
}
