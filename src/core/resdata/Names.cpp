#include "core/resdata/Names.h"

#include "core/level/LevelTables.h"
#include "core/resdata/ResString.h"

namespace orvane {

std::string blockTypeName(const LevelTables& tables, int type) {
    return ResString(tables.res(), tables.gameResource(ResSlot::BlockTypeNames, type));
}

std::string musicTrackName(const LevelTables& tables, int track) {
    return ResString(tables.res(), tables.gameResource(ResSlot::MusicNames, track));
}

} // namespace orvane
