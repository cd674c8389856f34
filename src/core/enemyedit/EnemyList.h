#pragma once

#include <cstdint>
#include <vector>

namespace orvane {

struct Editor;

// A level's enemy list: four parallel byte tables, one slot per enemy number, read and
// written here and nowhere else. Slot n holds the enemy's screen (P(11) + n), its X
// (P(12) + n) and Y (P(13) + n) pixel position on that screen and its type (P(14) + n).
// The list ends at the first slot whose screen is 0xFF and is kept in screen order.

constexpr int kEndOfEnemies = 0xFF;

struct EnemySlot {
    int screen = 0;
    int x = 0;
    int y = 0;
    int type = 0;
};

// Highest enemy number P(19): the list has that many slots plus one. -1 (no slots) for a
// negative value; damaged data cannot make it larger than the image has bytes, so a walk
// over the slots always ends.
int lastEnemySlot(const Editor& ed);

EnemySlot enemyAt(const Editor& ed, int n);
void setEnemy(Editor& ed, int n, const EnemySlot& slot);

int enemyScreen(const Editor& ed, int n);
int enemyX(const Editor& ed, int n);
int enemyY(const Editor& ed, int n);
int enemyType(const Editor& ed, int n);
void setEnemyScreen(Editor& ed, int n, int screen);
void setEnemyX(Editor& ed, int n, int x);
void setEnemyY(Editor& ed, int n, int y);
void setEnemyType(Editor& ed, int n, int type);

// The enemies that belong to `screen`, in list order. Walking every slot, an entry counts
// only when its screen equals the highest screen seen so far (an entry out of order is
// never shown) and equals `screen`; the terminator and whatever follows it drop out the
// same way unless `screen` is 0xFF.
std::vector<int> enemiesOnScreen(const Editor& ed, int screen);

// The first slot whose screen is 0xFF, or -1 when no slot is.
int firstFreeEnemySlot(const Editor& ed);

} // namespace orvane
