// The three dialogs opened from the menu and operated through their controls.
#include "window_fixture.h"

#include "app/save_state.h"
#include "qt/about_window.h"
#include "qt/options_window.h"
#include "qt/scores_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>

namespace tarmigo::testing {
namespace {

using DialogsTest = WindowTest;

QString labelText(QWidget* dialog, const char* name) {
    QLabel* label = child<QLabel>(dialog, name);
    return label ? label->text() : QString();
}

TEST_F(DialogsTest, OptionsShowTheSettingsAndCoupleTheTapLists) {
    start();
    bool checked = false;
    onNextModal([&](QWidget* dialog) {
        ASSERT_NE(dynamic_cast<OptionsWindow*>(dialog), nullptr);
        EXPECT_EQ(dialog->windowTitle(), "Tarmigo");
        auto* difficulty = child<QComboBox>(dialog, "difficulty");
        auto* play = child<QComboBox>(dialog, "toPlay");
        auto* discard = child<QComboBox>(dialog, "toDiscard");
        auto* speed = child<QSlider>(dialog, "speed");
        auto* animation = child<QCheckBox>(dialog, "animation");
        // The lists, in their order.
        ASSERT_EQ(discard->count(), 3);
        EXPECT_EQ(discard->itemText(0), "tap card then deck");
        EXPECT_EQ(discard->itemText(1), "tap card twice");
        EXPECT_EQ(discard->itemText(2), "tap card once");
        EXPECT_EQ(play->itemText(1), "tap card twice");
        EXPECT_EQ(difficulty->itemText(1), "Hard");
        EXPECT_EQ(difficulty->itemText(2), "Expert");
        // The defaults (the fixture turned the animation off).
        EXPECT_EQ(difficulty->currentText(), "Easy");
        EXPECT_EQ(play->currentText(), "tap card once");
        EXPECT_EQ(discard->currentText(), "tap card twice");
        EXPECT_TRUE(child<QCheckBox>(dialog, "sortCards")->isChecked());
        EXPECT_TRUE(child<QCheckBox>(dialog, "playSounds")->isChecked());
        EXPECT_FALSE(child<QCheckBox>(dialog, "showPlayable")->isChecked());
        EXPECT_TRUE(child<QCheckBox>(dialog, "showTips")->isChecked());
        EXPECT_FALSE(animation->isChecked());
        EXPECT_FALSE(speed->isVisible());
        EXPECT_EQ(speed->value(), 8);
        EXPECT_FALSE(child<QPushButton>(dialog, "resetScores")->isEnabled());

        // Playing by two taps leaves only "tap card then deck" for discarding.
        play->setCurrentIndex(1);
        EXPECT_EQ(discard->currentIndex(), 0);
        EXPECT_FALSE(discard->isEnabled());
        play->setCurrentIndex(0);
        EXPECT_TRUE(discard->isEnabled());
        EXPECT_EQ(discard->currentIndex(), 0);
        discard->setCurrentIndex(2);

        animation->setChecked(true);
        EXPECT_TRUE(speed->isVisible());
        speed->setValue(16);
        difficulty->setCurrentIndex(1);
        child<QCheckBox>(dialog, "showTips")->setChecked(false);
        checked = true;
        child<QPushButton>(dialog, "done")->click();
    });
    command(command::Options);
    ASSERT_TRUE(checked);
    const RoundRecord& r = game().round;
    EXPECT_EQ(r.get(flag::playMode), 0);
    EXPECT_EQ(r.get(flag::discardMode), 2);
    EXPECT_TRUE(r.has(flag::hard));
    EXPECT_TRUE(r.has(flag::animate));
    EXPECT_TRUE(r.has(flag::hideTips));
    EXPECT_EQ(r.animDelay, 0);
    // Done saves.
    buildSaveRecord(game());
    EXPECT_EQ(stored(),
              std::vector<std::uint8_t>(game().recordBuffer.begin(), game().recordBuffer.end()));
}

TEST_F(DialogsTest, EscapeLeavesTheOptionsAsTheyWere) {
    start();
    const RoundRecord before = game().round;
    const auto storedBefore = stored();
    onNextModal([](QWidget* dialog) {
        child<QComboBox>(dialog, "toPlay")->setCurrentIndex(1);
        child<QCheckBox>(dialog, "sortCards")->setChecked(false);
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    command(command::Options);
    EXPECT_EQ(game().round, before);
    EXPECT_EQ(stored(), storedBefore);
}

TEST_F(DialogsTest, ResetScoresAsksAndClearsEveryGamesWonCounter) {
    start();
    game().players[0].gamesWon1P = 2;
    game().players[1].gamesWon2P = 1;
    onNextModal([](QWidget* dialog) {
        auto* reset = child<QPushButton>(dialog, "resetScores");
        ASSERT_TRUE(reset->isEnabled());
        // No keeps everything.
        onNextModal(
            [](QWidget* box) {
                EXPECT_EQ(qobject_cast<QMessageBox*>(box)->text(),
                          "Do you want to reset all scores?");
                qobject_cast<QMessageBox*>(box)->button(QMessageBox::No)->click();
            },
            dialog);
        reset->click();
        EXPECT_TRUE(reset->isEnabled());
        onNextModal(
            [](QWidget* box) {
                qobject_cast<QMessageBox*>(box)->button(QMessageBox::Yes)->click();
            },
            dialog);
        reset->click();
        EXPECT_FALSE(reset->isEnabled());
        // The reset stands even though the dialog is cancelled.
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    command(command::Options);
    for (const PlayerRecord& p : game().players) {
        EXPECT_EQ(p.gamesWon1P, 0);
        EXPECT_EQ(p.gamesWon2P, 0);
    }
}

TEST_F(DialogsTest, ScoresDuringAHandShowTheMakeUpWithoutTheButton) {
    start();
    game().players[0].miles = 75;
    game().players[1].setSafeties(0xF);
    game().players[1].gameScore = 1234;
    bool seen = false;
    onNextModal([&](QWidget* dialog) {
        ASSERT_NE(dynamic_cast<ScoresWindow*>(dialog), nullptr);
        EXPECT_EQ(labelText(dialog, "caption0"), "You");
        EXPECT_EQ(labelText(dialog, "caption1"), "Computer");
        EXPECT_EQ(labelText(dialog, "value0"), "75");    // miles, player 0
        EXPECT_EQ(labelText(dialog, "value3"), "400");   // safeties, player 1
        EXPECT_EQ(labelText(dialog, "value5"), "300");   // all safeties, player 1
        EXPECT_EQ(labelText(dialog, "value21"), "1234"); // game score, player 1
        EXPECT_EQ(labelText(dialog, "result"), "");
        EXPECT_FALSE(child<QPushButton>(dialog, "newHand")->isVisible());
        seen = true;
        child<QPushButton>(dialog, "done")->click();
    });
    command(command::Scores);
    EXPECT_TRUE(seen);
}

TEST_F(DialogsTest, NewHandInTheScoresAtTheEndOfAHandDealsTheNextHand) {
    start();
    onNextModal(
        [](QWidget* box) { qobject_cast<QMessageBox*>(box)->button(QMessageBox::Yes)->click(); });
    command(command::TwoPlayerGame);
    game().round.set(flag::handOver, true);
    game().round.winner = 1;
    game().players[0].gameScore = 700;
    onNextModal([](QWidget* dialog) {
        EXPECT_EQ(labelText(dialog, "caption0"), "Player 1");
        EXPECT_EQ(labelText(dialog, "caption1"), "Player 2");
        EXPECT_EQ(labelText(dialog, "result"), "Player 2 Wins!");
        auto* button = child<QPushButton>(dialog, "newHand");
        EXPECT_TRUE(button->isVisible());
        EXPECT_EQ(button->text(), "New Hand");
        button->click();
    });
    command(command::Scores);
    EXPECT_FALSE(game().has(flag::handOver));
    EXPECT_EQ(game().playerCount, 2);
    EXPECT_EQ(game().players[0].gameScore, 700); // the game goes on
}

TEST_F(DialogsTest, AboutShowsTheProgramAndSavesOnOpening) {
    start();
    game().players[0].gamesWon1P = 3; // changed since the last save
    onNextModal([](QWidget* dialog) {
        ASSERT_NE(dynamic_cast<AboutWindow*>(dialog), nullptr);
        EXPECT_EQ(dialog->windowTitle(), "About Tarmigo");
        EXPECT_EQ(labelText(dialog, "name"), "Tarmigo");
        EXPECT_EQ(labelText(dialog, "version"), "Version 1.1");
        EXPECT_FALSE(labelText(dialog, "web").isEmpty());
        EXPECT_FALSE(child<QLabel>(dialog, "icon")->pixmap().isNull());
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    command(command::About);
    buildSaveRecord(game());
    EXPECT_EQ(stored(),
              std::vector<std::uint8_t>(game().recordBuffer.begin(), game().recordBuffer.end()));
}

} // namespace
} // namespace tarmigo::testing
