#pragma once

#include <cstdint>
#include <vector>

#include "core/level/Change.h"

namespace orvane {

struct Editor;
class LevelTables;

// What a scroll section chooses for the graphics of its enemies. In mm3 it names an
// enemy graphics set, which stands for two 1 KB CHR banks ("Bank 0" loaded as sprite
// tiles 80..BF, "Bank 1" as C0..FF) in a set table that every section shares; in mm4 it
// names a PPU effect, whose effect list loads the section's sprite tiles and which the
// resource data pairs with the enemy types it supports. mm5 sections choose nothing here.
// The edits below work on the current section (CurSection), write through the ROM door
// and return what changed: the section's sprites (mm3) or its effect (mm4), so the hub
// reloads them (SprCHRPALSetup, ScrollEffectLoad) before the screen refresh.

// Highest set (mm3) or effect (mm4) number; -1 when there is none (mm5, damaged data).
// A choice is stored in one byte, so it is never above 255.
int lastGraphicsChoice(const LevelTables& tables);
// The current section's set (mm3) or effect (mm4); 0 in mm5.
int graphicsChoice(const Editor& ed);

// mm3: the Bank 0 and Bank 1 type t needs (0: any) and the further Bank 1 under which it
// is listed by number.
int neededBank(const LevelTables& tables, int t, int which);
int alternativeBank1(const LevelTables& tables, int t);
// mm3: type t fits set g when each bank it needs is 0 or that bank of the set.
bool typeFitsSet(const LevelTables& tables, int t, int g);
// mm4: the types effect e supports, in list order, up to the end mark 255 (a value that
// is no type ends the list as well) and at most 256. Empty above the highest effect.
std::vector<int> effectTypes(const LevelTables& tables, int e);

// mm3: the current section's set, kept to 8 bits.
Change setGraphicsSet(Editor& ed, int64_t value);
// mm3: the set stepped by +1 or -1; nothing changes at 0 or 255.
Change stepGraphicsSet(Editor& ed, int delta);
// mm3: bank `which` of the current section's set, in the shared table, so every section
// that uses the set changes with it.
Change setCurrentSetBank(Editor& ed, int which, int64_t value);
Change stepCurrentSetBank(Editor& ed, int which, int delta);
// mm4: the current section's effect, limited to 0..the highest.
Change setSectionEffect(Editor& ed, int64_t value);
// mm4: the effect stepped and limited the same way; nothing changes when the byte stays.
Change stepSectionEffect(Editor& ed, int delta);

} // namespace orvane
