// orvane_demo_gen <data folder> <output folder>
//
// Writes the demo bundle: three small ROMs (mm3-demo.nes, mm4-demo.nes, mm5-demo.nes)
// laid out as the resource data orvane.dat says, a copy of orvane.dat, the NES palette
// nes.pal and an orvane.cfg naming them, so the editor starts straight from the build
// folder. Files whose bytes did not change are left untouched.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>

#include "BundleFiles.h"
#include "DemoGames.h"
#include "core/resdata/Assembler.h"
#include "core/resdata/ResourceData.h"

namespace fs = std::filesystem;
using namespace orvane;
using namespace orvane::demo;

namespace {

// Runs one step; a failure is reported with the file it concerns.
template <typename Step> void produce(const fs::path& file, Step step) {
    try {
        step();
    } catch (const std::exception& e) {
        throw std::runtime_error(file.string() + ": " + e.what());
    }
}

void writeIfChanged(const fs::path& path, const std::vector<uint8_t>& bytes) {
    if (writeFileIfChanged(path, bytes)) std::printf("  wrote %s\n", path.string().c_str());
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: orvane_demo_gen <data folder> <output folder>\n");
        return 2;
    }
    const fs::path data = argv[1], out = argv[2];
    fs::path current = data / "orvane.dat";
    try {
        std::error_code ec;
        fs::create_directories(out, ec);
        if (ec) throw std::runtime_error(out.string() + ": cannot create the folder");

        const std::vector<uint8_t> source = readFile(current);
        auto res = std::make_unique<ResourceData>();
        const AssemblyResult assembled = assembleSource(source, *res);
        if (!assembled.ok)
            throw std::runtime_error(current.string() + ":" + std::to_string(assembled.line) +
                                     ": " + assembled.error);

        const SpriteLibrary sprites;
        current = out / "mm3-demo.nes";
        produce(current, [&] { writeIfChanged(current, buildMM3(*res, sprites)); });
        current = out / "mm4-demo.nes";
        produce(current, [&] { writeIfChanged(current, buildMM4(*res, sprites)); });
        current = out / "mm5-demo.nes";
        produce(current, [&] { writeIfChanged(current, buildMM5(*res, sprites)); });
        current = out / "orvane.dat";
        writeIfChanged(current, source);
        current = data / "nes-palette.txt";
        const auto pal = paletteFromText(readFile(current));
        current = out / "nes.pal";
        writeIfChanged(current, pal);
        current = out / "orvane.cfg";
        writeIfChanged(current, demoConfig());
    } catch (const std::exception& e) {
        const std::string what = e.what();
        // Messages from the writers already start with their file.
        if (what.rfind(current.string(), 0) == 0)
            std::fprintf(stderr, "orvane_demo_gen: %s\n", what.c_str());
        else
            std::fprintf(stderr, "orvane_demo_gen: %s: %s\n", current.string().c_str(),
                         what.c_str());
        return 1;
    }
    return 0;
}
