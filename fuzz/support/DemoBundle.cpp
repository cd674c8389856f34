#include "support/DemoBundle.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/app/Editor.h"
#include "core/app/FileIO.h"
#include "core/render/Colours.h"
#include "core/resdata/Assembler.h"

namespace orvane::fuzz {

namespace {

std::vector<uint8_t> demoFile(const char* name) {
    const std::string path = std::string(ORVANE_DEMO_DIR) + "/" + name;
    auto bytes = readWholeFile(path);
    if (!bytes) {
        std::fprintf(stderr, "%s: cannot be read; build the demo bundle first\n", path.c_str());
        std::exit(2);
    }
    return std::move(*bytes);
}

DemoBundle loadBundle() {
    DemoBundle b;
    b.res = std::make_unique<ResourceData>();
    if (!assembleSource(demoFile("orvane.dat"), *b.res).ok) {
        std::fprintf(stderr, "the demo resource data does not assemble\n");
        std::exit(2);
    }
    b.palette = demoFile("nes.pal");
    b.roms = {demoFile("mm3-demo.nes"), demoFile("mm4-demo.nes"), demoFile("mm5-demo.nes")};
    return b;
}

} // namespace

const DemoBundle& demoBundle() {
    static const DemoBundle bundle = loadBundle();
    return bundle;
}

void startEditor(Editor& ed, int game, const std::vector<uint8_t>& rom, const ResourceData& res) {
    ed.EditMode = game;
    ReloadNESPAL(ed, demoBundle().palette);
    *ed.Res = res;
    ed.RomImage.assign(rom);
    setFixedColours(ed);
    ed.RomParams.resolveAbsolute(*ed.Res);
    GetMMCols(ed);
}

} // namespace orvane::fuzz
