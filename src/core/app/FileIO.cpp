#include "core/app/FileIO.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

#include <fcntl.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace orvane {

std::optional<std::vector<uint8_t>> readWholeFile(const std::string& path) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    // In blocks rather than a byte at a time: a save reads the whole ROM file first.
    std::vector<uint8_t> bytes;
    char block[65536];
    while (in.read(block, sizeof block) || in.gcount() > 0)
        bytes.insert(bytes.end(), block, block + in.gcount());
    if (in.bad()) return std::nullopt;
    return bytes;
}

bool writeFileAtomically(const std::string& path, const std::vector<uint8_t>& bytes,
                         std::string* why) {
    const std::string temp = path + ".orvane-tmp";
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) {
        if (why) *why = std::strerror(errno);
        return false;
    }
    int error = 0; // the first thing that went wrong
    size_t done = 0;
    while (error == 0 && done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0)
            error = n < 0 ? errno : EIO;
        else
            done += static_cast<size_t>(n);
    }
    if (error == 0 && ::fsync(fd) != 0) error = errno;
    // A full disk may show only when the data is flushed or the file closed.
    if (::close(fd) != 0 && error == 0) error = errno;

    std::error_code ec;
    if (error == 0 && fs::exists(path, ec)) {
        // Keep the permissions the user gave the file being replaced.
        const fs::perms perms = fs::status(path, ec).permissions();
        if (!ec) fs::permissions(temp, perms, ec);
    }
    if (error == 0 && std::rename(temp.c_str(), path.c_str()) != 0) error = errno;
    if (error == 0) return true;
    std::remove(temp.c_str());
    if (why) *why = std::strerror(error);
    return false;
}

bool fileExists(const std::string& path) {
    std::error_code ec;
    return fs::exists(path, ec);
}

std::string resolveInDir(const std::string& dir, const std::string& name) {
    const fs::path p(name);
    if (p.is_absolute() || dir.empty()) return name;
    return (fs::path(dir) / p).string();
}

} // namespace orvane
