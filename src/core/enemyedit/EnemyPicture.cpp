#include "core/enemyedit/EnemyPicture.h"

#include <algorithm>
#include <cstdint>

#include "core/app/Editor.h"
#include "core/enemyedit/EnemyList.h"
#include "core/enemyedit/EnemySprite.h"
#include "core/mapedit/ScreenDrawing.h"
#include "core/render/Colours.h"
#include "core/render/TileDrawing.h"

namespace orvane {

namespace {

constexpr int kSpritePalettes = 16; // sprite palette p is drawn as palette 16 + p
constexpr int kPieceSize = 8;

// The box marker: 43 x 16 pixels, a label of 10 x 5 font cells and the type's two
// hexadecimal digits of 3 x 5 cells each, every cell a 2 x 2 square.
constexpr int kBoxWidth = 43, kBoxHeight = 16;
constexpr int kLabelSection = 32, kDigitSection = 33;
constexpr int kLabelColumns = 10, kDigitColumns = 3, kFontRows = 5;
constexpr int kLabelX = 3, kHighDigitX = 26, kLowDigitX = 34, kFontY = 3;

// A rectangle cut to the picture, so nothing runs into a neighbouring row.
void fillInPicture(WinBitmap& bmp, int x1, int y1, int x2, int y2, int colour) {
    x1 = std::max(x1, 0);
    y1 = std::max(y1, 0);
    x2 = std::min(x2, bmp.width() - 1);
    y2 = std::min(y2, bmp.height() - 1);
    if (x1 <= x2 && y1 <= y2) FillRect(bmp, x1, y1, x2, y2, colour);
}

// Font values 0 and 1 give the box colour 32 and white 34.
int fontColour(int32_t v) {
    return static_cast<int>(((int64_t(v) + 16) * 2) & 0xFF);
}

void drawGlyph(WinBitmap& bmp, const Editor& ed, int section, int first, int columns, int x0,
               int y0) {
    for (int r = 0; r < kFontRows; ++r)
        for (int c = 0; c < columns; ++c) {
            const int x = x0 + 2 * c, y = y0 + 2 * r;
            fillInPicture(bmp, x, y, x + 1, y + 1,
                          fontColour(ed.R(section, first + columns * r + c)));
        }
}

} // namespace

void EnemyPicture::drawScreen(Editor& ed, int screen) {
    drawScreenCells(m_display, ed, screen);
    takeBackground();
    EnemDraw(ed, screen, false);
}

void EnemyPicture::takeBackground() {
    m_background = m_display;
}

void EnemyPicture::EnemDraw(Editor& ed, int screen, bool clear) {
    for (int n : enemiesOnScreen(ed, screen))
        DrawEnemy(ed, n, clear);
}

void EnemyPicture::DrawEnemy(Editor& ed, int n, bool clear) {
    const EnemySlot enemy = enemyAt(ed, n);
    const EnemySprite sprite = enemySprite(ed, enemy.type);
    if (sprite.box) {
        if (clear)
            RestoreRect(m_display, m_background, enemy.x, enemy.y, enemy.x + kBoxWidth - 1,
                        enemy.y + kBoxHeight - 1);
        else
            drawBox(ed, enemy.x, enemy.y, enemy.type, sprite.boxColour);
        return;
    }
    if (sprite.tileBank) loadSpriteTileBank(ed, *sprite.tileBank);
    for (const SpritePiece& p : sprite.pieces) {
        const int x = enemy.x + p.dx, y = enemy.y + p.dy;
        // Erasing restores the piece's whole square: the tiles it was drawn with may have
        // been re-pointed since by a later enemy's record, and the background under a
        // sprite is all that any pixel of the square can have held.
        if (clear)
            RestoreRect(m_display, m_background, x, y, x + kPieceSize - 1, y + kPieceSize - 1);
        else
            DrawSprTileInPicture(m_display, ed.RomImage,
                                 ed.TileAddr[static_cast<size_t>(256 + p.tile)],
                                 kSpritePalettes + p.palette(), x, y, p.vflip(), p.hflip());
    }
}

void EnemyPicture::drawBox(const Editor& ed, int x, int y, int type, int outline) {
    const int right = x + kBoxWidth - 1, bottom = y + kBoxHeight - 1;
    fillInPicture(m_display, x, y, right, bottom, kSlotGrid);
    fillInPicture(m_display, x, y, right, y, outline);
    fillInPicture(m_display, x, bottom, right, bottom, outline);
    fillInPicture(m_display, x, y, x, bottom, outline);
    fillInPicture(m_display, right, y, right, bottom, outline);
    const int glyph = kDigitColumns * kFontRows;
    drawGlyph(m_display, ed, kLabelSection, 0, kLabelColumns, x + kLabelX, y + kFontY);
    drawGlyph(m_display, ed, kDigitSection, glyph * (type >> 4), kDigitColumns, x + kHighDigitX,
              y + kFontY);
    drawGlyph(m_display, ed, kDigitSection, glyph * (type & 15), kDigitColumns, x + kLowDigitX,
              y + kFontY);
}

} // namespace orvane
