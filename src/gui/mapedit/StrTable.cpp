#include "gui/mapedit/StrTable.h"

#include <algorithm>

#include "core/app/Editor.h"
#include "core/mapedit/BlockDrawing.h"
#include "core/mapedit/MapEdits.h"
#include "core/render/Colours.h"
#include "core/render/LevelSource.h"
#include "core/render/TileDrawing.h"
#include "gui/app/Controls.h"
#include "gui/app/Hub.h"
#include "gui/app/Selection.h"
#include "gui/render/FramedPicture.h"
#include "gui/render/PictureArea.h"

namespace orvane {

namespace {

constexpr int kCell = 32;

// A quarter of a structure: its column and row within the structure.
struct Quarter {
    int str, qx, qy;
    int number() const { return qx + 2 * qy; }
};

// The quarter under bitmap pixel (x, y). The picture is a pixel larger than the table
// (the last frame line shows there); that line counts as the quarter beside it.
Quarter quarterAt(int x, int y) {
    const int cx = std::clamp(x, 0, 16 * kCell - 1);
    const int cy = std::clamp(y, 0, 16 * kCell - 1);
    return {16 * (cy / kCell) + cx / kCell, (cx / 16) % 2, (cy / 16) % 2};
}

} // namespace

StrTable::StrTable(Hub& hub, QWidget* parent) : ToolWindow(hub, parent), m_bmp(m_ed.Bitmaps) {
    setObjectName("StrTable");
    setWindowTitle("Structure Table");
    setFixedSize(517, 516);
    m_strPic = addFramedPicture(this, "StrPic", QRect(0, 0, 517, 517), m_bmp);
    m_strPic->setHoverText([this](int x, int y) {
        const Quarter q = quarterAt(x, y);
        return "Structure " + hexText(q.str) + ", block " +
               hexText(m_ed.tables().structureQuarter(q.str, q.number()));
    });
    connect(m_strPic, &PictureArea::mouseDown, this, &StrTable::StrPic_MouseDown);
    connect(m_strPic, &PictureArea::mouseMove, this, &StrTable::StrPic_MouseMove);
}

// ---- refresh ---------------------------------------------------------------------------

void StrTable::Update() {
    Update_Level();
    Update_BGPal(1);
}

void StrTable::Update_Level() {
    const LevelSource level = currentLevelSource(m_ed);
    for (int s = 0; s < 256; ++s)
        drawStructure(m_bmp, level, s, kCell * (s % 16), kCell * (s / 16));
    drawGrid();
    m_strPic->ShowBitmap(m_bmp);
}

void StrTable::Update_Block(int block) {
    // Only the quarters that hold the block change; the rest of the table stays drawn.
    const LevelSource level = currentLevelSource(m_ed);
    for (int s = 0; s < 256; ++s)
        for (int q = 0; q < 4; ++q)
            if (level.tables.structureQuarter(s, q) == block)
                drawStructureQuarter(m_bmp, level, s, q, kCell * (s % 16) + 16 * (q & 1),
                                     kCell * (s / 16) + 16 * (q >> 1));
    drawGrid();
    m_strPic->ShowBitmap(m_bmp);
}

void StrTable::Update_BGPal(int upd) {
    if (upd) m_strPic->ShowBitmap(m_bmp);
}

void StrTable::showAnimatedPictures() {
    m_strPic->ShowBitmap(m_bmp);
}

// ---- drawing ---------------------------------------------------------------------------

void StrTable::drawGrid() {
    for (int i = 0; i < 16; ++i)
        for (int j = 0; j < 16; ++j) {
            DrawHLine(m_bmp, kCell * j, kCell * j + 31, kCell * i, kSlotGrid);
            DrawVLine(m_bmp, kCell * j, kCell * i, kCell * i + 31, kSlotGrid);
        }
    CurStrSet(0);
}

void StrTable::drawFrame(int row, int col, int colour) {
    const int x = kCell * col, y = kCell * row;
    DrawHLine(m_bmp, x, x + kCell, y, colour);
    DrawHLine(m_bmp, x, x + kCell, y + kCell, colour);
    DrawVLine(m_bmp, x, y, y + kCell, colour);
    DrawVLine(m_bmp, x + kCell, y, y + kCell, colour);
}

void StrTable::CurStrSet(int upd) {
    drawFrame(m_sel.PrevStrRow, m_sel.PrevStrCol, kSlotGrid);
    drawFrame(m_sel.CurStrRow, m_sel.CurStrCol, kSlotFrameWhite);
    if (upd) m_strPic->ShowBitmap(m_bmp);
}

// ---- mouse -----------------------------------------------------------------------------

void StrTable::StrPic_MouseDown(int button, int /*shift*/, int x, int y) {
    if (button == 1) selectStructure(x, y);
    if (button == 2) paintBlock(x, y);
}

void StrTable::StrPic_MouseMove(int button, int /*shift*/, int x, int y) {
    // A left drag moves the selection; a right drag does not paint again.
    if (button == 1) selectStructure(x, y);
}

void StrTable::selectStructure(int x, int y) {
    int row = y >= 0 ? y / kCell : 0;
    int col = x >= 0 ? x / kCell : 0;
    m_sel.chooseStructure(Clamp(row, 0, 15), Clamp(col, 0, 15));
    CurStrSet(1);
}

void StrTable::paintBlock(int x, int y) {
    const Quarter q = quarterAt(x, y);
    const Change change = paintStructureQuarter(m_ed, q.str, q.number(), m_sel.block());
    drawStructureQuarter(m_bmp, currentLevelSource(m_ed), q.str, q.number(),
                         kCell * (q.str % 16) + 16 * q.qx, kCell * (q.str / 16) + 16 * q.qy);
    // The quarter's tiles cover the grid lines along its top and left edges; drawing the
    // grid again (selection frame included) puts them back.
    drawGrid();
    m_strPic->ShowBitmap(m_bmp);
    m_hub.changed(change);
}

} // namespace orvane
