#include "gui/mapedit/SpinButton.h"

#include <QToolButton>

namespace orvane {

namespace {

QToolButton* arrow(QWidget* parent, Qt::ArrowType type, const char* name) {
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setArrowType(type);
    b->setAutoRepeat(true);
    // The arrows never take the keyboard away from the field beside them.
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

} // namespace

SpinButton::SpinButton(QWidget* parent) : QWidget(parent) {
    m_up = arrow(this, Qt::UpArrow, "Up");
    m_down = arrow(this, Qt::DownArrow, "Down");
    connect(m_up, &QToolButton::clicked, this, &SpinButton::upClicked);
    connect(m_down, &QToolButton::clicked, this, &SpinButton::downClicked);
}

void SpinButton::resizeEvent(QResizeEvent*) {
    const int top = height() / 2;
    m_up->setGeometry(0, 0, width(), top);
    m_down->setGeometry(0, top, width(), height() - top);
}

} // namespace orvane
