#include "LevelKit.h"

#include <algorithm>

namespace orvane::demo {

namespace {

// The made-up blocks and structures come first; the rest of the 256 repeat them in other
// colours. The recoloured structures use the blocks from here on.
constexpr int kRecolouredBlocks = 64;

KitLayout readLayout(const Entry& e, const std::vector<KitLayout>& bases,
                     const std::string& marks) {
    KitLayout l;
    l.name = e.word(1);
    for (size_t i = 2; i < e.words.size(); i += 2) {
        if (e.words[i] == "on") {
            l.base = byName(bases, e.word(i + 1), "base");
            l.baseVariant = e.number(i + 2);
            ++i; // "on" takes two words
        } else if (e.words[i] == "shift") {
            l.shiftModulo = std::max(1, e.number(i + 1));
        } else {
            throw std::runtime_error("unknown word '" + e.words[i] + "'");
        }
    }
    if (e.rows.size() != 8) throw std::runtime_error("a layout has 8 rows");
    for (size_t r = 0; r < 8; ++r)
        for (size_t c = 0; c < 8; ++c) {
            const char mark = c < e.rows[r].size() ? e.rows[r][c] : ' ';
            const size_t s = marks.find(mark);
            if (e.rows[r].size() != 8 || (mark != '-' && s == std::string::npos))
                throw std::runtime_error("layout row " + std::to_string(r + 1) +
                                         " needs 8 structure marks or '-'");
            l.cells[8 * r + c] = mark == '-' ? -1 : static_cast<int>(s);
        }
    return l;
}

} // namespace

KitSource::KitSource(const std::filesystem::path& tileFile, const std::filesystem::path& file) {
    readTiles(tileFile);
    std::vector<std::string> types;
    forEachEntry(readEntries(file), [&](const Entry& e) {
        const std::string& k = e.keyword();
        if (k == "block-types") {
            types.assign(e.words.begin() + 1, e.words.end());
        } else if (k == "block") { // one picture, or four tiles
            Block b{e.word(1), {}, e.number(2), indexOf(types, e.word(3), "block type")};
            if (e.words.size() != 5 && e.words.size() != 8)
                throw std::runtime_error("a block names one picture or four tiles");
            for (size_t q = 0; q < 4; ++q)
                b.tiles[q] =
                    e.words.size() == 5 ? tileNumber(e.word(4)) + q : tileNumber(e.word(4 + q));
            m_blocks.push_back(b);
        } else if (k == "structure") {
            if (e.word(1).size() != 1 || e.word(1) == "-" ||
                m_marks.find(e.word(1)) != std::string::npos)
                throw std::runtime_error("a structure needs a mark of its own");
            Structure s{e.word(2), {}};
            for (size_t q = 0; q < 4; ++q)
                s.blocks[q] = static_cast<uint8_t>(byName(m_blocks, e.word(3 + q), "block"));
            m_marks += e.word(1);
            m_structures.push_back(s);
        } else if (k == "base" || k == "layout") {
            (k == "base" ? m_bases : m_layouts).push_back(readLayout(e, m_bases, m_marks));
        } else if (k == "plain-screens") {
            for (size_t i = 1; i < e.words.size(); ++i)
                m_plain.push_back(layoutNumber(e.words[i]));
        } else {
            throw std::runtime_error("unknown entry '" + k + "'");
        }
    });
    if (m_blocks.empty() || m_blocks.size() > kRecolouredBlocks || m_structures.empty())
        throw std::runtime_error(file.string() + ": needs 1 to 64 blocks and some structures");
}

void KitSource::readTiles(const std::filesystem::path& file) {
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
        const Named known = m_tileNames.emplace(e.word(2), named).first->second;
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

uint8_t KitSource::tileNumber(const std::string& ref) const {
    const size_t plus = ref.find('+');
    const auto it = m_tileNames.find(ref.substr(0, plus));
    const int n = plus == std::string::npos ? 0 : hexNumber(ref.substr(plus + 1));
    if (it == m_tileNames.end() || n >= it->second.count)
        throw std::runtime_error("no background tile '" + ref + "'");
    return static_cast<uint8_t>(it->second.first + n);
}

std::array<uint8_t, 64> KitSource::draw(const KitLayout& l, int variant) const {
    auto g =
        l.base < 0 ? std::array<uint8_t, 64>{} : draw(m_bases[l.base], variant + l.baseVariant);
    for (int r = 0; r < 8; ++r)
        for (int c = 0; c < 8; ++c)
            if (l.cells[8 * r + c] >= 0)
                g[8 * r + (c + variant % l.shiftModulo) % 8] =
                    static_cast<uint8_t>(l.cells[8 * r + c]);
    return g;
}

LevelKit KitSource::kit(int variant, int layoutCount) const {
    if (layoutCount > static_cast<int>(m_layouts.size()))
        throw std::runtime_error("level-kit.txt has fewer than " + std::to_string(layoutCount) +
                                 " layouts");
    LevelKit kit{std::vector<uint8_t>(1024), std::vector<uint8_t>(256), {}, {}};
    const int blocks = static_cast<int>(m_blocks.size()),
              structures = static_cast<int>(m_structures.size());
    for (int b = 0; b < 256; ++b) {
        // Later blocks: the made-up ones with the palette turned by one to three steps.
        const Block& base = m_blocks[b % blocks];
        const int palette = b < blocks ? base.palette : (base.palette + 1 + (b / blocks) % 3) % 4;
        for (int q = 0; q < 4; ++q)
            kit.blockTiles[256 * q + b] = base.tiles[q];
        kit.blockAttributes[b] = static_cast<uint8_t>(base.type << 4 | palette);
    }
    for (int s = 0; s < 256; ++s) {
        // Later structures: the made-up ones built from the recoloured blocks.
        const int shift = s < structures ? 0 : kRecolouredBlocks + blocks * ((s / structures) % 5);
        for (uint8_t b : m_structures[s % structures].blocks)
            kit.structures.push_back(static_cast<uint8_t>(std::min(255, shift + b)));
    }
    for (int n = 0; n < layoutCount; ++n) {
        const auto g = draw(m_layouts[n], variant);
        kit.layouts.insert(kit.layouts.end(), g.begin(), g.end());
    }
    return kit;
}

} // namespace orvane::demo
