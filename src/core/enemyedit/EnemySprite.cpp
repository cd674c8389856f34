#include "core/enemyedit/EnemySprite.h"

#include <cstdint>
#include <initializer_list>

#include "core/app/Editor.h"

namespace orvane {

namespace {

// ---- where the sprite tables are (layout parameters) -----------------------------------
// mm3 keeps three table sets, each in a bank whose first page is P(38 + set).
constexpr int kMM3FrameLo = 28, kMM3FrameHi = 31; // + set: sprite record per frame
constexpr int kMM3CoordLo = 34, kMM3CoordHi = 36; // + coordinate set
constexpr int kMM3Page = 38, kMM3CoordPage = 41;  // + set: first 256-byte page of the bank
constexpr int kMM3AnimLo = 43, kMM3AnimHi = 46;   // + set: animation record per sprite
// mm4 and mm5 name per type a bank index and a sprite number; the tables are offsets
// inside the bank.
constexpr int kTypeBank = 28, kTypeSprite = 29, kBankNumbers = 30;
constexpr int kFrameLo = 31, kFrameHi = 33; // + table set
constexpr int kCoordLo = 35, kCoordHi = 36;
constexpr int kAnimLo = 43, kAnimHi = 46;
constexpr int kChrStart = 2;

// Resource sections: mm3's sprite number and table set per type; the further values of
// section 10 that colour the box markers.
constexpr int kMM3SpriteSection = 11;
constexpr int kFurtherSection = 10;
constexpr int kMM4EffectKinds = 9, kMM5MarkerKinds = 12, kMM5MarkerPalettes = 13;

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
    const int s = ed.R(kMM3SpriteSection, type);
    // Lifts and shutters always come from the third table set.
    const bool fixedSet = inRanges(type, {{0x47, 0x4E}, {0x5E, 0x5F}, {0x68, 0x6F}, {0x79, 0x89}});
    const int set = fixedSet ? 2 : ((s & 0x80) ? 1 : 0);
    const int a = s & 0x7F;
    const int64_t bank = kBankZero + 256 * ed.P(kMM3Page + set);

    const int64_t A = bankPosition(bank, ed.byte(ed.P(kMM3AnimLo + set) + a),
                                   ed.byte(ed.P(kMM3AnimHi + set) + a), kWindow);
    const int f = ed.byte(A + 2);
    const int64_t R = bankPosition(bank, ed.byte(ed.P(kMM3FrameLo + set) + f),
                                   ed.byte(ed.P(kMM3FrameHi + set) + f), kWindow);
    const int c = ed.byte(R);
    const int g = ed.byte(R + 1);
    const int coordSet = (c & 0x80) ? 1 : 0;
    const int64_t C = bankPosition(kBankZero + 256 * ed.P(kMM3CoordPage + coordSet),
                                   ed.byte(ed.P(kMM3CoordLo + coordSet) + g),
                                   ed.byte(ed.P(kMM3CoordHi + coordSet) + g), kMM3CoordWindow);
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
    if (ed.EditMode == kMM4)
        return ed.byte(ed.R(kFurtherSection, kMM4EffectKinds) + k) < 128 ? kMarkerBlue : kMarkerRed;
    const int w = ed.byte(ed.R(kFurtherSection, kMM5MarkerKinds) + k);
    if (w >= 128) return kMarkerYellow;
    if (w >= 16) return kMarkerPink;
    return ed.byte(ed.R(kFurtherSection, kMM5MarkerPalettes) + k) < 128 ? kMarkerBlue : kMarkerRed;
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
    int a = ed.byte(ed.P(kTypeSprite) + type);
    if (ed.EditMode == kMM4) a = mm4SpriteNumber(ed, type, a);
    const int b1 = ed.byte(ed.P(kTypeBank) + type);
    const int b2 = ed.byte(ed.P(kBankNumbers) + b1);
    const int64_t S = kBankZero + kBankSize * (b2 - 1);

    const int64_t A =
        bankPosition(S, ed.byte(S + ed.P(kAnimLo) + a), ed.byte(S + ed.P(kAnimHi) + a), kWindow);
    const int set = ed.byte(A) >= 128 ? 1 : 0;
    const int f = ed.byte(A + 2);
    const int64_t R = bankPosition(S, ed.byte(S + ed.P(kFrameLo + set) + f),
                                   ed.byte(S + ed.P(kFrameHi + set) + f), kWindow);
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
    const int64_t C =
        bankPosition(S, ed.byte(S + ed.P(kCoordLo) + g), ed.byte(S + ed.P(kCoordHi) + g), kWindow);
    sprite.pieces = piecesOf(ed, R, h, c, C);
    return sprite;
}

} // namespace

EnemySprite enemySprite(const Editor& ed, int type) {
    return ed.EditMode == kMM3 ? mm3Sprite(ed, type) : bankedSprite(ed, type);
}

void loadSpriteTileBank(Editor& ed, const SpriteTileBank& bank) {
    const int64_t chr = ed.P(kChrStart);
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
