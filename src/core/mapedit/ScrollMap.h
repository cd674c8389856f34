#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <utility>

#include "core/level/Change.h"

namespace orvane {

struct Document;
class LevelTables;

// Directions in which the game leaves a screen; also the rows of the direction list.
constexpr int kDirUp = 0;
constexpr int kDirRight = 1;
constexpr int kDirDown = 2;

// How a game packs a scroll-map byte. The top bits are the direction flags (0x80 up,
// 0x40 down, 0x20 right); the rest is the section length L (L + 1 screens). mm3 and mm4
// keep L in the low nibble, so bit 4 belongs to the type and means nothing to the
// rules here; mm5 keeps L in the low five bits.
struct ScrollFormat {
    int lengthBits = 4;

    int lengthMask() const { return (1 << lengthBits) - 1; }
    int lengthOf(int b) const { return b & lengthMask(); }
    // The type bits in nibble terms (8 up, 4 down, 2 right, 10 up then right, 6 down
    // then right), whatever the game, so one set of rules serves all three.
    int flagsOf(int b) const { return (b & 0xFF & ~lengthMask()) >> 4; }
    // The most screens one section can hold.
    int maxRun() const { return lengthMask() + 1; }
};

ScrollFormat scrollFormat(int editMode);

// True for the types of a right-scrolling run: 2, 6 and 10.
bool isRightRun(int flags);

// The direction out of the last screen of a section of type `flags` and length `length`
// followed by a section of type `nextFlags`; `fallback` when the rules do not say.
int directionAfter(int flags, int nextFlags, int length, int fallback);

// The two per-section setting bytes that travel with a section when the map is rebuilt
// (mm5's second setting is always 0).
std::pair<int, int> readSectionSettings(const LevelTables& tables, int section);
void writeSectionSettings(Document& doc, int section, int first, int second);

// The scroll map seen screen by screen, as simple-mode editing needs it. The window that
// edits the map this way owns one for as long as it exists. Every access is bounds-checked: a
// screen beyond the lists reads as going up, with a split mark, and writes to it are dropped.
struct ScreenLists {
    static constexpr int kMaxSections = 32; // sections the map holds before its end byte
    // A damaged map of 32 sections of 32 screens each is the most a decode can produce.
    static constexpr int kCapacity = kMaxSections * 32;

    std::array<uint8_t, kCapacity> ScreenDir{};
    std::array<bool, kCapacity> ScreenSplit{};
    std::array<uint8_t, kCapacity> ScreenSetA{};
    std::array<uint8_t, kCapacity> ScreenSetB{};
    int ScreenTotal = 0;

    static bool inside(int screen) { return screen >= 0 && screen < kCapacity; }
    int dir(int screen) const {
        return inside(screen) ? ScreenDir[static_cast<std::size_t>(screen)] : kDirUp;
    }
    bool split(int screen) const {
        return inside(screen) ? ScreenSplit[static_cast<std::size_t>(screen)] : true;
    }
    int setA(int screen) const {
        return inside(screen) ? ScreenSetA[static_cast<std::size_t>(screen)] : 0;
    }
    int setB(int screen) const {
        return inside(screen) ? ScreenSetB[static_cast<std::size_t>(screen)] : 0;
    }
    void setDir(int screen, int d) {
        if (inside(screen)) ScreenDir[static_cast<std::size_t>(screen)] = static_cast<uint8_t>(d);
    }
    void setSplit(int screen, bool on) {
        if (inside(screen)) ScreenSplit[static_cast<std::size_t>(screen)] = on;
    }
    void setSettings(int screen, int a, int b) {
        if (!inside(screen)) return;
        ScreenSetA[static_cast<std::size_t>(screen)] = static_cast<uint8_t>(a);
        ScreenSetB[static_cast<std::size_t>(screen)] = static_cast<uint8_t>(b);
    }
};

// Reads the scroll map (up to 32 sections, or to its end byte 0) into the lists:
// every screen's direction and section settings, and a split mark at the first screen
// of a right run that follows another right run. Split marks are only ever added, so
// marks the user set stay while the window lives; ScreenTotal becomes the number of
// screens the map holds (0 for an empty map).
void ScrollMapDecode(const LevelTables& tables, ScreenLists& lists);

enum class EncodeStatus { Written, Empty, TooManySections };
struct EncodeResult {
    EncodeStatus status = EncodeStatus::Written;
    int sections = 0; // sections the lists need (not counting the end byte)
};

// Rebuilds the scroll map and its section settings from the lists: one section per
// screen going up or down, one per right run (cut at split marks and at the end of the
// map), each right run flagged with the direction it was entered by. A run longer than
// the length field allows becomes consecutive right sections. Writes nothing when the
// lists hold no screen, or when they need more than 32 sections; else writes the
// sections and the end byte (with zeroed settings) and nothing beyond.
EncodeResult ScrollMapEncode(Document& doc, const ScreenLists& lists);

// A simple-mode edit of one screen: the lists are read from the map again, the screen's
// direction or split mark changed, and the map rebuilt. A screen the map does not reach
// changes nothing; a map that would need too many sections is left as it was, and so
// are the lists.
struct ScrollMapEdit {
    enum Outcome { Unreached, Rebuilt, TooManySections };
    Outcome outcome = Unreached;
    Change change;    // the screen, when rebuilt
    int sections = 0; // sections the new map needs
};
ScrollMapEdit setScreenDirection(Document& doc, ScreenLists& lists, int screen, int dir);
// Ticking the switch starts a new right section at the screen; clearing it removes the
// mark, so a split set by mistake can be taken back.
ScrollMapEdit setScreenSplit(Document& doc, ScreenLists& lists, int screen, bool on);

} // namespace orvane
