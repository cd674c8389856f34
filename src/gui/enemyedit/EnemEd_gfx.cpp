// The Enemy Editor's graphics-set panel: the section's choice of enemy graphics, the
// types that fit it, the search, the favourites, and the pictures of the loaded sprite
// tiles and of the two sprite palettes a section loads.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>

#include "core/app/Editor.h"
#include "core/enemyedit/EnemyList.h"
#include "core/enemyedit/GraphicsSetSearch.h"
#include "core/enemyedit/GraphicsSets.h"
#include "core/enemyedit/TypeLists.h"
#include "gui/app/Controls.h"
#include "gui/app/Hub.h"
#include "gui/app/NumberField.h"
#include "gui/app/QuietControls.h"
#include "gui/app/Selection.h"
#include "gui/enemyedit/EnemEd.h"
#include "gui/mapedit/SpinButton.h"
#include "gui/render/FramedPicture.h"
#include "gui/render/PalChart.h"
#include "gui/render/PictureArea.h"

namespace orvane {

namespace {

constexpr int kColumn = 440; // the panel's column of the window
constexpr int kColumnWidth = 264;

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
        m_gemFrame[size_t(game)]->setVisible(game == m_ed.EditMode);
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

    m_tilePic = addFramedPicture(
        this, "TilePic", QRect(8, 320, kSpriteTilesSize + 4, kSpriteTilesSize + 4), m_tiles);
    m_palPic = addFramedPicture(
        this, "PalPic", QRect(kColumn, 500, kSwatchesWidth + 4, kSwatchHeight + 4), m_swatches);
    QPushButton* chart = button("Palette Chart..", "PCShowCmd", kColumn, 544, 128);

    connect(find, &QPushButton::clicked, this, &EnemEd::FindGFXBtn_Click);
    connect(m_gfxEnemList, &QListWidget::itemClicked, this, &EnemEd::typeListClicked);
    connect(m_favEnemList, &QListWidget::itemClicked, this, &EnemEd::typeListClicked);
    connect(add, &QPushButton::clicked, this, &EnemEd::AddFavBtn_Click);
    connect(remove, &QPushButton::clicked, this, &EnemEd::RemFavBtn_Click);
    m_tilePic->setHoverText([](int x, int y) {
        return "Sprite tile " + hexText(16 * std::clamp(y / 16, 0, 15) + std::clamp(x / 16, 0, 15));
    });
    m_palPic->setHoverText([this](int x, int) {
        const int swatch = swatchAt(x);
        const int colour = swatchColour(m_ed, swatch);
        return QString("Sprite palette %1, colour %2").arg(2 + swatch / 4).arg(swatch % 4) +
               (colour < 0 ? QString() : ": " + hexText(colour));
    });
    connect(m_palPic, &PictureArea::mouseDown, this, &EnemEd::PalPic_MouseDown);
    connect(chart, &QPushButton::clicked, this, &EnemEd::PCShowCmd_Click);
}

QGroupBox* EnemEd::buildGemFrame(int game) {
    auto* frame = named(new QGroupBox(game == kMM3 ? "GFX Set" : "", this),
                        qPrintable(QString("GemFrame%1").arg(game)));
    auto field = [this, frame](const char* name, int x, int y) {
        QLineEdit* f = numberField(frame, name, m_hub);
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
    const Editor& e = m_ed;
    if (e.EditMode == kMM3 || e.EditMode == kMM4) {
        const int choice = graphicsChoice(e);
        if (e.EditMode == kMM3) {
            SetHexQuiet(m_gfxSetTB, choice);
            for (int which = 0; which < 2; ++which)
                SetHexQuiet(m_bankTB[size_t(which)], e.tables().graphicsSetBank(choice, which));
        } else {
            SetHexQuiet(m_effTB, choice);
        }
        m_gfxEnemList->clear();
        for (const TypeItem& item : gfxEnemyItems(e))
            addTypeItem(m_gfxEnemList, item);
    }
    showSpriteGraphics();
}

void EnemEd::showSpriteGraphics() {
    drawSwatches(m_swatches, m_swatch);
    drawSpriteTiles(m_tiles, m_ed);
    m_tilePic->ShowBitmap(m_tiles);
    m_palPic->ShowBitmap(m_swatches);
}

bool EnemEd::findsAutomatically() const {
    return m_autoSetCheck->isChecked();
}

void EnemEd::FindGfxSet() {
    if (const Change change = orvane::FindGfxSet(m_ed))
        m_hub.changed(change);
    else
        ShowGfxSet();
}

// ---- the section's choice ------------------------------------------------------------------
// Each edit's change makes the hub load the section's sprites again from its choice, and
// every window follows the screen refresh: the Screen Editor's section settings, the
// Level Map, and this window, which draws the enemies with the new tiles and refreshes
// the panel.

void EnemEd::GFXSetTB_Change() {
    m_hub.changed(setGraphicsSet(m_ed, fieldHexVal(m_gfxSetTB)));
}

void EnemEd::GFXSetUD_Step(int delta) {
    m_hub.changed(stepGraphicsSet(m_ed, delta));
}

// The set table is shared: every section that uses the set changes with it.
void EnemEd::BankTB_Change(int which) {
    m_hub.changed(setCurrentSetBank(m_ed, which, fieldHexVal(m_bankTB[size_t(which)])));
}

void EnemEd::BankUD_Step(int which, int delta) {
    m_hub.changed(stepCurrentSetBank(m_ed, which, delta));
}

void EnemEd::EffTB_Change() {
    m_hub.changed(setSectionEffect(m_ed, fieldHexVal(m_effTB)));
}

void EnemEd::EffUD_Step(int delta) {
    m_hub.changed(stepSectionEffect(m_ed, delta));
}

void EnemEd::FindGFXBtn_Click() {
    FindGfxSet();
}

// ---- type lists ------------------------------------------------------------------------------

void EnemEd::typeListClicked(QListWidgetItem* item) {
    if (!item) return;
    const int type = item->data(Qt::UserRole).toInt();
    editEnemies([&] { setEnemyField(m_ed, m_ed.CurEnemy, EnemyField::Type, type); });
    typeChanged();
}

void EnemEd::typeChanged() {
    if (findsAutomatically()) FindGfxSet();
}

void EnemEd::AddFavBtn_Click() {
    addTypeItem(m_favEnemList, favouriteItem(m_ed, enemyType(m_ed, m_ed.CurEnemy)));
}

void EnemEd::RemFavBtn_Click() {
    const QList<QListWidgetItem*> selected = m_favEnemList->selectedItems();
    if (!selected.isEmpty()) delete selected.front();
}

// ---- sprite colours --------------------------------------------------------------------------

void EnemEd::PalPic_MouseDown(int button, int /*shift*/, int x, int /*y*/) {
    // A swatch pressed here makes this window the chart's receiver again.
    m_sel.PCTarget = kPCTargetEnemEd;
    if (pressSwatch(m_ed, m_swatch, button, x)) return spriteColourChanged();
    drawSwatches(m_swatches, m_swatch);
    m_palPic->ShowBitmap(m_swatches);
}

// A colour slot rewritten in place: every shown window shows its pictures again (the
// Level Map draws this section's enemies in it), and so do both pictures here.
void EnemEd::spriteColourChanged() {
    m_hub.changed(Change::colours());
    m_pic->ShowBitmap(m_display);
    m_tilePic->ShowBitmap(m_tiles);
    m_palPic->ShowBitmap(m_swatches);
}

void EnemEd::PCShowCmd_Click() {
    m_hub.openWindow(WindowId::PalChart);
    if (ToolWindow* chart = m_hub.shownWindow(WindowId::PalChart)) {
        const QRect mine = frameGeometry();
        chart->move(mine.x() + mine.width(), mine.y());
    }
    // Picks in the chart come to this window from now on.
    m_sel.PCTarget = kPCTargetEnemEd;
}

void EnemEd::PCEvent() {
    if (setSwatchColour(m_ed, m_swatch, m_sel.PCColor)) spriteColourChanged();
}

} // namespace orvane
