#include "net/lockout.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>

namespace tarmigo::net {
namespace {

// The eight groups of an IPv6 address in text ("::" expanded, a zone "%eth0" dropped, a
// dotted IPv4 tail read as two groups); nothing when the text is no IPv6 address.
std::optional<std::array<unsigned, 8>> ipv6Groups(std::string_view text) {
    text = text.substr(0, text.find('%'));
    std::array<unsigned, 8> head{};
    std::array<unsigned, 8> tail{};
    int heads = 0;
    int tails = 0;
    bool gap = false;
    const auto add = [&](unsigned g) {
        if (heads + tails >= 8) return false;
        (gap ? tail[std::size_t(tails++)] : head[std::size_t(heads++)]) = g;
        return true;
    };
    if (text.starts_with("::")) {
        gap = true;
        text.remove_prefix(2);
    }
    while (!text.empty()) {
        const std::size_t colon = text.find(':');
        const std::string_view part = text.substr(0, colon);
        if (part.find('.') != std::string_view::npos && colon == std::string_view::npos) {
            std::array<unsigned, 4> b{};
            std::string_view rest = part;
            for (std::size_t i = 0; i < 4; ++i) {
                const auto [ptr, ec] =
                    std::from_chars(rest.data(), rest.data() + rest.size(), b[i]);
                if (ec != std::errc() || b[i] > 255) return std::nullopt;
                rest.remove_prefix(std::size_t(ptr - rest.data()));
                if (i < 3 && !rest.starts_with('.')) return std::nullopt;
                if (i < 3) rest.remove_prefix(1);
            }
            if (!rest.empty() || !add(b[0] << 8 | b[1]) || !add(b[2] << 8 | b[3]))
                return std::nullopt;
            break;
        }
        unsigned g = 0;
        const auto [ptr, ec] = std::from_chars(part.data(), part.data() + part.size(), g, 16);
        if (part.empty() || part.size() > 4 || ec != std::errc() ||
            ptr != part.data() + part.size() || !add(g))
            return std::nullopt;
        if (colon == std::string_view::npos) break;
        text.remove_prefix(colon + 1);
        if (text.starts_with(':')) {
            if (gap) return std::nullopt;
            gap = true;
            text.remove_prefix(1);
        } else if (text.empty()) {
            return std::nullopt;
        }
    }
    if (!gap && heads != 8) return std::nullopt;
    std::array<unsigned, 8> groups{};
    std::copy_n(head.begin(), heads, groups.begin());
    std::copy_n(tail.begin(), tails, groups.end() - tails);
    return groups;
}

} // namespace

std::string Lockout::placeOf(std::string_view address) {
    if (address.find(':') == std::string_view::npos) return std::string(address);
    const auto g = ipv6Groups(address);
    if (!g) return std::string(address);
    const bool mapped =
        std::all_of(g->begin(), g->begin() + 5, [](unsigned x) { return x == 0; }) &&
        (*g)[5] == 0xffff;
    if (mapped)
        return std::to_string((*g)[6] >> 8) + '.' + std::to_string((*g)[6] & 0xff) + '.' +
               std::to_string((*g)[7] >> 8) + '.' + std::to_string((*g)[7] & 0xff);
    std::string place;
    for (std::size_t i = 0; i < 4; ++i) {
        std::array<char, 8> hex{};
        const auto [ptr, ec] = std::to_chars(hex.data(), hex.data() + hex.size(), (*g)[i], 16);
        place.append(hex.data(), ptr);
        place += ':';
    }
    return place + ":/64";
}

void Lockout::forgetOld(std::int64_t now) {
    std::erase_if(book_, [now](const auto& item) {
        const Entry& e = item.second;
        return now >= e.lockedUntil && now - e.last >= LockMs;
    });
    while (!lastMinute_.empty() && now - lastMinute_.front() >= MinuteMs) lastMinute_.pop_front();
}

bool Lockout::refuses(const std::string& address) {
    const std::int64_t now = now_();
    forgetOld(now);
    if (lastMinute_.size() >= std::size_t(MaxWrongPerMinute)) return true;
    const auto it = book_.find(placeOf(address));
    return it != book_.end() && now < it->second.lockedUntil;
}

void Lockout::wrongCode(const std::string& address) {
    const std::int64_t now = now_();
    forgetOld(now);
    lastMinute_.push_back(now);
    if (lastMinute_.size() > std::size_t(MaxWrongPerMinute)) lastMinute_.pop_front();
    const std::string place = placeOf(address);
    if (!book_.contains(place) && book_.size() >= MaxAddresses) {
        const auto oldest = std::min_element(book_.begin(), book_.end(), [](auto& a, auto& b) {
            return std::max(a.second.last, a.second.lockedUntil) <
                   std::max(b.second.last, b.second.lockedUntil);
        });
        book_.erase(oldest);
    }
    Entry& e = book_[place];
    e.last = now;
    if (++e.wrong >= MaxWrongCodes) {
        e.wrong = 0;
        e.lockedUntil = now + LockMs;
    }
}

} // namespace tarmigo::net
