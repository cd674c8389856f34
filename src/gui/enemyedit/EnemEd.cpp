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
#include "core/resdata/HexVal.h"
#include "gui/app/Hub.h"
#include "gui/app/KeyCodes.h"
#include "gui/app/QuietControls.h"
#include "gui/enemyedit/EffSprPanel.h"
#include "gui/mapedit/SpinButton.h"
#include "gui/render/PictureArea.h"

namespace orvane {

namespace {

constexpr int kTextHeight = 19; // text fields
constexpr int kRowHeight = 17;  // labels, spin buttons, the scroll bar
constexpr int kSpinWidth = 16;
constexpr int kPicBorder = 2;
constexpr int kPicSize = 256;

template <class W> W* named(W* widget, const char* name) {
    widget->setObjectName(name);
    return widget;
}

QString hex(int64_t value) {
    return QString::fromStdString(hexString(value));
}

int64_t hexTyped(const QLineEdit* field) {
    return HexVal(field->text().toStdString());
}

// A field written by the window: its handler must not take it for the user's typing.
void showText(QLineEdit* field, const QString& text) {
    const QSignalBlocker quiet(field);
    SetTextQuiet(field, text);
}

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
    : ToolWindow(hub, parent),
      m_picture(hub.editor().Bitmaps[kBmpEnemEd], hub.editor().Bitmaps[kBmpEnemEdClean]) {
    setObjectName("EnemEd");
    setWindowTitle("Enemy Editor");
    buildControls();
    // The bitmaps live in the editor, so the palette animation and colour changes reach
    // them whether this window is open or not.
    display().InitBitmap(kPicSize, kPicSize);
    ed().Bitmaps[kBmpEnemEdClean].InitBitmap(kPicSize, kPicSize);

    connect(m_pic, &PictureArea::mouseDown, this, &EnemEd::ScreenPic_MouseDown);
    connect(m_pic, &PictureArea::mouseMove, this, &EnemEd::ScreenPic_MouseMove);
    connect(m_pic, &PictureArea::keyDown, this, &EnemEd::ScreenPic_KeyDown);
    connect(m_scrnScroll, &QScrollBar::valueChanged, this, &EnemEd::ScrnScroll_Change);
    connect(m_curScrnTB, &QLineEdit::textChanged, this, &EnemEd::CurScrnTB_Change);
    connect(m_scrnPresTB, &QLineEdit::textChanged, this, &EnemEd::ScrnPresTB_Change);
    connect(m_scrnPresUD, &SpinButton::upClicked, this, [this] { ScrnPresUD_Step(1); });
    connect(m_scrnPresUD, &SpinButton::downClicked, this, [this] { ScrnPresUD_Step(-1); });
    connect(m_curEnemTB, &QLineEdit::textChanged, this, &EnemEd::CurEnemTB_Change);
    connect(m_curEnemUD, &SpinButton::upClicked, this,
            [this] { enemySelected(stepSelectedEnemy(ed(), 1)); });
    connect(m_curEnemUD, &SpinButton::downClicked, this,
            [this] { enemySelected(stepSelectedEnemy(ed(), -1)); });
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
    picFrame->setLineWidth(kPicBorder);
    picFrame->setGeometry(8, 8, kPicSize + 2 * kPicBorder, kPicSize + 2 * kPicBorder);
    m_pic = named(new PictureArea(this), "ScreenPic");
    m_pic->setGeometry(8 + kPicBorder, 8 + kPicBorder, kPicSize, kPicSize);
    // Hovering over an enemy picks it, so moves matter with no button held too.
    m_pic->setMouseTracking(true);

    m_curScrnTB = named(new QLineEdit(this), "CurScrnTB");
    m_curScrnTB->setGeometry(8, 272, 25, kTextHeight);
    m_scrnScroll = named(new QScrollBar(Qt::Horizontal, this), "ScrnScroll");
    m_scrnScroll->setGeometry(32, 272, 233, kRowHeight);
    named(new QLabel("Screen Preset:", this), "Label1")->setGeometry(136, 296, 80, kRowHeight);
    m_scrnPresUD = named(new SpinButton(this), "ScrnPresUD");
    m_scrnPresUD->setGeometry(216, 296, kSpinWidth, kRowHeight);
    m_scrnPresTB = named(new QLineEdit(this), "ScrnPresTB");
    m_scrnPresTB->setGeometry(232, 296, 33, kTextHeight);

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
    auto field = [frame](const char* name, int x, int y, int w) {
        QLineEdit* f = named(new QLineEdit(frame), name);
        f->setGeometry(x, y, w, kTextHeight);
        return f;
    };
    auto spin = [frame](const char* name, int x, int y) {
        SpinButton* s = named(new SpinButton(frame), name);
        s->setGeometry(x, y, kSpinWidth, kRowHeight);
        return s;
    };
    m_curEnemTB = field("CurEnemTB", 8, 20, 41);
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

Editor& EnemEd::ed() const {
    return m_hub.editor();
}

WinBitmap& EnemEd::display() const {
    return ed().Bitmaps[kBmpEnemEd];
}

// ---- refreshes ---------------------------------------------------------------------

void EnemEd::Update() {
    {
        const QSignalBlocker quiet(m_scrnScroll);
        m_scrnScroll->setRange(0, screenLimit(ed()));
    }
    Update_Scrn();
}

void EnemEd::Update_Scrn() {
    Editor& e = ed();
    if (e.CurScrn <= m_scrnScroll->maximum()) {
        const QSignalBlocker quiet(m_scrnScroll);
        m_scrnScroll->setValue(e.CurScrn);
    }
    showText(m_curScrnTB, hex(e.CurScrn));
    showText(m_scrnPresTB, hex(e.byte(presetPosition(e))));
    m_curScrollLabel->setText("Scroll Map Position: " + QString::number(e.CurSection));
    ShowGfxSet();
    m_picture.drawScreen(e, e.CurScrn);
    enemiesDrawn();
}

void EnemEd::Update_BGPal(int upd) {
    if (upd) m_pic->ShowBitmap(display());
}

void EnemEd::Update_ScrnStr(int ustrY, int ustrX) {
    Editor& e = ed();
    m_picture.redrawUnderEnemies(
        e, e.CurScrn, [&](WinBitmap& bmp) { drawScreenCell(bmp, e, e.CurScrn, ustrY, ustrX); });
    enemiesDrawn();
}

void EnemEd::Update_StrBlock(int ustr, int ublock) {
    Editor& e = ed();
    m_picture.redrawUnderEnemies(e, e.CurScrn, [&](WinBitmap& bmp) {
        redrawStructureQuarterOnScreen(bmp, e, e.CurScrn, ustr, ublock);
    });
    enemiesDrawn();
}

void EnemEd::Update_Block(int ublock) {
    Editor& e = ed();
    m_picture.redrawUnderEnemies(
        e, e.CurScrn, [&](WinBitmap& bmp) { redrawBlockOnScreen(bmp, e, e.CurScrn, ublock); });
    enemiesDrawn();
}

void EnemEd::Update_Global_Pal() {
    // Kept current while the panel is hidden too, so it shows the right colours at once.
    if (ed().EditMode == kMM4) m_effSpr->paintSlotOptions();
}

void EnemEd::showPicture(int bitmapId) {
    if (bitmapId == kBmpEnemEd) m_pic->ShowBitmap(display());
}

void EnemEd::ShowCurrentEnemy() {
    const Editor& e = ed();
    const int n = e.CurEnemy;
    showText(m_curEnemTB, QString::number(n));
    for (EnemyField f : {EnemyField::Screen, EnemyField::X, EnemyField::Y, EnemyField::Type})
        showText(fieldTB(f), hex(enemyField(e, n, f)));
    const int type = enemyField(e, n, EnemyField::Type);
    m_typeNLab->setText(QString::fromLatin1(enemyTypeName(e, type)));
    if (isEffectSprite(e, type))
        m_effSpr->fill();
    else
        m_effSpr->hide();
}

void EnemEd::enemiesDrawn() {
    ShowCurrentEnemy();
    m_pic->ShowBitmap(display());
}

void EnemEd::editEnemies(const std::function<void()>& change) {
    m_picture.edit(ed(), ed().CurScrn, change);
    enemiesDrawn();
    m_hub.Update_Enemies(ed().CurScrn);
}

void EnemEd::enemySelected(bool screenChanged) {
    if (screenChanged)
        m_hub.Update_Scrn();
    else
        ShowCurrentEnemy();
}

void EnemEd::InsertEnemy() {
    editEnemies([this] {
        if (!insertEnemy(ed(), ed().CurScrn, m_mouseX, m_mouseY)) QApplication::beep();
    });
}

void EnemEd::DeleteEnemy() {
    editEnemies([this] {
        if (!deleteEnemy(ed(), ed().CurEnemy)) QApplication::beep();
    });
}

// ---- the picture ---------------------------------------------------------------------

void EnemEd::ScreenPic_MouseDown(int button, int /*shift*/, int x, int y) {
    switch (button) {
    case 1:
        editEnemies([&] { placeEnemy(ed(), ed().CurEnemy, x, y); });
        break;
    case 2:
        editEnemies([&] { snapEnemy(ed(), ed().CurEnemy); });
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
    if (const std::optional<int> n = enemyNear(ed(), ed().CurScrn, x, y)) {
        ed().CurEnemy = *n;
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
            return editEnemies([&] { stepEnemyField(ed(), ed().CurEnemy, k.field, k.delta); });
}

// ---- the enemy fields ------------------------------------------------------------------

void EnemEd::CurEnemTB_Change() {
    enemySelected(selectEnemy(ed(), enemyNumberTyped(m_curEnemTB)));
}

void EnemEd::fieldTyped(EnemyField field) {
    const int64_t value = hexTyped(fieldTB(field));
    if (field == EnemyField::Screen) {
        setEnemyField(ed(), ed().CurEnemy, field, value);
        moveEnemyToItsScreen();
        return;
    }
    editEnemies([&] { setEnemyField(ed(), ed().CurEnemy, field, value); });
    if (field == EnemyField::Type) typeChanged();
}

void EnemEd::moveEnemyToItsScreen() {
    const int left = ed().CurScrn;
    followEnemyScreen(ed(), ed().CurEnemy);
    m_hub.Update_Scrn();
    m_hub.Update_Enemies(left);
    m_hub.Update_Enemies(ed().CurScrn);
}

void EnemEd::fieldStepped(EnemyField field, int delta) {
    if (field == EnemyField::Screen) {
        if (!stepEnemyField(ed(), ed().CurEnemy, field, delta)) return;
        moveEnemyToItsScreen();
        return;
    }
    bool stepped = false;
    editEnemies([&] { stepped = stepEnemyField(ed(), ed().CurEnemy, field, delta); });
    if (stepped && field == EnemyField::Type) typeChanged();
}

// ---- current screen and preset ------------------------------------------------------

void EnemEd::ScrnScroll_Change() {
    ed().CurScrn = m_scrnScroll->value();
    m_hub.Update_Scrn();
}

void EnemEd::CurScrnTB_Change() {
    ed().CurScrn = clampScreen(ed(), hexTyped(m_curScrnTB));
    m_hub.Update_Scrn();
}

void EnemEd::ScrnPresTB_Change() {
    setPreset(ed(), hexTyped(m_scrnPresTB));
    m_hub.Update_Scrn();
}

void EnemEd::ScrnPresUD_Step(int delta) {
    if (stepPreset(ed(), delta)) m_hub.Update_Scrn();
}

} // namespace orvane
