#include "net/join_code.h"

#include "net/messages.h"

namespace tarmigo::net {

std::string makeJoinCode(std::uint64_t random) {
    std::string code;
    for (std::size_t i = 0; i < JoinCodeLength; ++i) {
        code += CodeAlphabet[random % CodeAlphabet.size()];
        random /= CodeAlphabet.size();
    }
    return code;
}

bool isCodeCharacter(char c) {
    return c != '\0' && CodeAlphabet.find(c) != std::string_view::npos;
}

std::optional<std::string> readJoinCode(std::string_view typed) {
    std::string code;
    for (char c : typed) {
        if (c == ' ' || c == '-') continue;
        if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
        if (!isCodeCharacter(c) || code.size() == JoinCodeLength) return std::nullopt;
        code += c;
    }
    if (code.size() != JoinCodeLength) return std::nullopt;
    return code;
}

bool sameCode(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    unsigned diff = 0;
    for (std::size_t i = 0; i < a.size(); ++i) diff |= unsigned(a[i] ^ b[i]);
    return diff == 0;
}

} // namespace tarmigo::net
