#pragma once
// The bytes of a message: little-endian integers, one field at a time, by one function
// per message that both writes and reads it (messages.cpp's `serialize`), so that the
// two directions cannot drift apart. A stream writes the fields it is given, reads them
// back into the same fields, or only counts their bytes. Reading refuses a value outside
// the range the field names and remembers the first refusal, so that a message is read
// straight through and asked once at the end; writing takes the values as they are.
#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace tarmigo::net {

class Stream {
  public:
    enum class Mode { Write, Read, Measure };

    static Stream writing() { return {Mode::Write, {}}; }
    static Stream reading(std::span<const std::uint8_t> bytes) { return {Mode::Read, bytes}; }
    static Stream measuring() { return {Mode::Measure, {}}; }

    bool isReading() const { return mode_ == Mode::Read; }

    // A field of one byte in lo..hi: an integer, an enum, a card or a flag. `what` names
    // the field in a refusal.
    template <class T> void u8(T& v, const char* what, int lo = 0, int hi = 0xff) {
        int x = static_cast<int>(v);
        number(x, 1, what, lo, hi);
        if (isReading()) v = static_cast<T>(x);
    }
    template <class T> void u16(T& v, const char* what, int lo = 0, int hi = 0xffff) {
        int x = static_cast<int>(v);
        number(x, 2, what, lo, hi);
        if (isReading()) v = static_cast<T>(x);
    }
    void flag(bool& v, const char* what) { u8(v, what, 0, 1); }
    void u32(std::uint32_t& v, const char* what);
    void i32(int& v, const char* what); // two's complement
    // A short text: its length in one byte, minLength..maxLength, then its bytes, each
    // printable ASCII.
    void text(std::string& s, const char* what, int minLength, int maxLength);
    // Bytes as they are, as many as `b` holds.
    void bytes(std::span<std::uint8_t> b, const char* what);

    void fail(std::string reason);
    bool ok() const { return error_.empty(); }
    const std::string& error() const { return error_; }
    // Bytes not read yet; none after a refusal.
    std::size_t left() const { return ok() ? in_.size() - at_ : 0; }
    // The bytes written or counted so far.
    std::size_t size() const { return mode_ == Mode::Write ? out_.size() : at_; }
    std::vector<std::uint8_t> take() { return std::move(out_); }

  private:
    Stream(Mode mode, std::span<const std::uint8_t> in) : mode_(mode), in_(in) {}
    // An unsigned number of `width` bytes, checked against lo..hi when read.
    void number(int& v, int width, const char* what, int lo, int hi);
    void raw(std::uint32_t& v, int width, const char* what);
    bool take(std::size_t n, const char* what);

    Mode mode_;
    std::span<const std::uint8_t> in_;
    std::size_t at_ = 0;
    std::vector<std::uint8_t> out_;
    std::string error_;
};

} // namespace tarmigo::net
