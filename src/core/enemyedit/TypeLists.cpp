#include "core/enemyedit/TypeLists.h"

#include "core/app/Editor.h"
#include "core/enemyedit/EnemyNames.h"
#include "core/enemyedit/GraphicsSets.h"
#include "core/resdata/HexVal.h"

namespace orvane {

namespace {

constexpr int kMM3ListedTypes = 144; // the types 0..8F that mm3's bank tables cover

TypeItem named(const Editor& ed, int type) {
    return {type, hexString(type) + ": " + enemyTypeName(ed, type)};
}

std::vector<TypeItem> mm3Items(const Editor& ed) {
    std::vector<TypeItem> items;
    const LevelTables tables = ed.tables();
    const int g = graphicsChoice(ed);
    for (int t = 0; t < kMM3ListedTypes; ++t) {
        const bool needsBank = neededBank(tables, t, 0) != 0 || neededBank(tables, t, 1) != 0;
        if (needsBank && typeFitsSet(tables, t, g)) items.push_back(named(ed, t));
        if (alternativeBank1(tables, t) == tables.graphicsSetBank(g, 1))
            items.push_back({t, hexString(t)});
    }
    return items;
}

} // namespace

std::vector<TypeItem> gfxEnemyItems(const Editor& ed) {
    if (ed.EditMode == kMM3) return mm3Items(ed);
    std::vector<TypeItem> items;
    if (ed.EditMode == kMM4)
        for (int t : effectTypes(ed.tables(), graphicsChoice(ed)))
            items.push_back(named(ed, t));
    return items;
}

TypeItem favouriteItem(const Editor& ed, int type) {
    if (type <= ed.tables().lastNamedEnemy()) return named(ed, type);
    return {type, hexString(type)};
}

} // namespace orvane
