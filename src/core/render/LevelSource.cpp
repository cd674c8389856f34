#include "core/render/LevelSource.h"

#include "core/app/Editor.h"

namespace orvane {

LevelSource currentLevelSource(const Editor& ed) {
    return {ed.tables(), ed.TileAddr};
}

} // namespace orvane
