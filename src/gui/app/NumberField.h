#pragma once

class QLineEdit;
class QWidget;

namespace orvane {

class Hub;

enum class Digits { Hex, Decimal };

// A text field for a number, named `name`. A letter it cannot use (in a hexadecimal
// field one that is not a digit A..F, in a decimal field any) is not typed: it goes to
// the main window's Global_KeyDown, so the window keys (Shift+T, ...) work while the
// field has the focus. Keys with Ctrl or Alt (copy, paste, undo) stay with the field.
QLineEdit* numberField(QWidget* parent, const char* name, Hub& hub, Digits digits = Digits::Hex);

} // namespace orvane
