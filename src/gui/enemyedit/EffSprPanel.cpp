#include "gui/enemyedit/EffSprPanel.h"

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include "core/app/Editor.h"
#include "core/enemyedit/EffectSprites.h"
#include "core/enemyedit/EnemyList.h"
#include "gui/app/Controls.h"
#include "gui/app/Hub.h"
#include "gui/app/NumberField.h"
#include "gui/app/QuietControls.h"
#include "gui/app/Selection.h"
#include "gui/mapedit/SpinButton.h"

namespace orvane {

namespace {

constexpr int kBox = 24;
constexpr int kColourStep = 36; // from one colour box to the next

// The control named `prefix` followed by its number.
template <class W> W* numbered(W* widget, const char* prefix, int i) {
    return named(widget, qPrintable(QString("%1%2").arg(prefix).arg(i)));
}

void setColours(QWidget* w, uint32_t text, uint32_t fill) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::WindowText, QColor::fromRgb(text));
    pal.setColor(QPalette::Window, QColor::fromRgb(fill));
    w->setPalette(pal);
}

} // namespace

EffSprPanel::EffSprPanel(Hub& hub, QWidget* parent)
    : QGroupBox("Effect Sprite Editor", parent), m_hub(hub) {
    setObjectName("EffSprEdFrame");
    buildControls();

    connect(m_slots, &QButtonGroup::idClicked, this, &EffSprPanel::EffSprSlot_Click);
    connect(m_kinds, &QButtonGroup::idClicked, this, &EffSprPanel::EffSprTypeOpt_Click);
    for (int i = 0; i < 2; ++i) {
        connect(m_numberTB[size_t(i)], &QLineEdit::textChanged, this,
                [this, i] { EffSprTB_Change(i); });
        connect(m_numberUD[size_t(i)], &SpinButton::upClicked, this, [this] { EffSprUD_Step(1); });
        connect(m_numberUD[size_t(i)], &SpinButton::downClicked, this,
                [this] { EffSprUD_Step(-1); });
    }
    for (int i = 0; i < 4; ++i) {
        connect(m_colTB[size_t(i)], &QLineEdit::textChanged, this,
                [this, i] { EffSprColTB_Change(i); });
        m_colPic[size_t(i)]->installEventFilter(this);
    }
}

void EffSprPanel::buildControls() {
    (new QLabel("Pal. Slot:", this))->setGeometry(8, 20, 64, kRowHeight);
    m_slots = new QButtonGroup(this);
    for (int i = 0; i < 4; ++i) {
        auto* opt = numbered(new QRadioButton(QString::number(i), this), "EffSprSlot", i);
        opt->setGeometry(8 + kColourStep * i, 38, 32, kRowHeight);
        // Filled in the colours of background palette i.
        opt->setAutoFillBackground(true);
        m_slots->addButton(opt, i);
        m_slotOpt[size_t(i)] = opt;
    }

    m_kinds = new QButtonGroup(this);
    const char* kinds[] = {"Palette Animation", "4-Color Palette"};
    for (int i = 0; i < 2; ++i) {
        const int y = 60 + 44 * i;
        auto* opt = numbered(new QRadioButton(kinds[i], this), "EffSprTypeOpt", i);
        opt->setGeometry(8, y, 144, kRowHeight);
        m_kinds->addButton(opt, i);
        m_typeOpt[size_t(i)] = opt;
        m_numberTB[size_t(i)] = numberField(this, qPrintable(QString("EffSprTB%1").arg(i)), m_hub);
        m_numberTB[size_t(i)]->setGeometry(24, y + 20, 33, kTextHeight);
        m_numberUD[size_t(i)] = numbered(new SpinButton(this), "EffSprUD", i);
        m_numberUD[size_t(i)]->setGeometry(57, y + 21, kSpinWidth, kRowHeight);
    }

    for (int i = 0; i < 4; ++i) {
        auto* box = numbered(new QLabel(this), "EffSprColPic", i);
        box->setGeometry(8 + kColourStep * i, 150, kBox, kBox);
        box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        box->setAutoFillBackground(true);
        m_colPic[size_t(i)] = box;
        m_colTB[size_t(i)] = numberField(this, qPrintable(QString("EffSprColTB%1").arg(i)), m_hub);
        m_colTB[size_t(i)]->setGeometry(8 + kColourStep * i, 178, 30, kTextHeight);
    }

    auto* edit = named(new QPushButton("--> Edit..", this), "EffSprAEdBtn");
    edit->setGeometry(8, 204, 144, kButtonHeight);
    connect(edit, &QPushButton::clicked, this, &EffSprPanel::EffSprAEdBtn_Click);
}

Editor& EffSprPanel::ed() const {
    return m_hub.editor();
}

int EffSprPanel::type() const {
    return enemyType(ed(), ed().CurEnemy);
}

// ---- showing ----------------------------------------------------------------------------

void EffSprPanel::fill() {
    show();
    const EffectSprite s = effectSprite(ed(), type());
    // Quietly: writing the slot back would clear the bits of the byte the games keep
    // beside the slot number.
    {
        const QSignalBlocker quiet(m_slots);
        m_slotOpt[size_t(s.paletteSlot)]->setChecked(true);
    }
    {
        const QSignalBlocker quiet(m_kinds);
        m_typeOpt[s.animation ? 0 : 1]->setChecked(true);
    }
    const int shown = s.animation ? 0 : 1;
    for (int i = 0; i < 2; ++i) {
        const bool on = i == shown;
        SetTextQuiet(m_numberTB[size_t(i)], on ? hexText(s.number) : "");
        m_numberTB[size_t(i)]->setEnabled(on);
        m_numberUD[size_t(i)]->setEnabled(on);
    }
    for (int i = 0; i < 4; ++i) {
        m_colPic[size_t(i)]->setEnabled(!s.animation);
        m_colTB[size_t(i)]->setEnabled(!s.animation);
        if (!s.animation) showColour(i, s.colours[size_t(i)]);
    }
    paintSlotOptions();
}

void EffSprPanel::showColour(int i, int colour) {
    setColours(m_colPic[size_t(i)], 0, ed().NesPal[size_t(colour & 0xFF)]);
    setHoverTip(m_colPic[size_t(i)], QString("Colour %1: ").arg(i) + hexText(colour));
    SetHexQuiet(m_colTB[size_t(i)], colour);
}

void EffSprPanel::paintSlotOptions() {
    const Editor& e = ed();
    for (int i = 0; i < 4; ++i)
        setColours(m_slotOpt[size_t(i)], e.BmpCols[size_t(4 * i + 1)],
                   e.BmpCols[size_t(4 * i + 2)]);
}

// ---- edits --------------------------------------------------------------------------------

void EffSprPanel::EffSprSlot_Click(int i) {
    m_hub.changed(setEffectSpriteSlot(ed(), type(), i));
}

void EffSprPanel::EffSprTypeOpt_Click(int i) {
    m_hub.changed(setEffectSpriteKind(ed(), type(), i == 0));
    fill();
}

void EffSprPanel::EffSprTB_Change(int i) {
    m_hub.changed(setEffectSpriteNumber(ed(), type(), fieldHexVal(m_numberTB[size_t(i)])));
    fill();
}

void EffSprPanel::EffSprUD_Step(int delta) {
    m_hub.changed(stepEffectSpriteNumber(ed(), type(), delta));
    fill();
}

void EffSprPanel::EffSprColPic_MouseDown(int i, int button) {
    if (button != 1 && button != 2) return;
    m_hub.changed(stepEffectSpriteColour(ed(), type(), i, button == 1 ? 1 : -1));
    showColour(i, effectSprite(ed(), type()).colours[size_t(i)]);
}

void EffSprPanel::EffSprColTB_Change(int i) {
    m_hub.changed(setEffectSpriteColour(ed(), type(), i, fieldHexVal(m_colTB[size_t(i)])));
    showColour(i, effectSprite(ed(), type()).colours[size_t(i)]);
}

void EffSprPanel::EffSprAEdBtn_Click() {
    // The Palette Editor shows animation CurPalAnim.
    m_hub.selection().CurPalAnim = effectSprite(ed(), type()).number;
    m_hub.openWindow(WindowId::PalEd);
}

bool EffSprPanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress)
        for (int i = 0; i < 4; ++i)
            if (watched == m_colPic[size_t(i)]) {
                const auto* press = static_cast<QMouseEvent*>(event);
                EffSprColPic_MouseDown(i, press->button() == Qt::LeftButton    ? 1
                                          : press->button() == Qt::RightButton ? 2
                                                                               : 4);
                return true;
            }
    return QGroupBox::eventFilter(watched, event);
}

} // namespace orvane
