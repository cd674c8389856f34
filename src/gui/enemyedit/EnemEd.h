#pragma once

#include "core/enemyedit/EnemyEdits.h"
#include "core/enemyedit/EnemyPicture.h"
#include "gui/app/ToolWindow.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QScrollBar;

namespace orvane {

struct Editor;
class PictureArea;
class WinBitmap;
class SpinButton;

// "Enemy Editor": one screen of the current level with its enemies drawn on it in the
// game's sprites. Hovering picks an enemy, the left button drags it, the right button
// snaps it to the 4-pixel grid, the middle button deletes it; keys nudge and retype it,
// Insert and Delete add and remove enemies; the fields edit the current enemy and choose
// the screen. Every change of the current screen goes through the main window, so the
// Screen Editor always shows the same screen.
class EnemEd : public ToolWindow {
    Q_OBJECT
public:
    EnemEd(Hub& hub, QWidget* parent = nullptr);

    // ---- the refresh contract ----
    void Update() override;
    void Update_Level() override {} // the level change arrives with the screen refresh after it
    void Update_Scrn() override;
    void Update_BGPal(int upd) override;
    void Update_ScrnStr(int ustrY, int ustrX) override;
    void Update_StrBlock(int ustr, int ublock) override;
    void Update_Block(int ublock) override;
    void showPicture(int bitmapId) override;

    // Fills the enemy fields from the current enemy.
    void ShowCurrentEnemy();
    // Adds an enemy at the last mouse position over the picture; removes the current one.
    void InsertEnemy();
    void DeleteEnemy();

private:
    void buildControls();
    QGroupBox* buildEnemyFrame();
    Editor& ed() const;
    WinBitmap& display() const;
    QLineEdit* fieldTB(EnemyField field) const { return m_fieldTB[static_cast<int>(field)]; }
    SpinButton* fieldUD(EnemyField field) const { return m_fieldUD[static_cast<int>(field)]; }

    // Erases the current screen's enemies, runs `change`, draws them again, fills the
    // fields and shows the picture.
    template <class Change> void editEnemies(Change&& change);
    // After the current enemy changed: the main window's screen refresh when its screen
    // became the current one, else the fields.
    void enemySelected(bool screenChanged);
    void enemiesDrawn();
    // The current enemy's screen field changed: the editor follows it to that screen.
    void moveEnemyToItsScreen();

    void ScreenPic_MouseDown(int button, int shift, int x, int y);
    void ScreenPic_MouseMove(int button, int shift, int x, int y);
    void ScreenPic_KeyDown(int keyCode, int shift);
    void CurEnemTB_Change();
    void fieldTyped(EnemyField field);
    void fieldStepped(EnemyField field, int delta);
    void ScrnScroll_Change();
    void CurScrnTB_Change();
    void ScrnPresTB_Change();
    void ScrnPresUD_Step(int delta);

    EnemyPicture m_picture;
    // The last mouse position over the picture, where Insert puts a new enemy.
    int m_mouseX = 0;
    int m_mouseY = 0;

    PictureArea* m_pic = nullptr;
    QScrollBar* m_scrnScroll = nullptr;
    QLineEdit* m_curScrnTB = nullptr;
    QLineEdit* m_scrnPresTB = nullptr;
    SpinButton* m_scrnPresUD = nullptr;
    QLabel* m_curScrollLabel = nullptr;
    QLineEdit* m_curEnemTB = nullptr;
    SpinButton* m_curEnemUD = nullptr;
    QLabel* m_typeNLab = nullptr;
    // TypeTB/TypeUD, XTB/XUD, YTB/YUD and ScrTB/ScrUD, by the enemy field they edit.
    QLineEdit* m_fieldTB[kEnemyFields] = {};
    SpinButton* m_fieldUD[kEnemyFields] = {};
};

} // namespace orvane
