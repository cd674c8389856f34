#include "Palettes.h"

#include "TextData.h"

namespace orvane::demo {

PaletteBook::PaletteBook(const std::filesystem::path& file) {
    forEachEntry(readEntries(file), [&](const Entry& e) {
        const std::string& k = e.keyword();
        if (k == "record") {
            records.emplace_back();
            for (size_t i = 1; i < e.words.size(); ++i)
                records.back().push_back(byName(animations, e.words[i], "animation"));
            return;
        }
        const auto v = e.bytes(k == "scheme" || k == "animation" ? 2 : 1); // after the name
        if (k == "scheme" && v.size() == 13) {
            schemes.push_back({});
            std::copy(v.begin(), v.end(), schemes.back().begin());
        } else if (k == "colours" && v.size() == 3) {
            colourSets.insert(colourSets.end(), v.begin(), v.end());
        } else if (k == "animation" && v.size() >= 3) { // palette, delay, frames
            animations.push_back({e.word(1), v[0], v[1], {v.begin() + 2, v.end()}});
        } else if (k == "player-colours" && v.size() == 3) {
            playerColours = {v[0], v[1], v[2]};
        } else {
            throw std::runtime_error("'" + k + "' is unknown or has the wrong number of values");
        }
    });
    if (schemes.empty()) throw std::runtime_error(file.string() + ": no colour schemes");
}

std::vector<uint8_t> PaletteBook::levelRecords(int firstScheme, int count) const {
    if (count > static_cast<int>(records.size()))
        throw std::runtime_error("palettes.txt has fewer than " + std::to_string(count) +
                                 " palette records");
    std::vector<uint8_t> out;
    for (int r = 0; r < count; ++r) {
        const auto& s = schemes[(firstScheme + r) % schemes.size()];
        for (int p = 0; p < 4; ++p)
            out.insert(out.end(), {s[0], s[1 + 3 * p], s[2 + 3 * p], s[3 + 3 * p]});
        uint8_t animated[4] = {0, 0, 0, 0};
        for (int a : records[r])
            animated[animations[a].palette % 4] = static_cast<uint8_t>(0x80 | a);
        out.insert(out.end(), animated, animated + 4);
    }
    return out;
}

} // namespace orvane::demo
