#include "gui/app/QuietControls.h"

#include <algorithm>

#include <QLineEdit>
#include <QVariant>

#include "core/resdata/HexVal.h"

namespace orvane {

namespace {
constexpr const char* kTagProperty = "tag";
}

void setTag(QObject* control, const QString& tag) {
    if (control) control->setProperty(kTagProperty, tag);
}

QString tag(const QObject* control) {
    return control ? control->property(kTagProperty).toString() : QString();
}

bool hasTag(const QObject* control) {
    return !tag(control).isEmpty();
}

void SetTextQuiet(QLineEdit* field, const QString& text) {
    if (!field) return;
    // Writing the same text again would only throw away the user's selection and undo
    // history (a field rewritten from its own change handler gets exactly that).
    if (field->text() == text) return;
    TagGuard guard(field, ":)");
    const int caret = field->text().isEmpty() ? 1 : field->cursorPosition();
    field->setText(text);
    field->setCursorPosition(std::min(caret, static_cast<int>(text.size())));
}

void SetHexQuiet(QLineEdit* field, int64_t value) {
    SetTextQuiet(field, QString::fromStdString(hexString(value)));
}

int32_t fieldHexVal(const QLineEdit* field) {
    return field ? HexVal(field->text().toStdString()) : 0;
}

TagGuard::TagGuard(QObject* control, const char* tag)
    : m_control(control), m_previous(orvane::tag(control)) {
    setTag(m_control, QString::fromLatin1(tag));
}

TagGuard::~TagGuard() {
    setTag(m_control, m_previous);
}

} // namespace orvane
