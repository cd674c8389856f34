#include "Palettes.h"

namespace orvane::demo {

namespace {

struct Scheme {
    uint8_t backdrop;
    std::array<std::array<uint8_t, 3>, 4> pal; // colours 1..3 of palettes 0..3
};

// Palette 0 sky and water, 1 ground, 2 walls, 3 metal, ladders and lamps.
constexpr Scheme kSchemes[] = {
    {0x21,
     {{{0x30, 0x2C, 0x11}, {0x2A, 0x17, 0x07}, {0x16, 0x26, 0x07}, {0x30, 0x10, 0x0F}}}}, // day
    {0x0F,
     {{{0x3C, 0x1C, 0x0C}, {0x28, 0x10, 0x00}, {0x00, 0x10, 0x0F}, {0x30, 0x10, 0x00}}}}, // factory
    {0x0C,
     {{{0x3C, 0x2C, 0x1C}, {0x18, 0x08, 0x0F}, {0x17, 0x27, 0x07}, {0x24, 0x14, 0x04}}}}, // cave
    {0x26,
     {{{0x36, 0x27, 0x16}, {0x19, 0x07, 0x0F}, {0x06, 0x16, 0x0F}, {0x30, 0x00, 0x0F}}}}, // dusk
    {0x31,
     {{{0x30, 0x21, 0x11}, {0x30, 0x10, 0x00}, {0x11, 0x21, 0x01}, {0x30, 0x10, 0x0F}}}}, // snow
    {0x0F,
     {{{0x30, 0x11, 0x01}, {0x1A, 0x0A, 0x0F}, {0x17, 0x27, 0x07}, {0x38, 0x28, 0x18}}}}, // night
};

constexpr uint8_t kSets[kColourSets][3] = {
    {0x0F, 0x0F, 0x0F},                                                             // 0: unused
    {0x30, 0x2C, 0x11}, {0x30, 0x21, 0x12}, {0x30, 0x11, 0x2C}, {0x30, 0x21, 0x1C}, // 1..4 water
    {0x38, 0x28, 0x18}, {0x30, 0x10, 0x00},                                         // 5, 6 lights
    {0x16, 0x06, 0x0F}, {0x26, 0x16, 0x06}, {0x36, 0x26, 0x16}, {0x30, 0x36, 0x26}, // 7..10 glow
    {0x30, 0x10, 0x00}, {0x10, 0x00, 0x30}, {0x00, 0x30, 0x10}, // 11..13 conveyor
    {0x30, 0x30, 0x30}, {0x20, 0x10, 0x00},                     // 14, 15 flash
    {0x36, 0x26, 0x16}, {0x38, 0x28, 0x18}, {0x3A, 0x2A, 0x1A}, // 16..18 pulse
};

} // namespace

const Animation& animation(int n) {
    static const Animation kAnims[kAnimations] = {
        {3, 7, 0, {1, 2, 3, 4}}, {1, 0x17, 3, {5, 6}},        {5, 4, 2, {7, 8, 9, 10, 9, 8}},
        {2, 3, 3, {11, 12, 13}}, {3, 2, 0, {14, 15, 14, 0}},  {3, 0x0F, 0, {1, 2, 3, 4}},
        {1, 5, 3, {5, 6}},       {3, 6, 0, {16, 17, 18, 17}},
    };
    return kAnims[n % kAnimations];
}

std::array<uint8_t, 3> colourSet(int n) {
    const auto& s = kSets[n % kColourSets];
    return {s[0], s[1], s[2]};
}

std::vector<std::array<uint8_t, 20>> paletteRecords(int level, int count) {
    std::vector<std::array<uint8_t, 20>> out;
    for (int r = 0; r < count; ++r) {
        const Scheme& s = kSchemes[(level + r) % 6];
        std::array<uint8_t, 20> rec{};
        for (int p = 0; p < 4; ++p) {
            rec[static_cast<size_t>(4 * p)] = s.backdrop;
            for (int k = 0; k < 3; ++k)
                rec[static_cast<size_t>(4 * p + 1 + k)] =
                    s.pal[static_cast<size_t>(p)][static_cast<size_t>(k)];
        }
        // Which palettes animate: water, lights, glow or the conveyor in turn, and both
        // water and lights in record 5.
        switch (r % 4) {
        case 0:
            rec[16] = 0x80;
            break; // palette 0: water
        case 1:
            rec[19] = 0x81;
            break; // palette 3: lights
        case 2:
            rec[18] = 0x82;
            break; // palette 2: glow
        default:
            rec[19] = 0x83;
            break; // palette 3: conveyor
        }
        if (r == 5) rec[16] = 0x85;
        out.push_back(rec);
    }
    return out;
}

std::array<uint8_t, 3> spriteColours(Group g) {
    switch (g) {
    case Group::Critters:
        return {0x3A, 0x2A, 0x0F};
    case Group::Fliers:
        return {0x34, 0x24, 0x0F};
    case Group::Machines:
        return {0x38, 0x28, 0x0F};
    case Group::Guns:
        return {0x30, 0x10, 0x0F};
    case Group::Hazards:
        return {0x36, 0x16, 0x0F};
    case Group::Giants:
        return {0x27, 0x17, 0x0F};
    case Group::Common:
        return {0x30, 0x21, 0x0F};
    }
    return {0x30, 0x10, 0x0F};
}

std::array<uint8_t, 8> spritePaletteSet(GroupPair pair) {
    const auto a = spriteColours(pair.a), b = spriteColours(pair.b);
    return {0x0F, a[0], a[1], a[2], 0x0F, b[0], b[1], b[2]};
}

std::array<uint8_t, 8> commonSpritePalettes() {
    const auto c = spriteColours(Group::Common);
    return {0x0F, 0x30, 0x27, 0x0F, 0x0F, c[0], c[1], c[2]};
}

} // namespace orvane::demo
