// A held store: its writes wait until released, reads see them meanwhile, and the
// release (or the end of the store) makes only the last change.
#include "app/store.h"
#include "support/memory_store.h"

#include <gtest/gtest.h>

using namespace tarmigo;
using tarmigo::testing::MemoryStore;

namespace {
using Bytes = std::vector<std::uint8_t>;

TEST(HeldStoreTest, HeldChangesAreReadBackAndMadeOnceAtTheRelease) {
    const struct {
        const char* changes; // w: write the next byte, r: remove
        std::optional<Bytes> released;
        int writes;
        bool atItsEnd; // released by the end of the store, not by release()
    } rows[] = {
        {"ww", Bytes{2}, 1, false}, {"wr", std::nullopt, 0, false}, {"w", Bytes{1}, 1, true}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.changes);
        MemoryStore inner;
        inner.bytes = Bytes{9};
        {
            HeldStore held(inner);
            held.hold();
            EXPECT_EQ(held.read(), Bytes{9});
            std::uint8_t next = 1;
            for (const char* c = row.changes; *c; ++c)
                EXPECT_TRUE(*c == 'w' ? held.write(Bytes{next++}) : held.remove());
            EXPECT_EQ(inner.bytes, Bytes{9}) << "changed before the release";
            EXPECT_EQ(held.read(), row.released);
            if (!row.atItsEnd) {
                held.release();
                EXPECT_EQ(inner.writes, row.writes);
                EXPECT_EQ(inner.bytes, row.released);
                held.write(Bytes{3}); // released, it writes through at once
                EXPECT_EQ(inner.bytes, Bytes{3});
            }
        }
        if (row.atItsEnd) {
            EXPECT_EQ(inner.bytes, row.released);
        }
    }
}
} // namespace
