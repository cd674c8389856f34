#include "core/app/PatchFormat.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "core/app/BpsPatch.h"
#include "core/app/IpsPatch.h"

namespace orvane {

std::optional<PatchFormat> patchFormatOf(const std::string& path) {
    if (path.size() < 4) return std::nullopt;
    std::string ext = path.substr(path.size() - 4);
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (ext == ".ips") return PatchFormat::Ips;
    if (ext == ".bps") return PatchFormat::Bps;
    return std::nullopt;
}

PatchResult makePatch(PatchFormat format, const std::vector<uint8_t>& source,
                      const std::vector<uint8_t>& target) {
    return format == PatchFormat::Ips ? makeIpsPatch(source, target) : makeBpsPatch(source, target);
}

PatchResult applyPatch(const std::vector<uint8_t>& patch, const std::vector<uint8_t>& source) {
    auto startsWith = [&](const char* magic) {
        const size_t n = std::strlen(magic);
        return patch.size() >= n && std::memcmp(patch.data(), magic, n) == 0;
    };
    if (startsWith("PATCH")) return applyIpsPatch(patch, source);
    if (startsWith("BPS1")) return applyBpsPatch(patch, source);
    return PatchResult::failure(PatchProblem::NotAPatch,
                                "is not an IPS or BPS patch: it starts with neither \"PATCH\" "
                                "nor \"BPS1\".");
}

std::string patchProblemMessage(const std::string& patchPath, const PatchResult& result) {
    const std::string quoted = "\"" + patchPath + "\" ";
    if (result.problem == PatchProblem::WrongSource)
        return "This patch is for another file: " + quoted + result.detail;
    return "The patch file " + quoted + result.detail;
}

} // namespace orvane
