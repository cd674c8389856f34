#include "gui/app/ToolWindow.h"

#include <QKeyEvent>

#include "gui/app/Hub.h"
#include "gui/app/KeyCodes.h"

namespace orvane {

ToolWindow::ToolWindow(Hub& hub, QWidget* parent)
    : QWidget(parent, Qt::Window), m_hub(hub), m_ed(hub.editor()), m_sel(hub.selection()) {
    setAttribute(Qt::WA_DeleteOnClose);
}

void ToolWindow::keyPressEvent(QKeyEvent* event) {
    if (m_forwardsKeys) m_hub.Global_KeyDown(keyCodeOf(event), shiftMaskOf(event));
    QWidget::keyPressEvent(event);
}

} // namespace orvane
