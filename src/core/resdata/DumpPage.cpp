#include "core/resdata/DumpPage.h"

#include "core/resdata/HexVal.h"
#include "core/resdata/ResourceData.h"

namespace orvane {

std::vector<std::string> dumpPageText(const ResourceData& res, int page, DumpMode mode) {
    std::vector<std::string> lines;
    lines.push_back("Page:" + hexString(page));
    lines.emplace_back();
    const int first = kDumpValuesPerPage * page;
    for (int r = 0; r < 16; ++r) {
        std::string line = "$" + hexString(first + 8 * r) + ": ";
        for (int c = 0; c < 8; ++c) {
            const int32_t v = res.value(first + 8 * r + c);
            if (mode == DumpMode::Hex) {
                line += "$" + hexString(v) + " ";
            } else if (v < 255) {
                line.push_back(static_cast<char>(static_cast<uint8_t>(v)));
                line += " ";
            } else if (v == 255) {
                line += "[E] ";
            }
        }
        line += "  /";
        lines.push_back(line);
    }
    return lines;
}

} // namespace orvane
