#pragma once

#include "core/mapedit/ScrollMap.h"
#include "core/render/BitmapSet.h"
#include "gui/app/ToolWindow.h"

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QScrollBar;

namespace orvane {

class PictureArea;
class ScreenChoice;
class SpinButton;

// "Screen Editor": one screen of the current level, 8 x 8 structures drawn at 256 x 256.
// The left button paints the current structure into the screen's preset, the right
// button picks a structure; the fields choose the screen and its preset, edit the two
// settings of the screen's scroll section and the scroll map, either section by section
// (detailed mode) or screen by screen (simple mode).
class ScreenEd : public ToolWindow {
    Q_OBJECT
public:
    ScreenEd(Hub& hub, QWidget* parent = nullptr);

    // ---- the refresh contract ----
    void Update() override;
    void Update_Level() override {} // the main window follows a level change with Update_Scrn
    void Update_Scrn() override;
    void Update_BGPal(int upd) override;
    void Update_StrBlock(int str, int quarter) override;
    void Update_Block(int block) override;
    void showAnimatedPictures() override;

    // Shows the controls of the mode SimplEd selects and moves the settings rows.
    void SimpleModeLayout();
    // Fills the detailed fields and the summary from the current section.
    void ShowScrollEntry();

    // The per-screen lists of the last simple-mode edit.
    const ScreenLists& screenLists() const { return m_lists; }
    WinBitmap& bitmap() { return m_bmp; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();

    // Direction list and split switch for the current screen, set quietly.
    void showDirectionAndSplit();
    void showSettings();

    void ScreenPic_MouseDown(int button, int shift, int x, int y);
    void settingTyped(int which);
    void settingStepped(int which, int delta);
    void STTB_Change();
    void STUD_Step(int delta);
    void SLenTB_Change();
    void SLenUD_Step(int delta);
    void DirList_Click();
    void SplitSw_Click(bool checked);
    // What a simple-mode edit leads to: the refresh, or the lists shown again with a
    // message when the map could not be rebuilt.
    void scrollMapEdited(const ScrollMapEdit& edit);

    SharedColourBitmap m_bmp;
    ScreenLists m_lists;

    PictureArea* m_pic = nullptr;
    QFrame* m_picFrame = nullptr;
    QLabel* m_curScrollLabel = nullptr;
    QCheckBox* m_simplEd = nullptr;
    QLabel* m_stLab = nullptr;
    QLineEdit* m_sttb = nullptr;
    SpinButton* m_stud = nullptr;
    QLabel* m_dirLab = nullptr;
    QListWidget* m_dirList = nullptr;
    QLabel* m_slenLab = nullptr;
    QLineEdit* m_slentb = nullptr;
    SpinButton* m_slenud = nullptr;
    QLabel* m_scrollInfLab = nullptr;
    QCheckBox* m_splitSw = nullptr;
    QLabel* m_settingLab[2] = {};
    QLineEdit* m_settingTB[2] = {};
    SpinButton* m_settingUD[2] = {};
    ScreenChoice* m_screenChoice = nullptr;
};

} // namespace orvane
