#pragma once

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace orvane::demo {

// One entry of a demo data file: a line of words and the indented rows under it (a
// picture, a screen layout, more bytes).
struct Entry {
    std::string where; // "file:line", for messages
    std::vector<std::string> words;
    std::vector<std::string> rows;

    const std::string& keyword() const { return words.front(); }
    // Word i; throws when the line is shorter.
    const std::string& word(size_t i) const;
    // Word i as a hex number.
    int number(size_t i) const;
    // The words from `from` on and then those of the rows, as hex bytes.
    std::vector<uint8_t> bytes(size_t from) const;
};

// Reads a data file: '#' starts a comment, a line starting with a blank is a row of the
// entry above, any other line starts an entry. Throws naming the file.
std::vector<Entry> readEntries(const std::filesystem::path& file);

// Runs `body` on each entry; an error is reported with the entry's file and line.
template <typename Body> void forEachEntry(const std::vector<Entry>& entries, Body body) {
    for (const Entry& e : entries) {
        try {
            body(e);
        } catch (const std::exception& x) {
            throw std::runtime_error(e.where + ": " + x.what());
        }
    }
}

// A hex number of at most 7 digits; throws naming `text` otherwise.
int hexNumber(const std::string& text);

// The index of `name` in `names`; throws naming `what` when it is not there.
int indexOf(const std::vector<std::string>& names, const std::string& name, const char* what);

// The index of the item called `name`; throws naming `what` when there is none.
template <typename T>
int byName(const std::vector<T>& items, const std::string& name, const char* what) {
    for (size_t i = 0; i < items.size(); ++i)
        if (items[i].name == name) return static_cast<int>(i);
    throw std::runtime_error(std::string("no ") + what + " '" + name + "'");
}

} // namespace orvane::demo
