#include "gui/render/PalEd.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include "core/app/Editor.h"
#include "core/render/PaletteCells.h"
#include "core/render/PaletteRecord.h"
#include "gui/app/Controls.h"
#include "gui/app/Hub.h"
#include "gui/app/NumberField.h"
#include "gui/app/QuietControls.h"
#include "gui/app/Selection.h"
#include "gui/mapedit/SpinButton.h"
#include "gui/render/FramedPicture.h"
#include "gui/render/PalAnimPanel.h"
#include "gui/render/PalChart.h"
#include "gui/render/PictureArea.h"

namespace orvane {

namespace {

// The picture rows: cells plus a little slack, rows a multiple of 4 bytes long.
constexpr int kPictureWidth = 520;
constexpr int kPictureHeight = kPaletteRowHeight + 2 * kPictureBorder;

} // namespace

PalEd::PalEd(Hub& hub, QWidget* parent)
    : ToolWindow(hub, parent), m_stored(m_ed.Bitmaps), m_shown(m_ed.Bitmaps) {
    setObjectName("PalEd");
    setWindowTitle("Palette Editor");
    buildControls();

    m_palPic->setHoverText([this](int x, int) {
        const int entry = paletteCellAt(x);
        return "Entry " + hexText(entry) + ": colour " + hexText(paletteEntry(m_ed, entry));
    });
    m_palPic2->setHoverText([](int x, int) { return "Entry " + hexText(paletteCellAt(x)); });
    connect(m_palPic, &PictureArea::mouseDown, this, &PalEd::PalPic_MouseDown);
    connect(m_pcShowCmd, &QPushButton::clicked, this, &PalEd::PCShowCmd_Click);
    // Handlers react to the user's gestures only (clicks, typing); Update_BGPal's own
    // setting of the switches and fields changes nothing.
    for (int i = 0; i < 4; ++i) {
        connect(m_effSw[size_t(i)], &QCheckBox::clicked, this,
                [this, i](bool on) { m_hub.changed(setEffectAnimated(m_ed, i, on)); });
        connect(m_effTB[size_t(i)], &QLineEdit::textEdited, this, [this, i] {
            m_hub.changed(setEffectNumber(m_ed, i, fieldHexVal(m_effTB[size_t(i)])));
        });
        connect(m_effUD[size_t(i)], &SpinButton::upClicked, this,
                [this, i] { m_hub.changed(stepEffectNumber(m_ed, i, 1)); });
        connect(m_effUD[size_t(i)], &SpinButton::downClicked, this,
                [this, i] { m_hub.changed(stepEffectNumber(m_ed, i, -1)); });
    }
}

void PalEd::buildControls() {
    QFont small = font();
    small.setPixelSize(11);
    setFont(small);

    m_palPic =
        addFramedPicture(this, "PalPic", QRect(8, 8, kPictureWidth, kPictureHeight), m_stored);
    m_palPic2 = addFramedPicture(
        this, "PalPic2", QRect(8, 16 + kPictureHeight, kPictureWidth, kPictureHeight), m_shown);

    const int top = 24 + 2 * kPictureHeight;
    for (int i = 0; i < 4; ++i) {
        const int y = top + 24 * i;
        const auto n = size_t(i);
        auto* caption = new QLabel(QString("Effect %1:").arg(i), this);
        caption->setObjectName(QString("EddLab%1").arg(i));
        caption->setGeometry(8, y + 1, 52, kRowHeight);
        m_effSw[n] = new QCheckBox(this);
        m_effSw[n]->setObjectName(QString("EffSw%1").arg(i));
        m_effSw[n]->setGeometry(60, y + 1, 18, kRowHeight);
        m_effTB[n] = numberField(this, qPrintable(QString("EffTB%1").arg(i)), m_hub);
        m_effTB[n]->setGeometry(80, y, 32, kTextHeight);
        m_effUD[n] = new SpinButton(this);
        m_effUD[n]->setObjectName(QString("EffUD%1").arg(i));
        m_effUD[n]->setGeometry(112, y + 1, 16, kRowHeight);
    }
    m_pcShowCmd = new QPushButton("Palette Chart..", this);
    m_pcShowCmd->setObjectName("PCShowCmd");
    m_pcShowCmd->setGeometry(8, top + 100, 120, 24);

    m_paFrame = new PalAnimPanel(m_hub, this);
    m_paFrame->setGeometry(144, top - 4, kPictureWidth - 136, 132);
    setFixedSize(kPictureWidth + 16, top + 136);
    // The stored row has the keyboard when the window opens, so the shared keys work.
    setFocusProxy(m_palPic);
}

// ---- refreshes -----------------------------------------------------------------------

void PalEd::Update() {
    Update_Level();
    Update_PalAnim();
}

void PalEd::Update_Level() {
    // The stored row shows the as-loaded slots 80..95, the lower row the animated 0..15.
    drawPaletteCells(m_stored, 80, false);
    drawPaletteCells(m_shown, 0, true);
    DrawPalFrames(m_stored, m_palSel);
    m_palPic->ShowBitmap(m_stored);
    m_palPic2->ShowBitmap(m_shown);
    Update_BGPal(0);
}

void PalEd::Update_BGPal(int upd) {
    if (upd) {
        m_palPic->ShowBitmap(m_stored);
        m_palPic2->ShowBitmap(m_shown);
    }
    for (int i = 0; i < 4; ++i) {
        const int effect = paletteEffect(m_ed, i);
        m_effSw[size_t(i)]->setChecked(effectAnimated(effect));
        SetHexQuiet(m_effTB[size_t(i)], effectNumber(effect));
    }
}

void PalEd::Update_PalAnim() {
    m_paFrame->Update_PalAnim();
}

void PalEd::showAnimatedPictures() {
    // The stored row shows the as-loaded slots, which the animation leaves alone.
    m_palPic2->ShowBitmap(m_shown);
}

void PalEd::PCEvent() {
    m_hub.changed(setPaletteColour(m_ed, m_palSel, m_sel.PCColor));
}

// ---- gestures --------------------------------------------------------------------------

void PalEd::PalPic_MouseDown(int button, int /*shift*/, int x, int /*y*/) {
    const int cell = paletteCellAt(x);
    // The first click selects; clicks on the selected entry step its colour.
    if (cell == m_palSel) m_hub.changed(stepPaletteColour(m_ed, m_palSel, button == 1));
    m_palSel = cell;
    DrawPalFrames(m_stored, m_palSel);
    m_palPic->ShowBitmap(m_stored);
    m_sel.PCTarget = kPCTargetPalEd;
}

void PalEd::PCShowCmd_Click() {
    m_hub.openWindow(WindowId::PalChart);
    if (ToolWindow* chart = m_hub.shownWindow(WindowId::PalChart)) {
        const QRect mine = frameGeometry();
        chart->move(mine.x() + mine.width(), mine.y());
    }
    m_sel.PCTarget = kPCTargetPalEd;
}

} // namespace orvane
