// Undo and redo, the unsaved-edits mark and the exit question of the main window.
#include <QAction>
#include <QFileInfo>

#include "gui/app/EditorStatusBar.h"
#include "gui/app/Orvane_Main.h"
#include "gui/app/ToolWindow.h"

namespace orvane {

namespace {

QString stepName(const std::string& label) {
    return label.empty() ? QString("edit") : QString::fromStdString(label);
}

} // namespace

QString Orvane_Main::romFileName() const {
    return QFileInfo(QString::fromStdString(m_ed.RomPath)).fileName();
}

void Orvane_Main::historyChanged() {
    const History* history = m_ed.RomImage.history();
    const bool canUndo = history && history->canUndo();
    const bool canRedo = history && history->canRedo();
    m_undoAction->setEnabled(canUndo);
    m_undoAction->setText(canUndo ? "Undo " + stepName(history->undoLabel()) + "\tCtrl+Z"
                                  : QString("Undo\tCtrl+Z"));
    m_redoAction->setEnabled(canRedo);
    m_redoAction->setText(canRedo ? "Redo " + stepName(history->redoLabel()) + "\tCtrl+Y"
                                  : QString("Redo\tCtrl+Y"));
    setWindowModified(m_ed.RomImage.isModified());
}

void Orvane_Main::Edit_Undo() {
    const History* history = m_ed.RomImage.history();
    const QString name = history ? stepName(history->undoLabel()) : QString();
    if (!m_ed.RomImage.undo()) {
        m_status->announce("Nothing to undo");
        return;
    }
    refreshAfterHistory();
    m_status->announce("Undid " + name);
}

void Orvane_Main::Edit_Redo() {
    const History* history = m_ed.RomImage.history();
    const QString name = history ? stepName(history->redoLabel()) : QString();
    if (!m_ed.RomImage.redo()) {
        m_status->announce("Nothing to redo");
        return;
    }
    refreshAfterHistory();
    m_status->announce("Redid " + name);
}

void Orvane_Main::refreshAfterHistory() {
    // The bytes may be anywhere in the image: reload the level as a level change does
    // (same level, same screen), then let every shown window draw itself again.
    Update_Level();
    for (size_t i = 0; i < m_windows.size(); ++i)
        if (ToolWindow* w = shownWindow(static_cast<WindowId>(i))) w->Update();
}

bool Orvane_Main::mayClose() {
    if (!m_ed.RomImage.isModified()) return true;
    switch (m_questionSink("Save changes to " + romFileName() + "?")) {
    case QMessageBox::Save:
        return File_Save(); // a failed save keeps the edits, and the program, alive
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

} // namespace orvane
