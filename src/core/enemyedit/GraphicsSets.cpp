#include "core/enemyedit/GraphicsSets.h"

#include <algorithm>

#include "core/app/Editor.h"

namespace orvane {

namespace {

// Resource data: slot 10 holds the mm3 set table (element 0), the highest set (1) and
// the highest mm4 effect (11); slots 12 to 14 the banks each mm3 type needs; slot 34,
// per mm4 effect, where its list of supported types starts.
constexpr int kFurther = 10;
constexpr int kSetTable = 0, kLastSet = 1, kLastEffect = 11;
constexpr int kBank0Needs = 12, kBank1Needs = 13, kBank1Listed = 14;
constexpr int kEffectTypeLists = 34;
constexpr int kEndOfTypes = 255;
constexpr int kMaxListedTypes = 256;

int64_t setChoicePosition(const Editor& ed) {
    return ed.P(9) + 2 * int64_t{ed.CurSection};
}
int64_t effectChoicePosition(const Editor& ed) {
    return ed.P(10) + ed.CurSection;
}
int64_t bankPosition(const Editor& ed, int g, int which) {
    return ed.R(kFurther, kSetTable) + 2 * int64_t{g} + which;
}

int effectLimit(const Editor& ed) {
    return std::max(lastGraphicsChoice(ed), 0);
}

// Adds delta to the byte at pos unless that leaves 0..limit.
bool stepByte(Editor& ed, int64_t pos, int delta, int limit) {
    const int stepped = ed.byte(pos) + delta;
    if (stepped < 0 || stepped > limit) return false;
    ed.setByte(pos, stepped);
    return true;
}

} // namespace

int lastGraphicsChoice(const Editor& ed) {
    int64_t last = -1;
    if (ed.EditMode == kMM3) last = ed.R(kFurther, kLastSet);
    if (ed.EditMode == kMM4) last = ed.R(kFurther, kLastEffect);
    return static_cast<int>(std::clamp<int64_t>(last, -1, 255));
}

int graphicsChoice(const Editor& ed) {
    if (ed.EditMode == kMM3) return ed.byte(setChoicePosition(ed));
    if (ed.EditMode == kMM4) return ed.byte(effectChoicePosition(ed));
    return 0;
}

int graphicsSetBank(const Editor& ed, int g, int which) {
    return ed.byte(bankPosition(ed, g, which));
}

int neededBank(const Editor& ed, int t, int which) {
    return ed.R(which == 0 ? kBank0Needs : kBank1Needs, t);
}

int alternativeBank1(const Editor& ed, int t) {
    return ed.R(kBank1Listed, t);
}

bool typeFitsSet(const Editor& ed, int t, int g) {
    for (int which : {0, 1}) {
        const int need = neededBank(ed, t, which);
        if (need != 0 && need != graphicsSetBank(ed, g, which)) return false;
    }
    return true;
}

std::vector<int> effectTypes(const Editor& ed, int e) {
    std::vector<int> types;
    if (e < 0 || e > lastGraphicsChoice(ed)) return types;
    const int64_t list = ed.R(kEffectTypeLists, e);
    for (int j = 0; j < kMaxListedTypes; ++j) {
        const int32_t t = ed.Res->value(list + j);
        if (t < 0 || t >= kEndOfTypes) break;
        types.push_back(t);
    }
    return types;
}

void setGraphicsSet(Editor& ed, int64_t value) {
    ed.setByte(setChoicePosition(ed), static_cast<int>(value & 0xFF));
}

bool stepGraphicsSet(Editor& ed, int delta) {
    return stepByte(ed, setChoicePosition(ed), delta, 255);
}

void setGraphicsSetBank(Editor& ed, int which, int64_t value) {
    ed.setByte(bankPosition(ed, graphicsChoice(ed), which), static_cast<int>(value & 0xFF));
}

bool stepGraphicsSetBank(Editor& ed, int which, int delta) {
    return stepByte(ed, bankPosition(ed, graphicsChoice(ed), which), delta, 255);
}

void setSectionEffect(Editor& ed, int64_t value) {
    ed.setByte(effectChoicePosition(ed),
               static_cast<int>(std::clamp<int64_t>(value, 0, effectLimit(ed))));
}

bool stepSectionEffect(Editor& ed, int delta) {
    const int64_t pos = effectChoicePosition(ed);
    const int before = ed.byte(pos);
    setSectionEffect(ed, int64_t{before} + delta);
    return ed.byte(pos) != before;
}

} // namespace orvane
