#pragma once

#include <QGroupBox>
#include <array>
#include <cstdint>

class QLabel;
class QLineEdit;
class QScrollBar;

namespace orvane {

class Hub;
class SpinButton;
struct Editor;

// "Palette Animation Editor" (`PAFrame`), the Palette Editor's panel for the mm4 and mm5
// palette animations: the animation CurPalAnim, its delay and number of frames, and for
// the frame shown its colour set and that set's three colours. Every edit goes straight
// into the ROM; the animation timer plays it at its next tick. The panel's own updates of
// its fields are quiet: showing a value never writes it back.
class PalAnimPanel : public QGroupBox {
    Q_OBJECT
public:
    PalAnimPanel(Hub& hub, QWidget* parent);

    // Shows animation CurPalAnim from its first frame (nothing in mm3).
    void Update_PalAnim();

    int64_t recordPosition() const { return m_recPos; }
    int currentFrame() const { return m_curFrame; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    Editor& ed() const;
    void ShowPAFrame();
    void showColour(int k);
    void showDelay();

    void PAIDTB_Change();
    void PAIDUD_Step(int delta);
    void DelayTB_Change();
    void DelayUD_Step(int delta);
    void FrameSelect_Change(int value);
    void PieceTB_Change();
    void PieceUD_Step(int delta);
    void PAColPic_MouseDown(int k, int button);
    void PAColTB_Change(int k);
    void FramesTB_Change();
    void FramesTBUD_Step(int delta);
    void frameCount(int newLast);

    Hub& m_hub;
    int64_t m_recPos = 0; // PARecPos: the record of CurPalAnim
    int m_curFrame = 0;   // CurPAFrame: the frame shown

    QLineEdit* m_paIdTB = nullptr;
    SpinButton* m_paIdUD = nullptr;
    QLineEdit* m_delayTB = nullptr;
    SpinButton* m_delayUD = nullptr;
    QLineEdit* m_framesTB = nullptr;
    SpinButton* m_framesTBUD = nullptr;
    QScrollBar* m_frameSelect = nullptr;
    QLineEdit* m_pieceTB = nullptr;
    SpinButton* m_pieceUD = nullptr;
    std::array<QLabel*, 3> m_paColPic{};
    std::array<QLineEdit*, 3> m_paColTB{};
};

} // namespace orvane
