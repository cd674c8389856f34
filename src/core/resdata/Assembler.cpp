#include "core/resdata/Assembler.h"

#include <algorithm>
#include <array>
#include <functional>
#include <string>

#include "core/resdata/HexVal.h"
#include "core/resdata/ResourceData.h"

namespace orvane {

namespace {

// The section count is one byte, here and in orvane.pad, so 255 is the most it can
// hold; a 256th section would wrap it to 0 and the dump would lose every slot.
constexpr int kMaxSections = 255;
constexpr int kMaxLabels = 256;
// Slots and the data count are signed 16-bit values.
constexpr int64_t kMaxIndex = 32767;
constexpr uint64_t kMaxNumber = 0x7FFFFFFF;
constexpr int kEndOfSource = -1;

struct Section {
    int64_t start = 0;
    std::string name;
};

bool isSectionNameByte(int b) {
    return b == '_' || (b >= 'a' && b <= 'z') || (b >= '0' && b <= '9');
}

bool isSlotNameByte(int b) {
    return isSectionNameByte(b) || b == '&';
}

// Digit value of one byte of a "!" number, -1 for a byte that ends it. "#" and "." are
// there so bit patterns can be written as 1s and 0s.
int numberDigit(int b) {
    if (b == '#') return 1;
    if (b == '.') return 0;
    if ((b >= '0' && b <= '9') || (b >= 'A' && b <= 'F'))
        return HexDigitValue(static_cast<char>(b)).value_or(0);
    return -1;
}

int64_t decimalPrefix(const std::string& text) {
    size_t i = 0;
    while (i < text.size() &&
           (text[i] == ' ' || text[i] == '\t' || text[i] == '\r' || text[i] == '\n'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = std::min<int64_t>(value * 10 + (text[i] - '0'), 1'000'000); // far enough to reject
    return negative ? -value : value;
}

// One assembly run: reads the source a byte at a time, top level in the loop of run(),
// one member per token. Every token handler returns false once the run has failed.
class Assembly {
public:
    using LogFn = std::function<void(const std::string&)>;

    Assembly(const std::vector<uint8_t>& source, ResourceData& out, const LogFn& log)
        : m_source(source), m_out(out), m_log(log) {}

    AssemblyResult run() {
        m_out.ResSectionCount = 0;
        m_out.ResDataCount = 0;
        for (int b = next(); b != kEndOfSource; b = next()) {
            bool ok = true;
            switch (b) {
            case '/':
                skipComment();
                break;
            case '{':
                ok = openSection();
                break;
            case '}':
                ok = closeSection();
                break;
            case '!':
                ok = numbers();
                break;
            case '"':
                ok = string();
                break;
            case '&':
                ok = label();
                break;
            case '%':
                ok = indexDirective();
                break;
            default:
                break; // everything else between tokens is filler
            }
            if (!ok) return m_result;
        }
        if (m_cursor > kMaxIndex) {
            fail("more than 32767 values assembled");
            return m_result;
        }
        m_out.ResDataCount = static_cast<int>(m_cursor);
        return m_result;
    }

private:
    int next() {
        if (m_pos >= m_source.size()) return kEndOfSource;
        const uint8_t b = m_source[m_pos++];
        // The line of the byte just read; a line end belongs to the line it ends.
        m_line = m_lineEnds + 1;
        if (b == '\n') ++m_lineEnds;
        return b;
    }

    bool fail(const char* what) {
        m_result.ok = false;
        m_result.error = what;
        m_result.line = m_line;
        return false;
    }

    bool store(int32_t value) {
        if (m_cursor >= ResourceData::kValues) return fail("more than 65536 values written");
        m_out.ResData[static_cast<size_t>(m_cursor++)] = value;
        return true;
    }

    bool sectionMayStartHere() {
        return m_cursor <= kMaxIndex || fail("a section starts above value 32767");
    }

    void logSection(int s) {
        const Section& section = m_sections[static_cast<size_t>(s)];
        if (m_log) m_log("$" + hexString(section.start) + ": " + section.name);
    }

    bool roomForSection() {
        return m_sectionCount < kMaxSections || fail("more than 255 sections");
    }

    void countSection() { m_out.ResSectionCount = ++m_sectionCount; }

    void skipComment() {
        for (int b = next(); b != kEndOfSource && b != '/'; b = next()) {
        }
    }

    bool openSection() {
        if (!sectionMayStartHere()) return false;
        // A section opened again before it was closed keeps its slot in the table: the
        // new start wins and the new name is appended to the old one.
        Section& section = m_sections[static_cast<size_t>(m_sectionCount)];
        section.start = m_cursor;
        m_labelCount = 0;
        for (int b = next(); isSectionNameByte(b); b = next())
            section.name += static_cast<char>(b);
        return true;
    }

    bool closeSection() {
        const int s = m_sectionCount;
        if (!roomForSection()) return false;
        logSection(s);
        countSection();
        if (m_labelCount == 0) return true;

        // The labels become a section of their own right behind the closed one, so a
        // directive can bind a slot to the table of "&" positions by name.
        if (!sectionMayStartHere() || !roomForSection()) return false;
        Section& index = m_sections[static_cast<size_t>(m_sectionCount)];
        index.start = m_cursor;
        index.name = m_sections[static_cast<size_t>(s)].name + "&index";
        for (int i = 0; i < m_labelCount; ++i)
            if (!store(m_labels[static_cast<size_t>(i)])) return false;
        logSection(m_sectionCount);
        countSection();
        return true;
    }

    bool numbers() {
        for (;;) {
            int b = next();
            const bool negative = b == '-';
            if (negative) b = next();
            uint64_t value = 0;
            for (int d = numberDigit(b); d >= 0; d = numberDigit(b)) {
                value = value * 16 + static_cast<uint64_t>(d);
                if (value > kMaxNumber) return fail("a number above 7FFFFFFF");
                b = next();
            }
            if (m_cursor >= ResourceData::kValues) return fail("more than 65536 values written");
            // The number is added to what is already at the cursor, and a minus negates
            // the sum; both stay far inside 64 bits, and the 32-bit store wraps.
            int32_t& target = m_out.ResData[static_cast<size_t>(m_cursor++)];
            int64_t sum = static_cast<int64_t>(target) + static_cast<int64_t>(value);
            if (negative) sum = -sum;
            target = static_cast<int32_t>(static_cast<uint32_t>(sum));
            if (b != '!') return true;
        }
    }

    bool string() {
        for (int b = next(); b != kEndOfSource; b = next()) {
            if (b == '"') return store(255); // the end mark every name reader stops at
            if (!store(b)) return false;
        }
        return true; // an unterminated string gets no end mark
    }

    bool label() {
        if (m_labelCount >= kMaxLabels) return fail("more than 256 labels in one section");
        m_labels[static_cast<size_t>(m_labelCount++)] = static_cast<int16_t>(m_cursor);
        return true;
    }

    bool indexDirective() {
        std::string slotText;
        int b = next();
        for (; b != kEndOfSource && b != '='; b = next())
            slotText += static_cast<char>(b);
        const int64_t slot = decimalPrefix(slotText);
        if (slot < 0) return fail("a negative slot number in an index directive");
        if (slot >= ResourceData::kSlots)
            return fail("a slot number above 255 in an index directive");

        std::string name;
        for (b = next(); isSlotNameByte(b); b = next())
            name += static_cast<char>(b);

        // A name that matches no finished section lands on the table entry after the
        // last one: the start of the section still open, or 0 when none is.
        int found = m_sectionCount;
        for (int s = 0; s < m_sectionCount; ++s)
            if (m_sections[static_cast<size_t>(s)].name == name) {
                found = s;
                break;
            }
        m_out.ResIndex[static_cast<size_t>(slot)] =
            static_cast<int16_t>(m_sections[static_cast<size_t>(found)].start);
        return true;
    }

    const std::vector<uint8_t>& m_source;
    ResourceData& m_out;
    const LogFn& m_log;
    AssemblyResult m_result;

    size_t m_pos = 0;
    int m_line = 1;
    int m_lineEnds = 0;

    int64_t m_cursor = 0;
    int m_sectionCount = 0;
    // One entry more than the count can reach, for the section still open.
    std::array<Section, kMaxSections + 1> m_sections;
    std::array<int16_t, kMaxLabels> m_labels{};
    int m_labelCount = 0;
};

} // namespace

AssemblyResult assembleSource(const std::vector<uint8_t>& source, ResourceData& out,
                              const std::function<void(const std::string&)>& logLine) {
    return Assembly(source, out, logLine).run();
}

} // namespace orvane
