#include "gui/enemyedit/EnemEd.h"

#include <QApplication>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalBlocker>
#include <cmath>

#include "core/app/ConfigTable.h"
#include "core/app/Editor.h"
#include "core/enemyedit/EffectSprites.h"
#include "core/enemyedit/EnemyNames.h"
#include "core/mapedit/ScreenDrawing.h"
#include "core/mapedit/ScreenSettings.h"
#include "core/render/LevelSource.h"
#include "gui/app/Controls.h"
#include "gui/app/Hub.h"
#include "gui/app/KeyCodes.h"
#include "gui/app/NumberField.h"
#include "gui/app/QuietControls.h"
#include "gui/enemyedit/EffSprPanel.h"
#include "gui/mapedit/ScreenChoice.h"
#include "gui/mapedit/SpinButton.h"
#include "gui/render/FramedPicture.h"
#include "gui/render/PictureArea.h"

namespace orvane {

namespace {

constexpr int kPicSize = 256;

// The enemy number typed in decimal, kept within what an int holds.
int64_t enemyNumberTyped(const QLineEdit* field) {
    const double v = parseConfigNumber(field->text().toStdString());
    return static_cast<int64_t>(std::nearbyint(std::clamp(v, -1.0, 1e9)));
}

// What the keys on the picture do to the current enemy.
struct KeyStep {
    int key;
    EnemyField field;
    int delta;
};
constexpr KeyStep kKeySteps[] = {
    {kKeyUp, EnemyField::Y, -1},   {kKeyDown, EnemyField::Y, 1}, {kKeyLeft, EnemyField::X, -1},
    {kKeyRight, EnemyField::X, 1}, {'W', EnemyField::Type, 16},  {'S', EnemyField::Type, -16},
    {'D', EnemyField::Type, 1},    {'A', EnemyField::Type, -1},
};

} // namespace

EnemEd::EnemEd(Hub& hub, QWidget* parent)
    : ToolWindow(hub, parent), m_display(m_ed.Bitmaps), m_background(m_ed.Bitmaps),
      m_tiles(m_ed.Bitmaps), m_swatches(m_ed.Bitmaps), m_picture(m_display, m_background) {
    setObjectName("EnemEd");
    setWindowTitle("Enemy Editor");
    buildControls();
    m_display.InitBitmap(kPicSize, kPicSize);
    m_background.InitBitmap(kPicSize, kPicSize);

    m_pic->setHoverText([this](int x, int y) { return m_screenChoice->cellHoverText(x, y); });
    connect(m_pic, &PictureArea::mouseDown, this, &EnemEd::ScreenPic_MouseDown);
    connect(m_pic, &PictureArea::mouseMove, this, &EnemEd::ScreenPic_MouseMove);
    connect(m_pic, &PictureArea::keyDown, this, &EnemEd::ScreenPic_KeyDown);
    connect(m_curEnemTB, &QLineEdit::textChanged, this, &EnemEd::CurEnemTB_Change);
    connect(m_curEnemUD, &SpinButton::upClicked, this,
            [this] { enemySelected(stepSelectedEnemy(m_ed, 1)); });
    connect(m_curEnemUD, &SpinButton::downClicked, this,
            [this] { enemySelected(stepSelectedEnemy(m_ed, -1)); });
    for (EnemyField f : {EnemyField::Screen, EnemyField::X, EnemyField::Y, EnemyField::Type}) {
        connect(fieldTB(f), &QLineEdit::textChanged, this, [this, f] { fieldTyped(f); });
        connect(fieldUD(f), &SpinButton::upClicked, this, [this, f] { fieldStepped(f, 1); });
        connect(fieldUD(f), &SpinButton::downClicked, this, [this, f] { fieldStepped(f, -1); });
    }
}

void EnemEd::buildControls() {
    QFont small = font();
    small.setPixelSize(11);
    setFont(small);
    setFixedSize(712, 588);

    auto* picFrame = named(new QFrame(this), "ScreenPicFrame");
    picFrame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picFrame->setLineWidth(kPictureBorder);
    picFrame->setGeometry(8, 8, kPicSize + 2 * kPictureBorder, kPicSize + 2 * kPictureBorder);
    m_pic = named(new PictureArea(this), "ScreenPic");
    m_pic->setGeometry(8 + kPictureBorder, 8 + kPictureBorder, kPicSize, kPicSize);
    // Hovering over an enemy picks it, so moves matter with no button held too.
    m_pic->setMouseTracking(true);

    m_screenChoice = new ScreenChoice(this, m_hub);

    m_curScrollLabel = named(new QLabel("Scroll Map Position: ", this), "CurScrollLabel");
    m_curScrollLabel->setGeometry(272, 16, 153, kRowHeight);
    buildEnemyFrame()->setGeometry(272, 40, 160, 168);
    m_effSpr = new EffSprPanel(m_hub, this);
    m_effSpr->setGeometry(272, 216, 160, 236);
    m_effSpr->hide(); // shown while the current enemy is an mm4 effect sprite
    buildGfxControls();

    // The picture has the keyboard when the window opens, so its keys work at once.
    setFocusProxy(m_pic);
}

QGroupBox* EnemEd::buildEnemyFrame() {
    auto* frame = named(new QGroupBox("Enemy", this), "EnemyFrame");
    auto field = [this, frame](const char* name, int x, int y, int w, Digits digits = Digits::Hex) {
        QLineEdit* f = numberField(frame, name, m_hub, digits);
        f->setGeometry(x, y, w, kTextHeight);
        return f;
    };
    auto spin = [frame](const char* name, int x, int y) {
        SpinButton* s = named(new SpinButton(frame), name);
        s->setGeometry(x, y, kSpinWidth, kRowHeight);
        return s;
    };
    m_curEnemTB = field("CurEnemTB", 8, 20, 41, Digits::Decimal);
    m_curEnemUD = spin("CurEnemUD", 49, 21);

    const struct {
        EnemyField field;
        const char* caption;
        const char* tb;
        const char* ud;
        int y;
    } rows[] = {
        {EnemyField::Type, "Type", "TypeTB", "TypeUD", 44},
        {EnemyField::X, "X Position", "XTB", "XUD", 92},
        {EnemyField::Y, "Y Position", "YTB", "YUD", 116},
        {EnemyField::Screen, "Screen", "ScrTB", "ScrUD", 140},
    };
    for (const auto& r : rows) {
        (new QLabel(r.caption, frame))->setGeometry(8, r.y + 1, 64, kRowHeight);
        m_fieldTB[static_cast<int>(r.field)] = field(r.tb, 72, r.y, 33);
        m_fieldUD[static_cast<int>(r.field)] = spin(r.ud, 105, r.y + 1);
    }
    m_typeNLab = named(new QLabel(frame), "TypeNLab");
    m_typeNLab->setGeometry(8, 68, 144, kRowHeight);
    return frame;
}

// ---- refreshes ---------------------------------------------------------------------

void EnemEd::Update() {
    m_screenChoice->setScreenRange();
    Update_Scrn();
}

void EnemEd::Update_Scrn() {
    if (m_ed.CurScrn <= m_screenChoice->bar()->maximum()) m_screenChoice->moveBar();
    m_screenChoice->showFields();
    m_curScrollLabel->setText("Scroll Map Position: " + QString::number(m_ed.CurSection));
    ShowGfxSet();
    m_picture.drawScreen(m_ed, m_ed.CurScrn);
    enemiesDrawn();
}

void EnemEd::Update_BGPal(int upd) {
    if (upd) m_pic->ShowBitmap(m_display);
}

void EnemEd::Update_ScrnStr(int strY, int strX) {
    const int screen = m_ed.CurScrn;
    m_picture.redrawUnderEnemies(m_ed, screen, [&](WinBitmap& bmp) {
        drawScreenCell(bmp, currentLevelSource(m_ed), screen, strY, strX);
    });
    enemiesDrawn();
}

void EnemEd::Update_StrBlock(int str, int quarter) {
    const int screen = m_ed.CurScrn;
    m_picture.redrawUnderEnemies(m_ed, screen, [&](WinBitmap& bmp) {
        redrawStructureQuarterOnScreen(bmp, currentLevelSource(m_ed), screen, str, quarter);
    });
    enemiesDrawn();
}

void EnemEd::Update_Block(int block) {
    const int screen = m_ed.CurScrn;
    m_picture.redrawUnderEnemies(m_ed, screen, [&](WinBitmap& bmp) {
        redrawBlockOnScreen(bmp, currentLevelSource(m_ed), screen, block);
    });
    enemiesDrawn();
}

void EnemEd::Update_Global_Pal() {
    // Kept current while the panel is hidden too, so it shows the right colours at once.
    if (m_ed.EditMode == kMM4) m_effSpr->paintSlotOptions();
}

void EnemEd::showAnimatedPictures() {
    m_pic->ShowBitmap(m_display);
}

void EnemEd::ShowCurrentEnemy() {
    const Editor& e = m_ed;
    const int n = e.CurEnemy;
    SetTextQuiet(m_curEnemTB, QString::number(n));
    for (EnemyField f : {EnemyField::Screen, EnemyField::X, EnemyField::Y, EnemyField::Type})
        SetTextQuiet(fieldTB(f), hexText(enemyField(e, n, f)));
    const int type = enemyField(e, n, EnemyField::Type);
    m_typeNLab->setText(QString::fromLatin1(enemyTypeName(e, type)));
    if (isEffectSprite(e, type))
        m_effSpr->fill();
    else
        m_effSpr->hide();
}

void EnemEd::enemiesDrawn() {
    ShowCurrentEnemy();
    m_pic->ShowBitmap(m_display);
}

void EnemEd::editEnemies(const std::function<void()>& change) {
    m_picture.edit(m_ed, m_ed.CurScrn, change);
    enemiesDrawn();
    m_hub.Update_Enemies(m_ed.CurScrn);
}

void EnemEd::enemySelected(bool screenChanged) {
    if (screenChanged)
        m_hub.Update_Scrn();
    else
        ShowCurrentEnemy();
}

void EnemEd::InsertEnemy() {
    editEnemies([this] {
        if (!insertEnemy(m_ed, m_ed.CurScrn, m_mouseX, m_mouseY)) QApplication::beep();
    });
}

void EnemEd::DeleteEnemy() {
    editEnemies([this] {
        if (!deleteEnemy(m_ed, m_ed.CurEnemy)) QApplication::beep();
    });
}

// ---- the picture ---------------------------------------------------------------------

void EnemEd::ScreenPic_MouseDown(int button, int /*shift*/, int x, int y) {
    switch (button) {
    case 1:
        editEnemies([&] { placeEnemy(m_ed, m_ed.CurEnemy, x, y); });
        break;
    case 2:
        editEnemies([&] { snapEnemy(m_ed, m_ed.CurEnemy); });
        break;
    case 4:
        DeleteEnemy();
        break;
    default:
        break;
    }
}

void EnemEd::ScreenPic_MouseMove(int button, int shift, int x, int y) {
    m_mouseX = x;
    m_mouseY = y;
    if (button == 1) {
        ScreenPic_MouseDown(button, shift, x, y);
        m_pic->setFocus();
        return;
    }
    if (const std::optional<int> n = enemyNear(m_ed, m_ed.CurScrn, x, y)) {
        m_ed.CurEnemy = *n;
        ShowCurrentEnemy();
    } else {
        m_pic->setFocus();
    }
}

void EnemEd::ScreenPic_KeyDown(int keyCode, int /*shift*/) {
    if (keyCode == kKeyDelete) return DeleteEnemy();
    if (keyCode == kKeyInsert) return InsertEnemy();
    for (const KeyStep& k : kKeySteps)
        if (k.key == keyCode)
            return editEnemies([&] { stepEnemyField(m_ed, m_ed.CurEnemy, k.field, k.delta); });
}

// ---- the enemy fields ------------------------------------------------------------------

void EnemEd::CurEnemTB_Change() {
    enemySelected(selectEnemy(m_ed, enemyNumberTyped(m_curEnemTB)));
}

void EnemEd::fieldTyped(EnemyField field) {
    const int64_t value = fieldHexVal(fieldTB(field));
    if (field == EnemyField::Screen) {
        setEnemyField(m_ed, m_ed.CurEnemy, field, value);
        moveEnemyToItsScreen();
        return;
    }
    editEnemies([&] { setEnemyField(m_ed, m_ed.CurEnemy, field, value); });
    if (field == EnemyField::Type) typeChanged();
}

void EnemEd::moveEnemyToItsScreen() {
    const int left = m_ed.CurScrn;
    followEnemyScreen(m_ed, m_ed.CurEnemy);
    m_hub.Update_Scrn();
    m_hub.Update_Enemies(left);
    m_hub.Update_Enemies(m_ed.CurScrn);
}

void EnemEd::fieldStepped(EnemyField field, int delta) {
    if (field == EnemyField::Screen) {
        if (!stepEnemyField(m_ed, m_ed.CurEnemy, field, delta)) return;
        moveEnemyToItsScreen();
        return;
    }
    bool stepped = false;
    editEnemies([&] { stepped = stepEnemyField(m_ed, m_ed.CurEnemy, field, delta); });
    if (stepped && field == EnemyField::Type) typeChanged();
}

} // namespace orvane
