#pragma once

#include "core/render/BitmapSet.h"
#include "gui/app/ToolWindow.h"

namespace orvane {

class PictureArea;

// "Structure Table", the structure editor: the level's 256 structures in a 16 x 16 grid.
// The left button selects the current structure (the one the Screen Editor paints); the
// right button paints the TSA Table's current block into the quarter under the pointer
// and tells the hub, so the screens that show it follow.
class StrTable : public ToolWindow {
    Q_OBJECT
public:
    explicit StrTable(Hub& hub, QWidget* parent = nullptr);

    void Update() override;
    void Update_Level() override;
    void Update_Block(int block) override;
    void Update_BGPal(int upd) override;
    void CurStrSet(int upd) override;
    void showAnimatedPictures() override;

    PictureArea* strPic() const { return m_strPic; }
    WinBitmap& bitmap() { return m_bmp; }

private:
    void StrPic_MouseDown(int button, int shift, int x, int y);
    void StrPic_MouseMove(int button, int shift, int x, int y);
    void selectStructure(int x, int y);
    void paintBlock(int x, int y);
    void drawGrid();
    void drawFrame(int row, int col, int colour);

    SharedColourBitmap m_bmp;
    PictureArea* m_strPic = nullptr;
};

} // namespace orvane
