#pragma once
// Wrong join codes counted by address: after MaxWrongCodes from one address, the host
// refuses that address for LockMs. The clock is given, so that a test can move it.
// The book is bounded: an address quiet for LockMs is forgotten, and beyond
// MaxAddresses the one heard from longest ago goes first, so a flood of addresses
// cannot make it grow.
#include <cstdint>
#include <functional>
#include <map>
#include <string>

namespace tarmigo::net {

class Lockout {
  public:
    static constexpr int MaxWrongCodes = 5;
    static constexpr std::int64_t LockMs = 60'000;
    static constexpr std::size_t MaxAddresses = 1024;

    using Clock = std::function<std::int64_t()>; // milliseconds, never going back

    explicit Lockout(Clock now) : now_(std::move(now)) {}

    // Whether a connection from the address is refused now.
    bool refuses(const std::string& address);
    void wrongCode(const std::string& address);
    // A right code clears the address's count.
    void rightCode(const std::string& address) { book_.erase(address); }

    std::size_t addresses() const { return book_.size(); }

  private:
    struct Entry {
        int wrong = 0;
        std::int64_t last = 0;
        std::int64_t lockedUntil = 0;
    };
    void forgetOld(std::int64_t now);

    Clock now_;
    std::map<std::string, Entry> book_;
};

} // namespace tarmigo::net
