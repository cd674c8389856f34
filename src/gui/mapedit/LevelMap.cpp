#include "gui/mapedit/LevelMap.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>

#include "core/app/Editor.h"
#include "gui/app/Hub.h"
#include "gui/mapedit/LevelMapCanvas.h"

namespace orvane {

LevelMap::LevelMap(Hub& hub, QWidget* parent) : ToolWindow(hub, parent) {
    setObjectName("LevelMap");
    setWindowTitle("Level Map");

    auto* layout = new QVBoxLayout(this);
    m_enemies = new QCheckBox("Enemies", this);
    m_enemies->setObjectName("EnemiesCheck");
    m_enemies->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(m_enemies);
    m_area = new QScrollArea(this);
    m_area->setObjectName("MapArea");
    m_area->setAlignment(Qt::AlignCenter);
    m_canvas = new LevelMapCanvas(m_picture, m_area);
    m_area->setWidget(m_canvas);
    layout->addWidget(m_area, 1);
    resize(820, 560);

    connect(m_enemies, &QCheckBox::toggled, this, [this](bool on) {
        m_picture.setEnemies(ed(), on);
        redrawn({});
    });
    connect(m_canvas, &LevelMapCanvas::screenClicked, this, [this](int screen) {
        ed().CurScrn = screen;
        m_hub.Update_Scrn();
    });
    connect(m_canvas, &LevelMapCanvas::zoomStep, this, &LevelMap::zoomBy);
}

Editor& LevelMap::ed() {
    return m_hub.editor();
}

bool LevelMap::enemiesShown() const {
    return m_enemies->isChecked();
}

void LevelMap::rebuild() {
    m_picture.build(ed(), ed().CurLevel, enemiesShown());
    m_canvas->setCurrentScreen(ed().CurScrn);
    m_canvas->mapChanged();
    // The room to fit into is known once the window is laid out on screen.
    m_fitPending = true;
    if (isVisible()) fitToWindow();
}

void LevelMap::showEvent(QShowEvent* event) {
    ToolWindow::showEvent(event);
    if (m_fitPending) fitToWindow();
}

void LevelMap::redrawn(std::vector<int> screens) {
    m_lastRedrawn = std::move(screens);
    m_canvas->mapChanged();
}

void LevelMap::fitToWindow() {
    const QSize room = m_area->viewport()->size();
    const LevelMapLayout& layout = m_picture.layout();
    int side = LevelMapCanvas::kMaxCell;
    if (layout.screens() > 0)
        side = std::min({side, room.width() / layout.columns(), room.height() / layout.rows()});
    m_canvas->setCellPixels(side);
    m_fitPending = false;
}

// A quarter larger or a fifth smaller per step: ten steps from 1/8 to 1.
void LevelMap::zoomBy(int delta) {
    const int side = m_canvas->cellPixels();
    m_canvas->setCellPixels(delta > 0 ? std::max(side + 1, side * 5 / 4)
                                      : std::min(side - 1, side * 4 / 5));
}

void LevelMap::Update() {
    rebuild();
}

void LevelMap::Update_Level() {
    rebuild();
}

void LevelMap::Update_Scrn() {
    m_canvas->setCurrentScreen(ed().CurScrn);
}

// Every screen refresh ends here too: sections, palettes and the scroll map may all have
// changed, and only the screens whose tiles or preset changed are drawn again.
void LevelMap::Update_BGPal(int /*upd*/) {
    redrawn(m_picture.refresh(ed()));
    m_canvas->setCurrentScreen(ed().CurScrn);
}

void LevelMap::Update_Block(int block) {
    redrawn(m_picture.redrawBlock(ed(), block));
}

void LevelMap::Update_StrBlock(int str, int quarter) {
    redrawn(m_picture.redrawStructureQuarter(ed(), str, quarter));
}

void LevelMap::Update_ScrnStr(int strY, int strX) {
    redrawn(m_picture.redrawPresetCell(ed(), ed().CurScrn, strY, strX));
}

void LevelMap::Update_Enemies(int screen) {
    redrawn(m_picture.redrawEnemies(ed(), screen));
}

void LevelMap::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() & Qt::ControlModifier) {
        switch (event->key()) {
        case Qt::Key_Plus:
        case Qt::Key_Equal:
            return zoomBy(1);
        case Qt::Key_Minus:
            return zoomBy(-1);
        default:
            break;
        }
    }
    ToolWindow::keyPressEvent(event);
}

} // namespace orvane
