#pragma once

namespace orvane {

class LevelTables;

// Where a screen lies in the scroll map: its section, the section's first screen and one
// past its last.
struct SectionSpan {
    int section = 0;
    int start = 0;
    int end = 0;
    bool operator==(const SectionSpan&) const = default;
};

constexpr int kMapSections = 24; // sections the section walk looks at

// The section that holds `screen`, found by walking the first 24 bytes of the scroll
// map. A section byte whose high nibble is 0 is unused: it is skipped and counts no
// screens. When no used section holds the screen, the section is 24 and the start the
// total number of screens of all used sections; the end is then taken from the byte just
// past the map, as the games' own walk reads it.
SectionSpan sectionOfScreen(const LevelTables& tables, int screen);

// The screen the editor shows and the section it lay in at the last screen refresh
// (Update_Scrn computes the section with sectionOfScreen; edits in between do not move
// it), and the current enemy, whose screen becomes the one shown when it is chosen.
struct ScreenView {
    int CurScrn = 0;
    int CurEnemy = 0;
    int CurSection = 0;
    int SectionStart = 0;
    int SectionEnd = 0;

    void enterSection(const SectionSpan& span) {
        CurSection = span.section;
        SectionStart = span.start;
        SectionEnd = span.end;
    }
};

} // namespace orvane
