// The Statistics window: what the end of a hand and a forfeit count, the figures
// shown after a restart, and Reset with its question.
#include "window_fixture.h"

#include "game/strings.h"
#include "qt/statistics_window.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

namespace tarmigo::testing {
namespace {

using StatisticsWindowTest = WindowTest;

void answer(QWidget* modal, QMessageBox::StandardButton button) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr);
    box->button(button)->click();
}

// The figures of one column, top to bottom, as shown.
std::string column(QWidget* dialog, int c) {
    QStringList shown;
    for (int r = 0; r < 12; ++r) {
        auto* label = child<QLabel>(dialog, QStringLiteral("value%1_%2").arg(r).arg(c).toLatin1());
        shown << (label ? label->text() : QString());
    }
    return shown.join(QLatin1Char(' ')).toStdString();
}

constexpr int Easy = 0, Hard = 1, Expert = 2, TwoPlayers = 3;
const std::string NoGames = "0 0 0% 0 0 0 0 0 0 0 0 0";

TEST_F(StatisticsWindowTest, HandsAndForfeitsAreCountedOnceKeptAndResetOnlyOnYes) {
    start();
    // Against Expert, player 0 lays the last 100 of a safe shut-out trip that wins the game.
    preferences->setValue(QStringLiteral("Desktop/expert"), true);
    Game& g = game();
    g.round.set(flag::hard, true);
    g.currentPlayer = 0;
    PlayerRecord& own = g.players[0];
    own.setBattle(BattleGo);
    own.miles = 600;
    own.distancePlayed[Distance100 - Distance25] = 6;
    own.handScore = 600;
    own.gameScore = 4000;
    own.slot(1) = Distance100;
    const auto layTheLastHundred = [this] {
        onNextModal([](QWidget* extend) {
            onNextModal([](QWidget* scores) { child<QPushButton>(scores, "done")->click(); },
                        extend);
            answer(extend, QMessageBox::No);
        });
        clickSlot(1);
        settle();
        ASSERT_TRUE(game().has(flag::gameOver));
    };
    layTheLastHundred();
    // Taken back and laid again, the hand and the game count once.
    command(command::Undo);
    ASSERT_FALSE(g.has(flag::handOver));
    layTheLastHundred();

    // A new Easy game, given up at once.
    command(command::OnePlayerGame);
    g.round.set(flag::hard, false);
    onNextModal([](QWidget* box) { answer(box, QMessageBox::Yes); });
    command(command::OnePlayerGame);
    // A damaged line loses its own column only.
    preferences->setValue(QStringLiteral("Statistics/hard"), QStringLiteral("7 9 banana"));

    start(); // a restart keeps them
    bool seen = false;
    onNextModal([&](QWidget* dialog) {
        ASSERT_NE(dynamic_cast<StatisticsWindow*>(dialog), nullptr);
        // games, won, share, longest and current streak, hands, won, best, mean,
        // coups fourres, trips, shut-outs
        EXPECT_EQ(column(dialog, Expert), "1 1 100% 1 1 1 1 1900 1900 0 1 1");
        EXPECT_EQ(column(dialog, Easy), "1 0 0% 0 0 0 0 0 0 0 0 0");
        EXPECT_EQ(column(dialog, Hard), NoGames);
        EXPECT_EQ(column(dialog, TwoPlayers), NoGames);

        auto* reset = child<QPushButton>(dialog, "reset");
        onNextModal(
            [](QWidget* box) {
                EXPECT_EQ(qobject_cast<QMessageBox*>(box)->text(),
                          "Do you want to reset the statistics?");
                answer(box, QMessageBox::No);
            },
            dialog);
        reset->click();
        EXPECT_EQ(column(dialog, Expert).substr(0, 4), "1 1 ");
        onNextModal([](QWidget* box) { answer(box, QMessageBox::Yes); }, dialog);
        reset->click();
        EXPECT_EQ(column(dialog, Expert), NoGames);
        EXPECT_EQ(column(dialog, Easy), NoGames);
        seen = true;
        child<QPushButton>(dialog, "done")->click();
    });
    window->findChild<QAction*>(QStringLiteral("statistics"))->trigger();
    settle();
    EXPECT_TRUE(seen);
    EXPECT_FALSE(preferences->contains(QStringLiteral("Statistics/expert")));
}

} // namespace
} // namespace tarmigo::testing
