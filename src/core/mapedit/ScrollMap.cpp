#include "core/mapedit/ScrollMap.h"

#include <algorithm>
#include <vector>

#include "core/app/Editor.h"

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

std::pair<int, int> readSectionSettings(const Editor& ed, int section) {
    switch (ed.EditMode) {
    case kMM3:
        return {ed.byte(ed.P(9) + 2 * section), ed.byte(ed.P(9) + 2 * section + 1)};
    case kMM4:
        return {ed.byte(ed.P(9) + section), ed.byte(ed.P(10) + section)};
    default:
        return {ed.byte(ed.P(9) + section), 0};
    }
}

void writeSectionSettings(Editor& ed, int section, int first, int second) {
    switch (ed.EditMode) {
    case kMM3:
        ed.setByte(ed.P(9) + 2 * section, first);
        ed.setByte(ed.P(9) + 2 * section + 1, second);
        break;
    case kMM4:
        ed.setByte(ed.P(9) + section, first);
        ed.setByte(ed.P(10) + section, second);
        break;
    default:
        ed.setByte(ed.P(9) + section, first);
        break;
    }
}

void ScrollMapDecode(const Editor& ed, ScreenLists& lists) {
    const ScrollFormat fmt = scrollFormat(ed.EditMode);
    const int64_t map = ed.P(8);
    int scr = 0;
    for (int i = 0; i < ScreenLists::kMaxSections; ++i) {
        const int b = ed.byte(map + i);
        if (b == 0) break;
        const int length = fmt.lengthOf(b);
        const int flags = fmt.flagsOf(b);
        const int next = fmt.flagsOf(ed.byte(map + i + 1));
        const int previous = i > 0 ? fmt.flagsOf(ed.byte(map + i - 1)) : 0;

        const auto [a, bset] = readSectionSettings(ed, i);
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

EncodeResult ScrollMapEncode(Editor& ed, const ScreenLists& lists) {
    const int total = std::clamp(lists.ScreenTotal, 0, ScreenLists::kCapacity);
    if (total == 0) return {EncodeStatus::Empty, 0};
    const ScrollFormat fmt = scrollFormat(ed.EditMode);

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
        // to the screen before the next split mark or the end of the map.
        int k = 1;
        while (true) {
            if (s + k >= total || lists.split(s + k)) {
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

    const int64_t map = ed.P(8);
    for (int e = 0; e < sections; ++e) {
        const PlannedSection& p = plan[static_cast<size_t>(e)];
        ed.setByte(map + e, p.code);
        writeSectionSettings(ed, e, lists.setA(p.firstScreen), lists.setB(p.firstScreen));
    }
    ed.setByte(map + sections, 0);
    writeSectionSettings(ed, sections, 0, 0);
    return {EncodeStatus::Written, sections};
}

} // namespace orvane
