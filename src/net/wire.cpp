#include "net/wire.h"

namespace tarmigo::net {

void Writer::u16(unsigned v) {
    u8(v & 0xff);
    u8((v >> 8) & 0xff);
}

void Writer::u32(std::uint32_t v) {
    u16(v & 0xffff);
    u16(v >> 16);
}

void Writer::text(const std::string& s) {
    u8(unsigned(s.size()));
    bytes_.insert(bytes_.end(), s.begin(), s.end());
}

void Reader::fail(std::string reason) {
    if (ok()) error_ = std::move(reason);
}

bool Reader::take(std::size_t n, const char* what) {
    if (!ok()) return false;
    if (bytes_.size() - at_ < n) {
        fail(std::string("the message ends inside its ") + what);
        return false;
    }
    return true;
}

int Reader::u8(const char* what, int lo, int hi) {
    if (!take(1, what)) return lo;
    const int v = bytes_[at_++];
    if (v < lo || v > hi) {
        fail(std::string("the ") + what + " " + std::to_string(v) + " is out of range " +
             std::to_string(lo) + ".." + std::to_string(hi));
        return lo;
    }
    return v;
}

int Reader::u16(const char* what, int lo, int hi) {
    if (!take(2, what)) return lo;
    const int v = bytes_[at_] | bytes_[at_ + 1] << 8;
    at_ += 2;
    if (v < lo || v > hi) {
        fail(std::string("the ") + what + " " + std::to_string(v) + " is out of range " +
             std::to_string(lo) + ".." + std::to_string(hi));
        return lo;
    }
    return v;
}

std::uint32_t Reader::u32(const char* what) {
    if (!take(4, what)) return 0;
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = v << 8 | bytes_[at_ + std::size_t(i)];
    at_ += 4;
    return v;
}

std::int32_t Reader::i32(const char* what) {
    return std::int32_t(u32(what));
}

std::string Reader::text(const char* what, int minLength, int maxLength) {
    const int n = u8(what, minLength, maxLength);
    if (!take(std::size_t(n), what)) return {};
    std::string s(bytes_.begin() + long(at_), bytes_.begin() + long(at_) + n);
    at_ += std::size_t(n);
    for (char c : s)
        if (c < 0x20 || c > 0x7e) {
            fail(std::string("the ") + what + " holds a byte that is not printable text");
            return {};
        }
    return s;
}

} // namespace tarmigo::net
