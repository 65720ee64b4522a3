// A held store: its writes wait until released, reads see them meanwhile, and the
// release makes only the last change.
#include "app/store.h"
#include "support/memory_store.h"

#include <gtest/gtest.h>

using namespace tarmigo;
using tarmigo::testing::MemoryStore;

namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(HeldStoreTest, HeldChangesAreReadBackAndMadeOnceAtTheRelease) {
    const struct {
        const char* name;
        bool removeLast; // the last held change is a removal
        std::optional<Bytes> released;
        int writes;
    } rows[] = {
        {"two writes", false, Bytes{2}, 1},
        {"write then removal", true, std::nullopt, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        MemoryStore inner;
        inner.bytes = Bytes{9};
        HeldStore held(inner);
        held.hold();
        EXPECT_TRUE(held.write(Bytes{1}));
        EXPECT_TRUE(row.removeLast ? held.remove() : held.write(Bytes{2}));
        EXPECT_EQ(inner.bytes, Bytes{9}) << "written before the release";
        EXPECT_EQ(inner.writes, 0);
        EXPECT_EQ(held.read(), row.released);
        held.release();
        EXPECT_EQ(inner.bytes, row.released);
        EXPECT_EQ(inner.writes, row.writes);
        // Released, it writes through at once.
        held.write(Bytes{3});
        EXPECT_EQ(inner.bytes, Bytes{3});
    }
}

TEST(HeldStoreTest, ReadsTheInnerCopyUntilAChangeAndReleasesItsHoldAtTheEnd) {
    MemoryStore inner;
    inner.bytes = Bytes{7};
    {
        HeldStore held(inner);
        held.hold();
        EXPECT_EQ(held.read(), Bytes{7});
        held.write(Bytes{8});
    }
    EXPECT_EQ(inner.bytes, Bytes{8}) << "a held write is lost at the end";
}

} // namespace
