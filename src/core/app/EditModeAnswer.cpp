#include "core/app/EditModeAnswer.h"

#include <cctype>

namespace orvane {

int editModeFromAnswer(const std::string& answer) {
    std::string lower;
    for (char c : answer)
        lower.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
    if (lower == "mm4") return 1;
    if (lower == "mm5") return 2;
    return 0;
}

} // namespace orvane
