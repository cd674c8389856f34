#include "core/mapedit/ScreenSettings.h"

#include <algorithm>

#include "core/level/Document.h"

namespace orvane {

namespace {

// A clamp that cannot be handed an empty range: damaged limits collapse to `lo`.
int64_t clampTo(int64_t value, int64_t lo, int64_t hi) {
    return std::max(lo, std::min(value, hi));
}

int byteLimit(int64_t limit) {
    return static_cast<int>(clampTo(limit, 0, 255));
}

} // namespace

int screenLimit(const LevelTables& tables) {
    return static_cast<int>(clampTo(tables.lastScreen(), 0, 0xFFFF));
}

int presetLimit(const LevelTables& tables) {
    return byteLimit(tables.lastLayout());
}

int clampScreen(const LevelTables& tables, int64_t value) {
    return static_cast<int>(clampTo(value, 0, screenLimit(tables)));
}

Change typePreset(Document& doc, int screen, int64_t value) {
    setScreenPreset(doc, screen, static_cast<int>(clampTo(value, 0, presetLimit(doc.tables()))));
    return Change::screen();
}

Change stepPreset(Document& doc, int screen, int delta) {
    const LevelTables tables = doc.tables();
    const int current = tables.screenPreset(screen);
    if (delta > 0 && current < presetLimit(tables)) {
        setScreenPreset(doc, screen, current + 1);
        return Change::screen();
    }
    if (delta < 0 && current > 0) {
        setScreenPreset(doc, screen, current - 1);
        return Change::screen();
    }
    return Change::nothing();
}

SectionSetting sectionSetting(const LevelTables& tables, int section, int which) {
    SectionSetting setting;
    switch (tables.game()) {
    case kMM3:
        setting.present = true;
        if (which == 0) {
            setting.caption = "Enemy GFX Set";
            setting.maxValue = byteLimit(tables.further(Further::MM3LastGraphicsSet));
            setting.change = Change::sectionSprites();
        } else {
            setting.caption = "BG Palette";
            setting.maxValue = byteLimit(tables.lastPalette());
            setting.change = Change::backgroundPalette();
            setting.isPalette = true;
        }
        break;
    case kMM4:
        setting.present = true;
        if (which == 0) {
            setting.caption = "BG Palette";
            setting.maxValue = byteLimit(tables.lastPalette());
            setting.change = Change::backgroundPalette();
            setting.isPalette = true;
        } else {
            setting.caption = "PPU Effect";
            setting.maxValue = byteLimit(tables.further(Further::MM4LastEffect));
            setting.change = Change::sectionEffects(section);
        }
        break;
    default:
        break; // mm5 edits neither here
    }
    return setting;
}

Change writeSectionSetting(Document& doc, int section, int which, int64_t value) {
    const SectionSetting setting = sectionSetting(doc.tables(), section, which);
    if (!setting.present) return Change::nothing();
    setSectionSetting(doc, section, which, static_cast<int>(clampTo(value, 0, setting.maxValue)));
    return setting.change;
}

Change stepSectionSetting(Document& doc, int section, int which, int delta) {
    const int stored = doc.tables().sectionSetting(section, which);
    return writeSectionSetting(doc, section, which, int64_t{stored} + delta);
}

} // namespace orvane
