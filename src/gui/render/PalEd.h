#pragma once

#include <array>

#include "gui/app/ToolWindow.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace orvane {

struct Editor;
class PalAnimPanel;
class PictureArea;
class SpinButton;
class WinBitmap;

// "Palette Editor": the background palette set of the current section. The upper row
// (`PalPic`) shows the sixteen colours as stored, the lower row (`PalPic2`) as the
// palette animation shows them now. A click selects an entry; further clicks on it step
// its NES colour up (left) or down (other buttons); a pick in the Palette Chart sets it.
// The four effect rows switch and number each palette's animation; the panel below edits
// the animations themselves (mm4, mm5).
class PalEd : public ToolWindow {
    Q_OBJECT
public:
    explicit PalEd(Hub& hub, QWidget* parent = nullptr);

    // ---- the refresh contract ----
    void Update() override;
    void Update_Level() override;
    void Update_BGPal(int upd) override;
    void PCEvent() override;
    void showPicture(int bitmapId) override;

    void Update_PalAnim();

    int selectedEntry() const { return m_palSel; }
    PictureArea* storedPicture() const { return m_palPic; }
    PictureArea* shownPicture() const { return m_palPic2; }

private:
    void buildControls();
    Editor& ed() const;
    WinBitmap& storedBitmap() const;
    WinBitmap& shownBitmap() const;

    void PalPic_MouseDown(int button, int shift, int x, int y);
    void PCShowCmd_Click();

    int m_palSel = 0; // PalSel: the selected entry of the record

    PictureArea* m_palPic = nullptr;
    PictureArea* m_palPic2 = nullptr;
    std::array<QCheckBox*, 4> m_effSw{};
    std::array<QLineEdit*, 4> m_effTB{};
    std::array<SpinButton*, 4> m_effUD{};
    QPushButton* m_pcShowCmd = nullptr;
    PalAnimPanel* m_paFrame = nullptr;
};

} // namespace orvane
