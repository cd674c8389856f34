#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include "core/resdata/LayoutParams.h"

namespace orvane {

struct Editor;

// Keeps what a level load and the screen refreshes change in the editor (the level and
// its addressing, the screen and its section, the tile offsets, the colours and the
// palette state) and puts it back when it goes out of scope. The bitmaps' colour tables
// are not part of it: nothing run under it publishes colours.
class SavedView {
public:
    explicit SavedView(Editor& ed);
    ~SavedView();
    SavedView(const SavedView&) = delete;
    SavedView& operator=(const SavedView&) = delete;

private:
    Editor& m_ed;
    int m_level, m_screen, m_section, m_sectionStart, m_sectionEnd, m_bgPal;
    int64_t m_levelBase, m_levelBase2;
    bool m_forcePalLoad;
    LayoutParams m_params;
    std::array<int64_t, 512> m_tiles;
    std::array<uint32_t, 256> m_colours;
    std::array<int, 4> m_animId, m_animWait, m_animFrame;
    std::array<int64_t, 8> m_spriteColourPos;
};

// Steps through screens 0 .. screens - 1 of `level` as the user does from a fresh level
// load: the level load, then for each screen the section walk with mm4's effect lists,
// the sprite set-up and the background palette with every animation at its first frame.
// `visit(screen)` runs with the editor's view on that screen; it may change the tile
// offsets and colours, which the next step then starts from. The editor's view is
// restored afterwards.
void walkLevel(Editor& ed, int level, int screens, const std::function<void(int)>& visit);

} // namespace orvane
