#include "app/store.h"

#include <cstdio>
#include <fstream>
#include <system_error>

namespace tarmigo {

std::optional<std::vector<std::uint8_t>> FileStore::read() {
    std::ifstream in(path_, std::ios::binary);
    if (!in) return std::nullopt;
    std::vector<std::uint8_t> bytes;
    char buffer[512];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        bytes.insert(bytes.end(), buffer, buffer + in.gcount());
        if (bytes.size() > 1 << 20) return std::nullopt; // not a saved game
    }
    if (in.bad()) return std::nullopt;
    return bytes;
}

bool FileStore::write(std::span<const std::uint8_t> bytes) {
    std::error_code ec;
    if (path_.has_parent_path()) std::filesystem::create_directories(path_.parent_path(), ec);
    std::filesystem::path temp = path_;
    temp += ".new";
    {
        std::FILE* f = std::fopen(temp.c_str(), "wb");
        if (!f) return false;
        bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
        ok = std::fflush(f) == 0 && ok;
        ok = std::fclose(f) == 0 && ok;
        if (!ok) {
            std::filesystem::remove(temp, ec);
            return false;
        }
    }
    std::filesystem::rename(temp, path_, ec);
    if (ec) {
        std::filesystem::remove(temp, ec);
        return false;
    }
    return true;
}

bool FileStore::remove() {
    std::error_code ec;
    return std::filesystem::remove(path_, ec);
}

std::optional<std::string> fileCopyName(const std::string& programName) {
    if (programName.empty()) return std::nullopt;
    const char last = programName.back();
    if (last == 't' || last == 'T') return std::nullopt;
    std::string name = programName;
    name.back() = 't';
    return name;
}

} // namespace tarmigo
