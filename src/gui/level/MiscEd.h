#pragma once

#include "gui/app/ToolWindow.h"

class QComboBox;
class QListWidget;

namespace orvane {

// "Level - Miscanneleous": the game's music tracks by name. It edits nothing.
class MiscEd : public ToolWindow {
    Q_OBJECT
public:
    MiscEd(Hub& hub, QWidget* parent = nullptr);

    QComboBox* musicCombo() const { return m_musicCombo; }

private:
    QComboBox* m_musicCombo = nullptr;
    QListWidget* m_list = nullptr;
};

} // namespace orvane
