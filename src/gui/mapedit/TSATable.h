#pragma once

#include "core/render/BitmapSet.h"
#include "gui/app/ToolWindow.h"

class QListWidget;

namespace orvane {

class PictureArea;

// "TSA Table", the block editor: the level's 256 blocks in a 16 x 16 grid, a picker of
// the four background palettes and the list of block types. The left button selects the
// current block (the one the Structure Table paints); any other button paints the Tile
// Table's current tile into the quarter under the pointer. Edits go straight into the
// ROM image and on to the other windows through the hub.
class TSATable : public ToolWindow {
    Q_OBJECT
public:
    explicit TSATable(Hub& hub, QWidget* parent = nullptr);

    void Update() override;
    void Update_Level() override;
    void Update_BGPal(int upd) override;
    void showAnimatedPictures() override;

    PictureArea* tsapic() const { return m_tsapic; }
    PictureArea* palPic() const { return m_palPic; }
    WinBitmap& tsaBitmap() { return m_tsaBmp; }
    WinBitmap& palBitmap() { return m_palBmp; }
    QListWidget* blockTypeList() const { return m_blockTypeList; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Where the pointer is over the blocks: its block and the parities of its tile row
    // and column, which give the quarter.
    struct Spot {
        int row = 0, col = 0;
        int tileRowParity = 0, tileColParity = 0;
        bool operator==(const Spot&) const = default;
    };
    static Spot spotAt(int x, int y);

    void tsapic_MouseDown(int button, int shift, int x, int y);
    void tsapic_MouseMove(int button, int shift, int x, int y);
    void PalPic_MouseDown(int button, int shift, int x, int y);
    void BlockTypeList_Click();

    void selectBlock(const Spot& at);
    void paintTile(const Spot& at);
    void showBoth();
    void drawGrid();
    void drawSelectionMarks();
    void drawBlockFrame(int row, int col, int colour);
    void drawPaletteFrame(int palette, int colour);

    SharedColourBitmap m_tsaBmp;
    SharedColourBitmap m_palBmp;
    PictureArea* m_tsapic = nullptr;
    PictureArea* m_palPic = nullptr;
    QListWidget* m_blockTypeList = nullptr;
    int m_prevRow = 0, m_prevCol = 0; // selection whose frame is erased next
    Spot m_last;                      // pointer at the last mouse event over the blocks
};

} // namespace orvane
