#include "gui/app/EditorStatusBar.h"

#include <QLabel>

namespace orvane {

namespace {
constexpr int kEventMilliseconds = 6000;
}

EditorStatusBar::EditorStatusBar(QWidget* parent) : QStatusBar(parent) {
    setObjectName("StatusBar");
    auto label = [this](const char* name) {
        auto* l = new QLabel(this);
        l->setObjectName(name);
        addPermanentWidget(l);
        return l;
    };
    // Beside, not in, the message area, so hovering does not wipe out an announcement.
    m_hover = label("StatusHover");
    m_file = label("StatusFile");
    m_game = label("StatusGame");
    m_level = label("StatusLevel");
    m_screen = label("StatusScreen");
}

void EditorStatusBar::showDocument(const QString& fileName, int editMode) {
    m_file->setText(fileName);
    m_game->setText(QString("Megaman %1").arg(editMode + 3));
}

void EditorStatusBar::showPlace(int level, int lastLevel, int screen) {
    m_level->setText(QString("Level %1 of %2").arg(level + 1).arg(lastLevel + 1));
    // Hexadecimal, as the Screen Editor's screen field shows it.
    m_screen->setText("Screen " + QString::number(screen, 16).toUpper());
}

void EditorStatusBar::announce(const QString& text) {
    showMessage(text, kEventMilliseconds);
}

void EditorStatusBar::showHover(const QString& text) {
    m_hover->setText(text);
}

} // namespace orvane
