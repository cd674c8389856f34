#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace orvane::demo {

std::vector<uint8_t> readFile(const std::filesystem::path& path);

// Writes `bytes` to `path` through a temporary file renamed over it, and only when the
// file does not already hold exactly these bytes, so a rebuild leaves unchanged files
// (and their times) alone. Returns true when it wrote. Throws naming the file.
bool writeFileIfChanged(const std::filesystem::path& path, const std::vector<uint8_t>& bytes);

// The 192-byte palette file from the text list of 64 colours (hex RGB, blanks between,
// lines starting with '#' are comments). Throws on anything else.
std::vector<uint8_t> paletteFromText(const std::vector<uint8_t>& text);

// The demo's orvane.cfg: datfile, palanim, palfile and emufname, CR LF lines, "/" last.
std::vector<uint8_t> demoConfig();

} // namespace orvane::demo
