#include "app/store.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>

namespace tarmigo {

std::optional<std::vector<std::uint8_t>> FileStore::read() {
    // C streams rather than iostreams: they spare the start the set-up of the locales.
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> in(std::fopen(path_.c_str(), "rb"),
                                                             &std::fclose);
    if (!in) return std::nullopt;
    std::vector<std::uint8_t> bytes;
    std::uint8_t buffer[512];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, in.get())) > 0) {
        bytes.insert(bytes.end(), buffer, buffer + got);
        if (bytes.size() > 1 << 20) return std::nullopt; // not a saved game
    }
    if (std::ferror(in.get())) return std::nullopt;
    return bytes;
}

bool FileStore::write(std::span<const std::uint8_t> bytes) {
    // The C library's calls, and std::filesystem only to make a missing folder: a
    // write then uses no code beyond what the start has already run.
    const std::string temp = path_ + ".new";
    std::FILE* f = std::fopen(temp.c_str(), "wb");
    if (!f) {
        const std::filesystem::path folder = std::filesystem::path(path_).parent_path();
        std::error_code ec;
        if (!folder.empty()) std::filesystem::create_directories(folder, ec);
        f = std::fopen(temp.c_str(), "wb");
        if (!f) return false;
    }
    // An empty write (a seat freed) passes no buffer at all: fwrite takes none.
    bool ok = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    ok = std::fflush(f) == 0 && ok;
    ok = std::fclose(f) == 0 && ok;
    if (!ok || std::rename(temp.c_str(), path_.c_str()) != 0) {
        std::remove(temp.c_str());
        return false;
    }
    return true;
}

bool FileStore::remove() {
    return std::remove(path_.c_str()) == 0;
}

void HeldStore::release() {
    held_ = false;
    if (!pending_) return;
    const auto change = std::move(*pending_);
    pending_.reset();
    if (change)
        inner_.write(*change);
    else
        inner_.remove();
}

std::optional<std::vector<std::uint8_t>> HeldStore::read() {
    return pending_ ? *pending_ : inner_.read();
}

bool HeldStore::write(std::span<const std::uint8_t> bytes) {
    if (!held_) return inner_.write(bytes);
    pending_.emplace(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
    return true;
}

bool HeldStore::remove() {
    if (!held_) return inner_.remove();
    pending_.emplace(std::nullopt);
    return true;
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
