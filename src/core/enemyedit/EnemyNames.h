#pragma once

#include <string>

namespace orvane {

struct Editor;

// The name of enemy type `type` in the current game, from the resource data's name
// section of that game (18 mm3, 19 mm4, 20 mm5), which holds per type the value index
// where its name starts. Types above P(58) have no name: the text is empty.
std::string enemyTypeName(const Editor& ed, int type);

} // namespace orvane
