#include "net/address.h"

#include <algorithm>
#include <charconv>

namespace tarmigo {
namespace {

constexpr std::size_t MaxNameLength = 253;
constexpr std::size_t MaxLabelLength = 63;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isHexDigit(char c) {
    return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

// Four decimal numbers of 0..255, dot-separated, without leading zeros.
bool isIPv4(std::string_view s) {
    int parts = 0;
    while (true) {
        const auto dot = s.find('.');
        const std::string_view part = s.substr(0, dot);
        if (part.empty() || part.size() > 3 || !std::all_of(part.begin(), part.end(), isDigit))
            return false;
        if (part.size() > 1 && part.front() == '0') return false;
        int value = 0;
        std::from_chars(part.data(), part.data() + part.size(), value);
        if (value > 255) return false;
        ++parts;
        if (dot == std::string_view::npos) break;
        s.remove_prefix(dot + 1);
    }
    return parts == 4;
}

bool looksLikeIPv4(std::string_view s) {
    return !s.empty() &&
           std::all_of(s.begin(), s.end(), [](char c) { return isDigit(c) || c == '.'; });
}

// Eight groups of one to four hexadecimal digits, "::" standing for one or more
// groups of zeros (once), the last two groups perhaps written as an IPv4 address;
// then perhaps a zone ("%eth0") for a link-local address.
bool isIPv6(std::string_view s) {
    if (const auto zone = s.find('%'); zone != std::string_view::npos) {
        const std::string_view name = s.substr(zone + 1);
        if (name.empty() || !std::all_of(name.begin(), name.end(), [](char c) {
                return isLetter(c) || isDigit(c) || c == '-' || c == '_' || c == '.';
            }))
            return false;
        s = s.substr(0, zone);
    }
    if (s.empty()) return false;
    int groups = 0;
    bool gap = false;
    std::size_t at = 0;
    if (s.substr(0, 2) == "::") {
        gap = true;
        at = 2;
        if (at == s.size()) return true; // "::"
    } else if (s.front() == ':') {
        return false;
    }
    while (at < s.size()) {
        const auto colon = s.find(':', at);
        const std::string_view group =
            s.substr(at, colon == std::string_view::npos ? std::string_view::npos : colon - at);
        if (colon == std::string_view::npos && group.find('.') != std::string_view::npos) {
            if (!isIPv4(group)) return false;
            groups += 2;
            break;
        }
        if (group.empty() || group.size() > 4 ||
            !std::all_of(group.begin(), group.end(), isHexDigit))
            return false;
        ++groups;
        if (colon == std::string_view::npos) break;
        at = colon + 1;
        if (at == s.size()) return false; // a single colon at the end
        if (s[at] == ':') {
            if (gap) return false; // "::" twice
            gap = true;
            ++at;
        }
    }
    return gap ? groups <= 7 : groups == 8;
}

// Dot-separated labels of letters, digits and hyphens, no label starting or ending
// with a hyphen; one final dot is allowed.
bool isHostName(std::string_view s) {
    if (!s.empty() && s.back() == '.') s.remove_suffix(1);
    if (s.empty() || s.size() > MaxNameLength) return false;
    while (true) {
        const auto dot = s.find('.');
        const std::string_view label = s.substr(0, dot);
        if (label.empty() || label.size() > MaxLabelLength || label.front() == '-' ||
            label.back() == '-')
            return false;
        if (!std::all_of(label.begin(), label.end(),
                         [](char c) { return isLetter(c) || isDigit(c) || c == '-'; }))
            return false;
        if (dot == std::string_view::npos) return true;
        s.remove_prefix(dot + 1);
    }
}

AddressReading refused(AddressError e) {
    return {std::nullopt, e};
}

} // namespace

std::optional<int> readPort(std::string_view typed) {
    typed = trimmed(typed);
    if (typed.empty() || typed.size() > 5 || !std::all_of(typed.begin(), typed.end(), isDigit))
        return std::nullopt;
    int port = 0;
    std::from_chars(typed.data(), typed.data() + typed.size(), port);
    if (port < 1 || port > 65535) return std::nullopt;
    return port;
}

AddressReading readPeerAddress(std::string_view typed) {
    std::string_view s = trimmed(typed);
    if (s.empty()) return refused(AddressError::Empty);
    PeerAddress a;
    std::string_view host = s;
    std::optional<std::string_view> port;
    if (s.front() == '[') {
        const auto close = s.find(']');
        if (close == std::string_view::npos) return refused(AddressError::BadIPv6);
        host = s.substr(1, close - 1);
        const std::string_view rest = s.substr(close + 1);
        if (!rest.empty()) {
            if (rest.front() != ':') return refused(AddressError::BadIPv6);
            port = rest.substr(1);
        }
        if (!isIPv6(host)) return refused(AddressError::BadIPv6);
        a.kind = PeerAddress::Kind::IPv6;
    } else if (std::count(s.begin(), s.end(), ':') > 1) {
        // Colons beyond the port's: an IPv6 address, which takes no port unbracketed.
        if (!isIPv6(s) || s.find(']') != std::string_view::npos)
            return refused(AddressError::BadIPv6);
        a.kind = PeerAddress::Kind::IPv6;
    } else {
        if (const auto colon = s.find(':'); colon != std::string_view::npos) {
            host = s.substr(0, colon);
            port = s.substr(colon + 1);
        }
        if (host.empty()) return refused(AddressError::Empty);
        if (looksLikeIPv4(host)) {
            if (!isIPv4(host)) return refused(AddressError::BadIPv4);
            a.kind = PeerAddress::Kind::IPv4;
        } else if (!isHostName(host)) {
            return refused(AddressError::BadName);
        }
    }
    if (port) {
        const std::optional<int> number = readPort(*port);
        if (!number || port->size() != trimmed(*port).size()) return refused(AddressError::BadPort);
        a.port = *number;
    }
    a.host = std::string(host);
    if (a.kind != PeerAddress::Kind::IPv4)
        std::transform(a.host.begin(), a.host.end(), a.host.begin(),
                       [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; });
    return {a, AddressError::Empty};
}

const char* addressErrorText(AddressError e) {
    switch (e) {
    case AddressError::Empty: return "no host given";
    case AddressError::BadPort: return "the port is not a whole number from 1 to 65535";
    case AddressError::BadIPv4: return "four numbers and dots, one of them over 255 or missing";
    case AddressError::BadIPv6: return "brackets or colons that make no IPv6 address";
    case AddressError::BadName: break;
    }
    return "a character or a part that no host name has";
}

std::string addressText(const PeerAddress& a) {
    const std::string host = a.kind == PeerAddress::Kind::IPv6 ? "[" + a.host + "]" : a.host;
    return host + ":" + std::to_string(a.port);
}

} // namespace tarmigo
