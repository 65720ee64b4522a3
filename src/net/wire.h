#pragma once
// The bytes of a message: little-endian integers written and read one field at a time.
// The reader refuses a value outside the range its caller names, and remembers the
// first refusal, so that a decoder reads straight through and asks once at the end.
#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace tarmigo::net {

class Writer {
  public:
    void u8(unsigned v) { bytes_.push_back(std::uint8_t(v)); }
    void u16(unsigned v);
    void u32(std::uint32_t v);
    void i32(std::int32_t v) { u32(std::uint32_t(v)); }
    // A short text: its length in one byte, then its bytes.
    void text(const std::string& s);

    std::vector<std::uint8_t> take() { return std::move(bytes_); }

  private:
    std::vector<std::uint8_t> bytes_;
};

class Reader {
  public:
    explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    // Each returns the value read, or lo after a refusal. `what` names the field in
    // the refusal's reason.
    int u8(const char* what, int lo = 0, int hi = 0xff);
    int u16(const char* what, int lo = 0, int hi = 0xffff);
    std::uint32_t u32(const char* what);
    std::int32_t i32(const char* what);
    bool flag(const char* what) { return u8(what, 0, 1) != 0; }
    // A text of minLength..maxLength bytes, each printable ASCII.
    std::string text(const char* what, int minLength, int maxLength);

    void fail(std::string reason);
    bool ok() const { return error_.empty(); }
    const std::string& error() const { return error_; }
    std::size_t left() const { return ok() ? bytes_.size() - at_ : 0; }

  private:
    bool take(std::size_t n, const char* what);

    std::span<const std::uint8_t> bytes_;
    std::size_t at_ = 0;
    std::string error_;
};

} // namespace tarmigo::net
