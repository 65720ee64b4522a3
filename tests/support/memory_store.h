#pragma once
// A store of the saved state kept in memory, which can be told to fail.
#include "app/store.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace tarmigo::testing {
class MemoryStore : public Store {
  public:
    std::optional<std::vector<std::uint8_t>> bytes; // nothing: the copy is missing
    bool failWrites = false;                        // a failed write leaves the bytes as they were
    int writes = 0;                                 // attempts, failed ones included
    std::optional<std::vector<std::uint8_t>> read() override { return bytes; }
    bool write(std::span<const std::uint8_t> data) override {
        ++writes;
        if (failWrites) return false;
        bytes.emplace(data.begin(), data.end());
        return true;
    }
    bool remove() override {
        const bool had = bytes.has_value();
        bytes.reset();
        return had;
    }
};
} // namespace tarmigo::testing
