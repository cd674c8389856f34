#include "core/enemyedit/EnemyNames.h"

#include "core/app/Editor.h"
#include "core/resdata/ResString.h"

namespace orvane {

std::string enemyTypeName(const Editor& ed, int type) {
    const LevelTables tables = ed.tables();
    if (type < 0 || type > tables.lastNamedEnemy()) return {};
    return ResString(*ed.Res, tables.gameResource(ResSlot::EnemyNames, type));
}

} // namespace orvane
