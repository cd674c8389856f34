#include "core/mapedit/LevelMapPicture.h"

#include "core/app/Editor.h"
#include "core/enemyedit/EnemyPicture.h"
#include "core/level/LevelLoader.h"
#include "core/mapedit/ScreenDrawing.h"
#include "core/render/LevelWalk.h"

namespace orvane {

namespace {

LevelMapLayout layoutOfLevel(Editor& ed, int level) {
    const SavedView saved(ed);
    ed.CurLevel = level;
    loadLevelAddresses(ed);
    return levelMapLayout(ed);
}

// The tile offsets a screen was stepped to, for as long as one redraw of it runs.
class TilesFor {
public:
    TilesFor(Editor& ed, const std::array<int64_t, 512>& tiles) : m_ed(ed), m_keep(ed.TileAddr) {
        ed.TileAddr = tiles;
    }
    ~TilesFor() { m_ed.TileAddr = m_keep; }
    TilesFor(const TilesFor&) = delete;
    TilesFor& operator=(const TilesFor&) = delete;

private:
    Editor& m_ed;
    std::array<int64_t, 512> m_keep;
};

} // namespace

void LevelMapPicture::build(Editor& ed, int level, bool enemies) {
    m_level = level;
    m_enemies = enemies;
    ++m_generation;
    m_layout = LevelMapLayout();
    m_screens.clear();
    refresh(ed);
}

void LevelMapPicture::setEnemies(Editor& ed, bool on) {
    if (on != m_enemies) build(ed, m_level, on);
}

std::vector<int> LevelMapPicture::refresh(Editor& ed) {
    m_layout = layoutOfLevel(ed, m_level);
    m_screens.resize(static_cast<size_t>(m_layout.screens()));
    std::vector<int> drawn;
    walkLevel(ed, m_level, m_layout.screens(), [&](int s) {
        Screen& sc = m_screens[static_cast<size_t>(s)];
        if (sc.shown.colours() != ed.BmpCols) {
            sc.shown.colours() = ed.BmpCols;
            sc.shown.touch();
        }
        const int preset = screenPreset(ed, s);
        if (sc.shown.isSet() && sc.tiles == ed.TileAddr && sc.preset == preset) return;
        sc.tiles = ed.TileAddr;
        sc.preset = preset;
        drawWhole(ed, s);
        drawn.push_back(s);
    });
    return drawn;
}

void LevelMapPicture::drawWhole(Editor& ed, int screen) {
    Screen& sc = m_screens[static_cast<size_t>(screen)];
    if (!sc.shown.isSet()) sc.shown.InitBitmap(kMapCellPixels, kMapCellPixels);
    // Sprite tile banks an enemy loads stay with its own screen.
    const TilesFor tiles(ed, sc.tiles);
    if (!m_enemies) {
        drawScreenCells(sc.shown, ed, screen);
        return;
    }
    if (!sc.blocks.isSet()) sc.blocks.InitBitmap(kMapCellPixels, kMapCellPixels);
    EnemyPicture(sc.shown, sc.blocks).drawScreen(ed, screen);
}

template <class Redraw> void LevelMapPicture::redrawOn(Editor& ed, int screen, Redraw&& redraw) {
    Screen& sc = m_screens[static_cast<size_t>(screen)];
    const TilesFor tiles(ed, sc.tiles);
    if (m_enemies)
        EnemyPicture(sc.shown, sc.blocks).redrawUnderEnemies(ed, screen, redraw);
    else
        redraw(sc.shown);
}

std::vector<int> LevelMapPicture::rebuild(Editor& ed) {
    build(ed, m_level, m_enemies);
    std::vector<int> all(static_cast<size_t>(m_layout.screens()));
    for (int s = 0; s < m_layout.screens(); ++s)
        all[static_cast<size_t>(s)] = s;
    return all;
}

std::vector<int> LevelMapPicture::redrawBlock(Editor& ed, int block) {
    // The tables read below are the current level's.
    if (ed.CurLevel != m_level) return rebuild(ed);
    std::vector<int> drawn;
    for (int s = 0; s < m_layout.screens(); ++s) {
        if (!screenShowsBlock(ed, s, block)) continue;
        redrawOn(ed, s, [&](WinBitmap& bmp) { redrawBlockOnScreen(bmp, ed, s, block); });
        drawn.push_back(s);
    }
    return drawn;
}

std::vector<int> LevelMapPicture::redrawStructureQuarter(Editor& ed, int str, int quarter) {
    // The tables read below are the current level's.
    if (ed.CurLevel != m_level) return rebuild(ed);
    std::vector<int> drawn;
    for (int s = 0; s < m_layout.screens(); ++s) {
        if (!screenShowsStructure(ed, s, str)) continue;
        redrawOn(ed, s,
                 [&](WinBitmap& bmp) { redrawStructureQuarterOnScreen(bmp, ed, s, str, quarter); });
        drawn.push_back(s);
    }
    return drawn;
}

std::vector<int> LevelMapPicture::redrawPresetCell(Editor& ed, int screen, int row, int col) {
    // The tables read below are the current level's.
    if (ed.CurLevel != m_level) return rebuild(ed);
    std::vector<int> drawn;
    const int preset = screenPreset(ed, screen);
    for (int s = 0; s < m_layout.screens(); ++s) {
        if (screenPreset(ed, s) != preset) continue;
        redrawOn(ed, s, [&](WinBitmap& bmp) { drawScreenCell(bmp, ed, s, row, col); });
        drawn.push_back(s);
    }
    return drawn;
}

std::vector<int> LevelMapPicture::redrawEnemies(Editor& ed, int screen) {
    if (!m_enemies || screen < 0 || screen >= m_layout.screens()) return {};
    if (ed.CurLevel != m_level) return rebuild(ed);
    drawWhole(ed, screen);
    return {screen};
}

const WinBitmap& LevelMapPicture::screen(int screen) const {
    static const WinBitmap none;
    if (screen < 0 || screen >= static_cast<int>(m_screens.size())) return none;
    return m_screens[static_cast<size_t>(screen)].shown;
}

} // namespace orvane
