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
    Maker maker;
};
constexpr Built kBuilt[] = {
    {WindowId::Config, make<Config>},     {WindowId::DumpRes, make<DumpRes>},
    {WindowId::MiscEd, make<MiscEd>},     {WindowId::TileTable, make<TileTable>},
    {WindowId::TSATable, make<TSATable>}, {WindowId::StrTable, make<StrTable>},
    {WindowId::ScreenEd, make<ScreenEd>}, {WindowId::EnemEd, make<EnemEd>},
    {WindowId::PalEd, make<PalEd>},       {WindowId::PalChart, make<PalChart>},
    {WindowId::LevelMap, make<LevelMap>},
};

Maker makerOf(WindowId id) {
    for (const Built& b : kBuilt)
        if (b.id == id) return b.maker;
    return nullptr;
}

} // namespace

ToolWindow* createToolWindow(WindowId id, Hub& hub, QWidget* parent) {
    const Maker maker = makerOf(id);
    return maker ? maker(hub, parent) : nullptr;
}

bool toolWindowIsBuilt(WindowId id) {
    return makerOf(id) != nullptr;
}

} // namespace orvane
