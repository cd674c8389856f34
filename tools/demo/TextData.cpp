#include "TextData.h"

#include <algorithm>
#include <fstream>
#include <sstream>

namespace orvane::demo {

namespace {

std::vector<std::string> split(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string w; in >> w;)
        words.push_back(w);
    return words;
}

std::string trimmed(const std::string& s) {
    const size_t first = s.find_first_not_of(" \t\r");
    return s.substr(first, s.find_last_not_of(" \t\r") + 1 - first);
}

} // namespace

const std::string& Entry::word(size_t i) const {
    if (i >= words.size()) throw std::runtime_error("'" + keyword() + "' needs more values");
    return words[i];
}

int Entry::number(size_t i) const {
    return hexNumber(word(i));
}

std::vector<uint8_t> Entry::bytes(size_t from) const {
    std::vector<std::string> all(words.begin() + std::min(from, words.size()), words.end());
    for (const std::string& row : rows)
        for (const std::string& w : split(row))
            all.push_back(w);
    std::vector<uint8_t> out;
    for (const std::string& w : all) {
        const int v = hexNumber(w);
        if (v > 0xFF) throw std::runtime_error("not a byte: " + w);
        out.push_back(uint8_t(v));
    }
    return out;
}

int hexNumber(const std::string& text) {
    if (text.empty() || text.size() > 7 ||
        text.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
        throw std::runtime_error("not a hex number: '" + text + "'");
    return std::stoi(text, nullptr, 16);
}

int indexOf(const std::vector<std::string>& names, const std::string& name, const char* what) {
    const auto it = std::find(names.begin(), names.end(), name);
    if (it == names.end()) throw std::runtime_error(std::string("no ") + what + " '" + name + "'");
    return static_cast<int>(it - names.begin());
}

std::vector<Entry> readEntries(const std::filesystem::path& file) {
    std::ifstream in(file);
    if (!in) throw std::runtime_error(file.string() + ": cannot be read");
    std::vector<Entry> entries;
    std::string line;
    for (int n = 1; std::getline(in, line); ++n) {
        const std::string where = file.filename().string() + ":" + std::to_string(n);
        line = line.substr(0, line.find('#'));
        const std::vector<std::string> words = split(line);
        if (words.empty()) continue;
        if (line[0] != ' ' && line[0] != '\t')
            entries.push_back({where, words, {}});
        else if (entries.empty())
            throw std::runtime_error(where + ": an indented row needs an entry above it");
        else
            entries.back().rows.push_back(trimmed(line));
    }
    return entries;
}

} // namespace orvane::demo
