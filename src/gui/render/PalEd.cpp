#include "gui/render/PalEd.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include "core/app/Editor.h"
#include "core/render/PaletteCells.h"
#include "core/render/PaletteRecord.h"
#include "gui/app/Hub.h"
#include "gui/app/QuietControls.h"
#include "gui/mapedit/SpinButton.h"
#include "gui/render/FramedPicture.h"
#include "gui/render/PalAnimPanel.h"
#include "gui/render/PalChart.h"
#include "gui/render/PictureArea.h"

namespace orvane {

namespace {

constexpr int kTextHeight = 19;
constexpr int kRowHeight = 17;
// The picture rows: cells plus a little slack, rows a multiple of 4 bytes long.
constexpr int kPictureWidth = 520;
constexpr int kPictureHeight = kPaletteRowHeight + 2 * kPictureBorder;

} // namespace

PalEd::PalEd(Hub& hub, QWidget* parent) : ToolWindow(hub, parent) {
    setObjectName("PalEd");
    setWindowTitle("Palette Editor");
    buildControls();

    connect(m_palPic, &PictureArea::mouseDown, this, &PalEd::PalPic_MouseDown);
    connect(m_pcShowCmd, &QPushButton::clicked, this, &PalEd::PCShowCmd_Click);
    // Handlers react to the user's gestures only (clicks, typing); Update_BGPal's own
    // setting of the switches and fields changes nothing.
    for (int i = 0; i < 4; ++i) {
        connect(m_effSw[size_t(i)], &QCheckBox::clicked, this,
                [this, i](bool on) { m_hub.paletteEdited(setEffectAnimated(ed(), i, on)); });
        connect(m_effTB[size_t(i)], &QLineEdit::textEdited, this, [this, i] {
            m_hub.paletteEdited(setEffectNumber(ed(), i, fieldHexVal(m_effTB[size_t(i)])));
        });
        connect(m_effUD[size_t(i)], &SpinButton::upClicked, this,
                [this, i] { m_hub.paletteEdited(stepEffectNumber(ed(), i, 1)); });
        connect(m_effUD[size_t(i)], &SpinButton::downClicked, this,
                [this, i] { m_hub.paletteEdited(stepEffectNumber(ed(), i, -1)); });
    }
}

void PalEd::buildControls() {
    QFont small = font();
    small.setPixelSize(11);
    setFont(small);

    m_palPic = addFramedPicture(this, "PalPic", QRect(8, 8, kPictureWidth, kPictureHeight),
                                storedBitmap());
    m_palPic2 = addFramedPicture(this, "PalPic2",
                                 QRect(8, 16 + kPictureHeight, kPictureWidth, kPictureHeight),
                                 shownBitmap());

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
        m_effTB[n] = new QLineEdit(this);
        m_effTB[n]->setObjectName(QString("EffTB%1").arg(i));
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

Editor& PalEd::ed() const {
    return m_hub.editor();
}

WinBitmap& PalEd::storedBitmap() const {
    return ed().Bitmaps[kBmpPalEdPal];
}

WinBitmap& PalEd::shownBitmap() const {
    return ed().Bitmaps[kBmpPalEdPal2];
}

// ---- refreshes -----------------------------------------------------------------------

void PalEd::Update() {
    Update_Level();
    Update_PalAnim();
}

void PalEd::Update_Level() {
    // The stored row shows the as-loaded slots 80..95, the lower row the animated 0..15.
    drawPaletteCells(storedBitmap(), 80, false);
    drawPaletteCells(shownBitmap(), 0, true);
    DrawPalFrames(storedBitmap(), m_palSel);
    m_palPic->ShowBitmap(storedBitmap());
    m_palPic2->ShowBitmap(shownBitmap());
    Update_BGPal(0);
}

void PalEd::Update_BGPal(int upd) {
    if (upd) {
        m_palPic->ShowBitmap(storedBitmap());
        m_palPic2->ShowBitmap(shownBitmap());
    }
    for (int i = 0; i < 4; ++i) {
        const int effect = paletteEffect(ed(), i);
        m_effSw[size_t(i)]->setChecked(effectAnimated(effect));
        SetHexQuiet(m_effTB[size_t(i)], effectNumber(effect));
    }
}

void PalEd::Update_PalAnim() {
    m_paFrame->Update_PalAnim();
}

void PalEd::showPicture(int bitmapId) {
    if (bitmapId == kBmpPalEdPal2) m_palPic2->ShowBitmap(shownBitmap());
    if (bitmapId == kBmpPalEdPal) m_palPic->ShowBitmap(storedBitmap());
}

void PalEd::PCEvent() {
    m_hub.paletteEdited(setPaletteColour(ed(), m_palSel, ed().PCColor));
}

// ---- gestures --------------------------------------------------------------------------

void PalEd::PalPic_MouseDown(int button, int /*shift*/, int x, int /*y*/) {
    const int cell = paletteCellAt(x);
    // The first click selects; clicks on the selected entry step its colour.
    if (cell == m_palSel) m_hub.paletteEdited(stepPaletteColour(ed(), m_palSel, button == 1));
    m_palSel = cell;
    DrawPalFrames(storedBitmap(), m_palSel);
    m_palPic->ShowBitmap(storedBitmap());
    ed().PCTarget = kPCTargetPalEd;
}

void PalEd::PCShowCmd_Click() {
    m_hub.openWindow(WindowId::PalChart);
    if (ToolWindow* chart = m_hub.shownWindow(WindowId::PalChart)) {
        const QRect mine = frameGeometry();
        chart->move(mine.x() + mine.width(), mine.y());
    }
    ed().PCTarget = kPCTargetPalEd;
}

} // namespace orvane
