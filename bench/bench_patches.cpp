// Making and applying IPS and BPS patches for a 512 KiB ROM with a tenth of its bytes
// changed at scattered places (the hardest case for record-based formats): the goal is
// under 20 ms for each of the four.
#include <cstdio>
#include <random>
#include <vector>

#include "BenchSupport.h"
#include "core/app/PatchFormat.h"

using namespace orvane;

int main() {
    std::mt19937 random(15);
    std::vector<uint8_t> source(512 * 1024);
    for (auto& b : source)
        b = static_cast<uint8_t>(random());
    std::vector<uint8_t> target = source;
    std::uniform_int_distribution<size_t> where(0, target.size() - 1);
    size_t changed = 0;
    while (changed < target.size() / 10) {
        uint8_t& b = target[where(random)];
        if (b != source[&b - target.data()]) continue;
        b ^= static_cast<uint8_t>(1 + random() % 255);
        ++changed;
    }

    std::printf("512 KiB ROM, %zu bytes changed; best of 5 runs, milliseconds\n", changed);
    bool ok = true;
    for (PatchFormat format : {PatchFormat::Ips, PatchFormat::Bps}) {
        const char* name = format == PatchFormat::Ips ? "IPS" : "BPS";
        PatchResult patch;
        const double make =
            bench::bestMicroseconds(10, [&] { patch = makePatch(format, source, target); });
        PatchResult applied;
        const double apply =
            bench::bestMicroseconds(10, [&] { applied = applyPatch(patch.bytes, source); });
        const bool same = applied.ok() && applied.bytes == target;
        ok = ok && same;
        std::printf("%s  make %6.2f  apply %6.2f  patch %zu bytes%s\n", name, make / 1000,
                    apply / 1000, patch.bytes.size(), same ? "" : "  RESULT DIFFERS");
    }
    return ok ? 0 : 1;
}
