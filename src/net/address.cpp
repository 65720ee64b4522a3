#include "net/address.h"

#include <algorithm>
#include <cctype>

namespace tarmigo::net {
namespace {

std::optional<int> portOf(std::string_view digits) {
    if (digits.empty() || digits.size() > 5) return std::nullopt;
    int port = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        port = port * 10 + (c - '0');
    }
    if (port < 1 || port > 65535) return std::nullopt;
    return port;
}

bool hostCharacter(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == '-' || c == ':' ||
           c == '%' || c == '_';
}

} // namespace

std::optional<HostAndPort> readHostAndPort(std::string_view text, int defaultPort) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    HostAndPort out{{}, defaultPort};
    std::string_view host = text;
    if (text.starts_with('[')) {
        const std::size_t close = text.find(']');
        if (close == std::string_view::npos) return std::nullopt;
        host = text.substr(1, close - 1);
        const std::string_view rest = text.substr(close + 1);
        if (!rest.empty()) {
            if (rest.front() != ':') return std::nullopt;
            const auto port = portOf(rest.substr(1));
            if (!port) return std::nullopt;
            out.port = *port;
        }
    } else if (std::count(text.begin(), text.end(), ':') == 1) {
        const std::size_t colon = text.find(':');
        host = text.substr(0, colon);
        const auto port = portOf(text.substr(colon + 1));
        if (!port) return std::nullopt;
        out.port = *port;
    }
    if (host.empty() || host.size() > 253 || !std::all_of(host.begin(), host.end(), hostCharacter))
        return std::nullopt;
    out.host = std::string(host);
    return out;
}

} // namespace tarmigo::net
