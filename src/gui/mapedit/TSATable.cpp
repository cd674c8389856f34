#include "gui/mapedit/TSATable.h"

#include <QApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <algorithm>

#include "core/app/Editor.h"
#include "core/mapedit/BlockDrawing.h"
#include "core/render/Colours.h"
#include "core/render/TileDrawing.h"
#include "core/resdata/ResString.h"
#include "gui/app/Hub.h"
#include "gui/app/KeyCodes.h"
#include "gui/app/QuietControls.h"
#include "gui/render/FramedPicture.h"
#include "gui/render/PictureArea.h"

namespace orvane {

namespace {

constexpr int kBlockTypes = 16;

} // namespace

TSATable::TSATable(Hub& hub, QWidget* parent)
    : ToolWindow(hub, parent), m_ed(hub.editor()), m_tsaBmp(m_ed.Bitmaps[kBmpTsa]),
      m_palBmp(m_ed.Bitmaps[kBmpTsaPal]) {
    setObjectName("TSATable");
    setWindowTitle("TSA Table");
    setFixedSize(407, 267);

    m_tsapic = addFramedPicture(this, "tsapic", QRect(0, 0, 261, 261), m_tsaBmp);
    m_palPic = addFramedPicture(this, "PalPic", QRect(272, 8, 70, 70), m_palBmp);

    m_blockTypeList = new QListWidget(this);
    m_blockTypeList->setObjectName("BlockTypeList");
    m_blockTypeList->setGeometry(272, 88, 129, 160);
    // The names depend on the game only, so they are read once.
    for (int t = 0; t < kBlockTypes; ++t) {
        const std::string name = ResString(*m_ed.Res, m_ed.R(7 + m_ed.EditMode, t));
        m_blockTypeList->addItem(
            QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
    }
    // The list sees keys before the window does, yet the shared keys must work there too.
    m_blockTypeList->installEventFilter(this);

    connect(m_tsapic, &PictureArea::mouseDown, this, &TSATable::tsapic_MouseDown);
    connect(m_tsapic, &PictureArea::mouseMove, this, &TSATable::tsapic_MouseMove);
    connect(m_palPic, &PictureArea::mouseDown, this, &TSATable::PalPic_MouseDown);
    connect(m_blockTypeList, &QListWidget::currentRowChanged, this, &TSATable::BlockTypeList_Click);
}

// ---- refresh ---------------------------------------------------------------------------

void TSATable::Update() {
    Update_Level();
}

void TSATable::Update_Level() {
    for (int b = 0; b < 256; ++b)
        drawBlock(m_tsaBmp, m_ed, b, 16 * (b % 16), 16 * (b / 16));
    drawGrid();
    drawSelectionMarks();
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            FillRect(m_palBmp, 16 * j + 2, 16 * i + 2, 16 * j + 15, 16 * i + 15, 4 * i + j);
    m_tsapic->ShowBitmap(m_tsaBmp);
    m_palPic->ShowBitmap(m_palBmp);
}

void TSATable::Update_BGPal(int upd) {
    if (upd != 1) return;
    m_tsapic->ShowBitmap(m_tsaBmp);
    m_palPic->ShowBitmap(m_palBmp);
}

void TSATable::showPicture(int bitmapId) {
    if (bitmapId == kBmpTsa) m_tsapic->ShowBitmap(m_tsaBmp);
    if (bitmapId == kBmpTsaPal) m_palPic->ShowBitmap(m_palBmp);
}

// ---- drawing ---------------------------------------------------------------------------

int TSATable::currentBlock() const {
    return 16 * m_ed.CurBlockRow + m_ed.CurBlockCol;
}

void TSATable::drawGrid() {
    for (int i = 0; i < 16; ++i)
        for (int j = 0; j < 16; ++j) {
            DrawHLine(m_tsaBmp, 16 * j, 16 * j + 15, 16 * i, kSlotGrid);
            DrawVLine(m_tsaBmp, 16 * j, 16 * i, 16 * i + 15, kSlotGrid);
        }
}

void TSATable::drawBlockFrame(int row, int col, int colour) {
    const int x = 16 * col, y = 16 * row;
    DrawHLine(m_tsaBmp, x, x + 15, y, colour);
    DrawVLine(m_tsaBmp, x, y, y + 15, colour);
    DrawHLine(m_tsaBmp, x, x + 15, y + 16, colour);
    DrawVLine(m_tsaBmp, x + 16, y, y + 15, colour);
}

void TSATable::drawPaletteFrame(int palette, int colour) {
    const int y = 16 * palette;
    for (int dy : {0, 1, 16, 17})
        DrawHLine(m_palBmp, 0, 65, y + dy, colour);
    for (int x : {0, 1})
        DrawVLine(m_palBmp, x, y + 1, y + 15, colour);
    for (int x : {64, 65})
        DrawVLine(m_palBmp, x, y + 2, y + 15, colour);
}

void TSATable::drawSelectionMarks() {
    drawBlockFrame(m_prevRow, m_prevCol, kSlotGrid);
    drawBlockFrame(m_ed.CurBlockRow, m_ed.CurBlockCol, kSlotFrameGrey);

    const uint8_t attr = m_ed.byte(m_ed.P(4) + currentBlock());
    {
        // Showing the type is not choosing it: the list's handler stays out.
        TagGuard quiet(m_blockTypeList, "=D");
        m_blockTypeList->setCurrentRow(attr >> 4);
    }

    for (int i = 0; i < 4; ++i)
        drawPaletteFrame(i, kSlotGrid);
    // A palette number above 3 (possible in a ROM, never set here) has no row to frame;
    // drawing it anyway would put grey lines under row 3.
    const int palette = attr & 0x0F;
    if (palette <= 3) drawPaletteFrame(palette, kSlotFrameGrey);
}

// ---- mouse -----------------------------------------------------------------------------

TSATable::Spot TSATable::spotAt(int x, int y) {
    // Past an edge the pointer acts on the nearest block and quarter, so drags that run
    // off the picture stay on the table.
    const int cx = std::clamp(x, 0, 255);
    const int cy = std::clamp(y, 0, 255);
    return Spot{cy / 16, cx / 16, (cy / 8) % 2, (cx / 8) % 2};
}

void TSATable::tsapic_MouseDown(int button, int /*shift*/, int x, int y) {
    const Spot at = spotAt(x, y);
    if (button == 1)
        selectBlock(at);
    else
        paintTile(at);
    // The pointer rested here before the press, so a drag starting here has not yet
    // entered another tile or block.
    m_last = at;
}

void TSATable::tsapic_MouseMove(int button, int /*shift*/, int x, int y) {
    const Spot at = spotAt(x, y);
    if (button == 2 &&
        (at.tileRowParity != m_last.tileRowParity || at.tileColParity != m_last.tileColParity))
        paintTile(at);
    if (button == 1 && (at.row != m_last.row || at.col != m_last.col)) selectBlock(at);
    m_last = at;
}

void TSATable::selectBlock(const Spot& at) {
    m_prevRow = m_ed.CurBlockRow;
    m_prevCol = m_ed.CurBlockCol;
    m_ed.CurBlockRow = at.row;
    m_ed.CurBlockCol = at.col;
    drawSelectionMarks();
    m_tsapic->ShowBitmap(m_tsaBmp);
    m_palPic->ShowBitmap(m_palBmp);
}

void TSATable::paintTile(const Spot& at) {
    const int block = 16 * at.row + at.col;
    const int quarter = at.tileColParity + 2 * at.tileRowParity;
    const int64_t pos = m_ed.P(3) + 256 * quarter + block;
    m_ed.setByte(pos, 16 * m_ed.TileSelA + m_ed.TileSelB);

    const int palette = m_ed.byte(m_ed.P(4) + block) & 0x0F;
    DrawTile(m_tsaBmp, m_ed.RomImage, static_cast<double>(m_ed.TileAddr[m_ed.byte(pos)]), palette,
             16 * at.col + 8 * at.tileColParity, 16 * at.row + 8 * at.tileRowParity, 1);
    drawGrid();
    drawSelectionMarks();
    m_tsapic->ShowBitmap(m_tsaBmp);
    m_hub.Update_Block(block);
}

void TSATable::PalPic_MouseDown(int /*button*/, int /*shift*/, int /*x*/, int y) {
    int palette = y >= 0 ? y / 16 : 0;
    Clamp(palette, 0, 3);
    const int block = currentBlock();
    const int64_t pos = m_ed.P(4) + block;
    m_ed.setByte(pos, (m_ed.byte(pos) & 0xF0) + palette);

    drawBlock(m_tsaBmp, m_ed, block, 16 * m_ed.CurBlockCol, 16 * m_ed.CurBlockRow);
    drawSelectionMarks();
    m_tsapic->ShowBitmap(m_tsaBmp);
    m_palPic->ShowBitmap(m_palBmp);
    m_hub.Update_Block(block);
}

void TSATable::BlockTypeList_Click() {
    if (hasTag(m_blockTypeList)) return;
    const int type = m_blockTypeList->currentRow();
    if (type < 0) return;
    const int64_t pos = m_ed.P(4) + currentBlock();
    // The type changes nothing on screen, so nothing is redrawn and no window is told.
    m_ed.setByte(pos, 16 * type + (m_ed.byte(pos) & 0x0F));
}

// ---- keys ------------------------------------------------------------------------------

bool TSATable::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_blockTypeList && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        m_hub.Global_KeyDown(keyCodeOf(key), shiftMaskOf(key));
    }
    return ToolWindow::eventFilter(watched, event);
}

void TSATable::keyPressEvent(QKeyEvent* event) {
    // A key the list left alone comes on to the window; it has been passed on already.
    if (QApplication::focusWidget() == m_blockTypeList) {
        QWidget::keyPressEvent(event);
        return;
    }
    ToolWindow::keyPressEvent(event);
}

} // namespace orvane
