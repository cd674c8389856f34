// The whole reading and drawing path on a demo ROM with the demo resource data's numbers
// changed. The input is structured so that mutations stay meaningful: one byte picks the
// game (modulo 3) and the level (divided by 3), then 7-byte records, each an operation, a 16-bit
// index and a 32-bit value (little-endian):
//   operation 0: value index (modulo the values assembled) is set to the value;
//   operation 1: the value is added to it, so small steps around the real numbers are
//                as near as large jumps;
//   operation 2: slot index (modulo 256) points at the value's low 16 bits.
#include <cstddef>
#include <cstdint>
#include <memory>

#include "core/app/Editor.h"
#include "support/DemoBundle.h"
#include "support/Pipeline.h"

using namespace orvane;

namespace {

constexpr size_t kRecordSize = 7;

uint32_t readU32(const uint8_t* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

void applyRecord(ResourceData& res, const uint8_t* r) {
    const int index = r[1] | r[2] << 8;
    const uint32_t value = readU32(r + 3);
    const int values = res.ResDataCount > 0 ? res.ResDataCount : 1;
    auto& target = res.ResData[static_cast<size_t>(index % values)];
    switch (r[0] % 3) {
    case 0:
        target = static_cast<int32_t>(value);
        break;
    case 1:
        target = static_cast<int32_t>(static_cast<uint32_t>(target) + value);
        break;
    default:
        res.ResIndex[static_cast<size_t>(index % ResourceData::kSlots)] =
            static_cast<int16_t>(value & 0xFFFF);
        break;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const auto& demo = fuzz::demoBundle();
    const int game = data[0] % 3;
    const auto res = std::make_unique<ResourceData>(*demo.res);
    for (size_t at = 1; at + kRecordSize <= size; at += kRecordSize)
        applyRecord(*res, data + at);
    Editor ed;
    fuzz::startEditor(ed, game, demo.roms[static_cast<size_t>(game)], *res);
    fuzz::runPipeline(ed, data[0] / 3, false);
    return 0;
}
