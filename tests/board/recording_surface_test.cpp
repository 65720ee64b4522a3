// The recording surface keeps every call and plays them back in order.
#include "board/draw.h"
#include "board_fixture.h"

namespace tarmigo::testing {
namespace {

TEST(RecordingSurface, ReplayMakesTheSameCallsFromTheSameBackground) {
    RecordingSurface first;
    first.setBackground(colors::Blue);
    first.clear(); // starts a recording on blue
    first.fillRect({1, 2, 3, 4}, colors::Red, Pen::Black);
    first.drawText("Hand", {0, 2, 34, 28}, HAlign::Center, VAlign::Top);
    first.setBackground(colors::White);
    first.drawBitmap(Go, GreyCardBitmap, 5, 219, 18, 26);
    first.invertRect(6, 223, 16, 18);
    first.saveBlock(10, 20, 18, 26);
    first.restoreBlock(10, 20);

    RecordingSurface second(120, 160);
    first.replay(second);
    ASSERT_EQ(second.ops().size(), first.ops().size() + 1);
    EXPECT_EQ(second.ops().front().kind, DrawOp::Kind::Background);
    EXPECT_EQ(second.ops().front().colour, colors::Blue);
    EXPECT_TRUE(std::equal(first.ops().begin(), first.ops().end(), second.ops().begin() + 1));
    // The text remembers the background it was painted on.
    EXPECT_EQ(first.ops()[1].colour, colors::Blue);
    EXPECT_EQ(second.background(), colors::White);
    EXPECT_EQ(second.width(), 120);
}

} // namespace
} // namespace tarmigo::testing
