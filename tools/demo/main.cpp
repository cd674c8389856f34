// orvane_demo_gen <data folder> <output folder>
//
// Writes the demo bundle: three small ROMs (mm3-demo.nes, mm4-demo.nes, mm5-demo.nes)
// laid out as the resource data orvane.dat says and filled as the game descriptions
// (game-*.txt) and the shared art and colours of the data folder say, a copy of
// orvane.dat and orvane.cfg, and the NES palette nes.pal, so the editor starts straight
// from the build folder. Files whose bytes did not change are left untouched.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>

#include "DemoRom.h"
#include "core/resdata/Assembler.h"
#include "core/resdata/ResourceData.h"

namespace fs = std::filesystem;
using namespace orvane::demo;

namespace {

std::vector<uint8_t> readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error(path.string() + ": cannot be read");
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Writes through a temporary file renamed over `path`, and only when the file does not
// already hold these bytes, so a rebuild leaves unchanged files (and their times) alone.
void writeIfChanged(const fs::path& path, const std::vector<uint8_t>& bytes) {
    std::error_code ec;
    if (fs::exists(path, ec) && readFile(path) == bytes) return;
    const fs::path temp = fs::path(path) += ".tmp";
    std::ofstream file(temp, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (file) fs::rename(temp, path, ec);
    if (!file || ec) {
        fs::remove(temp, ec);
        throw std::runtime_error(path.string() + ": cannot be written");
    }
    std::printf("  wrote %s\n", path.string().c_str());
}

// The 192-byte palette file from a text list of 64 colours (hex RGB).
std::vector<uint8_t> paletteFromText(const fs::path& file) {
    std::vector<uint8_t> out;
    forEachEntry(readEntries(file), [&](const Entry& e) {
        for (const std::string& word : e.words) {
            const int rgb = word.size() == 6 ? hexNumber(word) : -1;
            if (rgb < 0) throw std::runtime_error("not an RGB colour: " + word);
            out.insert(out.end(), {static_cast<uint8_t>(rgb >> 16), static_cast<uint8_t>(rgb >> 8),
                                   static_cast<uint8_t>(rgb)});
        }
    });
    if (out.size() != 192) throw std::runtime_error(file.string() + ": needs 64 colours");
    return out;
}

void writeBundle(const fs::path& data, const fs::path& out) {
    std::error_code ec;
    fs::create_directories(out, ec);
    if (ec) throw std::runtime_error(out.string() + ": cannot create the folder");

    const std::vector<uint8_t> source = readFile(data / "orvane.dat");
    auto res = std::make_unique<orvane::ResourceData>();
    const orvane::AssemblyResult assembled = orvane::assembleSource(source, *res);
    if (!assembled.ok)
        throw std::runtime_error((data / "orvane.dat").string() + ":" +
                                 std::to_string(assembled.line) + ": " + assembled.error);

    const DemoContent content{SpriteLibrary(data / "sprites.txt"),
                              PaletteBook(data / "palettes.txt"),
                              KitSource(data / "background-tiles.txt", data / "level-kit.txt")};
    const std::string games[] = {"mm3", "mm4", "mm5"}; // the resource data's columns
    for (int mode = 0; mode < 3; ++mode) {
        const fs::path rom = out / (games[mode] + "-demo.nes");
        try {
            const GameDescription game = readGameDescription(
                data / ("game-" + games[mode] + ".txt"), games[mode], mode, content.sprites);
            writeIfChanged(rom, buildDemoRom(game, content, *res));
        } catch (const std::exception& e) {
            throw std::runtime_error(rom.string() + ": " + e.what());
        }
    }
    writeIfChanged(out / "orvane.dat", source);
    writeIfChanged(out / "orvane.cfg", readFile(data / "orvane.cfg"));
    writeIfChanged(out / "nes.pal", paletteFromText(data / "nes-palette.txt"));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: orvane_demo_gen <data folder> <output folder>\n");
        return 2;
    }
    try {
        writeBundle(argv[1], argv[2]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "orvane_demo_gen: %s\n", e.what());
        return 1;
    }
    return 0;
}
