#pragma once

namespace orvane {

// What the user has chosen in the windows, each shown by one window and used by another:
// the current tile (Tile Table, painted by the TSA Table), block (TSA Table, painted by
// the Structure Table), structure (Structure Table, painted and picked by the Screen
// Editor, which also moves it) with the one chosen before it, the palette animation the
// Palette Animation Editor shows (the Enemy Editor chooses it too), and the Palette
// Chart's last pick with the window that receives picks. Closing a window destroys it,
// yet its choice must stay for the window that uses it, so the main window keeps them.
struct Selection {
    int TileSelA = 0, TileSelB = 0; // row and column of the current tile
    int CurBlockRow = 0, CurBlockCol = 0;
    int CurStrRow = 0, CurStrCol = 0;
    int PrevStrRow = 0, PrevStrCol = 0; // the structure chosen before, whose mark goes
    int CurPalAnim = 0;
    int PCColor = 0;  // the colour picked last in the Palette Chart
    int PCTarget = 0; // the window that receives picks (its own number for itself)

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
