#include "SpriteArt.h"

#include "TextData.h"

namespace orvane::demo {

namespace {

// Finds `t` in the bank, as it is or flipped; adds it when it is new.
Piece findOrAdd(std::vector<Tile>& bank, const Tile& t) {
    for (size_t i = 0; i < bank.size(); ++i)
        for (int f = 0; f < 4; ++f)
            if (bank[i] == flipped(t, f & 1, f & 2))
                return Piece{static_cast<uint8_t>(i), (f & 1) != 0, (f & 2) != 0, 0, 0};
    if (bank.size() >= 64) throw std::runtime_error("a sprite group needs more than 64 tiles");
    bank.push_back(t);
    return Piece{static_cast<uint8_t>(bank.size() - 1), false, false, 0, 0};
}

} // namespace

SpriteLibrary::SpriteLibrary(const std::filesystem::path& file) {
    forEachEntry(readEntries(file), [&](const Entry& e) {
        if (e.keyword() == "group") {
            const auto half = static_cast<Half>(indexOf({"A", "B", "items"}, e.word(2), "half"));
            const auto c = e.bytes(3);
            if (c.size() != 3) throw std::runtime_error("a group needs three colours");
            if (half == Half::Items && itemGroup < 0) itemGroup = static_cast<int>(groups.size());
            groups.push_back({e.word(1), half, {c[0], c[1], c[2]}, {}});
        } else if (e.keyword() == "pair") {
            pairs.push_back(
                {byName(groups, e.word(1), "group"), byName(groups, e.word(2), "group")});
        } else if (e.keyword() == "sprite") {
            // Cut into pieces around the anchor; blank pieces are left out.
            Sprite s{e.word(1), byName(groups, e.word(2), "group"), e.number(3), {}};
            const Picture p = readPicture(e.rows);
            for (int row = 0; row < p.rows; ++row)
                for (int col = 0; col < p.columns; ++col) {
                    if (isBlank(p.tile(col, row))) continue;
                    Piece piece = findOrAdd(groups[s.group].tiles, p.tile(col, row));
                    piece.dx = 8 * col - 4 * p.columns;
                    piece.dy = 8 * (row - p.rows);
                    s.pieces.push_back(piece);
                }
            if (s.pieces.empty() || s.pieces.size() > 64)
                throw std::runtime_error("a sprite needs 1 to 64 pieces");
            sprites.push_back(s);
        } else {
            throw std::runtime_error("unknown entry '" + e.keyword() + "'");
        }
    });
    if (pairs.empty() || itemGroup < 0)
        throw std::runtime_error(file.string() + ": needs group pairs and an items group");
}

int SpriteLibrary::designOf(int group, int pick) const {
    std::vector<int> designs;
    for (size_t i = 0; i < sprites.size(); ++i)
        if (sprites[i].group == group) designs.push_back(static_cast<int>(i));
    if (designs.empty())
        throw std::runtime_error("sprite group '" + groups[group].name + "' has no sprites");
    return designs[pick % designs.size()];
}

std::vector<uint8_t> SpriteLibrary::paletteSet(int index) const {
    const auto& a = groups[pair(index).a].colours;
    const auto& b = groups[pair(index).b].colours;
    return {0x0F, a[0], a[1], a[2], 0x0F, b[0], b[1], b[2]};
}

Sprite mirrored(const Sprite& s) {
    Sprite m = s;
    for (Piece& p : m.pieces) {
        p.hflip = !p.hflip;
        p.dx = -p.dx - 8;
    }
    return m;
}

} // namespace orvane::demo
