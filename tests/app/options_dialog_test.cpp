// The Options dialog: what it shows, how its lists depend on each other, what Done
// stores and what cancel leaves.
#include "app/options_dialog.h"
#include "app/save_state.h"
#include "support/program.h"

#include <gtest/gtest.h>

using namespace tarmigo;
using namespace tarmigo::testing;

namespace {

void giveGamesWon(Program& app) {
    app.player(1).gamesWon1P = 2;
    app.player(0).gamesWon2P = 1;
}

int gamesWon(Program& app) {
    int n = 0;
    for (const PlayerRecord& p : app.g().players) n += p.gamesWon1P + p.gamesWon2P;
    return n;
}

} // namespace

TEST(OptionsDialog, OpensWithTheDefaults) {
    Program app;
    app.start();
    OptionsDialog d(app.g());
    EXPECT_EQ(d.difficulty(), 0);
    EXPECT_EQ(d.playItem(), 0);
    EXPECT_EQ(d.discardItem(), 1);
    EXPECT_TRUE(d.discardEnabled());
    EXPECT_TRUE(d.sortCards);
    EXPECT_TRUE(d.playSounds);
    EXPECT_TRUE(d.animation());
    EXPECT_FALSE(d.showPlayable);
    EXPECT_TRUE(d.showTips);
    EXPECT_EQ(d.sliderPosition(), 8);
    EXPECT_TRUE(d.sliderVisible());
    EXPECT_FALSE(d.resetEnabled());
}

TEST(OptionsDialog, TheListsHoldTheirTextsInOrder) {
    EXPECT_EQ(textOf(OptionsDialog::DifficultyTexts[0]), "Easy");
    EXPECT_EQ(textOf(OptionsDialog::DifficultyTexts[1]), "Hard");
    EXPECT_EQ(textOf(OptionsDialog::DifficultyTexts[2]), "Expert");
    EXPECT_EQ(textOf(OptionsDialog::PlayTexts[0]), "tap card once");
    EXPECT_EQ(textOf(OptionsDialog::PlayTexts[1]), "tap card twice");
    EXPECT_EQ(textOf(OptionsDialog::DiscardTexts[0]), "tap card then deck");
    EXPECT_EQ(textOf(OptionsDialog::DiscardTexts[1]), "tap card twice");
    EXPECT_EQ(textOf(OptionsDialog::DiscardTexts[2]), "tap card once");
}

TEST(OptionsDialog, ExpertIsHardInTheRecordAndReopensAsExpert) {
    struct Row {
        int item;
        bool hard;
        bool expert;
    };
    for (Row row : {Row{2, true, true}, Row{1, true, false}, Row{0, false, false}}) {
        Program app;
        app.start();
        app.g().expert = !row.expert; // the choice before the dialog must not linger
        app.g().round.set(flag::hard, true);
        OptionsDialog d(app.g());
        d.chooseDifficulty(row.item);
        d.done();
        EXPECT_EQ(app.g().has(flag::hard), row.hard) << row.item;
        EXPECT_EQ(app.g().expert, row.expert) << row.item;
        EXPECT_EQ(OptionsDialog(app.g()).difficulty(), row.item);
    }
}

TEST(OptionsDialog, TappingTwiceToPlayForcesTapThenDeckToDiscard) {
    Program app;
    app.start();
    OptionsDialog d(app.g());
    d.chooseDiscard(2);
    d.choosePlay(1);
    EXPECT_EQ(d.discardItem(), 0);
    EXPECT_FALSE(d.discardEnabled());
    d.chooseDiscard(2); // a locked list cannot be changed
    EXPECT_EQ(d.discardItem(), 0);
    d.choosePlay(0);
    EXPECT_TRUE(d.discardEnabled());
    EXPECT_EQ(d.discardItem(), 0);
    d.chooseDiscard(1);
    EXPECT_EQ(d.discardItem(), 1);
}

TEST(OptionsDialog, OpeningWithTapTwiceLocksTheDiscardListAsStored) {
    Program app;
    app.start();
    app.g().round.set(flag::playMode, 1);
    app.g().round.set(flag::discardMode, 0);
    OptionsDialog d(app.g());
    EXPECT_EQ(d.playItem(), 1);
    EXPECT_FALSE(d.discardEnabled());
    EXPECT_EQ(d.discardItem(), 0);
}

TEST(OptionsDialog, DoneStoresOnlyTheTwoModeCombinationsTheListsAllow) {
    Program app;
    app.start();
    OptionsDialog d(app.g());
    d.choosePlay(1);
    d.done();
    EXPECT_EQ(app.g().round.get(flag::playMode), 1);
    EXPECT_EQ(app.g().round.get(flag::discardMode), 0);
}

TEST(OptionsDialog, UncheckingAnimationHidesTheSliderAndKeepsItsPosition) {
    Program app;
    app.start();
    OptionsDialog d(app.g());
    d.moveSlider(12);
    d.setAnimation(false);
    EXPECT_FALSE(d.sliderVisible());
    d.moveSlider(0); // a hidden slider cannot be moved
    d.done();
    EXPECT_FALSE(app.g().has(flag::animate));
    EXPECT_EQ(app.g().round.animDelay, 4);
}

TEST(OptionsDialog, AnimationOffOpensWithTheSliderHidden) {
    Program app;
    app.start();
    app.g().round.set(flag::animate, false);
    OptionsDialog d(app.g());
    EXPECT_FALSE(d.sliderVisible());
    d.setAnimation(true);
    EXPECT_TRUE(d.sliderVisible());
}

TEST(OptionsDialog, TheSliderEndsStoreNoDelayAndTheLongestDelay) {
    Program app;
    app.start();
    OptionsDialog right(app.g());
    right.moveSlider(16);
    right.done();
    EXPECT_EQ(app.g().round.animDelay, 0);
    OptionsDialog left(app.g());
    EXPECT_EQ(left.sliderPosition(), 16);
    left.moveSlider(0);
    left.done();
    EXPECT_EQ(app.g().round.animDelay, 16);
    OptionsDialog beyond(app.g());
    beyond.moveSlider(40);
    EXPECT_EQ(beyond.sliderPosition(), 16);
    beyond.moveSlider(-3);
    EXPECT_EQ(beyond.sliderPosition(), 0);
}

TEST(OptionsDialog, DoneAppliesEverySettingLeavesTheOtherFlagsAndSaves) {
    Program app;
    app.start();
    app.g().round.set(flag::handOver, true);
    app.g().round.set(flag::turnHandover, true);
    const int writes = app.fileCopy.writes;
    OptionsDialog d(app.g());
    d.chooseDifficulty(1);
    d.chooseDiscard(2);
    d.sortCards = false;
    d.playSounds = false;
    d.showPlayable = true;
    d.showTips = false;
    d.moveSlider(10);
    d.done();
    const RoundRecord& r = app.g().round;
    EXPECT_TRUE(r.has(flag::hard));
    EXPECT_EQ(r.get(flag::discardMode), 2);
    EXPECT_FALSE(r.has(flag::sortHand));
    EXPECT_FALSE(r.has(flag::playSounds));
    EXPECT_TRUE(r.has(flag::animate));
    EXPECT_TRUE(r.has(flag::showPlayable));
    EXPECT_TRUE(r.has(flag::hideTips));
    EXPECT_EQ(r.animDelay, 6);
    EXPECT_TRUE(r.has(flag::handOver));
    EXPECT_TRUE(r.has(flag::turnHandover));
    EXPECT_EQ(app.fileCopy.writes, writes + 1);
    EXPECT_EQ(app.fileCopy.bytes->at(11 + 1) & 0x10, 0x10); // HideTips reached the store
}

TEST(OptionsDialog, CancelLeavesEverySettingAsItWas) {
    Program app;
    app.start();
    const Records before = app.records();
    const int writes = app.fileCopy.writes;
    OptionsDialog d(app.g());
    d.chooseDifficulty(1);
    d.choosePlay(1);
    d.sortCards = false;
    d.setAnimation(false);
    d.moveSlider(2);
    d.showTips = false;
    d.cancel();
    EXPECT_EQ(app.records(), before);
    EXPECT_EQ(app.fileCopy.writes, writes);
}

TEST(OptionsDialog, ResetScoresIsDisabledWhileNoGameWasWon) {
    Program app;
    app.start();
    EXPECT_FALSE(OptionsDialog(app.g()).resetEnabled());
    app.player(1).gamesWon2P = 1;
    EXPECT_TRUE(OptionsDialog(app.g()).resetEnabled());
}

TEST(OptionsDialog, ResetScoresAnsweredYesClearsAllFourCountersAtOnce) {
    Program app;
    app.start();
    giveGamesWon(app);
    app.player(0).gameScore = 3000;
    OptionsDialog d(app.g());
    app.host.yesNoAnswers = {true};
    d.pressResetScores();
    EXPECT_EQ(app.host.questions, std::vector<int>{1603});
    EXPECT_EQ(gamesWon(app), 0);
    EXPECT_EQ(app.player(0).gameScore, 3000);
    EXPECT_FALSE(d.resetEnabled());
}

TEST(OptionsDialog, ResetScoresAnsweredNoChangesNothing) {
    Program app;
    app.start();
    giveGamesWon(app);
    OptionsDialog d(app.g());
    d.pressResetScores();
    EXPECT_EQ(app.host.questions, std::vector<int>{1603});
    EXPECT_EQ(gamesWon(app), 3);
    EXPECT_TRUE(d.resetEnabled());
}

TEST(OptionsDialog, AResetStandsWhenTheDialogIsCancelledAndIsStoredAtTheNextSave) {
    Program app;
    app.start();
    giveGamesWon(app);
    saveState(app.g());
    const std::vector<std::uint8_t> stored = *app.fileCopy.bytes;
    OptionsDialog d(app.g());
    app.host.yesNoAnswers = {true};
    d.pressResetScores();
    d.chooseDifficulty(1);
    d.cancel();
    EXPECT_EQ(gamesWon(app), 0);
    EXPECT_FALSE(app.g().has(flag::hard));
    EXPECT_EQ(*app.fileCopy.bytes, stored); // not saved yet
    app.tap(120, 100);                      // the next tap saves it
    Program again(app.fileCopy, app.secondCopy);
    again.start();
    EXPECT_EQ(gamesWon(again), 0);
}
