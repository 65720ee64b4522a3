#pragma once
// The six-character code a guest types to join a game. Its alphabet leaves out the
// characters that are easily taken for one another (0 and O, 1, I and L, 2 and Z,
// 5 and S, 8 and B), so a code read aloud or from a screen is typed right.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tarmigo::net {

inline constexpr std::string_view CodeAlphabet = "ACDEFGHJKMNPQRTUVWXY34679";

// A code from a random number; every code is about equally likely.
std::string makeJoinCode(std::uint64_t random);

// Whether a character belongs to the alphabet (upper case only).
bool isCodeCharacter(char c);

// A code as typed: spaces and dashes dropped, lower case raised. Nothing when what
// remains is not six characters of the alphabet.
std::optional<std::string> readJoinCode(std::string_view typed);

// Compares in a time that does not depend on where the codes differ.
bool sameCode(std::string_view a, std::string_view b);

} // namespace tarmigo::net
