#pragma once
// What the fuzz targets share beyond the test support (the test host, the memory
// stores, the invariants): a check that stops the run with a message.
#include "support/invariants.h"
#include "support/memory_store.h"
#include "support/test_host.h"

#include <cstdio>
#include <cstdlib>

namespace tarmigo::fuzz {

using testing::MemoryStore;
using testing::TestHost;

// Stops the run: libFuzzer saves the input that got here as a crash.
inline void check(bool ok, const char* what) {
    if (ok) return;
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

inline void checkInvariants(const Game& g) {
    const std::string broken = testing::brokenInvariant(g, false);
    if (!broken.empty()) std::fprintf(stderr, "%s\n", broken.c_str());
    check(broken.empty(), "the game state is sound");
}

inline std::uint32_t hashBytes(const std::uint8_t* data, std::size_t size) {
    std::uint32_t h = 2166136261u;
    for (std::size_t i = 0; i < size; ++i) h = (h ^ data[i]) * 16777619u;
    return h;
}

} // namespace tarmigo::fuzz
