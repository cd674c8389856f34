#include "BundleFiles.h"

#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <system_error>

namespace orvane::demo {

std::vector<uint8_t> readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error(path.string() + ": cannot be read");
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in),
                                std::istreambuf_iterator<char>());
}

bool writeFileIfChanged(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
    std::error_code ec;
    if (std::filesystem::exists(path, ec)) {
        std::ifstream in(path, std::ios::binary);
        const std::vector<uint8_t> old((std::istreambuf_iterator<char>(in)),
                                       std::istreambuf_iterator<char>());
        if (in.good() || in.eof())
            if (old == bytes) return false;
    }
    std::filesystem::path temp = path;
    temp += ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) throw std::runtime_error(temp.string() + ": cannot be written");
    }
    std::filesystem::rename(temp, path, ec);
    if (ec) {
        std::filesystem::remove(temp, ec);
        throw std::runtime_error(path.string() + ": cannot be replaced");
    }
    return true;
}

std::vector<uint8_t> paletteFromText(const std::vector<uint8_t>& text) {
    std::istringstream lines(std::string(text.begin(), text.end()));
    std::vector<uint8_t> out;
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        std::istringstream words(line);
        std::string word;
        while (words >> word) {
            if (word.size() != 6 ||
                word.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
                throw std::runtime_error("not an RGB colour: " + word);
            const unsigned long rgb = std::stoul(word, nullptr, 16);
            out.insert(out.end(), {static_cast<uint8_t>(rgb >> 16), static_cast<uint8_t>(rgb >> 8),
                                   static_cast<uint8_t>(rgb)});
        }
    }
    if (out.size() != 192)
        throw std::runtime_error("expected 64 colours, found " + std::to_string(out.size() / 3));
    return out;
}

std::vector<uint8_t> demoConfig() {
    const std::string text = "datfile=\"orvane.dat\"\r\n"
                             "palanim=#1;\r\n"
                             "palfile=\"nes.pal\"\r\n"
                             "emufname=\"/usr/games/fceux\"\r\n"
                             "/\r\n";
    return std::vector<uint8_t>(text.begin(), text.end());
}

} // namespace orvane::demo
