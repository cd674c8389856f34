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

namespace {

using Maker = ToolWindow* (*)(Hub&, QWidget*);

template <class W> ToolWindow* make(Hub& hub, QWidget* parent) {
    return new W(hub, parent);
}

// The windows this build has.
struct Built {
    WindowId id;
    const char* name;
    Maker maker;
};
constexpr Built kBuilt[] = {
    {WindowId::Config, "Config", make<Config>},
    {WindowId::DumpRes, "DumpRes", make<DumpRes>},
    {WindowId::MiscEd, "MiscEd", make<MiscEd>},
    {WindowId::TileTable, "TileTable", make<TileTable>},
    {WindowId::TSATable, "TSATable", make<TSATable>},
    {WindowId::StrTable, "StrTable", make<StrTable>},
    {WindowId::ScreenEd, "ScreenEd", make<ScreenEd>},
    {WindowId::EnemEd, "EnemEd", make<EnemEd>},
    {WindowId::PalEd, "PalEd", make<PalEd>},
    {WindowId::PalChart, "PalChart", make<PalChart>},
    {WindowId::LevelMap, "LevelMap", make<LevelMap>},
};

const Built* builtOf(WindowId id) {
    for (const Built& b : kBuilt)
        if (b.id == id) return &b;
    return nullptr;
}

Maker makerOf(WindowId id) {
    const Built* b = builtOf(id);
    return b ? b->maker : nullptr;
}

} // namespace

ToolWindow* createToolWindow(WindowId id, Hub& hub, QWidget* parent) {
    const Maker maker = makerOf(id);
    return maker ? maker(hub, parent) : nullptr;
}

const char* toolWindowName(WindowId id) {
    const Built* b = builtOf(id);
    return b ? b->name : "";
}

bool toolWindowIsBuilt(WindowId id) {
    return makerOf(id) != nullptr;
}

} // namespace orvane
