#include "core/enemyedit/EnemyEdits.h"

#include <algorithm>
#include <cstdlib>

#include "core/app/Editor.h"
#include "core/enemyedit/EnemyList.h"

namespace orvane {

namespace {

constexpr int kPickReach = 8;

bool isSlot(const Editor& ed, int64_t n) {
    return n >= 0 && n <= lastEnemySlot(ed);
}

int toByteRange(int v) {
    return std::clamp(v, 0, 255);
}

// To the nearest multiple of 4, a remainder of 2 upwards; 254 and 255 stay at 252.
int snapped(int v) {
    const int down = v & 0xFC;
    return ((v & 2) && down + 4 <= 255) ? down + 4 : down;
}

void onCurrentScreen(Editor& ed, int n) {
    if (enemyScreen(ed, n) != ed.CurScrn) setEnemyScreen(ed, n, ed.CurScrn);
}

} // namespace

int enemyField(const Editor& ed, int n, EnemyField field) {
    switch (field) {
    case EnemyField::Screen:
        return enemyScreen(ed, n);
    case EnemyField::X:
        return enemyX(ed, n);
    case EnemyField::Y:
        return enemyY(ed, n);
    case EnemyField::Type:
        return enemyType(ed, n);
    }
    return 0;
}

void setEnemyField(Editor& ed, int n, EnemyField field, int64_t value) {
    if (!isSlot(ed, n)) return;
    const int v = static_cast<int>(value & 0xFF);
    switch (field) {
    case EnemyField::Screen:
        setEnemyScreen(ed, n, v);
        break;
    case EnemyField::X:
        setEnemyX(ed, n, v);
        break;
    case EnemyField::Y:
        setEnemyY(ed, n, v);
        break;
    case EnemyField::Type:
        setEnemyType(ed, n, v);
        break;
    }
}

bool stepEnemyField(Editor& ed, int n, EnemyField field, int delta) {
    if (!isSlot(ed, n)) return false;
    const int stepped = enemyField(ed, n, field) + delta;
    if (stepped < 0 || stepped > 255) return false;
    setEnemyField(ed, n, field, stepped);
    return true;
}

bool followEnemyScreen(Editor& ed, int n) {
    if (!isSlot(ed, n)) return false;
    const int screen = enemyScreen(ed, n);
    if (screen == ed.CurScrn) return false;
    ed.CurScrn = screen;
    return true;
}

bool selectEnemy(Editor& ed, int64_t n) {
    // A negative number would read before the tables.
    ed.CurEnemy = static_cast<int>(std::clamp<int64_t>(n, 0, std::max(lastEnemySlot(ed), 0)));
    return followEnemyScreen(ed, ed.CurEnemy);
}

bool stepSelectedEnemy(Editor& ed, int delta) {
    const int64_t stepped = int64_t(ed.CurEnemy) + delta;
    return selectEnemy(ed, isSlot(ed, stepped) ? stepped : ed.CurEnemy);
}

std::optional<int> enemyNear(const Editor& ed, int screen, int x, int y) {
    for (int n : enemiesOnScreen(ed, screen))
        if (std::abs(enemyX(ed, n) - x) <= kPickReach && std::abs(enemyY(ed, n) - y) <= kPickReach)
            return n;
    return std::nullopt;
}

void placeEnemy(Editor& ed, int n, int x, int y) {
    if (!isSlot(ed, n)) return;
    setEnemyX(ed, n, toByteRange(x));
    setEnemyY(ed, n, toByteRange(y));
    onCurrentScreen(ed, n);
}

void snapEnemy(Editor& ed, int n) {
    if (!isSlot(ed, n)) return;
    setEnemyY(ed, n, snapped(enemyY(ed, n)));
    setEnemyX(ed, n, snapped(enemyX(ed, n)));
    onCurrentScreen(ed, n);
}

std::optional<int> insertEnemy(Editor& ed, int screen, int x, int y) {
    const int last = lastEnemySlot(ed);
    const int end = firstFreeEnemySlot(ed);
    if (end < 0 || end >= last) return std::nullopt; // no room for the terminator after it

    // After the last enemy of this or an earlier screen.
    int pos = 0, best = 0;
    for (int j = 0; j < end; ++j) {
        const int s = enemyScreen(ed, j);
        if (s >= best && s <= screen) {
            pos = j + 1;
            best = s;
        }
    }
    if (pos < end) {
        for (int k = end; k >= pos; --k)
            setEnemy(ed, k + 1, enemyAt(ed, k));
    } else {
        setEnemyScreen(ed, end + 1, kEndOfEnemies);
    }
    setEnemy(ed, pos, {screen, toByteRange(x), toByteRange(y), 0});
    ed.CurEnemy = pos;
    return pos;
}

bool deleteEnemy(Editor& ed, int n) {
    const int last = lastEnemySlot(ed);
    if (!isSlot(ed, n) || enemyScreen(ed, n) == kEndOfEnemies) return false;
    for (int i = n; i < last; ++i) {
        setEnemy(ed, i, enemyAt(ed, i + 1));
        if (enemyScreen(ed, i) == kEndOfEnemies) return true;
    }
    // No terminator followed: the last slot becomes one rather than taking whatever
    // lies after the tables.
    setEnemyScreen(ed, last, kEndOfEnemies);
    return true;
}

} // namespace orvane
