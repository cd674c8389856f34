#include "core/enemyedit/GraphicsSets.h"

#include <algorithm>
#include <optional>

#include "core/app/Editor.h"

namespace orvane {

namespace {

// The section settings that hold the choice: mm3 its first (the set), mm4 its second
// (the effect).
constexpr int kSetSetting = 0, kEffectSetting = 1;
constexpr int kEndOfTypes = 255;
constexpr int kMaxListedTypes = 256;

int effectLimit(const LevelTables& tables) {
    return std::max(lastGraphicsChoice(tables), 0);
}

// The value plus delta unless that leaves 0..limit.
std::optional<int> stepped(int value, int delta, int limit) {
    const int v = value + delta;
    if (v < 0 || v > limit) return std::nullopt;
    return v;
}

} // namespace

int lastGraphicsChoice(const LevelTables& tables) {
    int64_t last = -1;
    if (tables.game() == kMM3) last = tables.further(Further::MM3LastGraphicsSet);
    if (tables.game() == kMM4) last = tables.further(Further::MM4LastEffect);
    return static_cast<int>(std::clamp<int64_t>(last, -1, 255));
}

int graphicsChoice(const Editor& ed) {
    const LevelTables tables = ed.tables();
    if (ed.EditMode == kMM3) return tables.sectionGraphicsSet(ed.CurSection);
    if (ed.EditMode == kMM4) return tables.sectionEffect(ed.CurSection);
    return 0;
}

int neededBank(const LevelTables& tables, int t, int which) {
    return tables.resource(which == 0 ? ResSlot::MM3Bank0Needs : ResSlot::MM3Bank1Needs, t);
}

int alternativeBank1(const LevelTables& tables, int t) {
    return tables.resource(ResSlot::MM3Bank1Listed, t);
}

bool typeFitsSet(const LevelTables& tables, int t, int g) {
    for (int which : {0, 1}) {
        const int need = neededBank(tables, t, which);
        if (need != 0 && need != tables.graphicsSetBank(g, which)) return false;
    }
    return true;
}

std::vector<int> effectTypes(const LevelTables& tables, int e) {
    std::vector<int> types;
    if (e < 0 || e > lastGraphicsChoice(tables)) return types;
    const int64_t list = tables.resource(ResSlot::EffectEnemyLists, e);
    for (int j = 0; j < kMaxListedTypes; ++j) {
        const int32_t t = tables.res().value(list + j);
        if (t < 0 || t >= kEndOfTypes) break;
        types.push_back(t);
    }
    return types;
}

Change setGraphicsSet(Editor& ed, int64_t value) {
    setSectionSetting(ed, ed.CurSection, kSetSetting, static_cast<int>(value & 0xFF));
    return Change::sectionSprites();
}

Change stepGraphicsSet(Editor& ed, int delta) {
    const auto set = stepped(graphicsChoice(ed), delta, 255);
    return set ? setGraphicsSet(ed, *set) : Change::nothing();
}

Change setCurrentSetBank(Editor& ed, int which, int64_t value) {
    setGraphicsSetBank(ed, graphicsChoice(ed), which, static_cast<int>(value & 0xFF));
    return Change::sectionSprites();
}

Change stepCurrentSetBank(Editor& ed, int which, int delta) {
    const int bank = ed.tables().graphicsSetBank(graphicsChoice(ed), which);
    const auto next = stepped(bank, delta, 255);
    return next ? setCurrentSetBank(ed, which, *next) : Change::nothing();
}

Change setSectionEffect(Editor& ed, int64_t value) {
    const int limit = effectLimit(ed.tables());
    setSectionSetting(ed, ed.CurSection, kEffectSetting,
                      static_cast<int>(std::clamp<int64_t>(value, 0, limit)));
    return Change::sectionEffects(ed.CurSection);
}

Change stepSectionEffect(Editor& ed, int delta) {
    const int before = graphicsChoice(ed);
    const Change change = setSectionEffect(ed, int64_t{before} + delta);
    return graphicsChoice(ed) != before ? change : Change::nothing();
}

} // namespace orvane
