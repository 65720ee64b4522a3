#include "net/wire.h"

#include <algorithm>

namespace tarmigo::net {

void Stream::fail(std::string reason) {
    if (ok()) error_ = std::move(reason);
}

bool Stream::take(std::size_t n, const char* what) {
    if (!ok()) return false;
    if (in_.size() - at_ < n) {
        fail(std::string("the message ends inside its ") + what);
        return false;
    }
    return true;
}

void Stream::raw(std::uint32_t& v, int width, const char* what) {
    const auto n = std::size_t(width);
    switch (mode_) {
    case Mode::Write:
        for (std::size_t i = 0; i < n; ++i) out_.push_back(std::uint8_t(v >> (8 * i)));
        return;
    case Mode::Measure: at_ += n; return;
    case Mode::Read:
        v = 0;
        if (!take(n, what)) return;
        for (std::size_t i = 0; i < n; ++i) v |= std::uint32_t(in_[at_ + i]) << (8 * i);
        at_ += n;
        return;
    }
}

void Stream::number(int& v, int width, const char* what, int lo, int hi) {
    auto x = std::uint32_t(v);
    raw(x, width, what);
    if (!isReading()) return;
    v = lo; // what a refused field reads as
    if (!ok()) return;
    if (int(x) < lo || int(x) > hi) {
        fail(std::string("the ") + what + " " + std::to_string(x) + " is out of range " +
             std::to_string(lo) + ".." + std::to_string(hi));
        return;
    }
    v = int(x);
}

void Stream::u32(std::uint32_t& v, const char* what) {
    raw(v, 4, what);
}

void Stream::i32(int& v, const char* what) {
    auto x = std::uint32_t(v);
    raw(x, 4, what);
    if (isReading()) v = int(std::int32_t(x));
}

void Stream::text(std::string& s, const char* what, int minLength, int maxLength) {
    int n = int(s.size());
    number(n, 1, what, minLength, maxLength);
    if (!isReading()) {
        if (mode_ == Mode::Write) out_.insert(out_.end(), s.begin(), s.end());
        at_ += mode_ == Mode::Measure ? s.size() : 0;
        return;
    }
    s.clear();
    if (!take(std::size_t(n), what)) return;
    s.assign(in_.begin() + long(at_), in_.begin() + long(at_) + n);
    at_ += std::size_t(n);
    for (char c : s)
        if (c < 0x20 || c > 0x7e) {
            fail(std::string("the ") + what + " holds a byte that is not printable text");
            s.clear();
            return;
        }
}

void Stream::bytes(std::span<std::uint8_t> b, const char* what) {
    if (mode_ == Mode::Write) {
        out_.insert(out_.end(), b.begin(), b.end());
        return;
    }
    if (mode_ == Mode::Measure) {
        at_ += b.size();
        return;
    }
    if (!take(b.size(), what)) return;
    std::copy(in_.begin() + long(at_), in_.begin() + long(at_ + b.size()), b.begin());
    at_ += b.size();
}

} // namespace tarmigo::net
