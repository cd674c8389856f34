#include "gui/app/Config.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "gui/app/Controls.h"
#include "gui/app/Hub.h"
#include "gui/app/QuietControls.h"
#include "gui/app/clsDialog.h"

namespace orvane {

Config::Config(Hub& hub, QWidget* parent) : ToolWindow(hub, parent) {
    // Typing here edits paths, so the main window's keys stay out of it.
    m_forwardsKeys = false;
    setWindowTitle("Configuration");

    m_emuLabel =
        named(new QLabel("Emulator full filename for Test feature (must support rom name at "
                         "command line):"),
              "Label1");
    m_emuLabel->setWordWrap(true);
    m_emuTB = named(new QLineEdit, "EmuTB");
    m_emuBrowseBtn = named(new QPushButton("Browse.."), "EmuBrowseBtn");
    m_palLabel = named(new QLabel("NES Palette File:"), "Label2");
    m_palTB = named(new QLineEdit, "PALTB");
    m_palBrowseBtn = named(new QPushButton("Browse.."), "PALBrowseBtn");
    m_palReloadBtn = named(new QPushButton("Reload Now"), "PALReloadBtn");
    m_paCheck = named(new QCheckBox("Enable Simulation of Palette-Animations"), "PACheck");

    auto* grid = new QGridLayout(this);
    grid->addWidget(m_emuLabel, 0, 0, 1, 2);
    grid->addWidget(m_emuTB, 1, 0);
    grid->addWidget(m_emuBrowseBtn, 1, 1);
    grid->addWidget(m_palLabel, 2, 0, 1, 2);
    grid->addWidget(m_palTB, 3, 0);
    grid->addWidget(m_palBrowseBtn, 3, 1);
    grid->addWidget(m_palReloadBtn, 4, 1);
    grid->addWidget(m_paCheck, 5, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    m_emuTB->setMinimumWidth(320);

    m_pickFile = [this](const QString& title, const QString& filter) {
        clsDialog dialog;
        return dialog.ShowOpen(this, title, QString(), filter, kOfnFileMustExist | kOfnLongNames);
    };

    connect(m_emuTB, &QLineEdit::textChanged, this, &Config::EmuTB_Change);
    connect(m_palTB, &QLineEdit::textChanged, this, &Config::PALTB_Change);
    connect(m_emuBrowseBtn, &QPushButton::clicked, this, &Config::EmuBrowseBtn_Click);
    connect(m_palBrowseBtn, &QPushButton::clicked, this, &Config::PALBrowseBtn_Click);
    connect(m_palReloadBtn, &QPushButton::clicked, this, &Config::PALReloadBtn_Click);
    // toggled, not clicked: a refresh that changes the box counts as a click, so opening
    // the window with palanim set stores it again and starts the timer.
    connect(m_paCheck, &QCheckBox::toggled, this, &Config::PACheck_Click);
}

void Config::Update() {
    SetTextQuiet(m_emuTB, m_hub.GetConfigText("emufname"));
    SetTextQuiet(m_palTB, m_hub.GetConfigText("palfile"));
    m_paCheck->setChecked(m_hub.GetConfigNumber("palanim") != 0);
}

void Config::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    ToolWindow::keyPressEvent(event);
}

void Config::EmuTB_Change() {
    m_hub.SetConfigText("emufname", m_emuTB->text());
    Update();
}

void Config::PALTB_Change() {
    // Only the name is stored; "Reload Now" reads the file.
    m_hub.SetConfigText("palfile", m_palTB->text());
    Update();
}

void Config::EmuBrowseBtn_Click() {
    const QString path = m_pickFile("Pick the Emu..", "Programs (*.exe)|*.exe|all files (*.*)|*.*");
    if (path.isEmpty()) return;
    m_hub.SetConfigText("emufname", path);
    Update();
}

void Config::PALBrowseBtn_Click() {
    const QString path =
        m_pickFile("Pick the Palette..", "NES Palettes (*.pal)|*.pal|all files (*.*)|*.*");
    if (path.isEmpty()) return;
    m_hub.SetConfigText("palfile", path);
    Update();
}

void Config::PALReloadBtn_Click() {
    m_hub.ReloadNESPAL();
    m_hub.GetMMCols();
    m_hub.Update_Level();
}

void Config::PACheck_Click() {
    const int value = m_paCheck->isChecked() ? 1 : 0;
    m_hub.SetConfigNumber("palanim", value);
    m_hub.setPaletteAnimationRunning(value != 0);
    Update();
}

} // namespace orvane
