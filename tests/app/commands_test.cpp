// The menu commands: new games and hands with the forfeit rule, the dialogs, undo.
#include "app/options_dialog.h"
#include "app/save_state.h"
#include "game/hand_end.h"
#include "support/program.h"

#include <gtest/gtest.h>

using namespace tarmigo;
using namespace tarmigo::testing;

namespace {

// A fresh program in the middle of a one-player hand, with game scores on the board.
void midHand(Program& app) {
    app.start();
    app.player(0).gameScore = 1200;
    app.player(1).gameScore = 900;
}

void twoPlayerHand(Program& app) {
    app.start();
    app.host.yesNoAnswers = {true};
    app.command(command::TwoPlayerGame);
    ASSERT_EQ(app.g().playerCount, 2);
    app.player(1).gamesWon1P = 0; // the forfeit that got us here
    app.player(0).gameScore = 1200;
    app.player(1).gameScore = 900;
    app.host.questions.clear();
}

void endTheHand(Program& app, bool gameOver = false) {
    app.g().round.set(flag::handOver, true);
    app.g().round.set(flag::gameOver, gameOver);
}

int gamesWon(Program& app) {
    int n = 0;
    for (const PlayerRecord& p : app.g().players) n += p.gamesWon1P + p.gamesWon2P;
    return n;
}

} // namespace

TEST(Commands, ANewGameInTheMiddleOfAHandAsksFirstAndNoChangesNothing) {
    Program app;
    midHand(app);
    const Records before = app.records();
    const auto deck = app.g().deck;
    app.command(command::OnePlayerGame);
    EXPECT_EQ(app.host.questions, std::vector<int>{1602});
    EXPECT_EQ(app.records(), before);
    EXPECT_EQ(app.g().deck, deck);
}

TEST(Commands, ForfeitingAOnePlayerGameCreditsTheComputer) {
    Program app;
    midHand(app);
    app.host.yesNoAnswers = {true};
    app.command(command::OnePlayerGame);
    EXPECT_EQ(app.player(1).gamesWon1P, 1);
    EXPECT_EQ(gamesWon(app), 1);
    EXPECT_EQ(app.player(0).gameScore + app.player(1).gameScore, 0);
    EXPECT_EQ(app.g().playerCount, 1);
    EXPECT_EQ(app.g().round.deckPos, 14);
}

TEST(Commands, ForfeitingATwoPlayerGameCreditsThePlayerNotToMove) {
    for (int current : {0, 1}) {
        Program app;
        twoPlayerHand(app);
        app.g().currentPlayer = std::uint8_t(current);
        app.host.yesNoAnswers = {true};
        app.command(command::TwoPlayerGame);
        EXPECT_EQ(app.host.questions, std::vector<int>{1602});
        EXPECT_EQ(app.player(1 - current).gamesWon2P, 1);
        EXPECT_EQ(gamesWon(app), 1);
        EXPECT_EQ(app.player(0).gameScore, 0);
    }
}

TEST(Commands, TheForfeitCountsInTheModeThatWasBeingPlayed) {
    Program app;
    twoPlayerHand(app);
    app.g().currentPlayer = 0;
    app.host.yesNoAnswers = {true};
    app.command(command::OnePlayerGame);
    EXPECT_EQ(app.player(1).gamesWon2P, 1);
    EXPECT_EQ(app.player(1).gamesWon1P, 0);
    EXPECT_EQ(app.g().playerCount, 1);
}

TEST(Commands, AfterAHandTheSameModeDealsTheNextHandWithoutAQuestion) {
    for (int players : {1, 2}) {
        Program app;
        if (players == 1)
            midHand(app);
        else
            twoPlayerHand(app);
        endTheHand(app);
        app.command(command::NewGameMenu + players);
        EXPECT_TRUE(app.host.questions.empty());
        EXPECT_FALSE(app.g().has(flag::handOver));
        EXPECT_EQ(app.player(0).gameScore, 1200);
        EXPECT_EQ(app.player(1).gameScore, 900);
        EXPECT_EQ(gamesWon(app), 0);
    }
}

TEST(Commands, AfterAHandTheOtherModeIsAForfeitedGame) {
    Program app;
    midHand(app);
    endTheHand(app);
    app.host.yesNoAnswers = {true};
    app.command(command::TwoPlayerGame);
    EXPECT_EQ(app.host.questions, std::vector<int>{1602});
    EXPECT_EQ(app.player(1).gamesWon1P, 1);
    EXPECT_EQ(app.g().playerCount, 2);
    EXPECT_EQ(app.player(0).gameScore + app.player(1).gameScore, 0);
}

TEST(Commands, AfterAHandTheOtherModeAnsweredNoChangesNothing) {
    Program app;
    midHand(app);
    endTheHand(app);
    const Records before = app.records();
    app.command(command::TwoPlayerGame);
    EXPECT_EQ(app.records(), before);
}

TEST(Commands, AfterTheGameEitherModeStartsANewGameAtOnce) {
    for (int players : {1, 2}) {
        Program app;
        midHand(app);
        endTheHand(app, true);
        app.command(command::NewGameMenu + players);
        EXPECT_TRUE(app.host.questions.empty());
        EXPECT_EQ(gamesWon(app), 0);
        EXPECT_EQ(app.g().playerCount, players);
        EXPECT_EQ(app.player(0).gameScore + app.player(1).gameScore, 0);
        EXPECT_FALSE(app.g().has(flag::gameOver));
    }
}

TEST(Commands, NewHandFromTheScoresMenuKeepsTheGameScores) {
    Program app;
    midHand(app);
    endTheHand(app);
    app.host.scoresAnswers = {dialog::NewHand};
    app.command(command::Scores);
    EXPECT_FALSE(app.g().has(flag::handOver));
    EXPECT_EQ(app.player(0).gameScore, 1200);
    EXPECT_TRUE(app.host.questions.empty());
}

TEST(Commands, NewHandFromTheScoresMenuAfterTheGameStartsANewGame) {
    Program app;
    midHand(app);
    endTheHand(app, true);
    app.host.scoresAnswers = {dialog::NewHand};
    app.command(command::Scores);
    EXPECT_FALSE(app.g().has(flag::gameOver));
    EXPECT_EQ(app.player(0).gameScore + app.player(1).gameScore, 0);
    EXPECT_EQ(gamesWon(app), 0);
}

TEST(Commands, TheScoresMenuClosedWithDoneChangesNothing) {
    Program app;
    midHand(app);
    const Records before = app.records();
    app.command(command::Scores);
    EXPECT_EQ(app.host.scoresDialogs, 1);
    EXPECT_EQ(app.records(), before);
}

TEST(Commands, NewHandAtTheEndOfAHandDealsTheNextHandOfTheSameGame) {
    Program app;
    twoPlayerHand(app);
    app.player(0).gameScore = 5000;
    app.player(1).gameScore = 4900;
    app.player(0).handScore = 100;
    app.player(1).handScore = 200;
    app.host.scoresAnswers = {dialog::NewHand};
    endHand(app.g()); // 5100 against 5100: nobody has won yet
    app.runPosted();
    EXPECT_TRUE(app.host.questions.empty());
    EXPECT_FALSE(app.g().has(flag::handOver));
    EXPECT_EQ(app.player(0).gameScore, 5100);
    EXPECT_EQ(app.player(1).gameScore, 5100);
    EXPECT_EQ(app.g().playerCount, 2);
}

TEST(Commands, UnknownCommandsAndTheDropDownButtonsDoNothing) {
    Program app;
    midHand(app);
    const Records before = app.records();
    const int writes = app.fileCopy.writes;
    for (int id : {0, 4010, 4020, 4013, 4041, 3227, 65535}) app.command(id);
    EXPECT_EQ(app.records(), before);
    EXPECT_TRUE(app.host.questions.empty());
    EXPECT_EQ(app.host.scoresDialogs + app.host.optionsDialogs + app.host.aboutDialogs +
                  app.host.helpRequests,
              0);
    EXPECT_EQ(app.fileCopy.writes, writes);
}

TEST(Commands, AboutSavesAndChangesNothing) {
    Program app;
    midHand(app);
    const Records before = app.records();
    app.command(command::About);
    EXPECT_EQ(app.host.aboutDialogs, 1);
    EXPECT_EQ(app.records(), before);
    buildSaveRecord(app.g());
    EXPECT_EQ(*app.fileCopy.bytes,
              std::vector<std::uint8_t>(app.g().recordBuffer.begin(), app.g().recordBuffer.end()));
}

TEST(Commands, EachHelpPressAsksForTheHelpViewerAgain) {
    Program app;
    app.start();
    app.command(command::Help);
    app.command(command::Help);
    EXPECT_EQ(app.host.helpRequests, 2);
}

TEST(Commands, UndoRestoresTheLastMoveAndRepaintsEverything) {
    Program app;
    app.start();
    app.tapDeck();
    app.tapSlot(1); // a discard
    ASSERT_TRUE(app.host.undoEnabled);
    const int erasing = app.host.erasingInvalidations;
    app.command(command::Undo);
    EXPECT_FALSE(app.host.undoEnabled);
    EXPECT_EQ(app.g().statusText, "Undone");
    EXPECT_EQ(app.g().round.discardTop, 0);
    EXPECT_EQ(app.host.erasingInvalidations, erasing + 1);
    EXPECT_EQ(app.host.invalidated.back(), app.g().layout.boardRect());
}

TEST(Commands, OptionsRunsTheDialogOnTheGame) {
    Program app;
    app.start();
    app.host.optionsDialog = [](OptionsDialog& d) {
        d.chooseDifficulty(1);
        d.done();
    };
    app.command(command::Options);
    EXPECT_EQ(app.host.optionsDialogs, 1);
    EXPECT_TRUE(app.g().has(flag::hard));
}
