#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "SpriteArt.h"

namespace orvane::demo {

// The palette animations of the demo, numbered alike in the three games: 0 water,
// 1 lights, 2 glow, 3 conveyor, 4 a flash that ends itself (a colour set 0 ends an
// animation in mm4 and mm5), 5 slow water, 6 fast lights, 7 a pulse of sprite colours
// (mm4 plays animation 7 on sprite slots 73..75 too).
struct Animation {
    uint8_t lastFrame = 0;
    uint8_t delay = 0;
    uint8_t palette = 0;         // background palette 0..3 whose colours 1..3 it plays on
    std::vector<uint8_t> frames; // colour set of each frame
};
constexpr int kAnimations = 8;
const Animation& animation(int n);

// Colour sets 0..18, three NES colours each; set 0 is never played (it ends mm4 and mm5
// animations) and stays black.
constexpr int kColourSets = 19;
std::array<uint8_t, 3> colourSet(int n);

// A level's background palette records: 20 bytes each, 16 colours and the animation
// byte of palettes 0..3 (bit 7 set plus the animation number, or 0).
std::vector<std::array<uint8_t, 20>> paletteRecords(int level, int count);

// Sprite colours (colours 1..3) of a sprite group, for sprite palette 2 (A groups) or
// 3 (B groups); and the eight bytes of a sprite palette set for a group pair.
std::array<uint8_t, 3> spriteColours(Group g);
std::array<uint8_t, 8> spritePaletteSet(GroupPair pair);
// Sprite palettes 0 and 1: the common colours of every level.
std::array<uint8_t, 8> commonSpritePalettes();

} // namespace orvane::demo
