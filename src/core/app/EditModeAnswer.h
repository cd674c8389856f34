#pragma once

#include <string>

namespace orvane {

// The editing mode for the start-up answer: "mm3", "mm4" or "mm5" in any case give
// 0, 1, 2; anything else (empty, Cancel) gives 0.
int editModeFromAnswer(const std::string& answer);

} // namespace orvane
