// The IPS and BPS readers on arbitrary patches, and the writers on arbitrary files. The
// input is split in two: two bytes give the length of the first part (modulo what there
// is). The first part is applied, as a patch of either format, to the second; then a patch
// made from the second part to the first, applied to the second, must give the first,
// and the BPS patch with any one byte changed must be refused.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/app/BpsPatch.h"
#include "core/app/IpsPatch.h"
#include "core/app/PatchFormat.h"
#include "support/FuzzCheck.h"

using namespace orvane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 3) return 0;
    const size_t split = (data[0] | data[1] << 8) % (size - 1);
    const std::vector<uint8_t> first(data + 2, data + 2 + split);
    const std::vector<uint8_t> second(data + 2 + split, data + size);

    for (const PatchResult& r :
         {applyIpsPatch(first, second), applyBpsPatch(first, second), applyPatch(first, second)}) {
        fuzz::check(r.ok() || !patchProblemMessage("patch.ips", r).empty(),
                    "a refused patch has a message");
        fuzz::check(r.bytes.size() <= kMaxPatchedSize, "a patched file stays within the limit");
    }

    for (PatchFormat format : {PatchFormat::Ips, PatchFormat::Bps}) {
        const PatchResult made = makePatch(format, second, first);
        fuzz::check(made.ok(), "a patch between two small files can be made");
        const PatchResult applied = applyPatch(made.bytes, second);
        fuzz::check(applied.ok() && applied.bytes == first,
                    "a patch made from A to B applied to A gives B");
        if (format == PatchFormat::Bps) {
            std::vector<uint8_t> damaged = made.bytes;
            damaged[split % damaged.size()] ^= static_cast<uint8_t>(1 + data[size - 1] % 255);
            fuzz::check(!applyBpsPatch(damaged, second).ok(), "a damaged BPS patch is refused");
        }
    }
    return 0;
}
