#include "gui/app/Controls.h"

#include <QCoreApplication>
#include <QStatusTipEvent>
#include <QWidget>

#include "core/resdata/HexVal.h"

namespace orvane {

QString hexText(int64_t value) {
    return QString::fromStdString(hexString(value));
}

void sendStatusTip(QWidget* widget, const QString& text) {
    QStatusTipEvent tip(text);
    QCoreApplication::sendEvent(widget, &tip);
}

void setHoverTip(QWidget* widget, const QString& text) {
    widget->setStatusTip(text);
    if (widget->underMouse()) sendStatusTip(widget, text);
}

} // namespace orvane
