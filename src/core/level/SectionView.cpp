#include "core/level/SectionView.h"

#include "core/level/LevelTables.h"

namespace orvane {

SectionSpan sectionOfScreen(const LevelTables& tables, int screen) {
    int screens = 0; // screens of the used sections before s
    for (int s = 0; s < kMapSections; ++s) {
        const int b = tables.scrollEntry(s);
        if ((b >> 4) == 0) continue;
        const int length = (b & 15) + 1;
        if (screen >= screens && screen < screens + length) return {s, screens, screens + length};
        screens += length;
    }
    return {kMapSections, screens, screens + (tables.scrollEntry(kMapSections) & 15) + 1};
}

} // namespace orvane
