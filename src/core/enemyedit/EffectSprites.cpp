#include "core/enemyedit/EffectSprites.h"

#include <algorithm>

#include "core/app/Editor.h"

namespace orvane {

namespace {

constexpr int kAnimationBit = 0x80;
constexpr int kLastNumber = 0x7F;
constexpr int kLastColour = 0x3F;

int slotOf(int type) {
    return type & 63;
}
// The four-colour palette the slot's kind byte names (also read for an animation).
int paletteOf(const LevelTables& tables, int type) {
    return tables.objectKind(slotOf(type)) & kLastNumber;
}

} // namespace

bool isEffectSprite(const Editor& ed, int type) {
    return ed.EditMode == kMM4 && type >= kFirstEffectSprite;
}

EffectSprite effectSprite(const Editor& ed, int type) {
    const LevelTables tables = ed.tables();
    EffectSprite s;
    s.paletteSlot = tables.objectPaletteSlot(slotOf(type)) & 3;
    const int kind = tables.objectKind(slotOf(type));
    s.animation = (kind & kAnimationBit) != 0;
    s.number = kind & kLastNumber;
    for (int i = 0; i < 4; ++i)
        s.colours[static_cast<size_t>(i)] = tables.fourColourPaletteByte(s.number, i);
    return s;
}

Change setEffectSpriteSlot(Editor& ed, int type, int slot) {
    setObjectPaletteSlot(ed, slotOf(type), slot & 3);
    return Change::nothing();
}

Change setEffectSpriteKind(Editor& ed, int type, bool animation) {
    const int kind = ed.tables().objectKind(slotOf(type));
    setObjectKind(ed, slotOf(type), (animation ? kAnimationBit : 0) | (kind & kLastNumber));
    return Change::nothing();
}

Change setEffectSpriteNumber(Editor& ed, int type, int64_t value) {
    const int kind = ed.tables().objectKind(slotOf(type));
    setObjectKind(ed, slotOf(type),
                  (kind & kAnimationBit) |
                      static_cast<int>(std::clamp<int64_t>(value, 0, kLastNumber)));
    return Change::nothing();
}

Change stepEffectSpriteNumber(Editor& ed, int type, int delta) {
    return setEffectSpriteNumber(ed, type, int64_t{paletteOf(ed.tables(), type)} + delta);
}

Change setEffectSpriteColour(Editor& ed, int type, int i, int64_t value) {
    setFourColourPaletteByte(ed, paletteOf(ed.tables(), type), i,
                             static_cast<int>(std::clamp<int64_t>(value, 0, kLastColour)));
    return Change::nothing();
}

Change stepEffectSpriteColour(Editor& ed, int type, int i, int delta) {
    const LevelTables tables = ed.tables();
    const int colour = tables.fourColourPaletteByte(paletteOf(tables, type), i);
    return setEffectSpriteColour(ed, type, i, int64_t{colour} + delta);
}

} // namespace orvane
