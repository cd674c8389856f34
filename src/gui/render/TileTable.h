#pragma once

#include "core/render/BitmapSet.h"
#include "gui/app/ToolWindow.h"

namespace orvane {

class PictureArea;

// "Tile Table": the level's 256 background tiles in a 16 x 16 grid at twice their size,
// each in the palette of a block that uses it. A press picks the current tile
// (`TileSelA` row, `TileSelB` column), which the TSA Table paints into blocks.
class TileTable : public ToolWindow {
    Q_OBJECT
public:
    explicit TileTable(Hub& hub, QWidget* parent = nullptr);

    void Update() override;
    void Update_Level() override;
    void Update_BGPal(int upd) override;
    void showAnimatedPictures() override;

    PictureArea* pic1() const { return m_pic1; }
    WinBitmap& bitmap() { return m_bmp; }

private:
    void pic1_MouseDown(int button, int shift, int x, int y);
    void pic1_MouseMove(int button, int shift, int x, int y);
    void drawSelectionFrames();
    void drawFrame(int row, int col, int colour);

    SharedColourBitmap m_bmp;
    PictureArea* m_pic1 = nullptr;
    int m_prevRow = 0, m_prevCol = 0; // selection whose frame is erased next
    int m_lastRow = 0, m_lastCol = 0; // cell under the pointer at the last mouse event
};

} // namespace orvane
