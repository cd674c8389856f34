#pragma once

#include <QString>

class QLineEdit;

namespace orvane {

// A window that sets its own controls blocks their change signals while it does
// (QSignalBlocker), so their handlers run only for the user's changes.

// Sets a text field's text with its signals blocked and keeps the caret where it was (at
// 1 when the field was empty), clamped to the new text.
void SetTextQuiet(QLineEdit* field, const QString& text);

} // namespace orvane
