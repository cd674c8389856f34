#include "gui/level/MiscEd.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>

#include "core/app/Editor.h"
#include "core/resdata/Names.h"
#include "gui/app/Hub.h"

namespace orvane {

namespace {
// More tracks than this would be a damaged resource file, not a game.
constexpr int64_t kMaxTracks = 4096;
} // namespace

MiscEd::MiscEd(Hub& hub, QWidget* parent) : ToolWindow(hub, parent) {
    setObjectName("MiscEd");
    setWindowTitle("Level - Miscanneleous");
    m_forwardsKeys = false;

    auto* layout = new QGridLayout(this);
    auto* label = new QLabel("Music Track:", this);
    label->setObjectName("Label1");
    m_musicCombo = new QComboBox(this);
    m_musicCombo->setObjectName("MusicCombo");
    m_musicCombo->setEditable(false);
    m_list = new QListWidget(this);
    m_list->setObjectName("List1");
    layout->addWidget(label, 0, 0);
    layout->addWidget(m_musicCombo, 0, 1);
    layout->addWidget(m_list, 1, 0, 1, 2);

    // The track list depends on the game only, so it is filled once, when created.
    const LevelTables tables = m_ed.tables();
    const int64_t tracks = std::min(tables.musicTrackCount(), kMaxTracks);
    for (int64_t i = 0; i < tracks; ++i) {
        const std::string name = musicTrackName(tables, static_cast<int>(i));
        m_musicCombo->addItem(QString::fromLatin1(name.data(), qsizetype(name.size())));
    }
    m_musicCombo->setCurrentIndex(-1); // none pre-selected
    resize(320, 220);
}

} // namespace orvane
