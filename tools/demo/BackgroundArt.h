#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "Tile.h"

namespace orvane::demo {

// The background tiles of the demo levels (background-tiles.txt): 256 tiles for each
// theme, and the names blocks use for them.
class BackgroundArt {
public:
    explicit BackgroundArt(const std::filesystem::path& file);

    // The tiles of a level of layout variant `variant`: the themes are taken in turn.
    const std::array<Tile, 256>& tilesFor(int variant) const {
        return m_tiles[static_cast<size_t>(variant) % m_tiles.size()];
    }
    // The number of the tile "name" or "name+n"; throws when there is none.
    uint8_t tileNumber(const std::string& ref) const;

private:
    struct Named {
        int first, count;
    };
    std::vector<std::array<Tile, 256>> m_tiles; // per theme
    std::map<std::string, Named> m_names;
};

} // namespace orvane::demo
