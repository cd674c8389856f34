// The resource-data assembler on arbitrary source text. An assembly that succeeds keeps
// every count within what the data and orvane.pad can store, so the pad file and the dump
// show exactly what was assembled; one that fails names a line of the source.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "core/resdata/Assembler.h"
#include "core/resdata/DumpPage.h"
#include "core/resdata/PadFile.h"
#include "core/resdata/ResourceData.h"
#include "support/FuzzCheck.h"

using namespace orvane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<uint8_t> source(data, data + size);
    // One zeroed output reused: a fresh 256 KB allocation a run would slow the fuzzing.
    static const auto res = std::make_unique<ResourceData>();
    *res = ResourceData();
    const AssemblyResult result = assembleSource(source, *res, [](const std::string&) {});
    if (!result.ok) {
        fuzz::check(result.line >= 1 && !result.error.empty(), "a failed assembly names a line");
        return 0;
    }
    const int n = res->ResSectionCount, m = res->ResDataCount;
    fuzz::check(n >= 0 && n <= 255 && m >= 0 && m <= 32767,
                "an assembled section count fits one byte and the data count 15 bits");
    for (int16_t start : res->ResIndex)
        fuzz::check(start >= 0, "every slot points at a value that was assembled or zero");
    fuzz::check(padFileBytes(*res).size() == static_cast<size_t>(1 + 2 * (n + 1) + 2 + 4 * (m + 1)),
                "the pad file holds every section and value assembled");
    dumpPageText(*res, m / kDumpValuesPerPage, DumpMode::Hex);
    dumpPageText(*res, m / kDumpValuesPerPage, DumpMode::Chars);
    return 0;
}
