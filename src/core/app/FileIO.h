#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace orvane {

// Whole-file reads and writes. A write never leaves the target half-written: the bytes
// go to a temporary file beside it, which is flushed and renamed over the target. A
// failed write removes its temporary file and, when `why` is given, puts the system's
// reason there ("No space left on device").
std::optional<std::vector<uint8_t>> readWholeFile(const std::string& path);
bool writeFileAtomically(const std::string& path, const std::vector<uint8_t>& bytes,
                         std::string* why = nullptr);
bool fileExists(const std::string& path);

// `name` taken relative to `dir` unless it is absolute.
std::string resolveInDir(const std::string& dir, const std::string& name);

} // namespace orvane
