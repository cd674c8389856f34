#pragma once

#include <QString>
#include <cstdint>

class QLineEdit;

namespace orvane {

// A window that sets its own controls blocks their change signals while it does
// (QSignalBlocker), so their handlers run only for the user's changes.

// Sets a text field's text with its signals blocked and keeps the caret where it was (at
// 1 when the field was empty), clamped to the new text.
void SetTextQuiet(QLineEdit* field, const QString& text);
// The same with a number in the editor's hexadecimal (capital digits, no leading zeros).
void SetHexQuiet(QLineEdit* field, int64_t value);
// A field's text read as a hexadecimal number (HexVal).
int32_t fieldHexVal(const QLineEdit* field);

} // namespace orvane
