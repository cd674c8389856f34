#include "gui/mapedit/ScreenEd.h"

#include <QCheckBox>
#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>

#include "core/app/Editor.h"
#include "core/mapedit/MapEdits.h"
#include "core/mapedit/ScreenDrawing.h"
#include "core/mapedit/ScreenSettings.h"
#include "core/render/LevelSource.h"
#include "gui/app/Controls.h"
#include "gui/app/Hub.h"
#include "gui/app/KeyCodes.h"
#include "gui/app/NumberField.h"
#include "gui/app/QuietControls.h"
#include "gui/app/Selection.h"
#include "gui/mapedit/ScreenChoice.h"
#include "gui/mapedit/SpinButton.h"
#include "gui/render/FramedPicture.h"
#include "gui/render/PictureArea.h"

namespace orvane {

ScreenEd::ScreenEd(Hub& hub, QWidget* parent) : ToolWindow(hub, parent), m_bmp(m_ed.Bitmaps) {
    setObjectName("ScreenEd");
    setWindowTitle("Screen Editor");
    buildControls();

    // The picture's client area is 256 x 256.
    m_bmp.InitBitmap(256, 256);

    m_dirList->addItems({"Up", "Right", "Down"});
    m_simplEd->setChecked(false);
    SimpleModeLayout();

    // The settings depend on the game only. mm5 keeps none here: its rows would be two
    // empty fields without a caption, so they are not shown.
    for (int which = 0; which < 2; ++which) {
        const SectionSetting setting = sectionSetting(m_ed.tables(), 0, which);
        m_settingLab[which]->setText(QString::fromStdString(setting.caption));
        for (QWidget* w : std::initializer_list<QWidget*>{m_settingLab[which], m_settingTB[which],
                                                          m_settingUD[which]})
            w->setVisible(setting.present);
    }

    m_pic->setHoverText([this](int x, int y) { return m_screenChoice->cellHoverText(x, y); });
    connect(m_pic, &PictureArea::mouseDown, this, &ScreenEd::ScreenPic_MouseDown);
    // Moving with a button held repeats the press: a left drag paints every cell it
    // enters, a right drag picks.
    connect(m_pic, &PictureArea::mouseMove, this, &ScreenEd::ScreenPic_MouseDown);
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
    auto field = [this](const char* name, int x, int y, int w, Digits digits = Digits::Hex) {
        QLineEdit* f = numberField(this, name, m_hub, digits);
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
    m_picFrame->setLineWidth(kPictureBorder);
    m_picFrame->setGeometry(8, 8, 260, 260);
    m_pic = named(new PictureArea(this), "ScreenPic");
    m_pic->setGeometry(8 + kPictureBorder, 8 + kPictureBorder, 256, 256);

    m_curScrollLabel = label("CurScrollLabel", "Scroll Map Position: ", 272, 16, 153);
    m_simplEd = named(new QCheckBox("Simple Scroll-Editing", this), "SimplEd");
    m_simplEd->setGeometry(280, 40, 137, kRowHeight);

    m_stLab = label("STLab", "Scroll Type", 280, 64, 88);
    // mm5 types its scroll type in decimal, the other games in hexadecimal.
    m_sttb = field("STTB", 368, 64, 24, m_ed.EditMode == kMM5 ? Digits::Decimal : Digits::Hex);
    m_stud = spin("STUD", 392, 64);
    m_dirLab = label("DirLab", "Direction:", 280, 64, 88);
    m_dirList = named(new QListWidget(this), "DirList");
    m_dirList->setGeometry(280, 80, 121, 76);
    m_slenLab = label("SLenLab", "Screen-Length", 280, 88, 88);
    m_slentb = field("SLenTB", 368, 88, 24, Digits::Decimal);
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

    m_screenChoice = new ScreenChoice(this, m_hub);

    // The summary label sits where the direction list opens in simple mode; the list
    // covers it there.
    m_dirList->raise();
    // Shift+letter in the direction list is a command, not a search for an item.
    m_dirList->installEventFilter(this);
    // The picture has the keyboard when the window opens, so the shared keys work at once.
    setFocusProxy(m_pic);
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
    m_screenChoice->setScreenRange();
    m_screenChoice->moveBar();
    Update_Scrn();
    Update_BGPal(1);
}

void ScreenEd::Update_Scrn() {
    ShowScrollEntry();
    showSettings();
    m_screenChoice->showFields();
    m_curScrollLabel->setText("Scroll Map Position: " + QString::number(m_ed.CurSection));
    DrawScreen(m_bmp, currentLevelSource(m_ed), m_ed.CurScrn);
    m_pic->ShowBitmap(m_bmp);
    showDirectionAndSplit();
}

// The setting that is not the background palette; the palette is Update_BGPal's.
void ScreenEd::showSettings() {
    const LevelTables tables = m_ed.tables();
    for (int which = 0; which < 2; ++which) {
        const SectionSetting setting = sectionSetting(tables, m_ed.CurSection, which);
        if (setting.present && !setting.isPalette)
            SetTextQuiet(m_settingTB[which],
                         hexText(tables.sectionSetting(m_ed.CurSection, which)));
    }
}

void ScreenEd::Update_BGPal(int upd) {
    const LevelTables tables = m_ed.tables();
    for (int which = 0; which < 2; ++which) {
        const SectionSetting setting = sectionSetting(tables, m_ed.CurSection, which);
        if (setting.present && setting.isPalette)
            SetTextQuiet(m_settingTB[which],
                         hexText(tables.sectionSetting(m_ed.CurSection, which)));
    }
    if (upd) m_pic->ShowBitmap(m_bmp);
}

void ScreenEd::Update_StrBlock(int str, int quarter) {
    redrawStructureQuarterOnScreen(m_bmp, currentLevelSource(m_ed), m_ed.CurScrn, str, quarter);
    DrawGrid(m_bmp);
    m_pic->ShowBitmap(m_bmp);
}

void ScreenEd::Update_Block(int block) {
    redrawBlockOnScreen(m_bmp, currentLevelSource(m_ed), m_ed.CurScrn, block);
    DrawGrid(m_bmp);
    m_pic->ShowBitmap(m_bmp);
}

void ScreenEd::showAnimatedPictures() {
    m_pic->ShowBitmap(m_bmp);
}

// ---- the picture ---------------------------------------------------------------------

void ScreenEd::ScreenPic_MouseDown(int button, int /*shift*/, int x, int y) {
    const int row = cellOfPixel(y);
    const int col = cellOfPixel(x);
    if (button == 1) {
        const Change change = paintScreenCell(m_ed, m_ed.CurScrn, row, col, m_sel.structure());
        drawScreenCell(m_bmp, currentLevelSource(m_ed), m_ed.CurScrn, row, col);
        DrawGrid(m_bmp);
        m_pic->ShowBitmap(m_bmp);
        m_hub.changed(change);
    } else if (button == 2) {
        const int str = m_ed.tables().screenCell(m_ed.CurScrn, row, col);
        m_sel.chooseStructure(str / 16, str % 16);
        if (ToolWindow* table = m_hub.shownWindow(WindowId::StrTable)) table->CurStrSet(1);
    }
}

// ---- section settings ------------------------------------------------------------------

void ScreenEd::settingTyped(int which) {
    const int64_t value = fieldHexVal(m_settingTB[which]);
    m_hub.changed(writeSectionSetting(m_ed, m_ed.CurSection, which, value));
}

void ScreenEd::settingStepped(int which, int delta) {
    m_hub.changed(stepSectionSetting(m_ed, m_ed.CurSection, which, delta));
}

} // namespace orvane
