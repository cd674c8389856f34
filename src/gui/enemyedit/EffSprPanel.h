#pragma once

#include <QGroupBox>
#include <array>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace orvane {

class Hub;
class SpinButton;
struct Editor;

// "Effect Sprite Editor" (`EffSprEdFrame`), mm4 only: the slot data of the current enemy
// when it is an effect sprite (types C0 and up): the background palette slot it
// recolours, whether its colours come from a palette animation or a four-colour palette,
// that number, and the four-colour palette's colours. It holds nothing of its own: every
// edit goes to the ROM and the panel is filled again from there. Filling it never writes
// anything back.
class EffSprPanel : public QGroupBox {
    Q_OBJECT
public:
    EffSprPanel(Hub& hub, QWidget* parent);

    // Shows the panel with the slot of the current enemy's type.
    void fill();
    // Paints each palette slot option in colours 1 and 2 of its background palette.
    void paintSlotOptions();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    Editor& ed() const;
    int type() const;

    void EffSprSlot_Click(int i);
    void EffSprTypeOpt_Click(int i);
    void EffSprTB_Change(int i);
    void EffSprUD_Step(int delta);
    void EffSprColPic_MouseDown(int i, int button);
    void EffSprColTB_Change(int i);
    void EffSprAEdBtn_Click();
    void showColour(int i, int colour);

    Hub& m_hub;
    QButtonGroup* m_slots = nullptr;
    QButtonGroup* m_kinds = nullptr;
    std::array<QRadioButton*, 4> m_slotOpt{};
    std::array<QRadioButton*, 2> m_typeOpt{};
    std::array<QLineEdit*, 2> m_numberTB{};
    std::array<SpinButton*, 2> m_numberUD{};
    std::array<QLabel*, 4> m_colPic{};
    std::array<QLineEdit*, 4> m_colTB{};
};

} // namespace orvane
