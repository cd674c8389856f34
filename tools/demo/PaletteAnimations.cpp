// The palette animations of a ROM in the game's own form, and the colour sets they play
// (at P56 in every game).
#include <algorithm>

#include "DemoRom.h"

namespace orvane::demo {

namespace {

// [last frame, delay, colour set of each frame]: the mm4 and mm5 record.
std::vector<uint8_t> record(const Animation& a) {
    std::vector<uint8_t> r(2 + a.frames.size());
    r[0] = static_cast<uint8_t>(a.frames.size() - 1);
    r[1] = a.delay;
    std::copy(a.frames.begin(), a.frames.end(), r.begin() + 2);
    return r;
}

// "offsets-with-slot" (mm3): one-byte offsets from P53 up to the records at P54, which
// give their last frame, delay and first colour slot before the frames. There is no end
// mark, so a set 0 is left out of the frames; spare offsets point at the first record.
// "offsets" (mm5): offsets of animations 00..7F at P53 into the records at P54; those
// the demo does not have share one empty record.
void writeOffsets(RomJob& job, bool withSlot) {
    std::vector<uint8_t> offsets, records;
    for (const Animation& a : job.content.palettes.animations) {
        offsets.push_back(static_cast<uint8_t>(records.size()));
        std::vector<uint8_t> r = record(a);
        if (withSlot) {
            r.erase(std::remove(r.begin() + 2, r.end(), 0), r.end());
            if (r.size() < 3) throw std::runtime_error("animation " + a.name + " shows nothing");
            r[0] = static_cast<uint8_t>(r.size() - 3);
            r.insert(r.begin() + 2, static_cast<uint8_t>(4 * a.palette + 1));
        }
        records.insert(records.end(), r.begin(), r.end());
    }
    const size_t count = withSlot ? job.P(54) - job.P(53) : 128;
    if (offsets.size() > count || records.size() > 256)
        throw std::runtime_error("palette animations do not fit their tables");
    offsets.resize(count, withSlot ? 0 : static_cast<uint8_t>(records.size()));
    if (!withSlot) records.insert(records.end(), {0, 0, 0});
    job.rom.put(job.P(53), offsets, "palette animation offsets");
    job.rom.put(job.P(54), records, "palette animation records");
}

// "pointers" (mm4): pointers P53 (low) and P54 (high) of animations 00..7F into the bank
// at page P55, window A000. The part names the room [start, end) managed for the records
// of animations 00..3F (those the demo lacks are empty: a set 0 ends them at once), the
// place of the one empty record of 40..7F, and one animation kept outside the room and
// its place.
void writePointers(RomJob& job, const Entry& part) {
    const int64_t start = part.number(2), end = part.number(3), spare = part.number(4);
    const int outside = part.number(5);
    const int64_t outsideAt = part.number(6);
    const int bank = static_cast<int>(job.P(55) / 32);
    const auto& anims = job.content.palettes.animations;
    auto area = [&](int64_t from, int64_t to) {
        return RecordArea(job.rom, bank, 0xA000, from - 0xA000, to - 0xA000, "palette animations");
    };
    RecordArea managed = area(start, end);
    std::vector<int64_t> targets(128, area(spare, 0xC000).add({0, 0, 0}));
    for (int a = 0; a < 64; ++a)
        if (a != outside)
            targets[a] =
                managed.add(a < static_cast<int>(anims.size()) ? record(anims[a])
                                                               : std::vector<uint8_t>{0, 0, 0});
    targets.at(outside) = area(outsideAt, 0xC000).add(record(anims.at(outside)));
    job.rom.putPointers(job.P(53), job.P(54), 128, targets, "palette animation pointers");
}

} // namespace

void writePaletteAnimations(RomJob& job, const Entry& part) {
    job.rom.put(job.P(56), job.content.palettes.colourSets, "palette animation colour sets");
    const int format =
        indexOf({"offsets-with-slot", "offsets", "pointers"}, part.word(1), "animation form");
    if (format == 2)
        writePointers(job, part);
    else
        writeOffsets(job, format == 0);
}

} // namespace orvane::demo
