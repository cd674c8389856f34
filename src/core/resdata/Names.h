#pragma once

#include <string>

namespace orvane {

class LevelTables;

// Names the resource data gives the current game's things.
std::string blockTypeName(const LevelTables& tables, int type);   // 0..15
std::string musicTrackName(const LevelTables& tables, int track); // 0..music tracks - 1

} // namespace orvane
