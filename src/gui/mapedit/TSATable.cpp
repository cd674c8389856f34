#include "gui/mapedit/TSATable.h"

#include <QApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QSignalBlocker>
#include <QStyle>
#include <algorithm>

#include "core/app/Editor.h"
#include "core/mapedit/BlockDrawing.h"
#include "core/mapedit/MapEdits.h"
#include "core/render/Colours.h"
#include "core/render/LevelSource.h"
#include "core/render/TileDrawing.h"
#include "core/resdata/Names.h"
#include "gui/app/Controls.h"
#include "gui/app/Hub.h"
#include "gui/app/KeyCodes.h"
#include "gui/app/Selection.h"
#include "gui/render/FramedPicture.h"
#include "gui/render/PictureArea.h"

namespace orvane {

namespace {

constexpr int kBlockTypes = 16;
constexpr int kListX = 272, kListWidth = 129;
// A resource file may name a type at any length: past this the list elides the name,
// and its tooltip gives it whole.
constexpr int kWidestList = 320;

// The list's width for its names to read whole, from its usual width up to kWidestList.
int listWidthFor(const QListWidget* list) {
    int widest = 0;
    for (int i = 0; i < list->count(); ++i)
        widest = std::max(widest, list->fontMetrics().horizontalAdvance(list->item(i)->text()));
    const QStyle* style = list->style();
    const int extra = 2 * list->frameWidth() + style->pixelMetric(QStyle::PM_ScrollBarExtent) +
                      2 * style->pixelMetric(QStyle::PM_FocusFrameHMargin) + 8;
    return std::clamp(widest + extra, kListWidth, kWidestList);
}

} // namespace

TSATable::TSATable(Hub& hub, QWidget* parent)
    : ToolWindow(hub, parent), m_tsaBmp(m_ed.Bitmaps), m_palBmp(m_ed.Bitmaps) {
    setObjectName("TSATable");
    setWindowTitle("TSA Table");

    m_tsapic = addFramedPicture(this, "tsapic", QRect(0, 0, 261, 261), m_tsaBmp);
    m_palPic = addFramedPicture(this, "PalPic", QRect(272, 8, 70, 70), m_palBmp);

    m_blockTypeList = new QListWidget(this);
    m_blockTypeList->setObjectName("BlockTypeList");
    // The names depend on the game only, so they are read once.
    for (int t = 0; t < kBlockTypes; ++t) {
        const std::string name = blockTypeName(m_ed.tables(), t);
        m_blockTypeList->addItem(
            QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
        m_blockTypeList->item(t)->setToolTip(m_blockTypeList->item(t)->text());
    }
    const int listWidth = listWidthFor(m_blockTypeList);
    m_blockTypeList->setGeometry(kListX, 88, listWidth, 160);
    setFixedSize(kListX + listWidth + 6, 267);
    // The list sees keys before the window does, yet the shared keys must work there too.
    m_blockTypeList->installEventFilter(this);

    m_tsapic->setHoverText([this](int x, int y) {
        const Spot at = spotAt(x, y);
        const int block = 16 * at.row + at.col;
        const int quarter = at.tileColParity + 2 * at.tileRowParity;
        return "Block " + hexText(block) + ", tile " +
               hexText(m_ed.tables().blockTile(block, quarter));
    });
    m_palPic->setHoverText([](int /*x*/, int y) {
        int palette = y >= 0 ? y / 16 : 0;
        return "Palette " + hexText(Clamp(palette, 0, 3));
    });
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
    const LevelSource level = currentLevelSource(m_ed);
    for (int b = 0; b < 256; ++b)
        drawBlock(m_tsaBmp, level, b, 16 * (b % 16), 16 * (b / 16));
    drawGrid();
    drawSelectionMarks();
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            FillRect(m_palBmp, 16 * j + 2, 16 * i + 2, 16 * j + 15, 16 * i + 15, 4 * i + j);
    showBoth();
}

void TSATable::Update_BGPal(int upd) {
    if (upd == 1) showBoth();
}

void TSATable::showAnimatedPictures() {
    showBoth();
}

void TSATable::showBoth() {
    m_tsapic->ShowBitmap(m_tsaBmp);
    m_palPic->ShowBitmap(m_palBmp);
}

// ---- drawing ---------------------------------------------------------------------------

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
    drawBlockFrame(m_sel.CurBlockRow, m_sel.CurBlockCol, kSlotFrameGrey);

    const LevelTables tables = m_ed.tables();
    {
        // Showing the type is not choosing it: the list's handler stays out.
        const QSignalBlocker quiet(m_blockTypeList);
        m_blockTypeList->setCurrentRow(tables.blockType(m_sel.block()));
    }

    for (int i = 0; i < 4; ++i)
        drawPaletteFrame(i, kSlotGrid);
    // A palette number above 3 (possible in a ROM, never set here) has no row to frame;
    // drawing it anyway would put grey lines under row 3.
    const int palette = tables.blockPalette(m_sel.block());
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
    m_prevRow = m_sel.CurBlockRow;
    m_prevCol = m_sel.CurBlockCol;
    m_sel.CurBlockRow = at.row;
    m_sel.CurBlockCol = at.col;
    drawSelectionMarks();
    showBoth();
}

void TSATable::paintTile(const Spot& at) {
    const int block = 16 * at.row + at.col;
    const int quarter = at.tileColParity + 2 * at.tileRowParity;
    const Change change = paintBlockTile(m_ed, block, quarter, m_sel.tile());

    const LevelSource level = currentLevelSource(m_ed);
    DrawTile(m_tsaBmp, m_ed.RomImage, level.tileOffset(level.tables.blockTile(block, quarter)),
             level.tables.blockPalette(block), 16 * at.col + 8 * at.tileColParity,
             16 * at.row + 8 * at.tileRowParity, 1);
    drawGrid();
    drawSelectionMarks();
    m_tsapic->ShowBitmap(m_tsaBmp);
    m_hub.changed(change);
}

void TSATable::PalPic_MouseDown(int /*button*/, int /*shift*/, int /*x*/, int y) {
    int palette = y >= 0 ? y / 16 : 0;
    Clamp(palette, 0, 3);
    const int block = m_sel.block();
    const Change change = setBlockPalette(m_ed, block, palette);

    drawBlock(m_tsaBmp, currentLevelSource(m_ed), block, 16 * m_sel.CurBlockCol,
              16 * m_sel.CurBlockRow);
    drawSelectionMarks();
    showBoth();
    m_hub.changed(change);
}

void TSATable::BlockTypeList_Click() {
    const int type = m_blockTypeList->currentRow();
    if (type < 0) return;
    // The type shows in no picture: nothing is redrawn.
    m_hub.changed(setBlockType(m_ed, m_sel.block(), type));
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
