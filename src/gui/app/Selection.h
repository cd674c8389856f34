#pragma once

namespace orvane {

// What the user has chosen in the tables, each shown by one window and painted with by
// the next: the current tile (Tile Table, painted by the TSA Table), block (TSA Table,
// painted by the Structure Table), structure (Structure Table, painted and picked by the
// Screen Editor, which also moves it) with the one chosen before it, and the current
// enemy. Closing a window destroys it, yet its choice must stay for the window that
// paints with it, so the main window keeps them.
struct Selection {
    int TileSelA = 0, TileSelB = 0; // row and column of the current tile
    int CurBlockRow = 0, CurBlockCol = 0;
    int CurStrRow = 0, CurStrCol = 0;
    int PrevStrRow = 0, PrevStrCol = 0; // the structure chosen before, whose mark goes
    int CurEnemy = 0;

    int tile() const { return 16 * TileSelA + TileSelB; }
    int block() const { return 16 * CurBlockRow + CurBlockCol; }
    int structure() const { return 16 * CurStrRow + CurStrCol; }

    // Makes structure (row, col) the current one, remembering the one before.
    void chooseStructure(int row, int col) {
        PrevStrRow = CurStrRow;
        PrevStrCol = CurStrCol;
        CurStrRow = row;
        CurStrCol = col;
    }
};

} // namespace orvane
