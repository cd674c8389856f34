#pragma once

#include "core/mapedit/LevelMapPicture.h"
#include "gui/app/ToolWindow.h"

class QCheckBox;
class QScrollArea;

namespace orvane {

class LevelMapCanvas;
struct Editor;

// The "Level Map" window: the current level's screens laid out as the game scrolls them,
// scaled to fit (Ctrl+wheel and Ctrl+plus/minus zoom from 1/8 to 1), the current screen
// framed. A click on a screen makes it the current screen through the main window's
// screen refresh. Edits reach it through the refresh chain and redraw only the screens
// that show what changed; a level change draws the map again.
class LevelMap : public ToolWindow {
    Q_OBJECT
public:
    explicit LevelMap(Hub& hub, QWidget* parent = nullptr);

    void Update() override;
    void Update_Level() override;
    void Update_Scrn() override;
    void Update_BGPal(int upd) override;
    void Update_Block(int block) override;
    void Update_StrBlock(int str, int quarter) override;
    void Update_ScrnStr(int strY, int strX) override;
    void Update_Enemies(int screen) override;

    bool enemiesShown() const;
    const LevelMapPicture& picture() const { return m_picture; }
    // The screens the last refresh drew again (for tests and benchmarks).
    const std::vector<int>& lastRedrawn() const { return m_lastRedrawn; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    Editor& ed();
    void rebuild();
    void redrawn(std::vector<int> screens);
    void zoomBy(int delta);
    void fitToWindow();

    LevelMapPicture m_picture;
    std::vector<int> m_lastRedrawn;
    QCheckBox* m_enemies = nullptr;
    QScrollArea* m_area = nullptr;
    LevelMapCanvas* m_canvas = nullptr;
    bool m_fitPending = false;
};

} // namespace orvane
