#include "gui/mapedit/ScreenChoice.h"

#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalBlocker>

#include "core/app/Editor.h"
#include "core/mapedit/ScreenDrawing.h"
#include "core/mapedit/ScreenSettings.h"
#include "gui/app/Controls.h"
#include "gui/app/Hub.h"
#include "gui/app/NumberField.h"
#include "gui/app/QuietControls.h"
#include "gui/mapedit/SpinButton.h"

namespace orvane {

ScreenChoice::ScreenChoice(QWidget* window, Hub& hub)
    : QObject(window), m_hub(hub), m_ed(hub.editor()) {
    m_curScrnTB = numberField(window, "CurScrnTB", hub);
    m_curScrnTB->setGeometry(8, 272, 25, kTextHeight);
    m_scrnScroll = named(new QScrollBar(Qt::Horizontal, window), "ScrnScroll");
    m_scrnScroll->setGeometry(32, 272, 233, kRowHeight);
    named(new QLabel("Screen Preset:", window), "Label1")->setGeometry(136, 296, 80, kRowHeight);
    m_scrnPresUD = named(new SpinButton(window), "ScrnPresUD");
    m_scrnPresUD->setGeometry(216, 296, kSpinWidth, kRowHeight);
    m_scrnPresTB = numberField(window, "ScrnPresTB", hub);
    m_scrnPresTB->setGeometry(232, 296, 33, kTextHeight);

    connect(m_scrnScroll, &QScrollBar::valueChanged, this, &ScreenChoice::ScrnScroll_Change);
    connect(m_curScrnTB, &QLineEdit::textChanged, this, &ScreenChoice::CurScrnTB_Change);
    connect(m_scrnPresTB, &QLineEdit::textChanged, this, &ScreenChoice::ScrnPresTB_Change);
    connect(m_scrnPresUD, &SpinButton::upClicked, this, [this] { ScrnPresUD_Step(1); });
    connect(m_scrnPresUD, &SpinButton::downClicked, this, [this] { ScrnPresUD_Step(-1); });
}

void ScreenChoice::setScreenRange() {
    const QSignalBlocker quiet(m_scrnScroll);
    m_scrnScroll->setRange(0, screenLimit(m_ed.tables()));
}

void ScreenChoice::moveBar() {
    const QSignalBlocker quiet(m_scrnScroll);
    m_scrnScroll->setValue(m_ed.CurScrn);
}

void ScreenChoice::showFields() {
    SetTextQuiet(m_curScrnTB, hexText(m_ed.CurScrn));
    SetTextQuiet(m_scrnPresTB, hexText(m_ed.tables().screenPreset(m_ed.CurScrn)));
}

QString ScreenChoice::cellHoverText(int x, int y) const {
    const int row = cellOfPixel(y), col = cellOfPixel(x);
    return QString("Row %1, column %2: structure ").arg(row).arg(col) +
           hexText(m_ed.tables().screenCell(m_ed.CurScrn, row, col));
}

void ScreenChoice::ScrnScroll_Change() {
    m_ed.CurScrn = m_scrnScroll->value();
    m_hub.Update_Scrn();
}

void ScreenChoice::CurScrnTB_Change() {
    m_ed.CurScrn = clampScreen(m_ed.tables(), fieldHexVal(m_curScrnTB));
    m_hub.Update_Scrn();
}

void ScreenChoice::ScrnPresTB_Change() {
    m_hub.changed(typePreset(m_ed, m_ed.CurScrn, fieldHexVal(m_scrnPresTB)));
}

void ScreenChoice::ScrnPresUD_Step(int delta) {
    m_hub.changed(stepPreset(m_ed, m_ed.CurScrn, delta));
}

} // namespace orvane
