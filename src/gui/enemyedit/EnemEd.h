#pragma once

#include <array>
#include <functional>

#include "core/enemyedit/EnemyEdits.h"
#include "core/enemyedit/EnemyPicture.h"
#include "core/enemyedit/SpritePictures.h"
#include "core/render/BitmapSet.h"
#include "gui/app/ToolWindow.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QScrollBar;

namespace orvane {

class PictureArea;
class ScreenChoice;
class SpinButton;
class EffSprPanel;

// "Enemy Editor": one screen of the current level with its enemies drawn on it in the
// game's sprites. Hovering picks an enemy, the left button drags it, the right button
// snaps it to the 4-pixel grid, the middle button deletes it; keys nudge and retype it,
// Insert and Delete add and remove enemies; the fields edit the current enemy and choose
// the screen. Every change of the current screen goes through the main window, so the
// Screen Editor always shows the same screen.
// Beside them: the graphics the current section chooses for its enemies (mm3 graphics
// set and its two CHR banks, mm4 PPU effect), the types that fit that choice, a search
// for a choice that fits every enemy of the section, the user's favourite types, the
// loaded sprite tiles and the two sprite palettes a section loads, whose colours are
// edited by clicks or from the Palette Chart, and in mm4 the effect sprite panel.
class EnemEd : public ToolWindow {
    Q_OBJECT
public:
    EnemEd(Hub& hub, QWidget* parent = nullptr);

    // ---- the refresh contract ----
    void Update() override;
    void Update_Level() override {} // the level change arrives with the screen refresh after it
    void Update_Scrn() override;
    void Update_BGPal(int upd) override;
    void Update_ScrnStr(int strY, int strX) override;
    void Update_StrBlock(int str, int quarter) override;
    void Update_Block(int block) override;
    void Update_Global_Pal() override;
    void showAnimatedPictures() override;

    // Fills the enemy fields from the current enemy.
    void ShowCurrentEnemy();
    // Adds an enemy at the last mouse position over the picture; removes the current one.
    void InsertEnemy();
    void DeleteEnemy();

    // The shown picture, and the screen's blocks under the enemies.
    WinBitmap& display() { return m_display; }
    WinBitmap& background() { return m_background; }
    // TilePic's sprite tiles, and PalPic's swatches of sprite palettes 2 and 3.
    WinBitmap& tiles() { return m_tiles; }
    WinBitmap& swatches() { return m_swatches; }

    // The graphics-set panel, the type list of the current choice and both pictures.
    void ShowGfxSet();
    // Picks the next choice that fits the section's enemies; the sprites are loaded again
    // and the main window's screen refresh follows.
    void FindGfxSet();
    // A colour picked in the Palette Chart (Selection::PCColor) for the selected swatch.
    void PCEvent() override;

private:
    void buildControls();
    QGroupBox* buildEnemyFrame();
    void buildGfxControls();
    QGroupBox* buildGemFrame(int game);
    QLineEdit* fieldTB(EnemyField field) const { return m_fieldTB[static_cast<int>(field)]; }
    SpinButton* fieldUD(EnemyField field) const { return m_fieldUD[static_cast<int>(field)]; }

    // Erases the current screen's enemies, runs `change`, draws them again, fills the
    // fields and shows the picture.
    void editEnemies(const std::function<void()>& change);
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

    // ---- graphics-set panel (EnemEd_gfx.cpp) ----
    void GFXSetTB_Change();
    void GFXSetUD_Step(int delta);
    void BankTB_Change(int which);
    void BankUD_Step(int which, int delta);
    void EffTB_Change();
    void EffUD_Step(int delta);
    void FindGFXBtn_Click();
    void typeListClicked(QListWidgetItem* item);
    void AddFavBtn_Click();
    void RemFavBtn_Click();
    void PalPic_MouseDown(int button, int shift, int x, int y);
    void PCShowCmd_Click();
    bool findsAutomatically() const;
    // After a type change of the current enemy: the search, when "Find Automatically"
    // is ticked.
    void typeChanged();
    void spriteColourChanged();
    void showSpriteGraphics();

    SharedColourBitmap m_display;
    SharedColourBitmap m_background; // never shown
    SharedColourBitmap m_tiles;      // TilePic
    SharedColourBitmap m_swatches;   // PalPic
    EnemyPicture m_picture;
    SwatchSelection m_swatch;
    // The last mouse position over the picture, where Insert puts a new enemy.
    int m_mouseX = 0;
    int m_mouseY = 0;

    PictureArea* m_pic = nullptr;
    ScreenChoice* m_screenChoice = nullptr;
    QLabel* m_curScrollLabel = nullptr;
    QLineEdit* m_curEnemTB = nullptr;
    SpinButton* m_curEnemUD = nullptr;
    QLabel* m_typeNLab = nullptr;
    // TypeTB/TypeUD, XTB/XUD, YTB/YUD and ScrTB/ScrUD, by the enemy field they edit.
    QLineEdit* m_fieldTB[kEnemyFields] = {};
    SpinButton* m_fieldUD[kEnemyFields] = {};

    std::array<QGroupBox*, 3> m_gemFrame{};
    QLineEdit* m_gfxSetTB = nullptr;
    SpinButton* m_gfxSetUD = nullptr;
    std::array<QLineEdit*, 2> m_bankTB{};
    std::array<SpinButton*, 2> m_bankUD{};
    QLineEdit* m_effTB = nullptr;
    SpinButton* m_effUD = nullptr;
    QListWidget* m_gfxEnemList = nullptr;
    QCheckBox* m_autoSetCheck = nullptr;
    QListWidget* m_favEnemList = nullptr;
    PictureArea* m_tilePic = nullptr;
    PictureArea* m_palPic = nullptr;
    EffSprPanel* m_effSpr = nullptr;
};

} // namespace orvane
