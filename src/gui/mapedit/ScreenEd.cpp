#include "gui/mapedit/ScreenEd.h"

#include <QCheckBox>
#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>

#include "core/app/Editor.h"
#include "core/mapedit/ScreenDrawing.h"
#include "core/resdata/HexVal.h"
#include "gui/app/Hub.h"
#include "gui/app/KeyCodes.h"
#include "gui/app/QuietControls.h"
#include "gui/mapedit/SpinButton.h"
#include "gui/render/PictureArea.h"

namespace orvane {

namespace {

constexpr int kTextHeight = 19; // text fields
constexpr int kRowHeight = 17;  // labels, check boxes, spin buttons, the scroll bar
constexpr int kSpinWidth = 16;
constexpr int kPicBorder = 2;

template <class W> W* named(W* widget, const char* name) {
    widget->setObjectName(name);
    return widget;
}

QString hex(int64_t value) {
    return QString::fromStdString(hexString(value));
}

} // namespace

ScreenEd::ScreenEd(Hub& hub, QWidget* parent) : ToolWindow(hub, parent) {
    setObjectName("ScreenEd");
    setWindowTitle("Screen Editor");
    buildControls();

    // The picture's client area is 256 x 256; the bitmap lives in the editor so the
    // palette animation reaches it whether this window is open or not.
    bitmap().InitBitmap(256, 256);

    m_dirList->addItems({"Up", "Right", "Down"});
    m_simplEd->setChecked(false);
    SimpleModeLayout();

    // The settings' captions depend on the game only (mm5 has none).
    for (int which = 0; which < 2; ++which)
        m_settingLab[which]->setText(QString::fromStdString(sectionSetting(ed(), which).caption));

    connect(m_pic, &PictureArea::mouseDown, this, &ScreenEd::ScreenPic_MouseDown);
    // Moving with a button held repeats the press: a left drag paints every cell it
    // enters, a right drag picks.
    connect(m_pic, &PictureArea::mouseMove, this, &ScreenEd::ScreenPic_MouseDown);
    connect(m_scrnScroll, &QScrollBar::valueChanged, this, &ScreenEd::ScrnScroll_Change);
    connect(m_curScrnTB, &QLineEdit::textChanged, this, &ScreenEd::CurScrnTB_Change);
    connect(m_scrnPresTB, &QLineEdit::textChanged, this, &ScreenEd::ScrnPresTB_Change);
    connect(m_scrnPresUD, &SpinButton::upClicked, this, [this] { ScrnPresUD_Step(1); });
    connect(m_scrnPresUD, &SpinButton::downClicked, this, [this] { ScrnPresUD_Step(-1); });
    for (int which = 0; which < 2; ++which) {
        connect(m_settingTB[which], &QLineEdit::textChanged, this,
                [this, which] { settingTyped(which); });
        connect(m_settingUD[which], &SpinButton::upClicked, this,
                [this, which] { settingStepped(which, 1); });
        connect(m_settingUD[which], &SpinButton::downClicked, this,
                [this, which] { settingStepped(which, -1); });
    }
    connect(m_sttb, &QLineEdit::textChanged, this, &ScreenEd::STTB_Change);
    connect(m_stud, &SpinButton::upClicked, this, [this] { STUD_Step(1); });
    connect(m_stud, &SpinButton::downClicked, this, [this] { STUD_Step(-1); });
    connect(m_slentb, &QLineEdit::textChanged, this, &ScreenEd::SLenTB_Change);
    connect(m_slenud, &SpinButton::upClicked, this, [this] { SLenUD_Step(1); });
    connect(m_slenud, &SpinButton::downClicked, this, [this] { SLenUD_Step(-1); });
    connect(m_dirList, &QListWidget::currentRowChanged, this, &ScreenEd::DirList_Click);
    connect(m_splitSw, &QCheckBox::clicked, this, &ScreenEd::SplitSw_Click);
    connect(m_simplEd, &QCheckBox::clicked, this, &ScreenEd::SimpleModeLayout);
}

void ScreenEd::buildControls() {
    // Fixed pixel positions, as the window was drawn; captions are set in a small font
    // so they fit their 17-pixel rows.
    QFont small = font();
    small.setPixelSize(11);
    setFont(small);
    setFixedSize(439, 324);

    auto label = [this](const char* name, const QString& text, int x, int y, int w) {
        QLabel* l = named(new QLabel(text, this), name);
        l->setGeometry(x, y, w, kRowHeight);
        return l;
    };
    auto field = [this](const char* name, int x, int y, int w) {
        QLineEdit* f = named(new QLineEdit(this), name);
        f->setGeometry(x, y, w, kTextHeight);
        return f;
    };
    auto spin = [this](const char* name, int x, int y) {
        SpinButton* s = named(new SpinButton(this), name);
        s->setGeometry(x, y, kSpinWidth, kRowHeight);
        return s;
    };

    // The picture: a 2-pixel border around 256 x 256 pixels of content.
    m_picFrame = named(new QFrame(this), "ScreenPicFrame");
    m_picFrame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_picFrame->setLineWidth(kPicBorder);
    m_picFrame->setGeometry(8, 8, 260, 260);
    m_pic = named(new PictureArea(this), "ScreenPic");
    m_pic->setGeometry(8 + kPicBorder, 8 + kPicBorder, 256, 256);

    m_curScrollLabel = label("CurScrollLabel", "Scroll Map Position: ", 272, 16, 153);
    m_simplEd = named(new QCheckBox("Simple Scroll-Editing", this), "SimplEd");
    m_simplEd->setGeometry(280, 40, 137, kRowHeight);

    m_stLab = label("STLab", "Scroll Type", 280, 64, 88);
    m_sttb = field("STTB", 368, 64, 24);
    m_stud = spin("STUD", 392, 64);
    m_dirLab = label("DirLab", "Direction:", 280, 64, 88);
    m_dirList = named(new QListWidget(this), "DirList");
    m_dirList->setGeometry(280, 80, 121, 76);
    m_slenLab = label("SLenLab", "Screen-Length", 280, 88, 88);
    m_slentb = field("SLenTB", 368, 88, 24);
    m_slenud = spin("SLenUD", 392, 88);
    m_scrollInfLab = label("ScrollInfLab", QString(), 296, 112, 137);
    m_splitSw = named(new QCheckBox("Right Scroll-Split", this), "SplitSw");
    m_splitSw->setGeometry(280, 160, 121, kRowHeight);

    const char* labNames[2] = {"DDALab", "DDBLab"};
    const char* tbNames[2] = {"DDATB", "DDBTB"};
    const char* udNames[2] = {"DDAUD", "DDBUD"};
    for (int which = 0; which < 2; ++which) {
        const int y = 144 + 24 * which; // moved by SimpleModeLayout
        m_settingLab[which] = label(labNames[which], QString(), 280, y, 88);
        m_settingTB[which] = field(tbNames[which], 368, y, 33);
        m_settingUD[which] = spin(udNames[which], 400, y);
    }

    m_curScrnTB = field("CurScrnTB", 8, 272, 25);
    m_scrnScroll = named(new QScrollBar(Qt::Horizontal, this), "ScrnScroll");
    m_scrnScroll->setGeometry(32, 272, 233, kRowHeight);
    m_label1 = label("Label1", "Screen Preset:", 136, 296, 80);
    m_scrnPresUD = spin("ScrnPresUD", 216, 296);
    m_scrnPresTB = field("ScrnPresTB", 232, 296, 33);

    // The summary label sits where the direction list opens in simple mode; the list
    // covers it there.
    m_dirList->raise();
    // Shift+letter in the direction list is a command, not a search for an item.
    m_dirList->installEventFilter(this);
    // The picture has the keyboard when the window opens, so the shared keys work at once.
    setFocusProxy(m_pic);
}

Editor& ScreenEd::ed() const {
    return m_hub.editor();
}

WinBitmap& ScreenEd::bitmap() const {
    return ed().Bitmaps[kBmpScreenEd];
}

bool ScreenEd::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_dirList && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const int code = keyCodeOf(key);
        if (shiftMaskOf(key) == kShift && code >= 'A' && code <= 'Z') {
            m_hub.Global_KeyDown(code, kShift);
            return true;
        }
    }
    return ToolWindow::eventFilter(watched, event);
}

// ---- refreshes ---------------------------------------------------------------------

void ScreenEd::Update() {
    {
        TagGuard quiet(m_scrnScroll, "=D");
        m_scrnScroll->setRange(0, screenLimit(ed()));
        m_scrnScroll->setValue(ed().CurScrn);
    }
    Update_Scrn();
    Update_BGPal(1);
}

void ScreenEd::Update_Scrn() {
    Editor& e = ed();
    ShowScrollEntry();
    showSettings();
    SetTextQuiet(m_curScrnTB, hex(e.CurScrn));
    SetTextQuiet(m_scrnPresTB, hex(e.byte(presetPosition(e))));
    m_curScrollLabel->setText("Scroll Map Position: " + QString::number(e.CurSection));
    DrawScreen(bitmap(), e);
    m_pic->ShowBitmap(bitmap());
    showDirectionAndSplit();
}

// The setting that is not the background palette; the palette is Update_BGPal's.
void ScreenEd::showSettings() {
    for (int which = 0; which < 2; ++which) {
        const SectionSetting setting = sectionSetting(ed(), which);
        if (setting.present && !setting.isPalette)
            SetTextQuiet(m_settingTB[which], hex(ed().byte(setting.position)));
    }
}

void ScreenEd::Update_BGPal(int upd) {
    for (int which = 0; which < 2; ++which) {
        const SectionSetting setting = sectionSetting(ed(), which);
        if (setting.present && setting.isPalette)
            SetTextQuiet(m_settingTB[which], hex(ed().byte(setting.position)));
    }
    if (upd) m_pic->ShowBitmap(bitmap());
}

void ScreenEd::Update_StrBlock(int ustr, int ublock) {
    redrawStructureQuarterOnScreen(bitmap(), ed(), ed().CurScrn, ustr, ublock);
    DrawGrid(bitmap());
    m_pic->ShowBitmap(bitmap());
}

void ScreenEd::Update_Block(int ublock) {
    redrawBlockOnScreen(bitmap(), ed(), ed().CurScrn, ublock);
    DrawGrid(bitmap());
    m_pic->ShowBitmap(bitmap());
}

void ScreenEd::showPicture(int bitmapId) {
    if (bitmapId == kBmpScreenEd) m_pic->ShowBitmap(bitmap());
}

// ---- the picture ---------------------------------------------------------------------

void ScreenEd::ScreenPic_MouseDown(int button, int /*shift*/, int x, int y) {
    Editor& e = ed();
    const int row = cellOfPixel(y);
    const int col = cellOfPixel(x);
    if (button == 1) {
        paintScreenCell(e, row, col);
        drawScreenCell(bitmap(), e, e.CurScrn, row, col);
        DrawGrid(bitmap());
        m_pic->ShowBitmap(bitmap());
        m_hub.Update_ScrnStr(row, col);
    } else if (button == 2) {
        pickScreenCell(e, row, col);
        if (ToolWindow* table = m_hub.shownWindow(WindowId::StrTable)) table->CurStrSet(1);
    }
}

// ---- current screen and preset ------------------------------------------------------

void ScreenEd::ScrnScroll_Change() {
    if (hasTag(m_scrnScroll)) return;
    ed().CurScrn = m_scrnScroll->value();
    m_hub.Update_Scrn();
}

void ScreenEd::CurScrnTB_Change() {
    if (hasTag(m_curScrnTB)) return;
    ed().CurScrn = clampScreen(ed(), HexVal(m_curScrnTB->text().toStdString()));
    m_hub.Update_Scrn();
}

void ScreenEd::ScrnPresTB_Change() {
    if (hasTag(m_scrnPresTB)) return;
    setPreset(ed(), HexVal(m_scrnPresTB->text().toStdString()));
    m_hub.Update_Scrn();
}

void ScreenEd::ScrnPresUD_Step(int delta) {
    if (stepPreset(ed(), delta)) m_hub.Update_Scrn();
}

// ---- section settings ------------------------------------------------------------------

void ScreenEd::settingTyped(int which) {
    QLineEdit* field = m_settingTB[which];
    if (hasTag(field)) return;
    settingWritten(writeSectionSetting(ed(), which, HexVal(field->text().toStdString())));
}

void ScreenEd::settingStepped(int which, int delta) {
    settingWritten(stepSectionSetting(ed(), which, delta));
}

void ScreenEd::settingWritten(SettingFollowUp followUp) {
    switch (followUp) {
    case SettingFollowUp::None:
        break;
    case SettingFollowUp::SpritesThenScreen:
        m_hub.SprCHRPALSetup();
        m_hub.Update_Scrn();
        break;
    case SettingFollowUp::Palette:
        m_hub.Update_BGPal(1, 1);
        break;
    case SettingFollowUp::EffectsThenScreen:
        m_hub.ScrollEffectLoad(ed().CurSection);
        m_hub.Update_Scrn();
        break;
    }
}

} // namespace orvane
