#include "core/resdata/ResString.h"

#include "core/resdata/ResourceData.h"

namespace orvane {

std::string ResString(const ResourceData& res, int64_t index) {
    std::string text;
    // A name that runs to the end of the values without its end mark stops there.
    for (int64_t i = index < 0 ? ResourceData::kValues : index; i < ResourceData::kValues; ++i) {
        const int32_t v = res.value(i);
        if (v >= 255) break;
        // Only the low byte is a character code; a negative value still gives one.
        text += static_cast<char>(static_cast<uint8_t>(v & 0xFF));
    }
    return text;
}

} // namespace orvane
