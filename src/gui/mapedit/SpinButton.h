#pragma once

#include <QWidget>

class QToolButton;

namespace orvane {

// A spin button without a value of its own: an up arrow over a down arrow, each click
// a separate event. The owner decides what a step means and where it stops. Holding an
// arrow repeats its clicks.
class SpinButton : public QWidget {
    Q_OBJECT
public:
    explicit SpinButton(QWidget* parent = nullptr);

    QToolButton* upButton() const { return m_up; }
    QToolButton* downButton() const { return m_down; }

signals:
    void upClicked();
    void downClicked();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QToolButton* m_up = nullptr;
    QToolButton* m_down = nullptr;
};

} // namespace orvane
