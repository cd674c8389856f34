#pragma once

#include <cstdint>
#include <optional>

namespace orvane {

struct Editor;

// The Enemy Editor's edits of the enemy list, one call per gesture. Each writes through
// the ROM door and says what changed, so the window knows what to redraw: a change of
// the current screen (CurScrn) is followed by the main window's screen refresh, any
// other change by redrawing the screen's enemies. Enemy numbers outside the list's slots
// change nothing.

enum class EnemyField { Screen, X, Y, Type };
constexpr int kEnemyFields = 4;

int enemyField(const Editor& ed, int n, EnemyField field);
// Writes a typed value, kept to its low 8 bits.
void setEnemyField(Editor& ed, int n, EnemyField field, int64_t value);
// Adds `delta` unless the result would leave 0..255; false when nothing changed.
bool stepEnemyField(Editor& ed, int n, EnemyField field, int delta);

// Makes the screen of enemy `n` the current screen. True when CurScrn changed.
bool followEnemyScreen(Editor& ed, int n);

// Makes enemy `n` the current enemy (CurEnemy), limited to 0..the last slot, and its
// screen the current one. True when CurScrn changed.
bool selectEnemy(Editor& ed, int64_t n);
// Steps CurEnemy by +1 or -1 within the slots, then follows its screen as selectEnemy does.
bool stepSelectedEnemy(Editor& ed, int delta);

// The first enemy of `screen` (in list order) within 8 pixels of (x, y) both ways.
std::optional<int> enemyNear(const Editor& ed, int screen, int x, int y);

// Left press: enemy `n` goes to (x, y), each limited to 0..255, on the current screen.
void placeEnemy(Editor& ed, int n, int x, int y);
// Right press: X and Y of enemy `n` to the nearest multiple of 4 (a remainder of 2 goes
// up; 254 and 255 keep 252, which is as far up as a byte goes), on the current screen.
void snapEnemy(Editor& ed, int n);

// A new enemy of type 0 at (x, y), each limited to 0..255, on screen `screen`, in the
// slot after the last enemy of that or an earlier screen; the enemies after it move up
// one slot. Inserting after the last enemy writes a new terminator into the slot after
// it. The new slot becomes CurEnemy. Nothing changes, and the result is empty, when the
// list is full: no terminator among the slots before the last one.
std::optional<int> insertEnemy(Editor& ed, int screen, int x, int y);

// Removes enemy `n`: the enemies after it move down one slot, the terminator with them.
// A list without terminator gets one in its last slot. False, changing nothing, for the
// terminator itself or a slot outside the list.
bool deleteEnemy(Editor& ed, int n);

} // namespace orvane
