#pragma once

#include <cstdint>
#include <string>

#include "core/level/Change.h"

namespace orvane {

struct Document;
class LevelTables;

// The numbers a screen's fields edit besides its picture: the current screen,
// the preset a screen shows, and the two settings of a section, with their limits.
// Limits that damaged data would make negative collapse to 0.

// Highest screen number and highest preset number (at most 255: a preset is one byte).
int screenLimit(const LevelTables& tables);
int presetLimit(const LevelTables& tables);

// The current screen for a typed value, clamped to 0..screenLimit.
int clampScreen(const LevelTables& tables, int64_t value);

// A typed preset for screen `screen`, clamped to 0..presetLimit; the screen changes.
Change typePreset(Document& doc, int screen, int64_t value);
// The preset stepped by +1 or -1; at the limit in that direction nothing is written and
// nothing changes.
Change stepPreset(Document& doc, int screen, int delta);

// One of the two settings of a section (which = 0 first, 1 second) as a screen's fields
// edit it in the current game; mm5 has neither there: `present` is false.
struct SectionSetting {
    bool present = false;
    std::string caption;
    int maxValue = 0;
    // What a written value changes: mm3's graphics set the section's sprites, a
    // background palette the colours, mm4's effect number the effect list.
    Change change;
    // The setting that is the section's background palette, refreshed by Update_BGPal.
    bool isPalette = false;
};

SectionSetting sectionSetting(const LevelTables& tables, int section, int which);

// Clamps `value` to the setting's limits and writes it; nothing when the game has no such
// setting.
Change writeSectionSetting(Document& doc, int section, int which, int64_t value);
// The stored value plus `delta`, clamped and written (so a spin button stops at both
// ends and never wraps).
Change stepSectionSetting(Document& doc, int section, int which, int delta);

} // namespace orvane
