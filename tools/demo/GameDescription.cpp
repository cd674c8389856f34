#include "GameDescription.h"

#include <algorithm>

#include "SpriteArt.h"

namespace orvane::demo {

int GameDescription::typeOf(int design) const {
    for (const SpriteEntry& s : sprites)
        if (s.design == design) return s.type;
    throw std::runtime_error(name + " has no enemy type for sprite " + std::to_string(design));
}

GameDescription readGameDescription(const std::filesystem::path& file, const std::string& name,
                                    int mode, const SpriteLibrary& lib) {
    GameDescription g;
    g.name = name;
    g.mode = mode;
    g.groupBanks.assign(lib.groups.size(), -1);
    forEachEntry(readEntries(file), [&](const Entry& e) {
        const std::string& k = e.keyword();
        if (k == "rom") {
            g.prgBanks = e.number(1);
            g.chrBanks = e.number(2);
        } else if (k == "second-banks") {
            g.secondBanks = e.number(1);
        } else if (k == "background") {
            g.backgroundBank = e.number(1);
        } else if (k == "level-offsets") {
            g.variantOffset = e.number(1);
            g.schemeOffset = e.number(2);
        } else if (k == "scroll-map") {
            g.scrollMaps.push_back(e.bytes(1));
        } else if (k == "last-group-pair") {
            g.lastGroupPair = e.word(1);
        } else if (k == "section-table") {
            SectionTable t{e.word(1), {}, 1, {}};
            for (size_t i = 2; i < e.words.size(); ++i) {
                indexOf({"map", "pair", "palette", "cycle"}, e.words[i], "section column");
                t.columns.push_back(e.words[i]);
                if (e.words[i] == "cycle") t.cycle = std::max(1, e.number(++i));
            }
            g.sectionTables.push_back(t);
        } else if (k == "section-byte") {
            if (g.sectionTables.empty() || g.sectionTables.back().place != e.word(1))
                throw std::runtime_error("'section-byte' follows its 'section-table'");
            g.sectionTables.back().patches.emplace_back(e.number(2),
                                                        static_cast<uint8_t>(e.number(3)));
        } else if (k == "extra-enemy") {
            const auto b = e.bytes(2);
            if (b.size() != 3) throw std::runtime_error("an extra enemy has x, y and a type");
            g.extraEnemies.push_back({e.word(1) == "last" ? -1 : e.number(1), b[0], b[1], b[2]});
        } else if (k == "sprite-tiles") {
            for (size_t i = 1; i < e.words.size(); i += 2)
                g.groupBanks[byName(lib.groups, e.words[i], "sprite group")] = e.number(i + 1);
        } else if (k == "item-tile-base") {
            g.itemTileBase = e.number(1);
        } else if (k == "sprite") {
            g.sprites.push_back(
                {byName(lib.sprites, e.word(1), "sprite"), e.number(2), e.number(3)});
        } else if (k == "unlisted-types") {
            g.unlistedTypes = byName(lib.sprites, e.word(1), "sprite");
        } else if (k == "also-type") {
            g.alsoTypes.emplace_back(e.number(1), byName(lib.sprites, e.word(2), "sprite"));
        } else {
            g.parts.push_back(e);
        }
    });
    for (size_t i = 0; i < g.groupBanks.size(); ++i)
        if (g.groupBanks[i] < 0)
            throw std::runtime_error(file.string() + ": no bank for sprite group " +
                                     lib.groups[i].name);
    if (g.prgBanks <= 0 || g.scrollMaps.empty() || g.lastGroupPair.empty())
        throw std::runtime_error(file.string() +
                                 ": needs 'rom', 'scroll-map' and 'last-group-pair'");
    return g;
}

} // namespace orvane::demo
