#include "core/mapedit/ScrollEntry.h"

#include "core/app/Editor.h"
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

int64_t scrollEntryPosition(const Editor& ed) {
    return ed.P(8) + ed.CurSection;
}

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

int setCurrentScrollType(Editor& ed, int type) {
    const int64_t pos = scrollEntryPosition(ed);
    const int b = withScrollType(ed.EditMode, ed.byte(pos), type);
    ed.setByte(pos, b);
    return b;
}

int stepCurrentScrollType(Editor& ed, int delta) {
    return setCurrentScrollType(ed, scrollTypeOf(ed.EditMode, ed.byte(scrollEntryPosition(ed))) +
                                        delta);
}

int setCurrentScrollLength(Editor& ed, int length) {
    const int64_t pos = scrollEntryPosition(ed);
    const int b = withScrollLength(ed.EditMode, ed.byte(pos), length);
    ed.setByte(pos, b);
    return b;
}

int stepCurrentScrollLength(Editor& ed, int delta) {
    return setCurrentScrollLength(
        ed, scrollLengthOf(ed.EditMode, ed.byte(scrollEntryPosition(ed))) + delta);
}

std::string scrollTypeName(const Editor& ed, int type) {
    const int slot = ed.EditMode == kMM5 ? 22 : 21;
    return ResString(*ed.Res, ed.R(slot, type));
}

std::string scrollSummary(const Editor& ed) {
    const int b = ed.byte(scrollEntryPosition(ed));
    return "(" + scrollTypeName(ed, scrollTypeOf(ed.EditMode, b)) + " x " +
           std::to_string(scrollLengthOf(ed.EditMode, b) + 1) + ")";
}

int shownDirection(const Editor& ed) {
    if (ed.CurScrn != ed.SectionEnd - 1) return kDirRight;
    const ScrollFormat fmt = scrollFormat(ed.EditMode);
    const int64_t pos = scrollEntryPosition(ed);
    const int b = ed.byte(pos);
    return directionAfter(fmt.flagsOf(b), fmt.flagsOf(ed.byte(pos + 1)), fmt.lengthOf(b), kDirUp);
}

bool shownSplit(const Editor& ed) {
    if (ed.CurScrn != ed.SectionStart) return false;
    const ScrollFormat fmt = scrollFormat(ed.EditMode);
    const int64_t pos = scrollEntryPosition(ed);
    const int flags = fmt.flagsOf(ed.byte(pos));
    const int previous = ed.CurSection > 0 ? fmt.flagsOf(ed.byte(pos - 1)) : 0;
    return (flags == 2 && isRightRun(previous)) || ((flags == 4 || flags == 8) && previous == 10);
}

} // namespace orvane
