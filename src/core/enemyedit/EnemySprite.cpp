#include "core/enemyedit/EnemySprite.h"

#include <cstdint>
#include <initializer_list>

#include "core/app/Editor.h"

namespace orvane {

namespace {

// ---- which of the enemy sprite tables (LevelTables::spriteTable) is which -------------
// mm3 keeps three table sets, each in a bank whose first page is table kMM3Page + set.
constexpr int kMM3FrameLo = 0, kMM3FrameHi = 3;  // + set: sprite record per frame
constexpr int kMM3CoordLo = 6, kMM3CoordHi = 8;  // + coordinate set
constexpr int kMM3Page = 10, kMM3CoordPage = 13; // + set: first 256-byte page of the bank
constexpr int kMM3AnimLo = 15, kMM3AnimHi = 18;  // + set: animation record per sprite
// mm4 and mm5 name per type a bank index and a sprite number; the other tables are
// offsets inside the bank.
constexpr int kTypeBank = 0, kTypeSprite = 1, kBankNumbers = 2;
constexpr int kFrameLo = 3, kFrameHi = 5; // + table set
constexpr int kCoordLo = 7, kCoordHi = 8;
constexpr int kAnimLo = 15, kAnimHi = 18;

// Position 1 is the first header byte; 16 header bytes before the program banks.
constexpr int64_t kBankZero = 17;
constexpr int64_t kBankSize = 8192;
// Game addresses of a switchable bank start at page 0x80 (0xA0 for mm3 coordinates).
constexpr int kWindow = 0x80, kMM3CoordWindow = 0xA0;

// Box-marker outline slots.
constexpr int kMarkerBlue = 35, kMarkerRed = 36, kMarkerGreen = 37, kMarkerYellow = 38,
              kMarkerPink = 39;
constexpr int kFirstEffectType = 0xC0;

int signedByte(int v) {
    return v >= 128 ? v - 256 : v;
}

// The position of game address lo + 256 hi in the bank whose first byte is `bankStart`,
// the bank being mapped at page `window`.
int64_t bankPosition(int64_t bankStart, int lo, int hi, int window) {
    return bankStart + lo + 256 * static_cast<int64_t>(hi - window);
}

// Pieces of the sprite record at R (header of h bytes, piece count - 1 in the low seven
// bits of byte c), placed by the coordinate record at C.
std::vector<SpritePiece> piecesOf(const Editor& ed, int64_t R, int h, int c, int64_t C) {
    std::vector<SpritePiece> pieces;
    const int count = (c & 0x7F) + 1;
    pieces.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        SpritePiece p;
        p.tile = ed.byte(R + h + 2 * i);
        p.attribute = ed.byte(R + h + 1 + 2 * i);
        p.dy = signedByte(ed.byte(C + 2 * i) + 1); // a stored 0xFF is 0
        p.dx = signedByte(ed.byte(C + 2 * i + 1));
        pieces.push_back(p);
    }
    return pieces;
}

bool inRanges(int type, std::initializer_list<std::pair<int, int>> ranges) {
    for (const auto& [from, to] : ranges)
        if (type >= from && type <= to) return true;
    return false;
}

// ---- mm3 ----------------------------------------------------------------------------

EnemySprite mm3Sprite(const Editor& ed, int type) {
    const LevelTables t = ed.tables();
    const int s = t.resource(ResSlot::MM3SpriteNumbers, type);
    // Lifts and shutters always come from the third table set.
    const bool fixedSet = inRanges(type, {{0x47, 0x4E}, {0x5E, 0x5F}, {0x68, 0x6F}, {0x79, 0x89}});
    const int set = fixedSet ? 2 : ((s & 0x80) ? 1 : 0);
    const int a = s & 0x7F;
    const int64_t bank = kBankZero + 256 * t.spriteTable(kMM3Page + set);

    const int64_t A = bankPosition(bank, ed.byte(t.spriteTable(kMM3AnimLo + set) + a),
                                   ed.byte(t.spriteTable(kMM3AnimHi + set) + a), kWindow);
    const int f = ed.byte(A + 2);
    const int64_t R = bankPosition(bank, ed.byte(t.spriteTable(kMM3FrameLo + set) + f),
                                   ed.byte(t.spriteTable(kMM3FrameHi + set) + f), kWindow);
    const int c = ed.byte(R);
    const int g = ed.byte(R + 1);
    const int coordSet = (c & 0x80) ? 1 : 0;
    const int64_t C =
        bankPosition(kBankZero + 256 * t.spriteTable(kMM3CoordPage + coordSet),
                     ed.byte(t.spriteTable(kMM3CoordLo + coordSet) + g),
                     ed.byte(t.spriteTable(kMM3CoordHi + coordSet) + g), kMM3CoordWindow);
    EnemySprite sprite;
    sprite.pieces = piecesOf(ed, R, 2, c, C);
    return sprite;
}

// ---- mm4 and mm5 --------------------------------------------------------------------

bool isObjectType(int mode, int type) {
    if (type >= kFirstEffectType) return true;
    if (mode == kMM4) {
        for (int t : {0x16, 0x17, 0x1A, 0x44, 0x83, 0x86, 0x87})
            if (type == t) return true;
        return false;
    }
    for (int t :
         {0x40, 0x41, 0x42, 0x43, 0x45, 0x46, 0x47, 0x48, 0x49, 0x4A, 0x4D, 0x52, 0x53, 0x54})
        if (type == t) return true;
    return false;
}

// The outline colour of a box: effect sprites by their kind of palette, objects green.
int boxColour(const Editor& ed, int type) {
    if (type < kFirstEffectType) return kMarkerGreen;
    const int k = type & 63;
    const LevelTables t = ed.tables();
    if (ed.EditMode == kMM4) return t.objectKind(k) < 128 ? kMarkerBlue : kMarkerRed;
    const int w = ed.byte(t.further(Further::MM5MarkerKinds) + k);
    if (w >= 128) return kMarkerYellow;
    if (w >= 16) return kMarkerPink;
    return ed.byte(t.further(Further::MM5MarkerPalettes) + k) < 128 ? kMarkerBlue : kMarkerRed;
}

// mm4 draws five types with a sprite of their own rather than the table's.
int mm4SpriteNumber(const Editor& ed, int type, int fromTable) {
    switch (type) {
    case 3:
        return 20;
    case 48:
        return 103;
    case 79:
        return 169;
    case 115:
        return 158;
    case 121:
        return 68 + ed.CurLevel;
    default:
        return fromTable;
    }
}

EnemySprite bankedSprite(const Editor& ed, int type) {
    EnemySprite sprite;
    if (isObjectType(ed.EditMode, type)) {
        sprite.box = true;
        sprite.boxColour = boxColour(ed, type);
        return sprite;
    }
    const LevelTables t = ed.tables();
    int a = ed.byte(t.spriteTable(kTypeSprite) + type);
    if (ed.EditMode == kMM4) a = mm4SpriteNumber(ed, type, a);
    const int b1 = ed.byte(t.spriteTable(kTypeBank) + type);
    const int b2 = ed.byte(t.spriteTable(kBankNumbers) + b1);
    const int64_t S = kBankZero + kBankSize * (b2 - 1);

    const int64_t A = bankPosition(S, ed.byte(S + t.spriteTable(kAnimLo) + a),
                                   ed.byte(S + t.spriteTable(kAnimHi) + a), kWindow);
    const int set = ed.byte(A) >= 128 ? 1 : 0;
    const int f = ed.byte(A + 2);
    const int64_t R = bankPosition(S, ed.byte(S + t.spriteTable(kFrameLo + set) + f),
                                   ed.byte(S + t.spriteTable(kFrameHi + set) + f), kWindow);
    int h = 2;
    int c = ed.byte(R);
    int g = ed.byte(R + 1);
    if (ed.EditMode == kMM5) {
        // A bank byte first; the top bits of the first piece's tile say which tiles the
        // bank is loaded as (0x40: none).
        h = 3;
        c = ed.byte(R + 1);
        g = ed.byte(R + 2);
        const int firstTile = ed.byte(R + 3) & 0xC0;
        if (firstTile != 0x40) sprite.tileBank = SpriteTileBank{firstTile, ed.byte(R)};
    }
    const int64_t C = bankPosition(S, ed.byte(S + t.spriteTable(kCoordLo) + g),
                                   ed.byte(S + t.spriteTable(kCoordHi) + g), kWindow);
    sprite.pieces = piecesOf(ed, R, h, c, C);
    return sprite;
}

} // namespace

EnemySprite enemySprite(const Editor& ed, int type) {
    return ed.EditMode == kMM3 ? mm3Sprite(ed, type) : bankedSprite(ed, type);
}

void loadSpriteTileBank(Editor& ed, const SpriteTileBank& bank) {
    const int64_t chr = ed.tables().param(Param::TileGraphics);
    const int first = bank.firstTile & 0xC0;
    if (first == 0x40) return;
    for (int i = 0; i < 64; ++i) {
        ed.TileAddr[static_cast<size_t>(256 + first + i)] =
            chr + 1024 * int64_t(bank.bank) + 16 * i;
        if (first == 128)
            ed.TileAddr[static_cast<size_t>(448 + i)] =
                chr + 1024 * int64_t(bank.bank + 1) + 16 * i;
    }
}

} // namespace orvane
