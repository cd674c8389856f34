#include "gui/mapedit/LevelMapCanvas.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>

#include "core/mapedit/LevelMapPicture.h"
#include "gui/app/Controls.h"

namespace orvane {

namespace {
constexpr int kFrameWidth = 2;
const QColor kFrameColour(255, 48, 48);
} // namespace

LevelMapCanvas::LevelMapCanvas(const LevelMapPicture& map, QWidget* parent)
    : QWidget(parent), m_map(map) {
    setObjectName("MapPic");
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    // The screen under the pointer shows in the status bar.
    setMouseTracking(true);
}

void LevelMapCanvas::setCellPixels(int side) {
    m_cell = std::clamp(side, kMinCell, kMaxCell);
    mapChanged();
}

void LevelMapCanvas::setCurrentScreen(int screen) {
    if (screen == m_current) return;
    m_current = screen;
    update();
}

void LevelMapCanvas::mapChanged() {
    if (m_generation != m_map.generation()) {
        m_shown.clear();
        m_generation = m_map.generation();
    }
    m_shown.resize(static_cast<size_t>(m_map.layout().screens()));
    const int cell = cellPixels();
    setFixedSize(std::max(1, m_map.layout().columns() * cell),
                 std::max(1, m_map.layout().rows() * cell));
    update();
}

int LevelMapCanvas::screenAt(int x, int y) const {
    const int cell = cellPixels();
    if (x < 0 || y < 0) return -1;
    return m_map.layout().screenAt({x / cell, y / cell});
}

const QImage& LevelMapCanvas::shownScreen(int screen) {
    Shown& shown = m_shown[static_cast<size_t>(screen)];
    const WinBitmap& bmp = m_map.screen(screen);
    if (!shown.image.isNull() && shown.version == bmp.version() && shown.cell == m_cell)
        return shown.image;
    QImage indexed(kMapCellPixels, kMapCellPixels, QImage::Format_Indexed8);
    QList<QRgb> table(256);
    for (int i = 0; i < 256; ++i)
        table[i] = 0xFF000000u | (bmp.colours()[static_cast<size_t>(i)] & 0xFFFFFFu);
    indexed.setColorTable(table);
    for (int y = 0; y < kMapCellPixels; ++y) {
        uchar* line = indexed.scanLine(y);
        for (int x = 0; x < kMapCellPixels; ++x)
            line[x] = bmp.pixel(x, y);
    }
    const int cell = cellPixels();
    shown.image = indexed.convertToFormat(QImage::Format_RGB32);
    if (cell != kMapCellPixels)
        shown.image =
            shown.image.scaled(cell, cell, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    shown.version = bmp.version();
    shown.cell = m_cell;
    return shown.image;
}

void LevelMapCanvas::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const int cell = cellPixels();
    const LevelMapLayout& layout = m_map.layout();
    for (int row = 0; row < layout.rows(); ++row)
        for (int col = 0; col < layout.columns(); ++col) {
            const QRect target(col * cell, row * cell, cell, cell);
            if (!event->rect().intersects(target)) continue;
            const int s = layout.screenAt({col, row});
            if (s >= 0) painter.drawImage(target.topLeft(), shownScreen(s));
        }
    if (m_current >= 0 && m_current < layout.screens()) {
        const MapCell c = layout.cellOf(m_current);
        painter.setPen(QPen(kFrameColour, kFrameWidth));
        painter.setBrush(Qt::NoBrush);
        const int inset = kFrameWidth / 2;
        painter.drawRect(QRect(c.column * cell, c.row * cell, cell, cell)
                             .adjusted(inset, inset, -inset, -inset));
    }
}

void LevelMapCanvas::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
    const QPoint at = event->position().toPoint();
    const int s = screenAt(at.x(), at.y());
    if (s >= 0) emit screenClicked(s);
}

void LevelMapCanvas::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    const int s = screenAt(at.x(), at.y());
    sendStatusTip(this, s >= 0 ? "Screen " + hexText(s) : QString());
}

void LevelMapCanvas::leaveEvent(QEvent* event) {
    sendStatusTip(this, QString());
    QWidget::leaveEvent(event);
}

void LevelMapCanvas::wheelEvent(QWheelEvent* event) {
    if (!(event->modifiers() & Qt::ControlModifier)) return QWidget::wheelEvent(event);
    const int delta = event->angleDelta().y();
    if (delta != 0) emit zoomStep(delta > 0 ? 1 : -1);
    event->accept();
}

} // namespace orvane
