#include "core/enemyedit/GraphicsSetSearch.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <vector>

#include "core/app/Editor.h"
#include "core/enemyedit/EnemyList.h"
#include "core/enemyedit/GraphicsSets.h"

namespace orvane {

namespace {

using Candidates = std::vector<bool>;

// Which choices support which enemy types, read once per search: the mm3 set table's
// banks, or the mm4 effects' type lists as one bit per type.
class Support {
public:
    explicit Support(const LevelTables& tables)
        : m_tables(tables), m_count(lastGraphicsChoice(tables) + 1) {
        if (tables.game() == kMM3) {
            for (int g = 0; g < m_count; ++g)
                m_banks.push_back({tables.graphicsSetBank(g, 0), tables.graphicsSetBank(g, 1)});
        } else {
            m_types.resize(static_cast<size_t>(m_count));
            for (int e = 0; e < m_count; ++e)
                for (int t : effectTypes(tables, e))
                    m_types[static_cast<size_t>(e)].set(static_cast<size_t>(t));
        }
    }

    int count() const { return m_count; }

    bool supports(int x, int type) const {
        if (m_tables.game() != kMM3)
            return m_types[static_cast<size_t>(x)].test(size_t(type & 0xFF));
        for (int which : {0, 1}) {
            const int need = neededBank(m_tables, type, which);
            if (need != 0 && need != m_banks[static_cast<size_t>(x)][size_t(which)]) return false;
        }
        return true;
    }

    // Keeps the candidates that also support `type`, unless that would leave none.
    void narrow(Candidates& cand, int type) const {
        Candidates next(cand.size());
        bool any = false;
        for (int x = 0; x < m_count; ++x) {
            next[size_t(x)] = cand[size_t(x)] && supports(x, type);
            any = any || next[size_t(x)];
        }
        if (any) cand.swap(next);
    }

private:
    LevelTables m_tables;
    int m_count;
    std::vector<std::array<int, 2>> m_banks;
    std::vector<std::bitset<256>> m_types;
};

// The first candidate after `current`, wrapping to 0 after the last; 0 when none.
int nextCandidate(const Candidates& cand, int current) {
    const int count = static_cast<int>(cand.size());
    const int start = std::min(current + 1, count);
    for (int i = 0; i < count; ++i) {
        const int x = start + i < count ? start + i : start + i - count;
        if (cand[size_t(x)]) return x;
    }
    return 0;
}

} // namespace

SectionEnemies sectionEnemies(const Editor& ed) {
    const int lastSlot = lastEnemySlot(ed);
    SectionEnemies range{-1, lastSlot};
    for (int n = 0; n <= lastSlot; ++n) {
        const int screen = enemyScreen(ed, n);
        if (range.first < 0 && screen >= ed.SectionStart) range.first = n;
        if (screen >= ed.SectionEnd) {
            range.last = n - 1;
            break;
        }
    }
    return range;
}

int findGraphicsChoice(const Editor& ed) {
    if (ed.EditMode != kMM3 && ed.EditMode != kMM4) return 0;
    const Support support(ed.tables());
    Candidates cand(static_cast<size_t>(support.count()), true);
    const SectionEnemies enemies = sectionEnemies(ed);
    int n = enemies.first;
    if (ed.EditMode == kMM3 && n >= 0) {
        // The first enemy decides the candidates; the others can only narrow them.
        const int type = enemyType(ed, n);
        for (int g = 0; g < support.count(); ++g)
            cand[size_t(g)] = support.supports(g, type);
        ++n;
    }
    if (n >= 0)
        for (; n <= enemies.last; ++n)
            support.narrow(cand, enemyType(ed, n));
    return nextCandidate(cand, graphicsChoice(ed));
}

Change FindGfxSet(Editor& ed) {
    if (ed.EditMode == kMM3) return setGraphicsSet(ed, findGraphicsChoice(ed));
    if (ed.EditMode == kMM4) return setSectionEffect(ed, findGraphicsChoice(ed));
    return Change::nothing();
}

} // namespace orvane
