#include "core/mapedit/ScrollMap.h"

#include <algorithm>
#include <functional>
#include <vector>

#include "core/level/Document.h"

namespace orvane {

namespace {

constexpr int kUpFlag = 0x80;
constexpr int kDownFlag = 0x40;
constexpr int kRightFlag = 0x20;

struct PlannedSection {
    int code;
    int firstScreen; // whose settings the section takes
};

} // namespace

ScrollFormat scrollFormat(int editMode) {
    return ScrollFormat{editMode == kMM5 ? 5 : 4};
}

bool isRightRun(int flags) {
    return flags == 2 || flags == 6 || flags == 10;
}

int directionAfter(int flags, int nextFlags, int length, int fallback) {
    if (flags == 8) return kDirUp;
    if (flags == 4) return kDirDown;
    if (!isRightRun(flags)) return fallback;
    switch (nextFlags) {
    case 2:
        return kDirRight;
    // A one-screen run that the next section leaves vertically is itself the turn.
    case 8:
        return length > 0 ? kDirUp : kDirRight;
    case 4:
        return length > 0 ? kDirDown : kDirRight;
    case 10:
        return kDirUp;
    case 6:
        return kDirDown;
    default:
        return fallback;
    }
}

std::pair<int, int> readSectionSettings(const LevelTables& tables, int section) {
    return {tables.sectionSetting(section, 0), tables.sectionSetting(section, 1)};
}

void writeSectionSettings(Document& doc, int section, int first, int second) {
    setSectionSetting(doc, section, 0, first);
    setSectionSetting(doc, section, 1, second);
}

void ScrollMapDecode(const LevelTables& tables, ScreenLists& lists) {
    const ScrollFormat fmt = scrollFormat(tables.game());
    int scr = 0;
    for (int i = 0; i < ScreenLists::kMaxSections; ++i) {
        const int b = tables.scrollEntry(i);
        if (b == 0) break;
        const int length = fmt.lengthOf(b);
        const int flags = fmt.flagsOf(b);
        const int next = fmt.flagsOf(tables.scrollEntry(i + 1));
        const int previous = i > 0 ? fmt.flagsOf(tables.scrollEntry(i - 1)) : 0;

        const auto [a, bset] = readSectionSettings(tables, i);
        for (int j = 0; j <= length; ++j)
            lists.setSettings(scr + j, a, bset);
        for (int j = 1; j <= length; ++j)
            lists.setDir(scr + j - 1, kDirRight);
        const int last = scr + length;
        lists.setDir(last, directionAfter(flags, next, length, lists.dir(last)));
        if (flags == 2 && isRightRun(previous)) lists.setSplit(scr, true);
        scr += length + 1;
    }
    lists.ScreenTotal = scr;
    // The map's last screen goes right. No stop mark is stored behind it: a mark kept
    // there would outlive the map and cut a longer map later; the encoder stops runs at
    // ScreenTotal instead.
    if (scr > 0) lists.setDir(scr - 1, kDirRight);
}

EncodeResult ScrollMapEncode(Document& doc, const ScreenLists& lists) {
    const int total = std::clamp(lists.ScreenTotal, 0, ScreenLists::kCapacity);
    if (total == 0) return {EncodeStatus::Empty, 0};
    const ScrollFormat fmt = scrollFormat(doc.EditMode);

    // Plan first: a map that does not fit leaves the ROM untouched.
    std::vector<PlannedSection> plan;
    bool up = false, down = false;
    int s = 0;
    while (s < total) {
        const int d = lists.dir(s);
        if (d == kDirUp || d == kDirDown) {
            plan.push_back({d == kDirUp ? kUpFlag : kDownFlag, s});
            up = d == kDirUp;
            down = d == kDirDown;
            ++s;
            continue;
        }
        // A right run: from s to the first screen that does not go right (included), or
        // to the screen before the next split mark or the end of the map. A split mark
        // starts a new right section, so only a screen going right can carry one: a mark
        // on the turn (a decoded map can hold one there) would cut the run before it and
        // write a one-screen run then a vertical section, which reads back as one run.
        int k = 1;
        while (true) {
            if (s + k >= total || (lists.split(s + k) && lists.dir(s + k) == kDirRight)) {
                --k;
                break;
            }
            if (lists.dir(s + k) != kDirRight) break;
            ++k;
        }
        // Longer than one section can hold: consecutive right sections, the first one
        // carrying the way the run was entered.
        int entry = (up ? kUpFlag : 0) | (down ? kDownFlag : 0);
        for (int start = s; start <= s + k; start += fmt.maxRun()) {
            const int screens = std::min(fmt.maxRun(), s + k - start + 1);
            plan.push_back({entry | kRightFlag | (screens - 1), start});
            entry = 0;
        }
        up = lists.dir(s + k) == kDirUp;
        down = lists.dir(s + k) == kDirDown;
        s += k + 1;
    }

    const int sections = static_cast<int>(plan.size());
    if (sections > ScreenLists::kMaxSections) return {EncodeStatus::TooManySections, sections};

    for (int e = 0; e < sections; ++e) {
        const PlannedSection& p = plan[static_cast<size_t>(e)];
        setScrollEntry(doc, e, p.code);
        writeSectionSettings(doc, e, lists.setA(p.firstScreen), lists.setB(p.firstScreen));
    }
    setScrollEntry(doc, sections, 0);
    writeSectionSettings(doc, sections, 0, 0);
    return {EncodeStatus::Written, sections};
}

namespace {
ScrollMapEdit editScreenInMap(Document& doc, ScreenLists& lists, int screen,
                              const std::function<void(ScreenLists&)>& change,
                              const std::function<void(ScreenLists&)>& undo) {
    ScrollMapDecode(doc.tables(), lists);
    // A screen the map does not reach (or an empty map) has nothing to change.
    if (screen < 0 || screen >= lists.ScreenTotal)
        return {ScrollMapEdit::Unreached, Change::nothing(), 0};
    change(lists);
    const EncodeResult result = ScrollMapEncode(doc, lists);
    if (result.status == EncodeStatus::TooManySections) {
        undo(lists);
        return {ScrollMapEdit::TooManySections, Change::nothing(), result.sections};
    }
    return {ScrollMapEdit::Rebuilt, Change::screen(), result.sections};
}
} // namespace

ScrollMapEdit setScreenDirection(Document& doc, ScreenLists& lists, int screen, int dir) {
    int before = kDirUp;
    return editScreenInMap(
        doc, lists, screen,
        [&](ScreenLists& l) {
            before = l.dir(screen);
            l.setDir(screen, dir);
        },
        [&](ScreenLists& l) { l.setDir(screen, before); });
}

ScrollMapEdit setScreenSplit(Document& doc, ScreenLists& lists, int screen, bool on) {
    bool before = false;
    return editScreenInMap(
        doc, lists, screen,
        [&](ScreenLists& l) {
            before = l.split(screen);
            l.setSplit(screen, on);
        },
        [&](ScreenLists& l) { l.setSplit(screen, before); });
}

} // namespace orvane
