// The enemy sprites of a ROM: each group's tiles in its bank, and the tables that lead
// from an enemy type to its sprite records (pieces) and coordinate records (offsets).
#include <algorithm>

#include "DemoRom.h"

namespace orvane::demo {

namespace {

// A sprite record: `header`, then tile and attribute of each piece, its tiles counted
// from where the group's bank is loaded (attribute: bit 7 vertical flip, bit 6
// horizontal flip, bits 0..1 the palette).
std::vector<uint8_t> spriteRecord(const RomJob& job, const Sprite& s, std::vector<uint8_t> header) {
    const Half half = job.content.sprites.groupOf(s).half;
    const int base = half == Half::A ? 0x80 : half == Half::B ? 0xC0 : job.game.itemTileBase;
    const int palette = half == Half::A ? 2 : half == Half::B ? 3 : 1;
    for (const Piece& p : s.pieces)
        header.insert(header.end(), {static_cast<uint8_t>(base + p.tile),
                                     static_cast<uint8_t>((p.vflip ? 0x80 : 0) |
                                                          (p.hflip ? 0x40 : 0) | palette)});
    return header;
}

// A coordinate record: per piece dy - 1 and dx as bytes (the reader adds 1 to dy and
// takes both as signed).
std::vector<uint8_t> coordinateRecord(const Sprite& s) {
    std::vector<uint8_t> out;
    for (const Piece& p : s.pieces)
        out.insert(out.end(), {static_cast<uint8_t>(p.dy - 1), static_cast<uint8_t>(p.dx)});
    return out;
}

// The sprites kept in set or bank `table`, in sprite-number order.
std::vector<const Sprite*> spritesOf(const RomJob& job, int table) {
    std::vector<const Sprite*> out;
    for (const SpriteEntry& s : job.game.sprites)
        if (s.table == table) out.push_back(&job.content.sprites.sprites[s.design]);
    return out;
}

// The piece count minus one, as a record's count byte holds it.
uint8_t countByte(const Sprite& s) {
    return static_cast<uint8_t>(s.pieces.size() - 1);
}

// Per enemy type, the index of its sprite bank (P28) and its sprite number (P29).
void writeTypeTables(RomJob& job) {
    const auto& lines = job.game.sprites;
    std::vector<uint8_t> bank(256, 0), number(256, 0);
    // Gives `type` the bank and number of the sprite line of `design`.
    auto give = [&](int type, int design) {
        const auto it = std::find_if(lines.begin(), lines.end(),
                                     [&](const auto& s) { return s.design == design; });
        if (it == lines.end() || type > 0xFF)
            throw std::runtime_error("cannot give enemy type " + std::to_string(type) +
                                     " a sprite");
        bank[type] = static_cast<uint8_t>(it->table);
        number[type] = static_cast<uint8_t>(
            std::count_if(lines.begin(), it, [&](const auto& s) { return s.table == it->table; }));
    };
    for (int t = 0; t < 256 && job.game.unlistedTypes >= 0; ++t)
        give(t, job.game.unlistedTypes);
    for (const SpriteEntry& s : lines)
        give(s.type, s.design);
    for (const auto& [type, design] : job.game.alsoTypes)
        give(type, design);
    job.rom.put(job.P(28), bank, "sprite bank per type");
    job.rom.put(job.P(29), number, "sprite number per type");
}

} // namespace

void writeSpriteTiles(RomJob& job) {
    const auto& groups = job.content.sprites.groups;
    for (size_t g = 0; g < groups.size(); ++g) {
        const int bank = job.game.groupBanks[g];
        const int64_t start =
            job.game.tilesInChr() ? job.rom.chrOffset(bank) : RomBuilder::bankPosition(bank) - 1;
        for (size_t i = 0; i < groups[g].tiles.size(); ++i)
            job.rom.putTile(start + 16 * static_cast<int64_t>(i), groups[g].tiles[i],
                            "sprite tiles");
    }
}

// mm3: per table set x, sprite records in the bank at page P38+x (window 8000), frame
// pointers P28+x / P31+x and animation pointers P43+x / P46+x; coordinate records of
// coordinate set y = x mod 2 in the bank at page P41+y (window A000), pointers P34+y /
// P36+y. Bit 7 of a record's count byte names its coordinate set.
void writeSpriteSets(RomJob& job, const Entry&) {
    std::vector<RecordArea> coordAreas;
    std::vector<int64_t> coords[2];
    for (int y = 0; y < 2; ++y)
        coordAreas.emplace_back(job.rom, job.P(41 + y) / 32, 0xA000, 0x200, 0x2000,
                                "coordinate records");
    for (int x = 0; x < 3; ++x) {
        RecordArea area(job.rom, job.P(38 + x) / 32, 0x8000, 0x300, 0x2000, "sprite records");
        const int y = x & 1;
        std::vector<int64_t> frames, anims;
        for (const Sprite* s : spritesOf(job, x)) {
            const auto g = static_cast<uint8_t>(coords[y].size());
            coords[y].push_back(coordAreas[y].add(coordinateRecord(*s)));
            frames.push_back(
                area.add(spriteRecord(job, *s, {static_cast<uint8_t>(countByte(*s) | y << 7), g})));
        }
        for (size_t i = 0; i < frames.size(); ++i)
            anims.push_back(area.add({0x00, 0x01, static_cast<uint8_t>(i)}));
        job.rom.putPointers(job.P(43 + x), job.P(46 + x), 128, anims, "animation pointers");
        job.rom.putPointers(job.P(28 + x), job.P(31 + x), 256, frames, "frame pointers");
    }
    for (int y = 0; y < 2; ++y)
        job.rom.putPointers(job.P(34 + y), job.P(36 + y), 256, coords[y], "coordinate pointers");
}

// mm4, mm5: each sprite bank holds, in sprite-number order, the sprite facing left
// (frame table 0) and right (table 1) with a coordinate record for each, and an
// animation record whose bit 7 picks the frame table (odd sprites face right). The
// tables sit at offsets P31..P36, P43 and P46 inside the bank; P30 numbers the banks
// from 1. With "chr" first, each record names its group's CHR bank before the count.
void writeSpriteBanks(RomJob& job, const Entry& part) {
    const bool chr = part.word(1) == "chr";
    std::vector<uint8_t> bankNumbers;
    for (const int bank : part.bytes(chr ? 2 : 1)) {
        const int64_t s = RomBuilder::bankPosition(bank);
        RecordArea area(job.rom, bank, 0x8000, 0x800, 0x2000, "sprite records");
        std::vector<int64_t> anims, coords, frames[2];
        const auto sprites = spritesOf(job, static_cast<int>(bankNumbers.size()));
        for (size_t i = 0; i < sprites.size(); ++i) {
            const Sprite facing[2] = {*sprites[i], mirrored(*sprites[i])};
            std::vector<uint8_t> header;
            if (chr) header.push_back(static_cast<uint8_t>(job.game.groupBanks[facing[0].group]));
            header.push_back(countByte(facing[0]));
            for (int x = 0; x < 2; ++x) {
                header.push_back(static_cast<uint8_t>(coords.size()));
                coords.push_back(area.add(coordinateRecord(facing[x])));
                frames[x].push_back(area.add(spriteRecord(job, facing[x], header)));
                header.pop_back();
            }
            anims.push_back(
                area.add({static_cast<uint8_t>(i & 1 ? 0x80 : 0), 0x01, static_cast<uint8_t>(i)}));
        }
        job.rom.putPointers(s + job.P(43), s + job.P(46), 256, anims, "animation pointers");
        for (int x = 0; x < 2; ++x)
            job.rom.putPointers(s + job.P(31 + x), s + job.P(33 + x), 256, frames[x],
                                "frame pointers");
        job.rom.putPointers(s + job.P(35), s + job.P(36), 256, coords, "coordinate pointers");
        bankNumbers.push_back(static_cast<uint8_t>(bank + 1));
    }
    job.rom.put(job.P(30), bankNumbers, "sprite bank numbers");
    writeTypeTables(job);
}

} // namespace orvane::demo
