#include "core/app/OpenSession.h"

#include "core/app/Editor.h"
#include "core/app/FileIO.h"
#include "core/render/Colours.h"
#include "core/resdata/Assembler.h"

namespace orvane {

namespace {
constexpr const char* kConfigFile = "orvane.cfg";

std::string quoted(const std::string& path) {
    return "\"" + path + "\"";
}
} // namespace

std::string openSession(Editor& ed, const SessionFiles& files) {
    ed.EditMode = files.editMode;
    ed.HomeDir = files.homeDir;
    const std::string configPath = resolveInDir(files.homeDir, kConfigFile);
    const auto config = readWholeFile(configPath);
    if (!config) return "Cannot read the configuration file " + quoted(configPath) + ".";
    ed.Config = ConfigTable::parse(*config);

    if (const auto palfile = ed.Config.text("palfile"); palfile && !palfile->empty()) {
        ed.PalFile = *palfile;
        const auto bytes = readWholeFile(resolveInDir(files.homeDir, *palfile));
        ReloadNESPAL(ed, bytes.value_or(std::vector<uint8_t>{}));
    } else {
        ReloadNESPAL(ed, {});
    }

    const auto datfile = ed.Config.text("datfile");
    if (!datfile || datfile->empty())
        return "No resource data file is configured: \"datfile\" is missing from " +
               quoted(configPath) + ".";
    const std::string datPath = resolveInDir(files.homeDir, *datfile);
    const auto source = readWholeFile(datPath);
    if (!source) return "Cannot read the resource data file " + quoted(datPath) + ".";
    const AssemblyResult assembled = assembleSource(*source, *ed.Res);
    if (!assembled.ok)
        return "Resource data file " + quoted(datPath) + ", line " +
               std::to_string(assembled.line) + ": " + assembled.error + ".";

    ed.RomPath = files.romPath;
    const auto rom = readWholeFile(files.romPath);
    if (!rom) return "Cannot read the ROM file " + quoted(files.romPath) + ".";
    ed.RomImage.assign(*rom);

    setFixedColours(ed);
    ed.RomParams.resolveAbsolute(*ed.Res);
    GetMMCols(ed);
    return {};
}

} // namespace orvane
