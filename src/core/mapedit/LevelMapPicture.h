#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "core/mapedit/LevelMapLayout.h"
#include "core/render/WinBitmap.h"

namespace orvane {

struct Editor;

// One map cell's side in pixels at scale 1: a whole screen.
constexpr int kMapCellPixels = 256;

// The whole of one level, screen by screen, laid out by LevelMapLayout. Each screen is
// drawn by the Screen Editor's drawing code (blocks of its preset, no grid) into its own
// paletted bitmap, whose colour table holds what the Screen Editor shows for that screen
// when the user steps forward through the level from screen 0 (walkLevel), before any
// animation frame. With enemies on, they are drawn on top by the Enemy Editor's code; a
// screen's enemies never change the tiles the next screen's enemies are drawn with, so
// the map depends on the ROM and the level alone.
//
// Every call leaves the editor's level, screen, colours, palette state and tile offsets
// as they were. Redraws work on the current level: when it is not the level drawn, they
// draw the whole map again.
class LevelMapPicture {
public:
    // Draws every screen of level `level` (0-based).
    void build(Editor& ed, int level, bool enemies);
    // Enemies on or off: every screen is drawn again when that changes.
    void setEnemies(Editor& ed, bool on);

    // After a change of palettes, sections or the scroll map: steps through the level
    // again. Every screen takes its new colours and place; a screen whose tile offsets or
    // preset changed, or one the map did not hold, is drawn again. Returns the screens
    // drawn again.
    std::vector<int> refresh(Editor& ed);
    // A block's tiles or palette changed: redraws it on the screens that show it.
    std::vector<int> redrawBlock(Editor& ed, int block);
    // Quarter `quarter` of structure `str` changed: redraws it where it is shown.
    std::vector<int> redrawStructureQuarter(Editor& ed, int str, int quarter);
    // Cell (row, col) of screen `screen`'s preset changed: redraws it on every screen
    // that uses that preset.
    std::vector<int> redrawPresetCell(Editor& ed, int screen, int row, int col);
    // The enemies of `screen` changed: draws it again when enemies are shown.
    std::vector<int> redrawEnemies(Editor& ed, int screen);

    int level() const { return m_level; }
    // Counts the builds: screen bitmaps of different builds are different pictures even
    // where their versions agree.
    uint64_t generation() const { return m_generation; }
    bool enemies() const { return m_enemies; }
    const LevelMapLayout& layout() const { return m_layout; }
    int width() const { return m_layout.columns() * kMapCellPixels; }
    int height() const { return m_layout.rows() * kMapCellPixels; }
    // The picture of screen `screen` with its colour table; an empty bitmap for a screen
    // the map does not hold.
    const WinBitmap& screen(int screen) const;

private:
    struct Screen {
        int preset = -1;
        std::array<int64_t, 512> tiles{}; // the offsets the walk set for the screen
        WinBitmap shown;                  // blocks and, when on, enemies
        WinBitmap blocks;                 // the blocks alone, under the enemies
    };

    void drawWhole(Editor& ed, int screen);
    template <class Redraw> void redrawOn(Editor& ed, int screen, Redraw&& redraw);
    std::vector<int> rebuild(Editor& ed);

    LevelMapLayout m_layout;
    std::vector<Screen> m_screens;
    int m_level = -1;
    bool m_enemies = false;
    uint64_t m_generation = 0;
};

} // namespace orvane
