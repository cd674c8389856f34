#include "core/enemyedit/EnemyList.h"

#include <algorithm>

#include "core/app/Editor.h"

namespace orvane {

namespace {

int64_t slotPosition(const Editor& ed, EnemyField field, int n) {
    return ed.tables().enemyPosition(n, field);
}

} // namespace

int lastEnemySlot(const Editor& ed) {
    const int64_t last = std::min<int64_t>(ed.tables().lastEnemySlot(), ed.RomImage.size());
    return static_cast<int>(std::max<int64_t>(last, -1));
}

EnemySlot enemyAt(const Editor& ed, int n) {
    return {enemyScreen(ed, n), enemyX(ed, n), enemyY(ed, n), enemyType(ed, n)};
}

void setEnemy(Editor& ed, int n, const EnemySlot& slot) {
    setEnemyScreen(ed, n, slot.screen);
    setEnemyX(ed, n, slot.x);
    setEnemyY(ed, n, slot.y);
    setEnemyType(ed, n, slot.type);
}

int enemyScreen(const Editor& ed, int n) {
    return ed.byte(slotPosition(ed, EnemyField::Screen, n));
}
int enemyX(const Editor& ed, int n) {
    return ed.byte(slotPosition(ed, EnemyField::X, n));
}
int enemyY(const Editor& ed, int n) {
    return ed.byte(slotPosition(ed, EnemyField::Y, n));
}
int enemyType(const Editor& ed, int n) {
    return ed.byte(slotPosition(ed, EnemyField::Type, n));
}

void setEnemyScreen(Editor& ed, int n, int screen) {
    ed.setByte(slotPosition(ed, EnemyField::Screen, n), screen & 0xFF);
}
void setEnemyX(Editor& ed, int n, int x) {
    ed.setByte(slotPosition(ed, EnemyField::X, n), x & 0xFF);
}
void setEnemyY(Editor& ed, int n, int y) {
    ed.setByte(slotPosition(ed, EnemyField::Y, n), y & 0xFF);
}
void setEnemyType(Editor& ed, int n, int type) {
    ed.setByte(slotPosition(ed, EnemyField::Type, n), type & 0xFF);
}

std::vector<int> enemiesOnScreen(const Editor& ed, int screen) {
    std::vector<int> found;
    const int last = lastEnemySlot(ed);
    int highest = 0;
    for (int n = 0; n <= last; ++n) {
        const int s = enemyScreen(ed, n);
        highest = std::max(highest, s);
        if (s == highest && s == screen) found.push_back(n);
    }
    return found;
}

int firstFreeEnemySlot(const Editor& ed) {
    const int last = lastEnemySlot(ed);
    for (int n = 0; n <= last; ++n)
        if (enemyScreen(ed, n) == kEndOfEnemies) return n;
    return -1;
}

} // namespace orvane
