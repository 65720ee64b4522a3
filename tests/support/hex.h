#pragma once
// Bytes as lowercase hexadecimal, as the replay driver prints stored copies.
#include <cstdint>
#include <span>
#include <string>

namespace tarmigo::testing {
inline std::string hexOf(std::span<const std::uint8_t> bytes) {
    static constexpr char digits[] = "0123456789abcdef";
    std::string s;
    for (std::uint8_t b : bytes) s += {digits[b >> 4], digits[b & 0xF]};
    return s;
}
} // namespace tarmigo::testing
