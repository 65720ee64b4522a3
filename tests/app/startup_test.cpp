// The start of the program: defaults, the first game, the restore and its prompt.
#include "app/save_state.h"
#include "support/program.h"

#include <gtest/gtest.h>

using namespace tarmigo;
using namespace tarmigo::testing;

TEST(Startup, TheFirstStartDealsAOnePlayerGameWithTheDefaults) {
    Program app;
    app.start();
    const Session& g = app.g();
    EXPECT_TRUE(g.has(flag::sortHand));
    EXPECT_TRUE(g.has(flag::playSounds));
    EXPECT_TRUE(g.has(flag::animate));
    EXPECT_FALSE(g.has(flag::showPlayable));
    EXPECT_FALSE(g.has(flag::hard));
    EXPECT_FALSE(g.has(flag::hideTips));
    EXPECT_EQ(g.round.get(flag::playMode), 0);
    EXPECT_EQ(g.round.get(flag::discardMode), 1);
    EXPECT_EQ(g.round.animDelay, 8);
    EXPECT_EQ(g.playerCount, 1);
    EXPECT_EQ(g.currentPlayer, 0); // the human starts the first hand
    EXPECT_EQ(g.round.nextStarter, 1);
    EXPECT_EQ(g.round.deckPos, 14);
    EXPECT_FALSE(g.discardArmed);
    EXPECT_EQ(g.statusText, "Tap a card to play it");
    EXPECT_FALSE(app.host.undoEnabled);
    for (const PlayerRecord& p : g.players) EXPECT_EQ(p.gamesWon1P + p.gamesWon2P, 0);
}

TEST(Startup, TheFirstStartLeavesTwoEqualSoundCopies) {
    Program app;
    app.start();
    ASSERT_TRUE(app.fileCopy.bytes && app.secondCopy.bytes);
    EXPECT_EQ(*app.fileCopy.bytes, *app.secondCopy.bytes);
    EXPECT_TRUE(isSoundRecord(*app.fileCopy.bytes));
}

TEST(Startup, ARestoredHandOverShowsItsPromptAgain) {
    Program first;
    first.start();
    first.host.yesNoAnswers = {true};
    first.command(command::TwoPlayerGame);
    first.g().round.set(flag::turnHandover, true);
    saveState(first.g());

    Program again(first.fileCopy, first.secondCopy);
    again.start();
    EXPECT_TRUE(again.g().has(flag::turnHandover));
    EXPECT_EQ(again.g().statusText, "End of Turn - Player " +
                                        std::to_string(again.g().currentPlayer + 1) +
                                        " tap to here to continue");
}

TEST(Startup, ARestoredHandOverWithTipsHiddenShowsNothing) {
    Program first;
    first.start();
    first.g().round.set(flag::turnHandover, true);
    first.g().round.set(flag::hideTips, true);
    saveState(first.g());

    Program again(first.fileCopy, first.secondCopy);
    again.start();
    EXPECT_EQ(again.g().statusText, "");
}

TEST(Startup, AnyOtherRestoreShowsTheFreshGamesMessageWhateverTheTips) {
    Program first;
    first.start();
    first.g().round.set(flag::hideTips, true);
    saveState(first.g());

    Program again(first.fileCopy, first.secondCopy);
    again.start();
    EXPECT_TRUE(again.g().has(flag::hideTips));
    EXPECT_EQ(again.g().statusText, "Tap a card to play it");
}

TEST(Startup, TheUndoOfTheLastRunIsNotRestored) {
    Program first;
    first.start();
    first.tapDeck();
    first.tapSlot(1);
    ASSERT_TRUE(first.host.undoEnabled);

    Program again(first.fileCopy, first.secondCopy);
    again.start();
    EXPECT_FALSE(again.host.undoEnabled);
    EXPECT_EQ(again.records(), first.records());
}

TEST(Startup, AnUndoWithoutATapAfterItIsNotStored) {
    Program first;
    first.start();
    first.tapDeck();
    first.tapSlot(1);
    const Records afterMove = first.records();
    first.command(command::Undo);
    ASSERT_NE(first.records(), afterMove);

    Program again(first.fileCopy, first.secondCopy);
    again.start();
    EXPECT_EQ(again.records(), afterMove);
}

TEST(Startup, TheRestoredGameKeepsItsDeckAndScores) {
    Program first;
    first.start();
    first.player(0).gamesWon2P = 4;
    first.player(1).gameScore = 2500;
    saveState(first.g());

    Program again(first.fileCopy, first.secondCopy);
    again.start();
    EXPECT_EQ(again.player(0).gamesWon2P, 4);
    EXPECT_EQ(again.player(1).gameScore, 2500);
    EXPECT_EQ(again.g().deck, first.g().deck);
    EXPECT_FALSE(again.g().discardArmed);
}
