#include "core/enemyedit/EnemyNames.h"

#include "core/app/Editor.h"
#include "core/resdata/ResString.h"

namespace orvane {

namespace {
constexpr int kNameSection = 18; // + EditMode
constexpr int kLastNamedParam = 58;
} // namespace

std::string enemyTypeName(const Editor& ed, int type) {
    if (type < 0 || type > ed.P(kLastNamedParam)) return {};
    return ResString(*ed.Res, ed.R(kNameSection + ed.EditMode, type));
}

} // namespace orvane
