#include "core/mapedit/ScreenSettings.h"

#include <algorithm>

#include "core/app/Editor.h"

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

int screenLimit(const Editor& ed) {
    return static_cast<int>(clampTo(ed.P(16), 0, 0xFFFF));
}

int presetLimit(const Editor& ed) {
    return byteLimit(ed.P(17));
}

int clampScreen(const Editor& ed, int64_t value) {
    return static_cast<int>(clampTo(value, 0, screenLimit(ed)));
}

int64_t presetPosition(const Editor& ed) {
    return ed.P(7) + ed.CurScrn;
}

void setPreset(Editor& ed, int64_t value) {
    ed.setByte(presetPosition(ed), static_cast<int>(clampTo(value, 0, presetLimit(ed))));
}

bool stepPreset(Editor& ed, int delta) {
    const int64_t pos = presetPosition(ed);
    const int current = ed.byte(pos);
    if (delta > 0 && current < presetLimit(ed)) {
        ed.setByte(pos, current + 1);
        return true;
    }
    if (delta < 0 && current > 0) {
        ed.setByte(pos, current - 1);
        return true;
    }
    return false;
}

SectionSetting sectionSetting(const Editor& ed, int which) {
    const int s = ed.CurSection;
    SectionSetting setting;
    switch (ed.EditMode) {
    case kMM3:
        setting.present = true;
        if (which == 0) {
            setting.caption = "Enemy GFX Set";
            setting.position = ed.P(9) + 2 * s;
            setting.maxValue = byteLimit(ed.R(10, 1));
            setting.followUp = SettingFollowUp::SpritesThenScreen;
        } else {
            setting.caption = "BG Palette";
            setting.position = ed.P(9) + 2 * s + 1;
            setting.maxValue = byteLimit(ed.P(18));
            setting.followUp = SettingFollowUp::Palette;
            setting.isPalette = true;
        }
        break;
    case kMM4:
        setting.present = true;
        if (which == 0) {
            setting.caption = "BG Palette";
            setting.position = ed.P(9) + s;
            setting.maxValue = byteLimit(ed.P(18));
            setting.followUp = SettingFollowUp::Palette;
            setting.isPalette = true;
        } else {
            setting.caption = "PPU Effect";
            setting.position = ed.P(10) + s;
            setting.maxValue = byteLimit(ed.R(10, 11));
            setting.followUp = SettingFollowUp::EffectsThenScreen;
        }
        break;
    default:
        break; // mm5 edits neither here
    }
    return setting;
}

SettingFollowUp writeSectionSetting(Editor& ed, int which, int64_t value) {
    const SectionSetting setting = sectionSetting(ed, which);
    if (!setting.present) return SettingFollowUp::None;
    ed.setByte(setting.position, static_cast<int>(clampTo(value, 0, setting.maxValue)));
    return setting.followUp;
}

SettingFollowUp stepSectionSetting(Editor& ed, int which, int delta) {
    const SectionSetting setting = sectionSetting(ed, which);
    if (!setting.present) return SettingFollowUp::None;
    return writeSectionSetting(ed, which, int64_t{ed.byte(setting.position)} + delta);
}

} // namespace orvane
