#include "gui/app/NumberField.h"

#include <QKeyEvent>
#include <QLineEdit>

#include "gui/app/Hub.h"
#include "gui/app/KeyCodes.h"

namespace orvane {

namespace {

// Watches one field's keys; a child of the field, so it goes with it.
class NumberFieldKeys : public QObject {
public:
    NumberFieldKeys(QLineEdit* field, Hub& hub, Digits digits)
        : QObject(field), m_hub(hub), m_digits(digits) {
        field->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!unusable(key)) return false;
        m_hub.Global_KeyDown(keyCodeOf(key), shiftMaskOf(key));
        return true;
    }

private:
    bool unusable(const QKeyEvent* key) const {
        if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
            return false;
        const int k = key->key();
        if (k < Qt::Key_A || k > Qt::Key_Z) return false;
        return m_digits == Digits::Decimal || k > Qt::Key_F;
    }

    Hub& m_hub;
    Digits m_digits;
};

} // namespace

QLineEdit* numberField(QWidget* parent, const char* name, Hub& hub, Digits digits) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    new NumberFieldKeys(field, hub, digits);
    return field;
}

} // namespace orvane
