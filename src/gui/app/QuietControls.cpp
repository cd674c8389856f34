#include "gui/app/QuietControls.h"

#include <algorithm>

#include <QLineEdit>
#include <QSignalBlocker>

#include "core/resdata/HexVal.h"

namespace orvane {

void SetTextQuiet(QLineEdit* field, const QString& text) {
    if (!field) return;
    // Writing the same text again would only throw away the user's selection and undo
    // history (a field rewritten from its own change handler gets exactly that).
    if (field->text() == text) return;
    const QSignalBlocker quiet(field);
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

} // namespace orvane
