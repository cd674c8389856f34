#pragma once

namespace orvane {

struct Editor;
class WinBitmap;

// A screen with its enemies, as the Enemy Editor shows it: the display bitmap, which is
// shown, and the background bitmap, the same screen's blocks with no enemy on them, from
// which every enemy is erased. Edits follow one order: erase the screen's enemies, change
// the ROM, draw them again, then the caller shows the display bitmap. Nothing here shows
// a bitmap, and every routine takes the screen it draws.
class EnemyPicture {
public:
    // Both bitmaps must have the same size; the enemies are clipped to it.
    EnemyPicture(WinBitmap& display, WinBitmap& background)
        : m_display(display), m_background(background) {}

    // The blocks of `screen` (no grid) into the display, taken as the background, then the
    // screen's enemies on top.
    void drawScreen(Editor& ed, int screen);

    // Draws (clear false) or erases (clear true) every enemy that belongs to `screen`, in
    // list order.
    void EnemDraw(Editor& ed, int screen, bool clear);
    // Draws or erases enemy `n` at its own position, whatever its screen.
    void DrawEnemy(Editor& ed, int n, bool clear);

    // Runs `change` (an edit of the enemy list) between erasing and redrawing the enemies
    // of `screen`.
    template <class Change> void edit(Editor& ed, int screen, Change&& change) {
        EnemDraw(ed, screen, true);
        change();
        EnemDraw(ed, screen, false);
    }

    // Blocks that changed under the enemies: the enemies are erased, `redraw` draws the
    // blocks into the display bitmap it is given, the result becomes the background and
    // the enemies are drawn again.
    template <class Redraw> void redrawUnderEnemies(Editor& ed, int screen, Redraw&& redraw) {
        EnemDraw(ed, screen, true);
        redraw(m_display);
        takeBackground();
        EnemDraw(ed, screen, false);
    }

private:
    void takeBackground();
    void drawBox(const Editor& ed, int x, int y, int type, int outline);

    WinBitmap& m_display;
    WinBitmap& m_background;
};

} // namespace orvane
