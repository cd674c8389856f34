#pragma once

#include <QString>
#include <cstdint>

class QWidget;

namespace orvane {

// The sizes the tool windows lay their small controls out with.
constexpr int kTextHeight = 19; // text fields
constexpr int kRowHeight = 17;  // labels, check boxes, spin buttons, scroll bars
constexpr int kSpinWidth = 16;
constexpr int kButtonHeight = 23; // push buttons

// `widget` with its object name set, the name the design gives the control.
template <class W> W* named(W* widget, const char* name) {
    widget->setObjectName(name);
    return widget;
}

// A number as the editor's fields show it: hexadecimal, capital digits, no leading zeros.
QString hexText(int64_t value);

// Tells `widget`'s window what lies under the pointer (a status tip; "" when nothing):
// a tool window shows it in the main window's status bar.
void sendStatusTip(QWidget* widget, const QString& text);

// What a small picture (a colour swatch) shows, told while the pointer is over it; when
// the pointer is already there the status bar follows at once.
void setHoverTip(QWidget* widget, const QString& text);

} // namespace orvane
