#pragma once

#include <QPointer>
#include <QString>
#include <cstdint>

class QLineEdit;

namespace orvane {

// Programmatic changes of a control are marked in its "tag" while they are made, so the
// control's change handler can tell them from the user's: every such handler begins
// with `if (hasTag(sender)) return;`. Text fields use ":)" (through SetTextQuiet);
// scroll bars, lists and check boxes "=D"; the Palette Editor's effect switches "=)".

void setTag(QObject* control, const QString& tag);
QString tag(const QObject* control);
bool hasTag(const QObject* control);

// Sets a text field's text as a programmatic change and keeps the caret where it was
// (at 1 when the field was empty), clamped to the new text.
void SetTextQuiet(QLineEdit* field, const QString& text);
// The same with a number in the editor's hexadecimal (capital digits, no leading zeros).
void SetHexQuiet(QLineEdit* field, int64_t value);
// A field's text read as a hexadecimal number (HexVal).
int32_t fieldHexVal(const QLineEdit* field);

// Marks a control for the lifetime of the guard and then gives it back the tag it had
// before, so a refresh that runs inside another one does not unmark the outer change.
class TagGuard {
public:
    TagGuard(QObject* control, const char* tag);
    ~TagGuard();
    TagGuard(const TagGuard&) = delete;
    TagGuard& operator=(const TagGuard&) = delete;

private:
    QPointer<QObject> m_control;
    QString m_previous;
};

} // namespace orvane
