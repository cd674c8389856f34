#include "core/enemyedit/EnemyList.h"

#include <algorithm>

#include "core/app/Editor.h"

namespace orvane {

namespace {

enum EnemyTable { kScreenTable = 11, kXTable = 12, kYTable = 13, kTypeTable = 14 };
constexpr int kLastSlotParam = 19;

int64_t slotPosition(const Editor& ed, EnemyTable table, int n) {
    return ed.P(table) + n;
}

} // namespace

int lastEnemySlot(const Editor& ed) {
    const int64_t last = std::min<int64_t>(ed.P(kLastSlotParam), ed.RomImage.size());
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
    return ed.byte(slotPosition(ed, kScreenTable, n));
}
int enemyX(const Editor& ed, int n) {
    return ed.byte(slotPosition(ed, kXTable, n));
}
int enemyY(const Editor& ed, int n) {
    return ed.byte(slotPosition(ed, kYTable, n));
}
int enemyType(const Editor& ed, int n) {
    return ed.byte(slotPosition(ed, kTypeTable, n));
}

void setEnemyScreen(Editor& ed, int n, int screen) {
    ed.setByte(slotPosition(ed, kScreenTable, n), screen & 0xFF);
}
void setEnemyX(Editor& ed, int n, int x) {
    ed.setByte(slotPosition(ed, kXTable, n), x & 0xFF);
}
void setEnemyY(Editor& ed, int n, int y) {
    ed.setByte(slotPosition(ed, kYTable, n), y & 0xFF);
}
void setEnemyType(Editor& ed, int n, int type) {
    ed.setByte(slotPosition(ed, kTypeTable, n), type & 0xFF);
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
