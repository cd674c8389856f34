#include "gui/render/PalChart.h"

#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QtMath>

#include "core/app/Editor.h"
#include "core/render/PaletteChart.h"
#include "gui/app/Controls.h"
#include "gui/app/Hub.h"
#include "gui/app/Selection.h"

namespace orvane {

namespace {

// The picture area is a little larger than the chart; presses on the margin pick nothing.
constexpr int kPictureSide = kChartSide + 4;
constexpr int kBorder = 2;

QPixmap chartPixmap(const Editor& ed, const QColor& background) {
    QPixmap pixmap(kPictureSide, kPictureSide);
    pixmap.fill(background);
    QPainter painter(&pixmap);
    for (int c = 0; c < kChartColours; ++c) {
        const ChartBox box = chartBoxOf(c);
        painter.fillRect(kChartBox * box.column, kChartBox * box.row, kChartBox, kChartBox,
                         QColor::fromRgb(ed.NesPal[static_cast<size_t>(c)]));
    }
    return pixmap;
}

} // namespace

PalChart::PalChart(Hub& hub, QWidget* parent) : ToolWindow(hub, parent) {
    setObjectName("PalChart");
    const Editor& ed = hub.editor();
    setWindowTitle("NES Palette Chart (" + QString::fromLocal8Bit(ed.PalFile.c_str()) + ")");
    // The window itself takes the keys, which go on to the main window.
    setFocusPolicy(Qt::StrongFocus);

    auto* border = new QFrame(this);
    border->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    border->setLineWidth(kBorder);
    border->setGeometry(8, 8, kPictureSide + 2 * kBorder, kPictureSide + 2 * kBorder);
    m_pic = new QLabel(border);
    m_pic->setObjectName("PalChartPic");
    m_pic->setGeometry(kBorder, kBorder, kPictureSide, kPictureSide);
    // Drawn once: a palette file reloaded later shows when the chart is made again.
    m_pic->setPixmap(chartPixmap(ed, palette().color(QPalette::Window)));
    m_pic->installEventFilter(this);
    m_pic->setMouseTracking(true); // the colour under the pointer shows in the status bar
    setFixedSize(kPictureSide + 2 * kBorder + 16, kPictureSide + 2 * kBorder + 16);
}

bool PalChart::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_pic && event->type() == QEvent::MouseMove) {
        const QPointF at = static_cast<QMouseEvent*>(event)->position();
        const std::optional<int> colour = chartColourAt(qFloor(at.x()), qFloor(at.y()));
        sendStatusTip(m_pic, colour ? "Colour " + hexText(*colour) : QString());
    }
    if (watched == m_pic && event->type() == QEvent::Leave) sendStatusTip(m_pic, QString());
    if (watched == m_pic && event->type() == QEvent::MouseButtonPress) {
        const auto* press = static_cast<QMouseEvent*>(event);
        PalChartPic_MouseDown(qFloor(press->position().x()), qFloor(press->position().y()));
        return true;
    }
    return ToolWindow::eventFilter(watched, event);
}

void PalChart::PalChartPic_MouseDown(int x, int y) {
    const std::optional<int> colour = chartColourAt(x, y);
    if (!colour) return;
    m_sel.PCColor = *colour;
    // The receiver is told only while it is shown; the chart knows nothing else of it.
    WindowId receiver;
    switch (m_sel.PCTarget) {
    case kPCTargetEnemEd:
        receiver = WindowId::EnemEd;
        break;
    case kPCTargetPalEd:
        receiver = WindowId::PalEd;
        break;
    default:
        return;
    }
    if (ToolWindow* w = m_hub.shownWindow(receiver)) w->PCEvent();
}

} // namespace orvane
