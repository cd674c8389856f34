#pragma once

#include <vector>

namespace orvane {

struct Editor;
struct ScreenLists;

// A grid cell of the level map, 256 x 256 pixels at scale 1.
struct MapCell {
    int column = 0;
    int row = 0;
    bool operator==(const MapCell&) const = default;
};

// Where the screens of a level lie when the whole level is shown at once: screen 0 first,
// each next screen one cell from the one before it in the direction the game leaves that
// screen (right: next column, up: the row above, down: the row below), the grid shifted so
// its smallest row and column are 0. A screen placed on a cell already used covers the
// earlier one there. The window, the export and the tests all take the layout from here.
class LevelMapLayout {
public:
    LevelMapLayout() = default;
    // The layout of the screens the lists hold (ScreenTotal of them).
    explicit LevelMapLayout(const ScreenLists& lists);

    int screens() const { return static_cast<int>(m_cells.size()); }
    int columns() const { return m_columns; }
    int rows() const { return m_rows; }
    // The cell of `screen`; cell (0, 0) for a screen the layout does not hold.
    MapCell cellOf(int screen) const;
    // The screen shown in a cell (the last one placed there), or -1 for an empty cell or
    // one outside the grid.
    int screenAt(MapCell cell) const;

    bool operator==(const LevelMapLayout& other) const { return m_cells == other.m_cells; }

private:
    std::vector<MapCell> m_cells;
    std::vector<int> m_shown; // columns x rows, row by row: the screen on top, or -1
    int m_columns = 0;
    int m_rows = 0;
};

// The layout of the current level: its scroll map decoded into fresh lists, as the
// Screen Editor's simple mode decodes it.
LevelMapLayout levelMapLayout(const Editor& ed);

} // namespace orvane
