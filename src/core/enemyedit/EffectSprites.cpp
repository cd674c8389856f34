#include "core/enemyedit/EffectSprites.h"

#include <algorithm>

#include "core/app/Editor.h"

namespace orvane {

namespace {

// Elements of resource slot 10 that place the three tables.
constexpr int kFurther = 10;
constexpr int kPaletteSlots = 8, kKinds = 9, kFourColourPalettes = 10;
constexpr int kAnimationBit = 0x80;
constexpr int kLastNumber = 0x7F;
constexpr int kLastColour = 0x3F;

int slotOf(int type) {
    return type & 63;
}
int64_t slotPosition(const Editor& ed, int table, int type) {
    return ed.R(kFurther, table) + slotOf(type);
}
int64_t colourPosition(const Editor& ed, int type, int i) {
    const int p = ed.byte(slotPosition(ed, kKinds, type)) & kLastNumber;
    return ed.R(kFurther, kFourColourPalettes) + 4 * int64_t{p} + i;
}

} // namespace

bool isEffectSprite(const Editor& ed, int type) {
    return ed.EditMode == kMM4 && type >= kFirstEffectSprite;
}

EffectSprite effectSprite(const Editor& ed, int type) {
    EffectSprite s;
    s.paletteSlot = ed.byte(slotPosition(ed, kPaletteSlots, type)) & 3;
    const int kind = ed.byte(slotPosition(ed, kKinds, type));
    s.animation = (kind & kAnimationBit) != 0;
    s.number = kind & kLastNumber;
    for (int i = 0; i < 4; ++i)
        s.colours[static_cast<size_t>(i)] = ed.byte(colourPosition(ed, type, i));
    return s;
}

void setEffectSpriteSlot(Editor& ed, int type, int slot) {
    ed.setByte(slotPosition(ed, kPaletteSlots, type), slot & 3);
}

void setEffectSpriteKind(Editor& ed, int type, bool animation) {
    const int64_t pos = slotPosition(ed, kKinds, type);
    ed.setByte(pos, (animation ? kAnimationBit : 0) | (ed.byte(pos) & kLastNumber));
}

void setEffectSpriteNumber(Editor& ed, int type, int64_t value) {
    const int64_t pos = slotPosition(ed, kKinds, type);
    ed.setByte(pos, (ed.byte(pos) & kAnimationBit) |
                        static_cast<int>(std::clamp<int64_t>(value, 0, kLastNumber)));
}

void stepEffectSpriteNumber(Editor& ed, int type, int delta) {
    setEffectSpriteNumber(ed, type,
                          (ed.byte(slotPosition(ed, kKinds, type)) & kLastNumber) + delta);
}

void setEffectSpriteColour(Editor& ed, int type, int i, int64_t value) {
    ed.setByte(colourPosition(ed, type, i),
               static_cast<int>(std::clamp<int64_t>(value, 0, kLastColour)));
}

void stepEffectSpriteColour(Editor& ed, int type, int i, int delta) {
    setEffectSpriteColour(ed, type, i, ed.byte(colourPosition(ed, type, i)) + delta);
}

} // namespace orvane
