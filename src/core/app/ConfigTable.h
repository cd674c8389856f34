#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// One entry of orvane.cfg: a quoted string (kind 1) or a number (kind 0).
struct ConfigEntry {
    std::string name;
    int kind = 1;
    std::string text;  // kind 1
    double number = 0; // kind 0
};

// The in-memory configuration table and its byte format: key "=" value CR LF per
// entry, "/" CR LF at the end. At most kMaxEntries entries are kept.
class ConfigTable {
public:
    static constexpr int kMaxEntries = 16;

    static ConfigTable parse(const std::vector<uint8_t>& bytes);
    std::vector<uint8_t> serialize() const;

    const std::vector<ConfigEntry>& entries() const { return m_entries; }
    // First entry whose name equals `key` exactly, or nullptr.
    const ConfigEntry* find(const std::string& key) const;
    // Lookups that convert as far as possible; nullopt when the key is missing.
    std::optional<std::string> text(const std::string& key) const;
    std::optional<double> number(const std::string& key) const;
    // Replace the first matching entry's value, keeping its kind (a text stored into a
    // number entry is read as a decimal number, and the other way round). False when
    // no entry matches; the table is then unchanged. A text value cannot hold a double
    // quote (it would end the value in the file), so quotes are dropped from it.
    bool setText(const std::string& key, const std::string& value);
    bool setNumber(const std::string& key, double value);

    void add(ConfigEntry e);

private:
    std::vector<ConfigEntry> m_entries;
};

// Shortest decimal form of a configuration number: 1, 0, 0.5.
std::string formatConfigNumber(double v);
// The leading decimal number of `text` as far as it parses ("12abc" is 12, "0.5;" is
// 0.5); an empty or non-numeric text, or one too large for a double, gives 0.
double parseConfigNumber(std::string_view text);

} // namespace orvane
