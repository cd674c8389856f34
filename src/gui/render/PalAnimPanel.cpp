#include "gui/render/PalAnimPanel.h"

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSignalBlocker>

#include "core/app/Editor.h"
#include "core/render/AnimationArea.h"
#include "core/render/AnimationEdits.h"
#include "core/render/Colours.h"
#include "gui/app/Controls.h"
#include "gui/app/Hub.h"
#include "gui/app/NumberField.h"
#include "gui/app/QuietControls.h"
#include "gui/app/Selection.h"
#include "gui/mapedit/SpinButton.h"

namespace orvane {

namespace {

constexpr int kSwatch = 24;

} // namespace

PalAnimPanel::PalAnimPanel(Hub& hub, QWidget* parent)
    : QGroupBox("Palette Animation Editor", parent), m_hub(hub) {
    setObjectName("PAFrame");
    buildControls();

    // Handlers react to the user's edits only (textEdited, clicks): the panel's own
    // updates of its fields never write anything back.
    connect(m_paIdTB, &QLineEdit::textEdited, this, &PalAnimPanel::PAIDTB_Change);
    connect(m_paIdUD, &SpinButton::upClicked, this, [this] { PAIDUD_Step(1); });
    connect(m_paIdUD, &SpinButton::downClicked, this, [this] { PAIDUD_Step(-1); });
    connect(m_delayTB, &QLineEdit::textEdited, this, &PalAnimPanel::DelayTB_Change);
    connect(m_delayUD, &SpinButton::upClicked, this, [this] { DelayUD_Step(1); });
    connect(m_delayUD, &SpinButton::downClicked, this, [this] { DelayUD_Step(-1); });
    // A frame count takes effect when confirmed (Return or leaving the field): acting on
    // every keystroke would cut an animation short, losing its frames, on the way to the
    // number being typed.
    connect(m_framesTB, &QLineEdit::editingFinished, this, &PalAnimPanel::FramesTB_Change);
    connect(m_framesTBUD, &SpinButton::upClicked, this, [this] { FramesTBUD_Step(1); });
    connect(m_framesTBUD, &SpinButton::downClicked, this, [this] { FramesTBUD_Step(-1); });
    connect(m_frameSelect, &QScrollBar::valueChanged, this, &PalAnimPanel::FrameSelect_Change);
    connect(m_pieceTB, &QLineEdit::textEdited, this, &PalAnimPanel::PieceTB_Change);
    connect(m_pieceUD, &SpinButton::upClicked, this, [this] { PieceUD_Step(1); });
    connect(m_pieceUD, &SpinButton::downClicked, this, [this] { PieceUD_Step(-1); });
    for (int k = 0; k < 3; ++k) {
        connect(m_paColTB[size_t(k)], &QLineEdit::textEdited, this,
                [this, k] { PAColTB_Change(k); });
        m_paColPic[size_t(k)]->installEventFilter(this);
    }
    // mm3's animations have another record layout; the panel does not edit them.
    setEnabled(ed().EditMode != kMM3);
}

void PalAnimPanel::buildControls() {
    auto named = [](QWidget* w, const QString& name) {
        w->setObjectName(name);
        return w;
    };
    auto label = [&](const char* name, const char* text, int x, int y, int w) {
        named(new QLabel(text, this), name)->setGeometry(x, y, w, kRowHeight);
    };
    auto field = [&](const QString& name, int x, int y, int w) {
        QLineEdit* f = numberField(this, qPrintable(name), m_hub);
        f->setGeometry(x, y, w, kTextHeight);
        return f;
    };
    auto spin = [&](const char* name, int x, int y) {
        auto* s = new SpinButton(this);
        named(s, name)->setGeometry(x, y, kSpinWidth, kRowHeight);
        return s;
    };

    m_paIdTB = field("PAIDTB", 8, 20, 32);
    m_paIdUD = spin("PAIDUD", 40, 21);
    label("DelayLab", "Delay:", 72, 21, 40);
    m_delayTB = field("DelayTB", 112, 20, 32);
    m_delayUD = spin("DelayUD", 144, 21);
    label("FramesLab", "# of Frames:", 176, 21, 72);
    m_framesTB = field("FramesTB", 248, 20, 32);
    m_framesTBUD = spin("FramesTBUD", 280, 21);

    m_frameSelect = new QScrollBar(Qt::Horizontal, this);
    named(m_frameSelect, "FrameSelect")->setGeometry(8, 46, 368, kRowHeight);

    label("PieceLab", "Source Palette Piece:", 8, 71, 120);
    m_pieceTB = field("PieceTB", 128, 70, 32);
    m_pieceUD = spin("PieceUD", 160, 71);

    for (int k = 0; k < 3; ++k) {
        const int x = 8 + 80 * k;
        auto* swatch = new QLabel(this);
        named(swatch, QString("PAColPic%1").arg(k))->setGeometry(x, 96, kSwatch, kSwatch);
        swatch->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        swatch->setAutoFillBackground(true);
        m_paColPic[size_t(k)] = swatch;
        m_paColTB[size_t(k)] = field(QString("PAColTB%1").arg(k), x + kSwatch + 4, 99, 32);
    }
}

Editor& PalAnimPanel::ed() const {
    return m_hub.editor();
}

// ---- showing ----------------------------------------------------------------------------

void PalAnimPanel::Update_PalAnim() {
    Editor& e = ed();
    if (e.EditMode == kMM3) return;
    const int animation = m_hub.selection().CurPalAnim;
    SetHexQuiet(m_paIdTB, animation);
    m_recPos = e.tables().animationRecordPosition(animation);
    showDelay();
    SetHexQuiet(m_framesTB, animationLastFrame(e, m_recPos));
    {
        const QSignalBlocker quiet(m_frameSelect);
        m_frameSelect->setRange(0, animationLastFrame(e, m_recPos));
        m_frameSelect->setValue(0);
    }
    m_curFrame = 0;
    ShowPAFrame();
}

void PalAnimPanel::ShowPAFrame() {
    SetHexQuiet(m_pieceTB, frameColourSet(ed(), m_recPos, m_curFrame));
    for (int k = 0; k < 3; ++k)
        showColour(k);
}

void PalAnimPanel::showColour(int k) {
    const Editor& e = ed();
    const int c = setColour(e, frameColourSet(e, m_recPos, m_curFrame), k);
    QLabel* swatch = m_paColPic[size_t(k)];
    QPalette pal = swatch->palette();
    pal.setColor(QPalette::Window, QColor::fromRgb(e.NesPal[size_t(c)]));
    swatch->setPalette(pal);
    setHoverTip(swatch, QString("Piece colour %1: ").arg(k) + hexText(c));
    SetHexQuiet(m_paColTB[size_t(k)], c);
}

void PalAnimPanel::showDelay() {
    SetHexQuiet(m_delayTB, animationDelay(ed(), m_recPos));
}

// ---- edits ------------------------------------------------------------------------------

void PalAnimPanel::PAIDTB_Change() {
    m_hub.selection().CurPalAnim = fieldHexVal(m_paIdTB) & 127;
    Update_PalAnim();
}

void PalAnimPanel::PAIDUD_Step(int delta) {
    int a = m_hub.selection().CurPalAnim + delta;
    m_hub.selection().CurPalAnim = Clamp(a, 0, 127);
    Update_PalAnim();
}

void PalAnimPanel::DelayTB_Change() {
    setAnimationDelay(ed(), m_recPos, fieldHexVal(m_delayTB));
    showDelay();
}

void PalAnimPanel::DelayUD_Step(int delta) {
    stepAnimationDelay(ed(), m_recPos, delta);
    showDelay();
}

void PalAnimPanel::FrameSelect_Change(int value) {
    m_curFrame = value;
    ShowPAFrame();
}

void PalAnimPanel::PieceTB_Change() {
    setFrameColourSet(ed(), m_recPos, m_curFrame, fieldHexVal(m_pieceTB));
    ShowPAFrame();
}

void PalAnimPanel::PieceUD_Step(int delta) {
    stepFrameColourSet(ed(), m_recPos, m_curFrame, delta);
    ShowPAFrame();
}

void PalAnimPanel::PAColPic_MouseDown(int k, int button) {
    const int set = frameColourSet(ed(), m_recPos, m_curFrame);
    if (button == Qt::LeftButton) stepSetColour(ed(), set, k, 1);
    if (button == Qt::RightButton) stepSetColour(ed(), set, k, -1);
    showColour(k);
}

void PalAnimPanel::PAColTB_Change(int k) {
    setSetColour(ed(), frameColourSet(ed(), m_recPos, m_curFrame), k,
                 fieldHexVal(m_paColTB[size_t(k)]));
    showColour(k);
}

void PalAnimPanel::FramesTB_Change() {
    frameCount(fieldHexVal(m_framesTB));
}

void PalAnimPanel::FramesTBUD_Step(int delta) {
    int newLast = fieldHexVal(m_framesTB) + delta;
    frameCount(Clamp(newLast, 0, 255));
}

void PalAnimPanel::frameCount(int newLast) {
    switch (SetFrameCount(ed(), m_recPos, newLast)) {
    case FrameCountResult::Changed:
        Update_PalAnim(); // back to frame 0
        return;
    case FrameCountResult::NoSpace:
        m_hub.message("Not enough unused space, Kill some frames off other animations!");
        break;
    case FrameCountResult::NotSupported:
        m_hub.message("Not supported for MM5 yet!");
        break;
    case FrameCountResult::Unchanged:
        break;
    }
    // Nothing changed: the field shows the stored count again.
    SetHexQuiet(m_framesTB, animationLastFrame(ed(), m_recPos));
}

bool PalAnimPanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        for (int k = 0; k < 3; ++k)
            if (watched == m_paColPic[size_t(k)]) {
                PAColPic_MouseDown(k, static_cast<QMouseEvent*>(event)->button());
                return true;
            }
    }
    return QGroupBox::eventFilter(watched, event);
}

} // namespace orvane
