#pragma once

namespace orvane {

// What one edit changed, as the core's edit functions report it: the main window picks
// the refresh that follows from it, so a window turns a gesture into one core call and
// hands the result on.
struct Change {
    enum class Kind {
        Nothing,           // written, but nothing another window shows depends on it
        Block,             // a block's tiles or palette: `a` the block
        StructureQuarter,  // `a` the structure, `b` the quarter that now holds another block
        ScreenCell,        // cell (`a` row, `b` column) of the current screen's layout
        Screen,            // what the current screen shows, or the sections around it
        SectionSprites,    // the section's enemy graphics set: sprites, then the screen
        BackgroundPalette, // the section's palette record or its animation bytes: load the
                           // palette again and restart the animations
        Colours,           // colour slots rewritten in place: show them, reload nothing
        SectionEffects,    // mm4: the effect number of section `a`, then the screen
    };
    Kind kind = Kind::Nothing;
    int a = 0;
    int b = 0;

    static Change nothing() { return {}; }
    static Change block(int block) { return {Kind::Block, block, 0}; }
    static Change structureQuarter(int str, int quarter) {
        return {Kind::StructureQuarter, str, quarter};
    }
    static Change screenCell(int row, int col) { return {Kind::ScreenCell, row, col}; }
    static Change screen() { return {Kind::Screen, 0, 0}; }
    static Change sectionSprites() { return {Kind::SectionSprites, 0, 0}; }
    static Change backgroundPalette() { return {Kind::BackgroundPalette, 0, 0}; }
    static Change colours() { return {Kind::Colours, 0, 0}; }
    static Change sectionEffects(int section) { return {Kind::SectionEffects, section, 0}; }

    bool operator==(const Change&) const = default;
    // Whether the hub has anything to refresh: an edit that wrote nothing, or nothing
    // that is shown, says no.
    explicit operator bool() const { return kind != Kind::Nothing; }
};

} // namespace orvane
