#pragma once

#include <string>

namespace orvane {

struct Editor;

// The name of enemy type `type` in the current game, from the resource data's enemy name
// slot of that game, which holds per type the value index where its name starts. Types
// above the last named enemy have no name: the text is empty.
std::string enemyTypeName(const Editor& ed, int type);

} // namespace orvane
