#include "core/app/ConfigTable.h"

#include <charconv>
#include <cmath>
#include <cstddef>

namespace orvane {

namespace {

constexpr uint8_t kCR = 13;
constexpr uint8_t kLF = 10;
constexpr uint8_t kQuote = '"';

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// A quoted value ends at the first double quote, so a text holding one could not be
// read back: the rest of the line would turn into the next key. Such characters are
// dropped before they reach the table.
std::string storableText(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text)
        if (c != static_cast<char>(kQuote)) out.push_back(c);
    return out;
}

void append(std::vector<uint8_t>& out, const std::string& s) {
    out.insert(out.end(), s.begin(), s.end());
}

// Sequential byte reader over the file contents; reading past the end says so instead
// of returning a byte.
class Reader {
public:
    explicit Reader(const std::vector<uint8_t>& bytes) : m_bytes(bytes) {}
    bool next(uint8_t& b) {
        if (m_pos >= m_bytes.size()) return false;
        b = m_bytes[m_pos++];
        return true;
    }
    bool peek(size_t ahead, uint8_t& b) const {
        if (m_pos + ahead >= m_bytes.size()) return false;
        b = m_bytes[m_pos + ahead];
        return true;
    }
    void skip(size_t n) { m_pos = (m_bytes.size() - m_pos < n) ? m_bytes.size() : m_pos + n; }

private:
    const std::vector<uint8_t>& m_bytes;
    size_t m_pos = 0;
};

// Reads bytes up to (not including) `stop`. False when the file ends first.
bool readUntil(Reader& r, uint8_t stop, std::string& out) {
    uint8_t b = 0;
    while (r.next(b)) {
        if (b == stop) return true;
        out.push_back(static_cast<char>(b));
    }
    return false;
}

// The line end after a value: CR LF as written, but a single LF is accepted too so a
// file saved by an editor with Unix line ends keeps the first letter of every key.
void skipLineEnd(Reader& r) {
    uint8_t b = 0;
    if (r.peek(0, b) && b == kLF) {
        r.skip(1);
        return;
    }
    r.skip(2);
}

} // namespace

double parseConfigNumber(std::string_view text) {
    size_t i = 0;
    std::string number;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') number.push_back('-');
        ++i;
    }
    size_t digits = 0;
    while (i < text.size() && isDigit(text[i])) {
        number.push_back(text[i++]);
        ++digits;
    }
    if (i < text.size() && text[i] == '.') {
        number.push_back('.');
        ++i;
        while (i < text.size() && isDigit(text[i])) {
            number.push_back(text[i++]);
            ++digits;
        }
    }
    if (digits == 0) return 0;
    // An exponent counts only when digits follow it: "2e" is 2, "2e3" is 2000.
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        size_t j = i + 1;
        std::string exponent = "e";
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) exponent.push_back(text[j++]);
        if (j < text.size() && isDigit(text[j])) {
            while (j < text.size() && isDigit(text[j]))
                exponent.push_back(text[j++]);
            number += exponent;
        }
    }
    double value = 0;
    auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)end;
    if (ec != std::errc() || !std::isfinite(value)) return 0;
    return value == 0 ? 0.0 : value; // no "-0" in the file
}

std::string formatConfigNumber(double v) {
    if (!std::isfinite(v) || v == 0) return "0";
    char buf[64];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v);
    if (ec != std::errc()) return "0";
    return std::string(buf, end);
}

ConfigTable ConfigTable::parse(const std::vector<uint8_t>& bytes) {
    ConfigTable table;
    Reader r(bytes);
    while (static_cast<int>(table.m_entries.size()) < kMaxEntries) {
        ConfigEntry e;
        uint8_t b = 0;
        // The key: every byte before "=". A "/" anywhere ends the file.
        for (;;) {
            if (!r.next(b) || b == '/') return table;
            if (b == '=') break;
            e.name.push_back(static_cast<char>(b));
        }
        if (!r.next(b)) return table;
        if (b == '#') {
            std::string digits;
            if (!readUntil(r, ';', digits)) return table;
            e.kind = 0;
            e.number = parseConfigNumber(digits);
        } else if (b == kQuote) {
            if (!readUntil(r, kQuote, e.text)) return table;
            e.kind = 1;
        } else {
            return table;
        }
        table.m_entries.push_back(std::move(e));
        skipLineEnd(r);
    }
    return table;
}

std::vector<uint8_t> ConfigTable::serialize() const {
    std::vector<uint8_t> out;
    for (const ConfigEntry& e : m_entries) {
        append(out, e.name);
        if (e.kind == 0) {
            append(out, "=#" + formatConfigNumber(e.number) + ";");
        } else {
            out.push_back('=');
            out.push_back(kQuote);
            append(out, e.text);
            out.push_back(kQuote);
        }
        out.push_back(kCR);
        out.push_back(kLF);
    }
    out.push_back('/');
    out.push_back(kCR);
    out.push_back(kLF);
    return out;
}

const ConfigEntry* ConfigTable::find(const std::string& key) const {
    for (const ConfigEntry& e : m_entries)
        if (e.name == key) return &e;
    return nullptr;
}

std::optional<std::string> ConfigTable::text(const std::string& key) const {
    const ConfigEntry* e = find(key);
    if (!e) return std::nullopt;
    return e->kind == 0 ? formatConfigNumber(e->number) : e->text;
}

std::optional<double> ConfigTable::number(const std::string& key) const {
    const ConfigEntry* e = find(key);
    if (!e) return std::nullopt;
    return e->kind == 0 ? e->number : parseConfigNumber(e->text);
}

bool ConfigTable::setText(const std::string& key, const std::string& value) {
    for (ConfigEntry& e : m_entries) {
        if (e.name != key) continue;
        if (e.kind == 0)
            e.number = parseConfigNumber(value);
        else
            e.text = storableText(value);
        return true;
    }
    return false;
}

bool ConfigTable::setNumber(const std::string& key, double value) {
    for (ConfigEntry& e : m_entries) {
        if (e.name != key) continue;
        if (e.kind == 0)
            e.number = std::isfinite(value) ? value : 0;
        else
            e.text = formatConfigNumber(value);
        return true;
    }
    return false;
}

void ConfigTable::add(ConfigEntry e) {
    if (static_cast<int>(m_entries.size()) >= kMaxEntries) return;
    if (e.kind != 0) {
        e.kind = 1;
        e.text = storableText(e.text);
    } else if (!std::isfinite(e.number)) {
        e.number = 0;
    }
    m_entries.push_back(std::move(e));
}

} // namespace orvane
