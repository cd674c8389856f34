#pragma once

#include <string>
#include <vector>

namespace orvane {

struct ResourceData;

enum class DumpMode { Hex = 0, Chars = 1 };

constexpr int kDumpPages = 512; // 128 values a page cover all 65536
constexpr int kDumpValuesPerPage = 128;

// The text of one page of the resource data dump: "Page:" and the page number, an empty
// line, then 16 lines of 8 values ("$index: " values "  /"). In character mode each
// value below 255 is the one byte of its low byte (so a line may hold any byte), 255 is
// "[E]" and larger values print nothing.
std::vector<std::string> dumpPageText(const ResourceData& res, int page, DumpMode mode);

} // namespace orvane
