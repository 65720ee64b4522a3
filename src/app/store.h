#pragma once
// A place where one copy of the saved state is kept.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tarmigo {

class Store {
  public:
    virtual ~Store() = default;
    // The stored bytes, whatever their number, or nothing when the copy is missing
    // or cannot be read.
    virtual std::optional<std::vector<std::uint8_t>> read() = 0;
    // True when all the bytes were written.
    virtual bool write(std::span<const std::uint8_t> bytes) = 0;
    virtual bool remove() = 0;
};

// The file copy. It is replaced whole: written to a temporary file in the same
// folder and renamed over the old one, so a crash or a full disk never leaves a
// half-written copy behind.
class FileStore : public Store {
  public:
    explicit FileStore(std::filesystem::path path) : path_(std::move(path)) {}
    std::optional<std::vector<std::uint8_t>> read() override;
    bool write(std::span<const std::uint8_t> bytes) override;
    bool remove() override;
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

// The name of the file copy: the program's name with its last character replaced
// by 't'; nothing for a name that already ends in 't' (the program's own file is
// never touched).
std::optional<std::string> fileCopyName(const std::string& programName);

} // namespace tarmigo
