#include "core/mapedit/ScrollEntry.h"

#include "core/level/Document.h"
#include "core/level/SectionView.h"
#include "core/mapedit/ScrollMap.h"
#include "core/resdata/HexVal.h"
#include "core/resdata/ResString.h"

namespace orvane {

namespace {

// Where the type field sits: above the length, up to bit 7.
int typeShift(int editMode) {
    return scrollFormat(editMode).lengthBits;
}
int typeMask(int editMode) {
    return 0xFF >> typeShift(editMode);
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

int scrollTypeOf(int editMode, int b) {
    return (b & 0xFF) >> typeShift(editMode);
}

int scrollLengthOf(int editMode, int b) {
    return scrollFormat(editMode).lengthOf(b);
}

int withScrollType(int editMode, int b, int type) {
    const int shift = typeShift(editMode);
    return ((type & typeMask(editMode)) << shift) | scrollLengthOf(editMode, b);
}

int withScrollLength(int editMode, int b, int length) {
    const ScrollFormat fmt = scrollFormat(editMode);
    return (b & 0xFF & ~fmt.lengthMask()) | (length & fmt.lengthMask());
}

std::string scrollTypeText(int editMode, int b) {
    const int type = scrollTypeOf(editMode, b);
    return editMode == kMM5 ? std::to_string(type) : hexString(type);
}

std::string scrollLengthText(int editMode, int b) {
    return std::to_string(scrollLengthOf(editMode, b));
}

int leadingWholeNumberBits(std::string_view text, int bits) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    // Unsigned arithmetic wraps, and wrapping keeps the low bits exact: that is all the
    // caller keeps, so a text of any length reads without overflow.
    uint32_t whole = 0;
    for (; i < text.size() && isDigit(text[i]); ++i)
        whole = whole * 10u + static_cast<uint32_t>(text[i] - '0');
    if (i < text.size() && text[i] == '.' && i + 1 < text.size() && isDigit(text[i + 1])) {
        // Round to the nearest whole number, a half to the even one.
        const int first = text[++i] - '0';
        bool beyondHalf = false;
        for (++i; i < text.size() && isDigit(text[i]); ++i)
            beyondHalf = beyondHalf || text[i] != '0';
        if (first > 5 || (first == 5 && (beyondHalf || (whole & 1u)))) ++whole;
    }
    const uint32_t value = negative ? 0u - whole : whole;
    return static_cast<int>(value & ((1u << bits) - 1u));
}

int typedScrollType(int editMode, std::string_view text) {
    if (editMode == kMM5) return leadingWholeNumberBits(text, 8 - typeShift(editMode));
    return HexVal(text) & typeMask(editMode);
}

int typedScrollLength(std::string_view text) {
    // Five bits cover both formats; the caller's field mask takes what it needs.
    return leadingWholeNumberBits(text, 5);
}

namespace {
// Rewrites one field of a section's entry and reports what that moves: a new length moves
// screens into other sections, a new type does not.
Change rewriteEntry(Document& doc, int section, int (*with)(int, int, int), int value,
                    Change change) {
    setScrollEntry(doc, section, with(doc.EditMode, doc.tables().scrollEntry(section), value));
    return change;
}
} // namespace

Change setScrollType(Document& doc, int section, int type) {
    return rewriteEntry(doc, section, withScrollType, type, Change::nothing());
}

Change stepScrollType(Document& doc, int section, int delta) {
    const int b = doc.tables().scrollEntry(section);
    return setScrollType(doc, section, scrollTypeOf(doc.EditMode, b) + delta);
}

Change setScrollLength(Document& doc, int section, int length) {
    return rewriteEntry(doc, section, withScrollLength, length, Change::screen());
}

Change stepScrollLength(Document& doc, int section, int delta) {
    const int b = doc.tables().scrollEntry(section);
    return setScrollLength(doc, section, scrollLengthOf(doc.EditMode, b) + delta);
}

std::string scrollTypeName(const LevelTables& tables, int type) {
    const ResSlot slot =
        tables.game() == kMM5 ? ResSlot::MM5ScrollTypeNames : ResSlot::ScrollTypeNames;
    return ResString(tables.res(), tables.resource(slot, type));
}

std::string scrollSummary(const LevelTables& tables, int section) {
    const int b = tables.scrollEntry(section);
    const int mode = tables.game();
    std::string summary = "(";
    summary += scrollTypeName(tables, scrollTypeOf(mode, b));
    summary += " x ";
    summary += std::to_string(scrollLengthOf(mode, b) + 1);
    summary += ")";
    return summary;
}

int shownDirection(const LevelTables& tables, const ScreenView& view) {
    if (view.CurScrn != view.SectionEnd - 1) return kDirRight;
    const ScrollFormat fmt = scrollFormat(tables.game());
    const int b = tables.scrollEntry(view.CurSection);
    return directionAfter(fmt.flagsOf(b), fmt.flagsOf(tables.scrollEntry(view.CurSection + 1)),
                          fmt.lengthOf(b), kDirUp);
}

bool shownSplit(const LevelTables& tables, const ScreenView& view) {
    if (view.CurScrn != view.SectionStart) return false;
    const ScrollFormat fmt = scrollFormat(tables.game());
    const int flags = fmt.flagsOf(tables.scrollEntry(view.CurSection));
    const int previous =
        view.CurSection > 0 ? fmt.flagsOf(tables.scrollEntry(view.CurSection - 1)) : 0;
    return (flags == 2 && isRightRun(previous)) || ((flags == 4 || flags == 8) && previous == 10);
}

} // namespace orvane
