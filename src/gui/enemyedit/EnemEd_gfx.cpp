// The Enemy Editor's graphics-set panel: the section's choice of enemy graphics, the
// types that fit it, the search, the favourites, and the pictures of the loaded sprite
// tiles and of the two sprite palettes a section loads.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

#include "core/app/Editor.h"
#include "core/enemyedit/EnemyList.h"
#include "core/enemyedit/GraphicsSetSearch.h"
#include "core/enemyedit/GraphicsSets.h"
#include "core/enemyedit/TypeLists.h"
#include "core/render/PaletteRecord.h"
#include "core/resdata/HexVal.h"
#include "gui/app/Hub.h"
#include "gui/app/QuietControls.h"
#include "gui/enemyedit/EnemEd.h"
#include "gui/mapedit/SpinButton.h"
#include "gui/render/FramedPicture.h"
#include "gui/render/PalChart.h"
#include "gui/render/PictureArea.h"

namespace orvane {

namespace {

constexpr int kTextHeight = 19;
constexpr int kRowHeight = 17;
constexpr int kButtonHeight = 23;
constexpr int kSpinWidth = 16;
constexpr int kColumn = 440; // the panel's column of the window
constexpr int kColumnWidth = 264;

template <class W> W* named(W* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

void showHex(QLineEdit* field, int64_t value) {
    const QSignalBlocker quiet(field);
    SetTextQuiet(field, QString::fromStdString(hexString(value)));
}

int64_t hexTyped(const QLineEdit* field) {
    return HexVal(field->text().toStdString());
}

void addTypeItem(QListWidget* list, const TypeItem& item) {
    auto* row = new QListWidgetItem(QString::fromLatin1(item.text), list);
    // Each item carries its own type, so removing one leaves the others theirs.
    row->setData(Qt::UserRole, item.type);
}

} // namespace

// ---- controls ----------------------------------------------------------------------------

void EnemEd::buildGfxControls() {
    for (int game = 0; game < 3; ++game) {
        m_gemFrame[size_t(game)] = buildGemFrame(game);
        m_gemFrame[size_t(game)]->setGeometry(kColumn, 8, kColumnWidth, 72);
        m_gemFrame[size_t(game)]->setVisible(game == ed().EditMode);
    }

    auto label = [this](const char* text, int y) {
        (new QLabel(text, this))->setGeometry(kColumn, y, kColumnWidth, kRowHeight);
    };
    auto button = [this](const char* text, const char* name, int x, int y, int w) {
        auto* b = named(new QPushButton(text, this), name);
        b->setGeometry(x, y, w, kButtonHeight);
        return b;
    };
    label("Enemies using GFX:", 88);
    m_gfxEnemList = named(new QListWidget(this), "GFXEnemList");
    m_gfxEnemList->setGeometry(kColumn, 106, kColumnWidth, 148);
    QPushButton* find =
        button("Find GFX Set for Enemies in Scroll Map", "FindGFXBtn", kColumn, 260, kColumnWidth);
    m_autoSetCheck = named(new QCheckBox("Find Automatically", this), "AutoSetCheck");
    m_autoSetCheck->setGeometry(kColumn, 288, kColumnWidth, kRowHeight);

    label("Favourites:", 312);
    m_favEnemList = named(new QListWidget(this), "FavEnemList");
    m_favEnemList->setGeometry(kColumn, 330, kColumnWidth, 132);
    QPushButton* add = button("Add to Favourites", "AddFavBtn", kColumn, 468, 128);
    QPushButton* remove = button("Remove Selected", "RemFavBtn", kColumn + 136, 468, 128);

    Editor& e = ed();
    m_tilePic = addFramedPicture(this, "TilePic", QRect(8, 320, kTilePicSize + 4, kTilePicSize + 4),
                                 e.Bitmaps[kBmpEnemEdTiles]);
    m_palPic =
        addFramedPicture(this, "PalPic", QRect(kColumn, 500, kPalPicWidth + 4, kSwatchHeight + 4),
                         e.Bitmaps[kBmpEnemEdPal]);
    QPushButton* chart = button("Palette Chart..", "PCShowCmd", kColumn, 544, 128);

    connect(find, &QPushButton::clicked, this, &EnemEd::FindGFXBtn_Click);
    connect(m_gfxEnemList, &QListWidget::itemClicked, this, &EnemEd::typeListClicked);
    connect(m_favEnemList, &QListWidget::itemClicked, this, &EnemEd::typeListClicked);
    connect(add, &QPushButton::clicked, this, &EnemEd::AddFavBtn_Click);
    connect(remove, &QPushButton::clicked, this, &EnemEd::RemFavBtn_Click);
    connect(m_palPic, &PictureArea::mouseDown, this, &EnemEd::PalPic_MouseDown);
    connect(chart, &QPushButton::clicked, this, &EnemEd::PCShowCmd_Click);
}

QGroupBox* EnemEd::buildGemFrame(int game) {
    auto* frame =
        named(new QGroupBox(game == kMM3 ? "GFX Set" : "", this), QString("GemFrame%1").arg(game));
    auto field = [frame](const char* name, int x, int y) {
        auto* f = named(new QLineEdit(frame), name);
        f->setGeometry(x, y, 33, kTextHeight);
        return f;
    };
    auto spin = [frame](const char* name, int x, int y) {
        auto* s = named(new SpinButton(frame), name);
        s->setGeometry(x, y + 1, kSpinWidth, kRowHeight);
        return s;
    };
    auto label = [frame](const char* text, int x, int y) {
        (new QLabel(text, frame))->setGeometry(x, y + 1, 64, kRowHeight);
    };
    if (game == kMM3) {
        m_gfxSetTB = field("GFXSetTB", 8, 20);
        m_gfxSetUD = spin("GFXSetUD", 41, 20);
        connect(m_gfxSetTB, &QLineEdit::textChanged, this, &EnemEd::GFXSetTB_Change);
        connect(m_gfxSetUD, &SpinButton::upClicked, this, [this] { GFXSetUD_Step(1); });
        connect(m_gfxSetUD, &SpinButton::downClicked, this, [this] { GFXSetUD_Step(-1); });
        const char* names[2][3] = {{"Bank 0", "Bank0TB", "Bank0UD"},
                                   {"Bank 1", "Bank1TB", "Bank1UD"}};
        for (int which = 0; which < 2; ++which) {
            const int x = 8 + 128 * which;
            label(names[which][0], x, 44);
            m_bankTB[size_t(which)] = field(names[which][1], x + 48, 44);
            m_bankUD[size_t(which)] = spin(names[which][2], x + 81, 44);
            connect(m_bankTB[size_t(which)], &QLineEdit::textChanged, this,
                    [this, which] { BankTB_Change(which); });
            connect(m_bankUD[size_t(which)], &SpinButton::upClicked, this,
                    [this, which] { BankUD_Step(which, 1); });
            connect(m_bankUD[size_t(which)], &SpinButton::downClicked, this,
                    [this, which] { BankUD_Step(which, -1); });
        }
    } else if (game == kMM4) {
        label("PPU Effect", 8, 20);
        m_effTB = field("EffTB", 72, 20);
        m_effUD = spin("EffUD", 105, 20);
        connect(m_effTB, &QLineEdit::textChanged, this, &EnemEd::EffTB_Change);
        connect(m_effUD, &SpinButton::upClicked, this, [this] { EffUD_Step(1); });
        connect(m_effUD, &SpinButton::downClicked, this, [this] { EffUD_Step(-1); });
    }
    return frame;
}

// ---- showing -----------------------------------------------------------------------------

void EnemEd::ShowGfxSet() {
    const Editor& e = ed();
    if (e.EditMode == kMM3 || e.EditMode == kMM4) {
        const int choice = graphicsChoice(e);
        if (e.EditMode == kMM3) {
            showHex(m_gfxSetTB, choice);
            for (int which = 0; which < 2; ++which)
                showHex(m_bankTB[size_t(which)], graphicsSetBank(e, choice, which));
        } else {
            showHex(m_effTB, choice);
        }
        m_gfxEnemList->clear();
        for (const TypeItem& item : gfxEnemyItems(e))
            addTypeItem(m_gfxEnemList, item);
    }
    showSpriteGraphics();
}

void EnemEd::showSpriteGraphics() {
    Editor& e = ed();
    drawSwatches(e.Bitmaps[kBmpEnemEdPal], m_swatch);
    drawSpriteTiles(e.Bitmaps[kBmpEnemEdTiles], e);
    m_tilePic->ShowBitmap(e.Bitmaps[kBmpEnemEdTiles]);
    m_palPic->ShowBitmap(e.Bitmaps[kBmpEnemEdPal]);
}

bool EnemEd::findsAutomatically() const {
    return m_autoSetCheck->isChecked();
}

void EnemEd::FindGfxSet() {
    if (orvane::FindGfxSet(ed()))
        sectionGraphicsChanged();
    else
        ShowGfxSet();
}

// The section's sprites are loaded again from its choice, and every window follows the
// screen refresh: the Screen Editor's section settings, the Level Map, and this window,
// which draws the enemies with the new tiles and refreshes the panel.
void EnemEd::sectionGraphicsChanged() {
    if (ed().EditMode == kMM3)
        m_hub.SprCHRPALSetup();
    else
        m_hub.ScrollEffectLoad(ed().CurSection);
    m_hub.Update_Scrn();
}

// ---- the section's choice ------------------------------------------------------------------

void EnemEd::GFXSetTB_Change() {
    setGraphicsSet(ed(), hexTyped(m_gfxSetTB));
    sectionGraphicsChanged();
}

void EnemEd::GFXSetUD_Step(int delta) {
    if (stepGraphicsSet(ed(), delta)) sectionGraphicsChanged();
}

// The set table is shared: every section that uses the set changes with it.
void EnemEd::BankTB_Change(int which) {
    setGraphicsSetBank(ed(), which, hexTyped(m_bankTB[size_t(which)]));
    sectionGraphicsChanged();
}

void EnemEd::BankUD_Step(int which, int delta) {
    if (stepGraphicsSetBank(ed(), which, delta)) sectionGraphicsChanged();
}

void EnemEd::EffTB_Change() {
    setSectionEffect(ed(), hexTyped(m_effTB));
    sectionGraphicsChanged();
}

void EnemEd::EffUD_Step(int delta) {
    if (stepSectionEffect(ed(), delta)) sectionGraphicsChanged();
}

void EnemEd::FindGFXBtn_Click() {
    FindGfxSet();
}

// ---- type lists ------------------------------------------------------------------------------

void EnemEd::typeListClicked(QListWidgetItem* item) {
    if (!item) return;
    const int type = item->data(Qt::UserRole).toInt();
    editEnemies([&] { setEnemyField(ed(), ed().CurEnemy, EnemyField::Type, type); });
    typeChanged();
}

void EnemEd::typeChanged() {
    if (findsAutomatically()) FindGfxSet();
}

void EnemEd::AddFavBtn_Click() {
    addTypeItem(m_favEnemList, favouriteItem(ed(), enemyType(ed(), ed().CurEnemy)));
}

void EnemEd::RemFavBtn_Click() {
    const QList<QListWidgetItem*> selected = m_favEnemList->selectedItems();
    if (!selected.isEmpty()) delete selected.front();
}

// ---- sprite colours --------------------------------------------------------------------------

void EnemEd::PalPic_MouseDown(int button, int /*shift*/, int x, int /*y*/) {
    // A swatch pressed here makes this window the chart's receiver again.
    ed().PCTarget = kPCTargetEnemEd;
    if (pressSwatch(ed(), m_swatch, button, x)) return spriteColourChanged();
    drawSwatches(ed().Bitmaps[kBmpEnemEdPal], m_swatch);
    m_palPic->ShowBitmap(ed().Bitmaps[kBmpEnemEdPal]);
}

// A colour slot rewritten in place: every shown window shows its pictures again (the
// Level Map draws this section's enemies in it), and so do both pictures here.
void EnemEd::spriteColourChanged() {
    m_hub.paletteEdited(PaletteChange::Colours);
    m_pic->ShowBitmap(display());
    m_tilePic->ShowBitmap(ed().Bitmaps[kBmpEnemEdTiles]);
    m_palPic->ShowBitmap(ed().Bitmaps[kBmpEnemEdPal]);
}

void EnemEd::PCShowCmd_Click() {
    m_hub.openWindow(WindowId::PalChart);
    if (ToolWindow* chart = m_hub.shownWindow(WindowId::PalChart)) {
        const QRect mine = frameGeometry();
        chart->move(mine.x() + mine.width(), mine.y());
    }
    // Picks in the chart come to this window from now on.
    ed().PCTarget = kPCTargetEnemEd;
}

void EnemEd::PCEvent() {
    if (setSwatchColour(ed(), m_swatch, ed().PCColor)) spriteColourChanged();
}

} // namespace orvane
