#include "BackgroundArt.h"

#include "TextData.h"

namespace orvane::demo {

BackgroundArt::BackgroundArt(const std::filesystem::path& file) {
    std::vector<std::string> themes;
    std::vector<std::array<bool, 256>> drawn;
    forEachEntry(readEntries(file), [&](const Entry& e) {
        if (e.keyword() == "themes") {
            themes.assign(e.words.begin() + 1, e.words.end());
            m_tiles.assign(themes.size(), {});
            drawn.assign(themes.size(), {});
            return;
        }
        if (e.keyword() != "tile" || themes.empty())
            throw std::runtime_error("expected 'themes', then 'tile' entries");
        const Picture p = readPicture(e.rows);
        const Named named{e.number(1), p.columns * p.rows};
        const Named known = m_names.emplace(e.word(2), named).first->second;
        if (named.first + named.count > 256 || known.first != named.first ||
            known.count != named.count)
            throw std::runtime_error("'" + e.word(2) +
                                     "' runs past tile FF or differs between themes");
        // A picture without a theme is every theme's.
        for (size_t t = 0; t < themes.size(); ++t) {
            if (e.words.size() > 3 && int(t) != indexOf(themes, e.word(3), "theme")) continue;
            for (int i = 0; i < named.count; ++i) {
                if (drawn[t][named.first + i]) throw std::runtime_error("a tile is drawn twice");
                drawn[t][named.first + i] = true;
                m_tiles[t][named.first + i] = p.tiles[i];
            }
        }
    });
    if (m_tiles.empty()) throw std::runtime_error(file.string() + ": no themes");
}

uint8_t BackgroundArt::tileNumber(const std::string& ref) const {
    const size_t plus = ref.find('+');
    const auto it = m_names.find(ref.substr(0, plus));
    const int n = plus == std::string::npos ? 0 : hexNumber(ref.substr(plus + 1));
    if (it == m_names.end() || n >= it->second.count)
        throw std::runtime_error("no background tile '" + ref + "'");
    return static_cast<uint8_t>(it->second.first + n);
}

} // namespace orvane::demo
