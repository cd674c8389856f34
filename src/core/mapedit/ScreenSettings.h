#pragma once

#include <cstdint>
#include <string>

namespace orvane {

struct Editor;

// The numbers the Screen Editor's fields edit besides the picture: the current screen,
// the preset the current screen shows, and the two settings of the current section,
// with their limits. Limits that damaged data would make negative collapse to 0.

// Highest screen number (P(16)) and highest preset number (P(17), at most 255: a preset
// number is one byte).
int screenLimit(const Editor& ed);
int presetLimit(const Editor& ed);

// The current screen for a typed value, clamped to 0..screenLimit.
int clampScreen(const Editor& ed, int64_t value);

// The preset byte of the current screen at P(7) + CurScrn.
int64_t presetPosition(const Editor& ed);
// Writes a typed preset, clamped to 0..presetLimit.
void setPreset(Editor& ed, int64_t value);
// Steps the preset by +1 or -1; false, changing nothing, at the limit in that direction.
bool stepPreset(Editor& ed, int delta);

// What the main window must do after a section setting was written.
enum class SettingFollowUp {
    None,
    SpritesThenScreen, // SprCHRPALSetup, then Update_Scrn (mm3 enemy graphics set)
    Palette,           // Update_BGPal(1, 1) (a background palette)
    EffectsThenScreen, // ScrollEffectLoad(CurSection), then Update_Scrn (mm4 PPU effect)
};

// One of the two settings of the current section (which = 0 first, 1 second) as the
// current game defines it. mm5 has neither: `present` is false.
struct SectionSetting {
    bool present = false;
    std::string caption;
    int64_t position = 0;
    int maxValue = 0;
    SettingFollowUp followUp = SettingFollowUp::None;
    // The setting that is the section's background palette, refreshed by Update_BGPal.
    bool isPalette = false;
};

SectionSetting sectionSetting(const Editor& ed, int which);

// Clamps `value` to the setting's limits and writes it. Returns the follow-up, None
// (and nothing written) when the game has no such setting.
SettingFollowUp writeSectionSetting(Editor& ed, int which, int64_t value);
// The stored value plus `delta`, clamped and written (so a spin button stops at both
// ends and never wraps).
SettingFollowUp stepSectionSetting(Editor& ed, int which, int delta);

} // namespace orvane
