#include "gui/app/ToolWindow.h"

#include <QKeyEvent>
#include <QStatusTipEvent>

#include "gui/app/Hub.h"
#include "gui/app/KeyCodes.h"

namespace orvane {

ToolWindow::ToolWindow(Hub& hub, QWidget* parent)
    : QWidget(parent, Qt::Window), m_hub(hub), m_ed(hub.editor()), m_sel(hub.selection()) {
    setAttribute(Qt::WA_DeleteOnClose);
}

bool ToolWindow::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        m_hub.showHover(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QWidget::event(event);
}

void ToolWindow::keyPressEvent(QKeyEvent* event) {
    if (m_forwardsKeys) m_hub.Global_KeyDown(keyCodeOf(event), shiftMaskOf(event));
    QWidget::keyPressEvent(event);
}

} // namespace orvane
