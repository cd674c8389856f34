#pragma once

namespace orvane {

struct Editor;

// The scroll section that holds the current screen, found by walking the 24-byte scroll
// map at P(8). A section byte whose high nibble is 0 is unused: it is skipped and counts
// no screens. Returns the section index, or 24 when no used section holds CurScrn;
// `sectionStart` becomes the first screen of that section, or, for 24, the total number
// of screens of all used sections.
int findSection(const Editor& ed, int& sectionStart);

// Which effect list mm4 must apply when the current screen now lies in `section`. The
// list is loaded only on a section change, so moving between the screens of one section
// keeps whatever tiles and sprite colours an editor set up meanwhile.
enum class EffectReload { None, Initial, Section };
EffectReload effectReloadFor(const Editor& ed, int section);

// Applies effectReloadFor: InitEffectLoad for section 0, ScrollEffectLoad(section) for
// any other. Returns true when a list was applied; the caller then copies the colour
// table into the bitmaps (Update_Global_Pal), since the sprite colours may have changed.
// Run it before enterSection, which overwrites the previous CurSection it compares with.
bool loadSectionEffects(Editor& ed, int section);

// Makes `section` current: CurSection, SectionStart and SectionEnd (one past the last
// screen: sectionStart + the section's low nibble + 1). For section 24 the low nibble is
// that of the byte just past the map, as the games' own walk reads it.
void enterSection(Editor& ed, int section, int sectionStart);

// The section part of a screen refresh (the main window's Update_Scrn before it refreshes
// the windows and reloads the background palette): the section that holds CurScrn, mm4's
// effect list when the section changed, the section made current, its sprite tiles and
// colours. Returns whether an effect list was applied. Copies no colour into the bitmaps.
bool enterCurrentScreen(Editor& ed);

} // namespace orvane
