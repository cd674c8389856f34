#include "gui/render/TileTable.h"

#include "core/app/Editor.h"
#include "core/render/Colours.h"
#include "core/render/TileDrawing.h"
#include "core/render/TilePalette.h"
#include "gui/app/Controls.h"
#include "gui/app/Hub.h"
#include "gui/app/Selection.h"
#include "gui/render/FramedPicture.h"
#include "gui/render/PictureArea.h"

namespace orvane {

namespace {

constexpr int kCell = 16; // a tile drawn at twice its size

// Rounds down, so a pointer left of or above the picture lies in cell -1, not 0.
int cellOf(int pixel) {
    return pixel >= 0 ? pixel / kCell : -((kCell - 1 - pixel) / kCell);
}

} // namespace

TileTable::TileTable(Hub& hub, QWidget* parent) : ToolWindow(hub, parent), m_bmp(m_ed.Bitmaps) {
    setObjectName("TileTable");
    setWindowTitle("Tile Table");
    // The picture is a little larger than the 256 x 256 of tiles, so the frames of the
    // last row and column show; presses there pick the nearest edge cell.
    m_pic1 = addFramedPicture(this, "pic1", QRect(0, 0, 261, 261), m_bmp);
    setFixedSize(261, 261);
    m_pic1->setHoverText([](int x, int y) {
        int row = cellOf(y), col = cellOf(x);
        return "Tile " + hexText(16 * Clamp(row, 0, 15) + Clamp(col, 0, 15));
    });
    connect(m_pic1, &PictureArea::mouseDown, this, &TileTable::pic1_MouseDown);
    connect(m_pic1, &PictureArea::mouseMove, this, &TileTable::pic1_MouseMove);
}

void TileTable::Update() {
    Update_Level();
}

void TileTable::Update_Level() {
    // The palette of each tile is worked out here only: a palette change later recolours
    // the tiles but does not choose other blocks' palettes.
    const std::array<uint8_t, 256> palettes = tilePalettes(m_ed.tables());
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const size_t t = static_cast<size_t>(16 * y + x);
            DrawTile(m_bmp, m_ed.RomImage, m_ed.TileAddr[t], palettes[t], kCell * x, kCell * y, 2);
        }
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            DrawHLine(m_bmp, kCell * x, kCell * x + 15, kCell * y, kSlotGrid);
            DrawVLine(m_bmp, kCell * x, kCell * y, kCell * y + 15, kSlotGrid);
        }
    drawSelectionFrames();
    m_pic1->ShowBitmap(m_bmp);
}

void TileTable::Update_BGPal(int upd) {
    if (upd == 1) m_pic1->ShowBitmap(m_bmp);
}

void TileTable::showAnimatedPictures() {
    m_pic1->ShowBitmap(m_bmp);
}

void TileTable::drawFrame(int row, int col, int colour) {
    const int x = kCell * col, y = kCell * row;
    DrawHLine(m_bmp, x, x + 15, y, colour);
    DrawVLine(m_bmp, x, y, y + 16, colour);
    DrawHLine(m_bmp, x, x + 15, y + 16, colour);
    DrawVLine(m_bmp, x + 16, y, y + 16, colour);
}

void TileTable::drawSelectionFrames() {
    drawFrame(m_prevRow, m_prevCol, kSlotGrid);
    drawFrame(m_sel.TileSelA, m_sel.TileSelB, kSlotFrameGrey);
}

void TileTable::pic1_MouseDown(int /*button*/, int /*shift*/, int x, int y) {
    // Every button picks; only a left drag moves the pick.
    m_prevRow = m_sel.TileSelA;
    m_prevCol = m_sel.TileSelB;
    int row = cellOf(y), col = cellOf(x);
    m_sel.TileSelA = Clamp(row, 0, 15);
    m_sel.TileSelB = Clamp(col, 0, 15);
    drawSelectionFrames();
    m_pic1->ShowBitmap(m_bmp);
    // The pointer rested here before the press, so a drag starting here has not yet
    // entered a new cell.
    m_lastRow = cellOf(y);
    m_lastCol = cellOf(x);
}

void TileTable::pic1_MouseMove(int button, int shift, int x, int y) {
    const int row = cellOf(y), col = cellOf(x);
    if (button == 1 && (row != m_lastRow || col != m_lastCol)) pic1_MouseDown(button, shift, x, y);
    m_lastRow = row;
    m_lastCol = col;
}

} // namespace orvane
