#include "core/render/LevelWalk.h"

#include "core/app/Editor.h"
#include "core/level/LevelLoader.h"
#include "core/render/BackgroundPalette.h"
#include "core/render/EffectLoad.h"
#include "core/render/SectionWalk.h"

namespace orvane {

SavedView::SavedView(Editor& ed)
    : m_ed(ed), m_level(ed.CurLevel), m_screen(ed.CurScrn), m_section(ed.CurSection),
      m_sectionStart(ed.SectionStart), m_sectionEnd(ed.SectionEnd), m_bgPal(ed.CurBGPal),
      m_levelBase(ed.LevelBase), m_levelBase2(ed.LevelBase2), m_forcePalLoad(ed.ForcePalLoad),
      m_params(ed.RomParams), m_tiles(ed.TileAddr), m_colours(ed.BmpCols), m_animId(ed.PalAnimId),
      m_animWait(ed.PalAnimWait), m_animFrame(ed.PalAnimFrame), m_spriteColourPos(ed.SprColPos) {}

SavedView::~SavedView() {
    m_ed.CurLevel = m_level;
    m_ed.CurScrn = m_screen;
    m_ed.CurSection = m_section;
    m_ed.SectionStart = m_sectionStart;
    m_ed.SectionEnd = m_sectionEnd;
    m_ed.CurBGPal = m_bgPal;
    m_ed.LevelBase = m_levelBase;
    m_ed.LevelBase2 = m_levelBase2;
    m_ed.ForcePalLoad = m_forcePalLoad;
    m_ed.RomParams = m_params;
    m_ed.TileAddr = m_tiles;
    m_ed.BmpCols = m_colours;
    m_ed.PalAnimId = m_animId;
    m_ed.PalAnimWait = m_animWait;
    m_ed.PalAnimFrame = m_animFrame;
    m_ed.SprColPos = m_spriteColourPos;
}

void walkLevel(Editor& ed, int level, int screens, const std::function<void(int)>& visit) {
    const SavedView saved(ed);
    ed.CurLevel = level;
    loadLevelAddresses(ed);
    if (ed.EditMode == kMM4) InitEffectLoad(ed);
    for (int screen = 0; screen < screens; ++screen) {
        ed.CurScrn = screen;
        enterCurrentScreen(ed);
        // A level load asks for the first section's palette record whatever its byte says.
        ed.ForcePalLoad = screen == 0;
        loadBackgroundPalette(ed, 1);
        visit(screen);
    }
}

} // namespace orvane
