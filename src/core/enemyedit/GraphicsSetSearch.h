#pragma once

#include "core/level/Change.h"

namespace orvane {

struct Editor;

// The enemies of the current section as the search sees them: from the first slot whose
// screen is at or after the section's first screen to the slot before the first one at
// or after its end. The list is in screen order, so these are the section's enemies; a
// section without enemies gives first = the next section's first enemy (or the
// terminator) and last = first - 1. `first` is -1 when no slot qualifies (a list
// without terminator whose screens all lie before the section).
struct SectionEnemies {
    int first = -1;
    int last = -1;
};
SectionEnemies sectionEnemies(const Editor& ed);

// The graphics choice (mm3 set, mm4 effect) that the search picks for the current
// section. The candidates are every choice that the type of the section's first enemy
// fits (mm3) or every effect (mm4); each further enemy (in mm4 the first as well)
// narrows them to those that also support its type, unless none would, in which case
// that enemy is ignored. The pick is the first candidate after the current choice,
// wrapping to 0 after the highest, so repeated searches step through every fitting
// choice in turn; 0 when there is no candidate. mm5 has no choice: 0.
int findGraphicsChoice(const Editor& ed);

// FindGfxSet: writes the pick into the current section's choice and returns what that
// changed (the section's sprites in mm3, its effect in mm4). mm5 writes nothing and
// changes nothing.
Change FindGfxSet(Editor& ed);

} // namespace orvane
