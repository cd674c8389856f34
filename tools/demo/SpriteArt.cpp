#include "SpriteArt.h"

#include "Picture.h"

#include <stdexcept>
#include <string>

namespace orvane::demo {

bool isGroupA(Group g) {
    return g == Group::Critters || g == Group::Fliers || g == Group::Machines;
}

namespace {

using Rows = std::vector<std::string>;

Picture hopper() {
    return Picture::fromRows(
        {"......3333......", "....33111133....", "...3111111113...", "..311111111113..",
         "..311311113113..", ".31113311331113.", ".31111111111113.", ".31112222221113.",
         ".31111222211113.", "..311111111113..", "...3311111133...", ".....333333.....",
         "....3.3..3.3....", "...3..3..3..3...", "..33.33..33.33..", ".333........333."},
        "hopper");
}

Picture blob() {
    return Picture::mirroredRows({"........", "........", "........", "......33", "....3322",
                                  "...32222", "..322222", "..321132", ".3221132", ".3222222",
                                  ".3222222", "32222222", "32211222", "32222222", ".3333333",
                                  "........"},
                                 "blob");
}

Picture flyer() {
    return Picture::mirroredRows({"........", "3.......", "33......", "313...33", "3113.322",
                                  ".3113222", ".3111221", "..311213", "..311213", ".3111221",
                                  ".3113222", "3113.322", "313...33", "33......", "3.......",
                                  "........"},
                                 "flyer");
}

Picture drone() {
    return Picture::mirroredRows({".3333333", ".......3", ".....333", "....3111", "...31121",
                                  "...31111", "....3111", ".....333"},
                                 "drone");
}

Picture walker() {
    return Picture::mirroredRows({"....3333", "...31111", "...31331", "...31331", "...31111",
                                  "....3333", "..333333", ".3112222", "31122222", "31222222",
                                  "31222112", "31222112", "31222222", ".3222222", "..333333",
                                  "...31...", "...31...", "...31...", "..3113..", "..3113..",
                                  ".31113..", ".31113..", "3333333.", "........"},
                                 "walker");
}

Picture turret() {
    return Picture::fromRows(
        {"................", "................", "................", "......3333......",
         "....33111133....", "...3111111113...", "3333111331113...", "3222111331113...",
         "3333111111113...", "...3111111113...", "..333333333333..", "..322222222223..",
         "..322222222223..", "..333333333333..", "..32.32..23.23..", "..333333333333.."},
        "turret");
}

Picture spikeball() {
    Rows quarter = {"3......3", ".3....31", "..3..312", "....3122",
                    "...31222", "..312221", ".3312211", "33122111"};
    Rows rows;
    for (const auto& r : quarter)
        rows.push_back(r);
    for (auto it = quarter.rbegin(); it != quarter.rend(); ++it)
        rows.push_back(*it);
    return Picture::mirroredRows(rows, "spike ball");
}

Picture dropper() {
    return Picture::mirroredRows({"33333333", "32222222", ".3222222", "..322222", "...32222",
                                  "...31111", "..311111", "..311111", ".3111133", ".3111311",
                                  ".3111311", ".3111133", "..311111", "...31111", "....3333",
                                  "......3."},
                                 "dropper");
}

Picture golem() {
    return Picture::mirroredRows({"........3333", "......331111", ".....3111111", ".....3113311",
                                  ".....3113311", ".....3111111", "...3333.3333", "..3222233222",
                                  ".32222222222", "322322222222", "322332222222", "3223.3222222",
                                  "3223.3222222", "333..3222222", ".....3222222", ".....3222222",
                                  ".....3333333", "....32223...", "....32223...", "....32223...",
                                  "...322223...", "..3222223...", "..33333333..", "............"},
                                 "golem");
}

Picture energy() {
    return Picture::fromRows({"..3333..", ".311113.", "31122113", "31211213", "31211213",
                              "31122113", ".311113.", "..3333.."},
                             "energy");
}

Picture bolt() {
    return Picture::fromRows({"...33...", "..3113..", ".311113.", "33333333", "..3223..",
                              "..3223..", "..3223..", "...33..."},
                             "bolt");
}

Picture lift() {
    return Picture::mirroredRows({"3333333333333333", "3111111111111111", "3122222222222222",
                                  "3122222222222222", "3333333333333333", ".3...3...3...3..",
                                  "33..33..33..33..", "................"},
                                 "lift");
}

Picture gate() {
    Rows rows = {"33333333", "31111111", "33333333"};
    for (int i = 0; i < 26; ++i)
        rows.push_back(i % 6 == 5 ? "33333333" : "..3113..");
    rows.push_back("33333333");
    rows.push_back("31111111");
    rows.push_back("33333333");
    return Picture::mirroredRows(rows, "gate");
}

Picture pictureOf(Design d) {
    switch (d) {
    case Design::Hopper:
        return hopper();
    case Design::Blob:
        return blob();
    case Design::Flyer:
        return flyer();
    case Design::Drone:
        return drone();
    case Design::Walker:
        return walker();
    case Design::Turret:
        return turret();
    case Design::Spikeball:
        return spikeball();
    case Design::Dropper:
        return dropper();
    case Design::Golem:
        return golem();
    case Design::Energy:
        return energy();
    case Design::Bolt:
        return bolt();
    case Design::Lift:
        return lift();
    case Design::Gate:
        return gate();
    }
    throw std::runtime_error("unknown sprite design");
}

// A groups draw with sprite palette 2 and B groups with 3, whose colours the section's
// sprite palette set (or effect list) gives; the items use the common palette 1.
uint8_t paletteOf(Group g) {
    if (g == Group::Common) return 1;
    return isGroupA(g) ? 2 : 3;
}

// Finds `t` in the bank, as it is or flipped; adds it when it is new.
Piece findOrAdd(std::vector<Tile>& bank, const Tile& t) {
    for (size_t i = 0; i < bank.size(); ++i) {
        for (int f = 0; f < 4; ++f) {
            Tile v = t;
            if (f & 1) v = flipH(v);
            if (f & 2) v = flipV(v);
            if (bank[i] == v)
                return Piece{static_cast<uint8_t>(i), (f & 1) != 0, (f & 2) != 0, 0, 0};
        }
    }
    if (bank.size() >= 64) throw std::runtime_error("a sprite group needs more than 64 tiles");
    bank.push_back(t);
    return Piece{static_cast<uint8_t>(bank.size() - 1), false, false, 0, 0};
}

} // namespace

Group SpriteLibrary::groupOf(Design d) {
    switch (d) {
    case Design::Hopper:
    case Design::Blob:
        return Group::Critters;
    case Design::Flyer:
    case Design::Drone:
        return Group::Fliers;
    case Design::Walker:
        return Group::Machines;
    case Design::Turret:
        return Group::Guns;
    case Design::Spikeball:
    case Design::Dropper:
        return Group::Hazards;
    case Design::Golem:
        return Group::Giants;
    default:
        return Group::Common;
    }
}

std::vector<Design> SpriteLibrary::designsOf(Group g) {
    std::vector<Design> out;
    for (int i = 0; i < kDesignCount; ++i)
        if (groupOf(static_cast<Design>(i)) == g) out.push_back(static_cast<Design>(i));
    return out;
}

SpriteLibrary::SpriteLibrary() {
    for (int i = 0; i < kDesignCount; ++i) {
        const auto d = static_cast<Design>(i);
        const Group g = groupOf(d);
        const Picture p = pictureOf(d);
        Sprite s{d, g, paletteOf(g), {}};
        for (int row = 0; row < (p.height() + 7) / 8; ++row)
            for (int col = 0; col < (p.width() + 7) / 8; ++col) {
                const Tile t = p.tile(col, row);
                if (isBlank(t)) continue;
                Piece piece = findOrAdd(m_banks[static_cast<size_t>(g)], t);
                piece.dx = 8 * col - p.width() / 2;
                piece.dy = 8 * row - p.height();
                s.pieces.push_back(piece);
            }
        m_sprites.push_back(s);
    }
}

Sprite mirrored(const Sprite& s) {
    Sprite m = s;
    for (Piece& p : m.pieces) {
        p.hflip = !p.hflip;
        p.dx = -p.dx - 8;
    }
    return m;
}

GroupPair groupPair(int index) {
    static constexpr GroupPair pairs[kGroupPairs] = {
        {Group::Critters, Group::Guns},   {Group::Critters, Group::Hazards},
        {Group::Fliers, Group::Guns},     {Group::Fliers, Group::Hazards},
        {Group::Machines, Group::Giants}, {Group::Machines, Group::Guns},
        {Group::Critters, Group::Giants}, {Group::Fliers, Group::Giants}};
    return pairs[((index % kGroupPairs) + kGroupPairs) % kGroupPairs];
}

} // namespace orvane::demo
