#pragma once

#include <cstdint>
#include <vector>

namespace orvane {

struct Editor;

// What a scroll section chooses for the graphics of its enemies. In mm3 it names an
// enemy graphics set, which stands for two 1 KB CHR banks ("Bank 0" loaded as sprite
// tiles 80..BF, "Bank 1" as C0..FF) in a set table that every section shares; in mm4 it
// names a PPU effect, whose effect list loads the section's sprite tiles and which the
// resource data pairs with the enemy types it supports. mm5 sections choose nothing here.
// The edits below work on the current section (CurSection) and write through the ROM
// door; the caller reloads the sprites (SprCHRPALSetup in mm3, ScrollEffectLoad in mm4).

// Highest set (mm3) or effect (mm4) number; -1 when there is none (mm5, damaged data).
// A choice is stored in one byte, so it is never above 255.
int lastGraphicsChoice(const Editor& ed);
// The current section's set (mm3) or effect (mm4); 0 in mm5.
int graphicsChoice(const Editor& ed);

// mm3: bank `which` (0 or 1) of set g.
int graphicsSetBank(const Editor& ed, int g, int which);
// mm3: the Bank 0 and Bank 1 type t needs (0: any) and the further Bank 1 under which it
// is listed by number.
int neededBank(const Editor& ed, int t, int which);
int alternativeBank1(const Editor& ed, int t);
// mm3: type t fits set g when each bank it needs is 0 or that bank of the set.
bool typeFitsSet(const Editor& ed, int t, int g);
// mm4: the types effect e supports, in list order, up to the end mark 255 (a value that
// is no type ends the list as well) and at most 256. Empty above the highest effect.
std::vector<int> effectTypes(const Editor& ed, int e);

// mm3: the current section's set, kept to 8 bits.
void setGraphicsSet(Editor& ed, int64_t value);
// mm3: the set stepped by +1 or -1; false, changing nothing, at 0 or 255.
bool stepGraphicsSet(Editor& ed, int delta);
// mm3: bank `which` of the current section's set, in the shared table, so every section
// that uses the set changes with it.
void setGraphicsSetBank(Editor& ed, int which, int64_t value);
bool stepGraphicsSetBank(Editor& ed, int which, int delta);
// mm4: the current section's effect, limited to 0..the highest.
void setSectionEffect(Editor& ed, int64_t value);
// mm4: the effect stepped and limited the same way; false when the byte stays.
bool stepSectionEffect(Editor& ed, int delta);

} // namespace orvane
