#include "net/lockout.h"

#include <algorithm>

namespace tarmigo::net {

void Lockout::forgetOld(std::int64_t now) {
    std::erase_if(book_, [now](const auto& item) {
        const Entry& e = item.second;
        return now >= e.lockedUntil && now - e.last >= LockMs;
    });
}

bool Lockout::refuses(const std::string& address) {
    const std::int64_t now = now_();
    forgetOld(now);
    const auto it = book_.find(address);
    return it != book_.end() && now < it->second.lockedUntil;
}

void Lockout::wrongCode(const std::string& address) {
    const std::int64_t now = now_();
    forgetOld(now);
    if (!book_.contains(address) && book_.size() >= MaxAddresses) {
        const auto oldest = std::min_element(book_.begin(), book_.end(), [](auto& a, auto& b) {
            return std::max(a.second.last, a.second.lockedUntil) <
                   std::max(b.second.last, b.second.lockedUntil);
        });
        book_.erase(oldest);
    }
    Entry& e = book_[address];
    e.last = now;
    if (++e.wrong >= MaxWrongCodes) {
        e.wrong = 0;
        e.lockedUntil = now + LockMs;
    }
}

} // namespace tarmigo::net
