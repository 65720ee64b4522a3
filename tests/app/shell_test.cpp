// The shell's rules as tables: the menu commands with the forfeit rule, what the
// Scores dialog shows, and what a start restores. The Options dialog's controls are
// worked in the replay scripts options-*.script.
#include "app/options_dialog.h"
#include "app/scores_dialog.h"
#include "game/hand_end.h"
#include "support/invariants.h"
#include "support/program.h"

#include <gtest/gtest.h>

using namespace tarmigo;
using namespace tarmigo::testing;

namespace {

// The players, game scores, games won (alone/by two), the flags, the draw pile, the
// status line and what the host was asked.
std::string shellState(Program& app) {
    Session& g = app.g();
    std::string s = std::to_string(g.playerCount) +
                    "p game=" + std::to_string(app.player(0).gameScore) + "/" +
                    std::to_string(app.player(1).gameScore);
    for (const PlayerRecord& p : g.players)
        s += " won=" + std::to_string(p.gamesWon1P) + "/" + std::to_string(p.gamesWon2P);
    if (g.has(flag::handOver)) s += " over";
    if (g.has(flag::gameOver)) s += " gameover";
    if (g.has(flag::hard)) s += " hard";
    s += " deck=" + std::to_string(g.round.deckPos) + " \"" + g.statusText + "\"";
    for (int q : app.host.questions) s += " ask " + std::to_string(q);
    const std::pair<const char*, int> dialogs[] = {{"scores", app.host.scoresDialogs},
                                                   {"options", app.host.optionsDialogs},
                                                   {"about", app.host.aboutDialogs},
                                                   {"help", app.host.helpRequests}};
    for (auto [name, n] : dialogs)
        if (n) s += std::string(" ") + name + "=" + std::to_string(n);
    return s;
}

struct CommandRow {
    const char* position; // over the fresh one-player game of a first start
    const char* steps;    // command ids; "yes", "newhand", "hard" answer what comes next;
                          // "deck", "1" tap; "end" ends the hand
    const char* after;
};

const CommandRow Commands[] = {
    // A new game over a hand in progress asks first; Yes forfeits it to the player
    // not to move, in the mode that was being played.
    {"game=1200 | game=900", "4011",
     "1p game=1200/900 won=0/0 won=0/0 deck=30 \"Tap a card to play it\" ask 1602"},
    {"game=1200 | game=900", "yes 4011",
     "1p game=0/0 won=0/0 won=1/0 deck=14 \"Tap a card to play it\" ask 1602"},
    {"game=1200 | game=900 | two", "yes 4012",
     "2p game=0/0 won=0/0 won=0/1 deck=14 \"Tap a card to play it\" ask 1602"},
    {"game=1200 | game=900 | two turn=1", "yes 4012",
     "2p game=0/0 won=0/1 won=0/0 deck=14 \"Tap a card to play it\" ask 1602"},
    {"game=1200 | game=900 | two", "yes 4011",
     "1p game=0/0 won=0/0 won=0/1 deck=14 \"Tap a card to play it\" ask 1602"},
    // After a hand the same mode deals the next hand; the other mode is a forfeit.
    {"game=1200 | game=900 | over", "4011",
     "1p game=1200/900 won=0/0 won=0/0 deck=14 \"Tap a card to play it\""},
    {"game=1200 | game=900 | two over", "4012",
     "2p game=1200/900 won=0/0 won=0/0 deck=14 \"Tap a card to play it\""},
    {"game=1200 | game=900 | over", "yes 4012",
     "2p game=0/0 won=0/0 won=1/0 deck=14 \"Tap a card to play it\" ask 1602"},
    {"game=1200 | game=900 | over", "4012",
     "1p game=1200/900 won=0/0 won=0/0 over deck=30 \"Tap a card to play it\" ask 1602"},
    // After the game either mode starts a new game at once.
    {"game=5200 | game=900 | over gameover", "4011",
     "1p game=0/0 won=0/0 won=0/0 deck=14 \"Tap a card to play it\""},
    {"game=5200 | game=900 | over gameover", "4012",
     "2p game=0/0 won=0/0 won=0/0 deck=14 \"Tap a card to play it\""},
    // The Scores dialog: New Hand deals the next hand, or a new game after the game.
    {"game=1200 | game=900 | over", "newhand 4023",
     "1p game=1200/900 won=0/0 won=0/0 deck=14 \"Tap a card to play it\" scores=1"},
    {"game=5200 | game=900 | over gameover", "newhand 4023",
     "1p game=0/0 won=0/0 won=0/0 deck=14 \"Tap a card to play it\" scores=1"},
    {"game=1200 | game=900", "4023",
     "1p game=1200/900 won=0/0 won=0/0 deck=30 \"Tap a card to play it\" scores=1"},
    {"score=100 game=5000 | score=200 game=4900 | two", "newhand end",
     "2p game=5100/5100 won=0/0 won=0/0 deck=14 \"Tap a card to play it\" scores=1"},
    // Unknown ids and the drop-down buttons do nothing; About and Help only show.
    {"game=1200 | game=900", "0 4010 4020 4013 4041 3227 65535",
     "1p game=1200/900 won=0/0 won=0/0 deck=30 \"Tap a card to play it\""},
    {"game=1200 | game=900", "4021 4030 4030",
     "1p game=1200/900 won=0/0 won=0/0 deck=30 \"Tap a card to play it\" about=1 help=2"},
    // Undo takes back a discard; Options runs the dialog on the game.
    {"", "deck 1 4040", "1p game=0/0 won=0/0 won=0/0 deck=30 \"Undone\""},
    {"", "hard 4022",
     "1p game=0/0 won=0/0 won=0/0 hard deck=30 \"Tap a card to play it\" options=1"},
};

} // namespace

TEST(Shell, EachRunOfCommandsEndsSo) {
    for (const CommandRow& row : Commands) {
        Program app;
        app.start();
        app.g().round.deckPos = 30; // a hand in progress
        setPosition(app.g(), row.position);
        for (std::string_view w : wordsOf(row.steps)) {
            if (w == "yes")
                app.host.yesNoAnswers.push_back(true);
            else if (w == "newhand")
                app.host.scoresAnswers.push_back(dialog::NewHand);
            else if (w == "hard")
                app.host.optionsDialog = [](OptionsDialog& d) { d.chooseDifficulty(1), d.done(); };
            else if (w == "deck")
                app.tapDeck();
            else if (w == "end")
                endHand(app.g()), app.runPosted();
            else if (w.size() == 1)
                app.tapSlot(numberOf(w, w));
            else
                app.command(numberOf(w, w));
        }
        const std::string got = shellState(app);
        EXPECT_EQ(got, row.after) << row.position << " / " << row.steps;
    }
}

// The Scores dialog's 24 fields (player 0, player 1, row by row from Miles to Games
// Won), its result line and its button, as the replay driver prints them.
TEST(Shell, TheScoresDialogShowsTheRowsOfEachPlayer) {
    constexpr std::array<std::array<const char*, 3>, 9> Rows{{
        {"go miles=700 score=1100 game=2000 won=4 safe=uvwx cf=uv delayed | | one", "",
         "700 0 400 0 300 0 600 0 0 0 300 0 0 0 0 0 0 0 1100 0 2000 0 4 0 0 0"},
        {"| safe=ux", "", "0 0 0 200 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 two"},
        {"go miles=600 score=1300 safe=uvwx cf=u hand=i | | one deck=101", "play 1",
         "700 0 400 0 300 0 300 0 400 0 300 0 300 0 0 0 500 0 3200 0 3200 0 0 0 1403 1"},
        {"score=200 | score=300 | one", "end",
         "0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 200 300 200 300 0 0 1404 1"},
        {"score=300 | score=300 | one", "end",
         "0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 300 300 300 300 0 0 1403 1"},
        {"score=300 | score=300", "end",
         "0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 300 300 300 300 0 0 1405 1 two"},
        {"score=500 game=4000 | score=100 game=4950", "end",
         "0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 500 100 4500 5050 0 1 1406 2 two"},
        {"won=5/2", "", "0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 2 0 0 0 two"},
        {"go miles=900 twos=1 score=900 hand=i | miles=750 | race=1000", "play 1",
         "1000 750 0 0 0 0 0 0 400 0 0 0 0 0 200 0 0 0 1600 0 1600 0 0 0 1405 1 two"},
    }};
    for (auto [position, action, shown] : Rows) {
        Position pos;
        pos.set(position);
        if (std::string_view(action) == "end") endHand(pos.g);
        if (std::string_view(action) == "play 1") pos.play(1);
        const ScoresContent c = scoresContent(pos.g);
        std::string got;
        for (int i = 0; i < 24; ++i) got += std::to_string(c.field(i)) + " ";
        got += std::to_string(c.resultId) + " " + std::to_string(int(c.button)) +
               (c.twoPlayers ? " two" : "");
        EXPECT_EQ(got, shown) << position;
    }
}

// A start restores what the last run stored, never its Undo nor an armed discard, and
// shows the prompt of a restored hand-over (unless tips are hidden) or asks for a card.
TEST(Shell, AStartRestoresTheStoredGameAndItsPrompt) {
    const std::array<std::array<const char*, 3>, 6> Rows{{
        {"| | two handover", "", "End of Turn - Player 1 tap to here to continue"},
        {"| | handover notips", "", ""},
        {"| | notips", "", "Tap a card to play it"},
        {"won=0/4 | game=2500", "", "Tap a card to play it"},
        {"", "deck 1", "Tap a card to play it"},
        {"", "deck 1 4040", "Tap a card to play it (not the undone game)"},
    }};
    for (auto [position, steps, shown] : Rows) {
        Program first;
        first.start();
        EXPECT_EQ(first.g().currentPlayer + first.g().round.nextStarter, 1); // the human starts
        setPosition(first.g(), position);
        for (std::string_view w : wordsOf(steps)) {
            if (w == "deck")
                first.tapDeck();
            else if (w.size() == 1)
                first.tapSlot(numberOf(w, w));
            else
                first.command(numberOf(w, w));
        }
        if (*steps == '\0') saveState(first.g());
        Program again(first.fileCopy, first.secondCopy);
        again.start();
        EXPECT_EQ(brokenRecord(again.g(), first.fileCopy.bytes), "") << position << steps;
        const std::string got =
            again.g().statusText + (again.host.undoEnabled ? " undo" : "") +
            (again.g().discardArmed ? " armed" : "") +
            (describe(again.g()) == describe(first.g()) ? "" : " (not the undone game)");
        EXPECT_EQ(got, shown) << position << " / " << steps;
    }
}
