#pragma once

#include <functional>

#include <QString>

#include "gui/app/ToolWindow.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace orvane {

// The Configuration window: the emulator started by "Test!", the NES palette file and
// the palette-animation switch. Every change is applied and written at once; there is
// no OK or Cancel.
class Config : public ToolWindow {
    Q_OBJECT
public:
    // Asks the user for a file: returns its path, or "" on Cancel.
    using FilePicker = std::function<QString(const QString& title, const QString& filter)>;

    explicit Config(Hub& hub, QWidget* parent = nullptr);

    void Update() override;

    // Replaces the open dialog of the two browse buttons (tests choose or cancel here).
    void setFilePicker(FilePicker picker) { m_pickFile = std::move(picker); }

protected:
    // Escape closes the window: its edits are saved as they are made, so there is
    // nothing to confirm or cancel.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void EmuTB_Change();
    void PALTB_Change();
    void EmuBrowseBtn_Click();
    void PALBrowseBtn_Click();
    void PALReloadBtn_Click();
    void PACheck_Click();

    QLabel* m_emuLabel = nullptr;
    QLineEdit* m_emuTB = nullptr;
    QPushButton* m_emuBrowseBtn = nullptr;
    QLabel* m_palLabel = nullptr;
    QLineEdit* m_palTB = nullptr;
    QPushButton* m_palBrowseBtn = nullptr;
    QPushButton* m_palReloadBtn = nullptr;
    QCheckBox* m_paCheck = nullptr;
    FilePicker m_pickFile;
};

} // namespace orvane
