// The text of the status line: messages by id, numbers in them, and hidden tips.
#include "board/status_line.h"
#include "game/hand_end.h"
#include "support/position.h"

#include <gtest/gtest.h>

using namespace tarmigo;
using namespace tarmigo::testing;

namespace {

int statusRepaints(const Position& pos) {
    int n = 0;
    for (const Rect& r : pos.host.invalidated) n += r == pos.g.layout.statusRect();
    return n;
}

} // namespace

TEST(StatusText, AMessageIsTheTextOfItsId) {
    Position pos;
    setStatus(pos.g, 1202, Refresh::Yes);
    EXPECT_EQ(pos.status(), "Tap the deck to discard this card");
    setStatus(pos.g, 1221, Refresh::No);
    EXPECT_EQ(pos.status(), "Tap a card to discard it");
}

TEST(StatusText, ANumberTakesThePlaceOfThePercentD) {
    Position pos;
    setStatusNumber(pos.g, 1203, 2, Refresh::Yes);
    EXPECT_EQ(pos.status(), "End of Turn - Player 2 tap to here to continue");
    setStatusNumber(pos.g, 1218, 1000, Refresh::Yes);
    EXPECT_EQ(pos.status(), "That would exceed the 1000 mile race");
    setStatusNumber(pos.g, 1218, -5, Refresh::Yes);
    EXPECT_EQ(pos.status(), "That would exceed the -5 mile race");
}

TEST(StatusText, AnIdWithNoTextLeavesThePreviousMessage) {
    Position pos;
    setStatus(pos.g, 1220, Refresh::Yes);
    const auto repaints = statusRepaints(pos);
    setStatus(pos.g, 0, Refresh::Yes);
    setStatus(pos.g, 1299, Refresh::Yes);
    setStatusNumber(pos.g, 4000, 3, Refresh::Yes);
    EXPECT_EQ(pos.status(), "Undone");
    EXPECT_EQ(statusRepaints(pos), repaints);
}

TEST(StatusText, OnlyARefreshAsksForTheStatusLineToBeRepainted) {
    Position pos;
    setStatus(pos.g, 1201, Refresh::No);
    EXPECT_EQ(statusRepaints(pos), 0);
    setStatus(pos.g, 1201, Refresh::Yes);
    EXPECT_EQ(statusRepaints(pos), 1);
}

TEST(StatusText, HiddenTipsBlankEveryMessage) {
    Position pos;
    pos.g.statusText = "earlier";
    pos.option(flag::hideTips, 1);
    setStatus(pos.g, 1201, Refresh::Yes);
    EXPECT_EQ(pos.status(), "");
    pos.g.statusText = "earlier";
    setStatusNumber(pos.g, 1218, 700, Refresh::Yes);
    EXPECT_EQ(pos.status(), "");
    pos.g.statusText = "earlier";
    setStatus(pos.g, 1299, Refresh::Yes); // even an unknown id, as no text is loaded at all
    EXPECT_EQ(pos.status(), "");
}

TEST(StatusText, HiddenTipsBlankTheHandOverPromptButTheHandOverStillWaits) {
    Position pos(2);
    pos.option(flag::hideTips, 1).rolling(0).hand(0, "fghijkl").hand(1, "fghijk.");
    pos.drawPending(1, 7);
    pos.tapSlot(1);
    EXPECT_TRUE(pos.g.has(flag::turnHandover));
    EXPECT_EQ(pos.status(), "");
    pos.tap(20, pos.g.layout.statusY - 1);
    EXPECT_TRUE(pos.g.has(flag::turnHandover));
    pos.tapStatusLine();
    EXPECT_FALSE(pos.g.has(flag::turnHandover));
}

TEST(StatusText, HiddenTipsBlankTheEndOfHandNotices) {
    for (int gameScore : {0, 4900}) {
        Position pos(1);
        pos.option(flag::hideTips, 1).scores(0, 200, gameScore);
        pos.g.statusText = "earlier";
        endHand(pos.g);
        EXPECT_EQ(pos.status(), "");
    }
}
