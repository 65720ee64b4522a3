#pragma once
// Wrong join codes counted, so that guessing a code takes years: after MaxWrongCodes
// from one place the host refuses that place for LockMs, and the host as a whole takes
// at most MaxWrongPerMinute wrong codes in any minute, beyond which it refuses every
// join without a seat key until the minute has passed, whatever the address. A place is
// an IPv4 address or an IPv6 /64 (a home's or a machine's usual share), so that the
// many addresses of one network count as one. A seated guest's key passes any lockout
// (net/host_session.h). The clock is given, so that a test can move it. The book is
// bounded: a place quiet for LockMs is forgotten, and beyond MaxAddresses the one heard
// from longest ago goes first, so a flood of addresses cannot make it grow; the
// host-wide budget holds however many it forgets.
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace tarmigo::net {

class Lockout {
  public:
    static constexpr int MaxWrongCodes = 5;
    static constexpr std::int64_t LockMs = 60'000;
    static constexpr std::size_t MaxAddresses = 1024;
    static constexpr int MaxWrongPerMinute = 10;
    static constexpr std::int64_t MinuteMs = 60'000;

    using Clock = std::function<std::int64_t()>; // milliseconds, never going back

    explicit Lockout(Clock now) : now_(std::move(now)) {}

    // Whether a join from the address is refused now: its place locked, or the host's
    // budget of wrong codes spent.
    bool refuses(const std::string& address);
    void wrongCode(const std::string& address);
    // A right code clears the place's count.
    void rightCode(const std::string& address) { book_.erase(placeOf(address)); }

    std::size_t addresses() const { return book_.size(); }

    // The place an address counts under: an IPv4 address as it is ("192.0.2.7", also
    // when written as an IPv6 mapped one), an IPv6 address as its first four groups
    // ("2001:db8:0:1::/64"); text that is neither, as it is.
    static std::string placeOf(std::string_view address);

  private:
    struct Entry {
        int wrong = 0;
        std::int64_t last = 0;
        std::int64_t lockedUntil = 0;
    };
    void forgetOld(std::int64_t now);

    Clock now_;
    std::map<std::string, Entry> book_;
    std::deque<std::int64_t> lastMinute_; // the times of the host's recent wrong codes
};

} // namespace tarmigo::net
