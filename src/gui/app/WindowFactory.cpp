#include "gui/app/WindowFactory.h"

#include "gui/app/Config.h"
#include "gui/enemyedit/EnemEd.h"
#include "gui/level/MiscEd.h"
#include "gui/mapedit/LevelMap.h"
#include "gui/mapedit/ScreenEd.h"
#include "gui/mapedit/StrTable.h"
#include "gui/mapedit/TSATable.h"
#include "gui/render/PalChart.h"
#include "gui/render/PalEd.h"
#include "gui/render/TileTable.h"
#include "gui/resdata/DumpRes.h"

namespace orvane {

ToolWindow* createToolWindow(WindowId id, Hub& hub, QWidget* parent) {
    switch (id) {
    case WindowId::Config:
        return new Config(hub, parent);
    case WindowId::DumpRes:
        return new DumpRes(hub, parent);
    case WindowId::MiscEd:
        return new MiscEd(hub, parent);
    case WindowId::TileTable:
        return new TileTable(hub, parent);
    case WindowId::TSATable:
        return new TSATable(hub, parent);
    case WindowId::StrTable:
        return new StrTable(hub, parent);
    case WindowId::ScreenEd:
        return new ScreenEd(hub, parent);
    case WindowId::EnemEd:
        return new EnemEd(hub, parent);
    case WindowId::PalEd:
        return new PalEd(hub, parent);
    case WindowId::PalChart:
        return new PalChart(hub, parent);
    case WindowId::LevelMap:
        return new LevelMap(hub, parent);
    default:
        return nullptr;
    }
}

bool toolWindowIsBuilt(WindowId id) {
    switch (id) {
    case WindowId::Config:
    case WindowId::DumpRes:
    case WindowId::TileTable:
    case WindowId::TSATable:
    case WindowId::StrTable:
    case WindowId::ScreenEd:
    case WindowId::EnemEd:
    case WindowId::MiscEd:
    case WindowId::PalEd:
    case WindowId::PalChart:
    case WindowId::LevelMap:
        return true;
    default:
        return false;
    }
}

} // namespace orvane
