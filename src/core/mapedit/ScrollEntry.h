#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/level/Change.h"

namespace orvane {

struct Document;
class LevelTables;
struct ScreenView;

// A scroll section as the detailed scroll editing shows and edits it: its
// scroll-map byte read as a type and a screen length in the game's own format (mm3, mm4:
// high and low nibble; mm5: top three bits and low five bits). Edits wrap inside their
// bit field and never touch the other bits.

int scrollTypeOf(int editMode, int b);
int scrollLengthOf(int editMode, int b);
int withScrollType(int editMode, int b, int type);     // type taken modulo its field
int withScrollLength(int editMode, int b, int length); // length taken modulo its field

// The fields' texts: the type in hexadecimal (mm3, mm4) or decimal (mm5), the length in
// decimal.
std::string scrollTypeText(int editMode, int b);
std::string scrollLengthText(int editMode, int b);

// Reading what the user typed into the type and length fields: the type through HexVal
// (mm3, mm4) or as a whole number (mm5), the length as a whole number.
int typedScrollType(int editMode, std::string_view text);
int typedScrollLength(std::string_view text);

// A decimal text read from its leading number ("12abc" is 12, "2.5" rounds to the
// nearest even whole number, text without a leading number is 0), then wrapped to its
// low `bits` bits, so any length of digits is read without overflow.
int leadingWholeNumberBits(std::string_view text, int bits);

// Detailed-mode edits of a section's byte. A new type moves no screen into another
// section (nothing for other windows to follow); a new length does (the screen).
Change setScrollType(Document& doc, int section, int type);
Change stepScrollType(Document& doc, int section, int delta);
Change setScrollLength(Document& doc, int section, int length);
Change stepScrollLength(Document& doc, int section, int delta);

// The name of scroll type `type` from the resource data (one list for mm3 and mm4, one
// for mm5), and the summary "(name x screens)" of a section.
std::string scrollTypeName(const LevelTables& tables, int type);
std::string scrollSummary(const LevelTables& tables, int section);

// What the simple mode shows for the screen on view: the direction it is left in (right
// unless it is the last screen of its section, where the section types decide), and
// whether a new section starts at it after a right run.
int shownDirection(const LevelTables& tables, const ScreenView& view);
bool shownSplit(const LevelTables& tables, const ScreenView& view);

} // namespace orvane
