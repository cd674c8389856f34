#pragma once

#include <QString>
#include <optional>

namespace orvane {

// Answers to the start-up questions given on the command line; each one given
// replaces its question box.
struct StartupOptions {
    std::optional<QString> mode; // "mm3", "mm4" or "mm5"
    std::optional<QString> rom;  // path of the ROM file
    std::optional<QString> home; // folder used in place of the program's own
};

} // namespace orvane
