#pragma once
// A place where one copy of the saved state is kept.
#include <cstdint>
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
// half-written copy behind. (A std::filesystem::path converts to the string.)
class FileStore : public Store {
  public:
    explicit FileStore(std::string path) : path_(std::move(path)) {}
    std::optional<std::vector<std::uint8_t>> read() override;
    bool write(std::span<const std::uint8_t> bytes) override;
    bool remove() override;
    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

// A copy whose writes can be held back for a while and made later, in one go: the
// desktop start holds them until the first board is on the screen, because the
// settings store waits for the disk. Reads see what was last written, held or not.
class HeldStore : public Store {
  public:
    explicit HeldStore(Store& inner) : inner_(inner) {}
    ~HeldStore() override { release(); }
    HeldStore(const HeldStore&) = delete;
    HeldStore& operator=(const HeldStore&) = delete;

    void hold() { held_ = true; }
    // Makes the last held write or removal and stops holding.
    void release();

    std::optional<std::vector<std::uint8_t>> read() override;
    // While held these always succeed: a failure of the real write later is passed
    // over, as any failure of a store is.
    bool write(std::span<const std::uint8_t> bytes) override;
    bool remove() override;

  private:
    Store& inner_;
    bool held_ = false;
    // The held change: the bytes to write, or nothing for a removal.
    std::optional<std::optional<std::vector<std::uint8_t>>> pending_;
};

// The name of the file copy: the program's name with its last character replaced
// by 't'; nothing for a name that already ends in 't' (the program's own file is
// never touched).
std::optional<std::string> fileCopyName(const std::string& programName);

} // namespace tarmigo
