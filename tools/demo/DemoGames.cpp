#include "DemoGames.h"

#include "RomBuilder.h"
#include "core/app/Editor.h"
#include "core/level/LevelLoader.h"

namespace orvane::demo {

void prepareEditor(Editor& ed, int mode, const ResourceData& res) {
    ed.EditMode = mode;
    *ed.Res = res;
    ed.RomParams.resolveAbsolute(*ed.Res);
}

void writeSpriteArtToChr(RomBuilder& rb, const SpriteLibrary& lib, int (*chrBankOf)(Group),
                         const char* what) {
    for (int g = 0; g < kGroupCount; ++g) {
        const auto group = static_cast<Group>(g);
        const auto& tiles = lib.bank(group);
        for (size_t i = 0; i < tiles.size(); ++i)
            rb.putTile(rb.chrOffset(chrBankOf(group)) + 16 * static_cast<int64_t>(i), tiles[i],
                       what);
    }
}

void forEachLevel(Editor& ed, const std::function<void(int)>& body) {
    for (int level = 0; level <= ed.P(0); ++level) {
        ed.CurLevel = level;
        loadLevelAddresses(ed);
        body(level);
    }
}

std::vector<uint8_t> scrollTemplate(int mode, int level) {
    // Right runs (2x), up screens (80) and runs entered upwards (Ax), down screens (40)
    // and runs entered downwards (6x); a right run right after another one is a split.
    static const std::vector<uint8_t> kMaps[3][2] = {
        {{0x23, 0x21, 0x80, 0x80, 0xA3, 0x40, 0x62, 0x23},
         {0x24, 0x80, 0xA2, 0x40, 0x40, 0x63, 0x23, 0x20}},
        {{0x23, 0x22, 0x80, 0x80, 0x80, 0xA3, 0x40, 0x40, 0x63, 0x21, 0x21},
         {0x25, 0x40, 0x63, 0x80, 0xA4, 0x22, 0x80, 0x80, 0xA1}},
        {{0x23, 0x80, 0xA3, 0x40, 0x62, 0x22}, {0x24, 0x21, 0x40, 0x63, 0x80, 0xA2}},
    };
    return kMaps[mode][level % 2];
}

} // namespace orvane::demo
