// The main window driven as a player would, on the off-screen platform with its stores
// in a temporary folder: taps on the board, the menu bar, the keys, and the Options,
// Scores and About dialogs worked through their controls.
#include "app/save_state.h"
#include "app/shell.h"
#include "app/store.h"
#include "game/strings.h"
#include "qt/about_window.h"
#include "qt/board_view.h"
#include "qt/command_bar.h"
#include "qt/main_window.h"
#include "qt/qt_host.h"
#include "qt/scores_window.h"
#include "qt/settings_store.h"
#include "qt/sound_player.h"
#include "qt/statistics_window.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>

namespace tarmigo::testing {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Lets the queued work of the window (posted commands, the repaint) run.
void settle() {
    for (int i = 0; i < 10; ++i) QCoreApplication::processEvents();
}

// Calls act on the next modal dialog that is not `skip`, once it is open: it may
// open deep inside a tap, so a timer keeps looking for it.
void onNextModal(std::function<void(QWidget*)> act, QWidget* skip = nullptr) {
    auto* timer = new QTimer(qApp);
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, timer, [=] {
        QWidget* modal = QApplication::activeModalWidget();
        const bool open = modal && modal != skip && modal->isVisible();
        if (!open && ++*tries <= 500) return;
        timer->stop();
        timer->deleteLater();
        if (open)
            act(modal);
        else
            ADD_FAILURE() << "no dialog opened";
    });
    timer->start(10);
}

// Answers the next question box with `button`; a non-empty `text` is the question due.
void answerNext(QMessageBox::StandardButton button, QString text = {}, QWidget* skip = nullptr) {
    onNextModal(
        [=](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            EXPECT_TRUE(text.isEmpty() || box->text() == text) << box->text().toStdString();
            box->button(button)->click();
        },
        skip);
}

template <class T = QCheckBox> T* find(QWidget* parent, const char* name) {
    T* found = parent->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

class MainWindowTest : public ::testing::Test, public Sounds {
  protected:
    void play(std::string_view name) override { played.emplace_back(name); }

    // Starts the program: a new window over the same stores, as a new process would.
    void start(bool animate = false) {
        window.reset();
        window = std::make_unique<MainWindow>(
            WindowSetup{&fileStore, &secondStore, &preferences, this, [this] { ++helpOpened; }});
        window->start();
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        game().round.set(flag::animate, animate);
        settle();
    }
    void activate() {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    Session& game() { return window->shell().game(); }
    BoardView& board() { return window->board(); }

    // The widget position of a board pixel's centre.
    QPoint at(int x, int y) {
        const QRectF area = board().boardArea();
        const double scale = area.width() / 240;
        return QPoint(int(area.left() + (x + 0.5) * scale), int(area.top() + (y + 0.5) * scale));
    }
    QPoint slot(int s) { return at(23 * s - 9, game().layout.handY + 18); }
    void clickSlot(int s) {
        QTest::mouseClick(&board(), Qt::LeftButton, {}, slot(s));
        settle();
    }
    void key(int k, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(window.get(), Qt::Key(k), modifiers);
        settle();
    }
    void command(int id) {
        window->host().command(id);
        settle();
    }
    bool undoEnabled() { return window->commandBar().action(command::Undo)->isEnabled(); }
    Bytes stored() { return fileStore.read().value_or(Bytes{}); }
    Bytes current() {
        buildSaveRecord(game());
        return Bytes(game().recordBuffer.begin(), game().recordBuffer.end());
    }

    QTemporaryDir folder;
    FileStore fileStore{folder.filePath("tarmigt").toStdString()};
    SettingsStore secondStore{folder.filePath("second.ini")};
    QSettings preferences{folder.filePath("desktop.ini"), QSettings::IniFormat};
    std::vector<std::string> played; // the sounds
    int helpOpened = 0;
    std::unique_ptr<MainWindow> window;
};

TEST_F(MainWindowTest, ATapPlaysSavesBothCopiesAndUndoTakesItBackUnsaved) {
    start(); // it writes both copies, and shows the board with a line above the status line
    EXPECT_EQ(stored().size(), std::size_t(SaveRecordSize));
    EXPECT_EQ(secondStore.read(), stored());
    const int z = board().zoom();
    EXPECT_EQ(board().surface().image().pixel(100 * z, game().layout.statusY * z), qRgb(0, 0, 0));
    EXPECT_FALSE(undoEnabled());

    PlayerRecord& me = game().players[0];
    me.hand[0] = Go;
    clickSlot(1);
    EXPECT_NE(me.battle(), BattleEmpty); // the computer may have laid a hazard on the Go since
    EXPECT_EQ(played.at(0), "WVR");
    EXPECT_TRUE(undoEnabled() && window->commandBar().undoButton()->isEnabled());
    const Bytes afterTap = current();
    EXPECT_EQ(stored(), afterTap);
    EXPECT_EQ(secondStore.read(), afterTap);

    // Neither Undo nor closing saves: the next start restores the state after the tap.
    window->commandBar().undoButton()->click();
    settle();
    EXPECT_EQ(me.hand[0], Go);
    EXPECT_EQ(me.battle(), BattleEmpty);
    EXPECT_FALSE(undoEnabled() || window->commandBar().undoButton()->isEnabled());
    window->close();
    EXPECT_EQ(stored(), afterTap);
    start();
    EXPECT_EQ(current(), afterTap);
}

TEST_F(MainWindowTest, PressAndReleaseMakeATapFromMouseOrTouch) {
    start();
    const Bytes before = stored();
    game().players[0].hand[0] = Go;
    QTest::mouseRelease(&board(), Qt::LeftButton, {}, slot(1)); // no press, no tap
    settle();
    EXPECT_EQ(game().players[0].hand[0], Go);
    EXPECT_EQ(stored(), before);

    // A release above the window taps the score panel: the Scores of a hand in play.
    bool opened = false;
    onNextModal([&](QWidget* modal) {
        opened = dynamic_cast<ScoresWindow*>(modal) != nullptr;
        EXPECT_FALSE(find<QPushButton>(modal, "newHand")->isVisible());
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    QTest::mousePress(&board(), Qt::LeftButton, {}, at(50, 220));
    QTest::mouseRelease(&board(), Qt::LeftButton, {}, QPoint(at(50, 0).x(), -8));
    settle();
    EXPECT_TRUE(opened);

    const std::unique_ptr<QPointingDevice> screen(QTest::createTouchDevice());
    const QPoint p = board().mapTo(window.get(), slot(1));
    QTest::touchEvent(window.get(), screen.get()).press(0, p, window.get());
    QTest::touchEvent(window.get(), screen.get()).release(0, p, window.get());
    settle();
    EXPECT_NE(game().players[0].battle(), BattleEmpty);
}

TEST_F(MainWindowTest, KeysTapTheHandTheDrawPileUndoHelpAndQuit) {
    start();
    game().players[0].hand = {Go, Distance25, Distance50, Distance75, Distance100, Stop, Repairs};
    game().round.set(flag::sortHand, false);
    activate();
    key(Qt::Key_D);
    EXPECT_TRUE(game().discardArmed);
    key(Qt::Key_D);
    EXPECT_FALSE(game().discardArmed);
    key(Qt::Key_Z, Qt::ControlModifier); // Undo is disabled: nothing happens
    EXPECT_NE(game().statusText, "Undone");
    key(Qt::Key_1);
    EXPECT_NE(game().players[0].battle(), BattleEmpty);
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(game().players[0].hand[0], Go);

    window->commandBar().helpButton()->click();
    EXPECT_EQ(helpOpened, 0); // it waits for the current handling to end
    settle();
    key(Qt::Key_F1);
    EXPECT_EQ(helpOpened, 2);
    key(Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(MainWindowTest, TapsMadeWhileACardSlidesAreDropped) {
    start(true);
    game().round.animDelay = 0;
    // Unsorted, so that slot 2 keeps its card that a tap would discard at once.
    game().round.set(flag::sortHand, false);
    game().round.set(flag::discardMode, 2);
    PlayerRecord& me = game().players[0];
    me.hand[0] = me.hand[1] = Go;
    bool tapped = false;
    board().onPainted = [&] {
        if (!window->host().busy() || tapped) return;
        tapped = true;
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
            QCoreApplication::postEvent(
                &board(), new QMouseEvent(type, slot(2), board().mapToGlobal(slot(2)),
                                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
    };
    clickSlot(1);
    EXPECT_TRUE(tapped);
    EXPECT_EQ(me.hand[1], Go);
}

TEST_F(MainWindowTest, TheZoomScalesBoardAndTapsAndIsKeptForTheNextStart) {
    start();
    ASSERT_GE(window->maximumZoom(), 3);
    window->setZoom(3);
    settle();
    EXPECT_EQ(board().surface().image().width(), 240 * 3);
    EXPECT_EQ(window->commandBar().height(), 26 * 3);
    EXPECT_EQ(board().toBoard({board().boardArea().left() - 1, 0}).x(), -1); // rounded down
    game().players[0].hand[3] = Go;
    clickSlot(4);
    EXPECT_NE(game().players[0].battle(), BattleEmpty);

    start();
    EXPECT_EQ(board().zoom(), 3);
    activate();
    key(Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(board().zoom(), 2);
    key(Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_EQ(board().zoom(), 3);
}

TEST_F(MainWindowTest, OptionsShowTheSettingsCoupleTheTapListsAndDoneAppliesAndSaves) {
    start();
    bool operated = false;
    onNextModal([&](QWidget* dialog) {
        auto* play = find<QComboBox>(dialog, "toPlay");
        auto* discard = find<QComboBox>(dialog, "toDiscard");
        auto* speed = find<QSlider>(dialog, "speed");
        // The settings as they are (the fixture turned the animation off).
        EXPECT_EQ(discard->currentText(), "tap card twice");
        EXPECT_EQ(play->currentText(), "tap card once");
        EXPECT_EQ(find<QComboBox>(dialog, "difficulty")->currentText(), "Easy");
        for (const char* on : {"sortCards", "playSounds", "showTips"})
            EXPECT_TRUE(find(dialog, on)->isChecked()) << on;
        EXPECT_FALSE(find(dialog, "showPlayable")->isChecked() ||
                     find(dialog, "animation")->isChecked());
        EXPECT_FALSE(speed->isVisible());
        EXPECT_FALSE(find<QPushButton>(dialog, "resetScores")->isEnabled());

        // Playing by two taps leaves only "tap card then deck" for discarding.
        play->setCurrentIndex(1);
        EXPECT_EQ(discard->currentIndex(), 0);
        EXPECT_FALSE(discard->isEnabled());
        play->setCurrentIndex(0);
        EXPECT_TRUE(discard->isEnabled());
        discard->setCurrentIndex(2);
        find(dialog, "animation")->setChecked(true);
        EXPECT_TRUE(speed->isVisible());
        speed->setValue(speed->maximum());
        find<QComboBox>(dialog, "difficulty")->setCurrentIndex(2); // Expert
        find(dialog, "showTips")->setChecked(false);
        find(dialog, "sortCards")->setChecked(false);
        operated = true;
        find<QPushButton>(dialog, "done")->click();
    });
    command(command::Options);
    ASSERT_TRUE(operated);
    const RoundRecord& r = game().round;
    EXPECT_EQ(r.get(flag::playMode), 0);
    EXPECT_EQ(r.get(flag::discardMode), 2);
    // Expert keeps the Hard flag in the record, and its own choice in the settings.
    EXPECT_TRUE(r.has(flag::hard) && game().expert && r.has(flag::animate) &&
                r.has(flag::hideTips));
    EXPECT_TRUE(preferences.value(QStringLiteral("Desktop/expert")).toBool());
    EXPECT_FALSE(r.has(flag::sortHand));
    EXPECT_EQ(r.animDelay, 0);
    EXPECT_EQ(stored(), current());
}

TEST_F(MainWindowTest, EscapeLeavesTheOptionsButAResetOfTheScoresStands) {
    start();
    game().players[0].gamesWon1P = 2;
    game().players[1].gamesWon2P = 1;
    const RoundRecord before = game().round;
    onNextModal([](QWidget* dialog) {
        find<QComboBox>(dialog, "toPlay")->setCurrentIndex(1);
        find(dialog, "sortCards")->setChecked(false);
        auto* reset = find<QPushButton>(dialog, "resetScores");
        answerNext(QMessageBox::No, "Do you want to reset all scores?", dialog);
        reset->click();
        EXPECT_TRUE(reset->isEnabled());
        answerNext(QMessageBox::Yes, {}, dialog);
        reset->click();
        EXPECT_FALSE(reset->isEnabled());
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    command(command::Options);
    EXPECT_EQ(game().round, before);
    for (const PlayerRecord& p : game().players) EXPECT_EQ(p.gamesWon1P + p.gamesWon2P, 0);
}

TEST_F(MainWindowTest, TwoPlayersHandOverWithSpaceAndNewHandInTheScoresDealsTheNextHand) {
    start();
    answerNext(QMessageBox::Yes, QString::fromUtf8(stringText(text::ForfeitGame)));
    window->commandBar().action(command::TwoPlayerGame)->trigger();
    settle();
    activate();
    game().players[game().currentPlayer].hand[0] = Go;
    clickSlot(1);
    clickSlot(2); // above the status line a tap does nothing now
    EXPECT_TRUE(game().has(flag::turnHandover));
    key(Qt::Key_Space);
    EXPECT_FALSE(game().has(flag::turnHandover));

    game().round.set(flag::handOver, true);
    game().round.winner = 1;
    game().players[0].miles = 75;
    game().players[1].setSafeties(0xF);
    game().players[0].gameScore = 700;
    onNextModal([](QWidget* dialog) {
        // Fields run player by player, row by row: miles, safeties, all safeties, ...
        const std::pair<const char*, const char*> shown[] = {
            {"caption0", "Player 1"}, {"caption1", "Player 2"}, {"value0", "75"},
            {"value3", "400"},        {"value5", "300"},        {"result", "Player 2 Wins!"}};
        for (auto [name, text] : shown) EXPECT_EQ(find<QLabel>(dialog, name)->text(), text) << name;
        find<QPushButton>(dialog, "newHand")->click();
    });
    command(command::Scores);
    EXPECT_FALSE(game().has(flag::handOver));
    EXPECT_EQ(game().playerCount, 2);
    EXPECT_EQ(game().players[0].gameScore, 700); // the game goes on
}

TEST_F(MainWindowTest, AboutShowsTheProgramAndSavesOnOpening) {
    start();
    game().players[0].gamesWon1P = 3; // changed since the last save
    onNextModal([](QWidget* dialog) {
        ASSERT_NE(dynamic_cast<AboutWindow*>(dialog), nullptr);
        EXPECT_EQ(dialog->windowTitle(), "About Tarmigo");
        EXPECT_EQ(find<QLabel>(dialog, "version")->text(), "Version 1.1");
        EXPECT_FALSE(find<QLabel>(dialog, "icon")->pixmap().isNull());
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    command(command::About);
    EXPECT_EQ(stored(), current());
}

// The Statistics window: what the end of a hand and a forfeit count, the figures
// shown after a restart, and Reset with its question.
void answer(QWidget* modal, QMessageBox::StandardButton button) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr);
    box->button(button)->click();
}

// The figures of one column, top to bottom, as shown.
std::string column(QWidget* dialog, int c) {
    QStringList shown;
    for (int r = 0; r < 12; ++r) {
        auto* label =
            find<QLabel>(dialog, QStringLiteral("value%1_%2").arg(r).arg(c).toLatin1().constData());
        shown << (label ? label->text() : QString());
    }
    return shown.join(QLatin1Char(' ')).toStdString();
}

constexpr int Easy = 0, Hard = 1, Expert = 2, TwoPlayers = 3;
const std::string NoGames = "0 0 0% 0 0 0 0 0 0 0 0 0";

TEST_F(MainWindowTest, HandsAndForfeitsAreCountedOnceKeptAndResetOnlyOnYes) {
    start();
    // Against Expert, player 0 lays the last 100 of a safe shut-out trip that wins the game.
    preferences.setValue(QStringLiteral("Desktop/expert"), true);
    Session& g = game();
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
            onNextModal([](QWidget* scores) { find<QPushButton>(scores, "done")->click(); },
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
    preferences.setValue(QStringLiteral("Statistics/hard"), QStringLiteral("7 9 banana"));

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

        auto* reset = find<QPushButton>(dialog, "reset");
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
        find<QPushButton>(dialog, "done")->click();
    });
    window->findChild<QAction*>(QStringLiteral("statistics"))->trigger();
    settle();
    EXPECT_TRUE(seen);
    EXPECT_FALSE(preferences.contains(QStringLiteral("Statistics/expert")));
}

} // namespace
} // namespace tarmigo::testing
