#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace orvane {

struct ResourceData;

// Outcome of one assembly run. On failure `error` says what limit was exceeded and
// `line` is the 1-based source line where it happened; `out` then holds what was
// assembled up to that point and must not be used.
struct AssemblyResult {
    bool ok = true;
    std::string error;
    int line = 0;
};

// Assembles resource source text into `out` (which must start zeroed: numbers are added to
// the values already there). `logLine`, when given, receives one line per finished
// section, such as "$0: mm3". The run fails when the source needs more than the data
// can hold: 255 sections (the count is one byte), 256 labels in a section, 65536 values,
// a section start or final count above 32767, a slot above 255 or a number above 7FFFFFFF.
AssemblyResult assembleSource(const std::vector<uint8_t>& source, ResourceData& out,
                              const std::function<void(const std::string&)>& logLine = {});

} // namespace orvane
