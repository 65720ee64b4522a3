// The main window driven as a player would: taps, keys, slides, commands, dialogs, kills.
#include "ai/choose_card.h"
#include "app/saved_history.h"
#include "app/taps.h"
#include "board/places.h"
#include "game/strings.h"
#include "game/targets.h"
#include "game/version.h"
#include "qt/board_watch.h"
#include "qt/dialogs/about_window.h"
#include "qt/dialogs/move_list.h"
#include "qt/dialogs/scores_window.h"
#include "qt/dialogs/statistics_window.h"
#include "qt/platform/kept_statistics.h"
#include "qt/platform/sound_player.h"
#include "qt/platform/translation.h"
#include "qt/platform/ui_scale.h"
#include "qt/window_fixture.h"
#include "support/notation.h"
#include "support/test_host.h"

#include <QDeadlineTimer>

#include <csignal>
#include <functional>
#include <sys/wait.h>
#include <unistd.h>

namespace tarmigo::testing {
namespace {
class MainWindowTest : public WindowFixture, public Sounds {
  protected:
    void play(std::string_view name) override { played.emplace_back(name); }
    void start(bool animate = false) {
        WindowFixture::start(animate, this, [this] { ++helpOpened; });
    }
    bool undoEnabled() { return bar().action(command::Undo)->isEnabled(); }
    std::vector<std::string> played; // the sounds
    int helpOpened = 0;
    // A Go laid at the slowest pace: the computer's turn then plays for a second or more.
    void startComputersTurn() {
        start(true);
        game().round.animDelay = 16;
        game().players[0].hand[0] = Go;
        clickSlot(1);
        ASSERT_TRUE(window->host().presenting());
    }
};

TEST_F(MainWindowTest, ATapPlaysSavesBothCopiesAndUndoTakesItBackUnsaved) {
    start(); // it shows the board with a line above the status line
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
    game().players[0].hand[0] = Go;
    QTest::mouseRelease(&board(), Qt::LeftButton, {}, slot(1)); // no press, no tap
    settle();
    EXPECT_EQ(game().players[0].hand[0], Go);
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
    EXPECT_TRUE(game().seats[0].discardArmed);
    key(Qt::Key_D);
    EXPECT_FALSE(game().seats[0].discardArmed);
    key(Qt::Key_Z, Qt::ControlModifier); // Undo is disabled: nothing happens
    EXPECT_NE(game().seats[0].status.id, text::Undone);
    key(Qt::Key_1);
    EXPECT_NE(game().players[0].battle(), BattleEmpty);
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(game().players[0].hand[0], Go);
    key(Qt::Key_Y, Qt::ControlModifier); // Redo plays the Go again; Undo, Ctrl+Shift+Z again
    EXPECT_NE(game().players[0].battle(), BattleEmpty);
    key(Qt::Key_Z, Qt::ControlModifier);
    key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_NE(game().players[0].battle(), BattleEmpty);
    key(Qt::Key_Z, Qt::ControlModifier);
    // Undo from the bar is said, and the focus it leaves goes to the board, not to Help.
    key(Qt::Key_1);
    bar().undoButton()->setFocus(Qt::TabFocusReason);
    EXPECT_FALSE(bar().styleSheet().isEmpty()); // its ring, made when the keyboard comes
    key(Qt::Key_Space);
    EXPECT_EQ(game().players[0].hand[0], Go);
    EXPECT_FALSE(window->host().moves().lines().join('|').contains("You play Go")); // taken back
    EXPECT_TRUE(board().hasFocus());
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
        if (!window->host().presenting() || tapped) return;
        tapped = true;
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
            QCoreApplication::postEvent(
                &board(), new QMouseEvent(type, slot(2), board().mapToGlobal(slot(2)),
                                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
    };
    clickSlot(1);
    finishPresentation(window->host());
    EXPECT_TRUE(tapped);
    EXPECT_EQ(me.hand[1], Go);
}

TEST_F(MainWindowTest, DuringTheComputersTurnTheWindowAnswersAndGameCommandsWait) {
    startComputersTurn();
    // The move is saved as it is made, not when its slides end.
    EXPECT_EQ(stored(), current());
    const Bytes whileShown = current();
    // New waits for the end of the turn; About (with its icon) and the zoom act at once.
    command(command::OnePlayerGame);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    bool shown = false;
    onNextModal([&](QWidget* about) {
        shown = dynamic_cast<AboutWindow*>(about) != nullptr;
        EXPECT_FALSE(find<QLabel>(about, "icon")->pixmap().isNull());
        EXPECT_EQ(find<QLabel>(about, "version")->text(),
                  QStringLiteral("Version ") + QLatin1String(ProgramVersion));
        QTest::keyClick(about, Qt::Key_Escape);
    });
    command(command::About);
    EXPECT_TRUE(shown);
    const int zoom = board().zoom() == 1 ? 2 : 1;
    window->setZoom(zoom);
    EXPECT_EQ(board().zoom(), zoom);
    EXPECT_EQ(current(), whileShown);
    // Once the turn has been shown, the waiting New asks about the game in progress.
    answerNext(QMessageBox::No, QString::fromUtf8(stringText(text::ForfeitGame)));
    finishPresentation(window->host());
    settle();
    EXPECT_EQ(current(), whileShown);
    // Ctrl+Q in the middle of the next turn closes the window at once, with the turn saved.
    game().players[0].hand[0] = Go;
    game().players[0].setBattle(BattleEmpty);
    clickSlot(1);
    ASSERT_TRUE(window->host().presenting());
    activate();
    key(Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(stored(), current());
}

// Killed mid-slide, the program has already saved the turn and the next start restores it.
TEST_F(MainWindowTest, AKillDuringASlideLosesNothing) {
    FileStore expected(folder.filePath("expected").toStdString());
    std::fflush(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
        startComputersTurn();
        expected.write(current());
        QTest::qWait(100); // a few frames into the turn
        if (window->host().presenting()) ::raise(SIGKILL);
        ::_exit(3);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << status;
    EXPECT_EQ(stored(), expected.read().value_or(Bytes{}));
    start(); // which writes back what it restored
    EXPECT_EQ(stored(), expected.read().value_or(Bytes{}));
}

TEST_F(MainWindowTest, OptionsShowTheSettingsDoneAppliesAndSavesEscapeLeavesButAResetStands) {
    start();
    bool operated = false;
    onNextModal([&](QWidget* dialog) {
        auto* play = find<QComboBox>(dialog, "toPlay");
        auto* discard = find<QComboBox>(dialog, "toDiscard");
        auto* speed = find<QSlider>(dialog, "speed");
        // The settings as they are (the fixture turned the animation off).
        EXPECT_EQ(discard->currentText() + play->currentText(), "tap card twicetap card once");
        EXPECT_TRUE(find(dialog, "sortCards")->isChecked());
        EXPECT_FALSE(find(dialog, "animation")->isChecked() || speed->isVisible());
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
    EXPECT_FALSE(r.has(flag::sortHand));
    EXPECT_EQ(r.animDelay, 0);
    EXPECT_TRUE(preferences.value(QStringLiteral("Desktop/expert")).toBool());
    EXPECT_EQ(stored(), current());
    // Escape leaves Options with nothing changed (Expert shown), but a score reset stands.
    game().players[0].gamesWon1P = 2;
    game().players[1].gamesWon2P = 1;
    const RoundRecord before = game().round;
    onNextModal([](QWidget* dialog) {
        EXPECT_EQ(find<QComboBox>(dialog, "difficulty")->currentText(), "Expert");
        find<QComboBox>(dialog, "toPlay")->setCurrentIndex(1);
        find(dialog, "sortCards")->setChecked(true);
        auto* reset = find<QPushButton>(dialog, "resetScores");
        answerNext(QMessageBox::Yes, "Do you want to reset all scores?", dialog);
        reset->click();
        settle();
        EXPECT_FALSE(reset->isEnabled());
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    command(command::Options);
    EXPECT_TRUE(game().expert);
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
    board().setFocusPlace(1);
    key(Qt::Key_1);
    EXPECT_TRUE(game().has(flag::turnHandover));
    EXPECT_EQ(board().focusPlace(), target::StatusLine) << "the ring goes where a key answers";
    key(Qt::Key_Space);
    EXPECT_FALSE(game().has(flag::turnHandover));
    setPosition(game(), "miles=75 game=700 | safe=uvwx | over winner=1");
    onNextModal([](QWidget* dialog) {
        // A table with its headings: a row each for miles, safeties, all safeties, ...
        const auto* table = find<QTableWidget>(dialog, "scores");
        EXPECT_EQ(table->horizontalHeaderItem(1)->text(), "Player 2");
        EXPECT_EQ(table->verticalHeaderItem(1)->text(), "Safeties");
        EXPECT_EQ(table->item(1, 1)->text(), "400");
        EXPECT_EQ(find<QLabel>(dialog, "result")->text(), "Player 2 Wins!");
        EXPECT_EQ(dialog->accessibleDescription(), "Player 2 Wins!"); // said as it opens
        EXPECT_EQ(table->item(1, 1)->data(Qt::AccessibleTextRole), "Safeties, Player 2: 400");
        find<QPushButton>(dialog, "newHand")->click();
    });
    command(command::Scores);
    EXPECT_FALSE(game().has(flag::handOver));
    EXPECT_EQ(game().playerCount, 2);
    EXPECT_EQ(game().players[0].gameScore, 700); // the game goes on
}

// The figures of one column of the Statistics window, top to bottom, as shown.
std::string column(QWidget* dialog, int c) {
    QStringList shown;
    const auto* table = dialog->findChild<QTableWidget*>(QStringLiteral("figures"));
    for (int r = 0; r < 12; ++r) shown << table->item(r, c)->text();
    return shown.join(QLatin1Char(' ')).toStdString();
}

TEST_F(MainWindowTest, StatisticsCountHandsAndForfeitsOnceKeepThemAndResetOnlyOnYes) {
    start();
    // Against Expert, player 0 lays the last 100 of a safe shut-out trip that wins the game.
    preferences.setValue(QStringLiteral("Desktop/expert"), true);
    setPosition(game(), "go miles=600 score=600 game=4000 hand=i | | hard");
    const auto layTheLastHundred = [this] {
        onNextModal([](QWidget* extend) {
            onNextModal([](QWidget* scores) { find<QPushButton>(scores, "done")->click(); },
                        extend);
            qobject_cast<QMessageBox*>(extend)->button(QMessageBox::No)->click();
        });
        clickSlot(1);
        ASSERT_TRUE(game().has(flag::gameOver));
    };
    layTheLastHundred();
    command(command::Undo); // taken back and laid again, the hand and the game count once
    layTheLastHundred();
    // A new Easy game, given up at once; then a damaged line loses its own column only.
    command(command::OnePlayerGame);
    game().round.set(flag::hard, false);
    answerNext(QMessageBox::Yes);
    command(command::OnePlayerGame);
    // Restored unsaved, the game given up would not count: a tap saves the next one.
    QTest::mouseClick(&board(), Qt::LeftButton, {}, at(20, 100));
    settle();
    preferences.setValue(QStringLiteral("Statistics/hard"), QStringLiteral("7 9 banana"));
    start(); // a restart keeps them
    bool seen = false;
    onNextModal([&](QWidget* dialog) {
        ASSERT_NE(dynamic_cast<StatisticsWindow*>(dialog), nullptr);
        // Easy, Hard, Expert, Two Players: games, won, share, longest and current
        // streak, hands, won, best, mean, coups fourres, trips, shut-outs
        const std::string none = "0 0 0% 0 0 0 0 0 0 0 0 0";
        EXPECT_EQ(column(dialog, 0), "1 0 0% 0 0 0 0 0 0 0 0 0");
        EXPECT_EQ(column(dialog, 1), none);
        EXPECT_EQ(column(dialog, 2), "1 1 100% 1 1 1 1 1900 1900 0 1 1");
        EXPECT_EQ(column(dialog, 3), none);
        auto* reset = find<QPushButton>(dialog, "reset");
        answerNext(QMessageBox::No, "Do you want to reset the statistics?", dialog);
        reset->click();
        settle();
        EXPECT_EQ(column(dialog, 2).substr(0, 4), "1 1 ");
        answerNext(QMessageBox::Yes, {}, dialog);
        reset->click();
        settle();
        EXPECT_EQ(column(dialog, 0) + column(dialog, 2), none + none);
        seen = true;
        find<QPushButton>(dialog, "done")->click();
    });
    window->findChild<QAction*>(QStringLiteral("statistics"))->trigger();
    settle();
    EXPECT_TRUE(seen);
    EXPECT_FALSE(preferences.contains(QStringLiteral("Statistics/expert")));
}

// The game record and the statistics are two writes: killed between them, the next start
// counts the hand, and a second start counts nothing more.
TEST_F(MainWindowTest, StatisticsCatchUpWithTheSavedGameAfterAKillBetweenTheirWrites) {
    std::fflush(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
        TestHost host;
        Shell shell(host, &fileStore, &secondStore);
        shell.start(ScreenWidth, ScreenHeight);
        Session& g = shell.game();
        setPosition(g, "go miles=600 score=600 game=600 hand=i | | hard");
        handleTap(g, 14, g.layout.handY + 18); // the last 100
        answerPending(g, false);               // no extension: the hand ends, saved
        ::raise(handOver(g) ? SIGKILL : SIGTERM);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "the hand did not end";
    for (int run = 0; run < 2; ++run) {
        start();
        EXPECT_TRUE(handOver(game()));
        EXPECT_EQ(KeptStatistics(&preferences).figures(Opponent::Hard).hands, 1u);
    }
}

// Whether the focus ring is drawn round a place of the board on the screen.
bool ringAround(BoardView& board, const Layout& layout, int at) {
    const QImage shown = board.grab().toImage();
    const QRectF area = board.boardArea();
    const double scale = area.width() / 240;
    const Rect box = place::ringBox(layout, at);
    // The ring's two-pixel line on the left of its box, halfway down.
    const QPoint p(int(area.left() + box.left * scale + scale / 2),
                   int(area.top() + (box.top + box.bottom) / 2 * scale));
    return shown.pixelColor(p) == QColor(0, 64, 224);
}

TEST_F(MainWindowTest,
       AWholeHandIsPlayedByKeysAloneWithTheFocusRingInSightAndTheBoardRightAtEachZoom) {
    start(true);
    activate();
    game().round.animDelay = 1;
    BoardWatch watch(*window);  // at rest, at zooms 1 to 3
    watch.checksFrames = false; // the computer's reply shares the move's presentation
    board().setFocus();
    // Every box that opens (the extension's question, the Scores) is closed by Escape.
    QTimer escape;
    QObject::connect(&escape, &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget())
            QTest::keyClick(modal, Qt::Key_Escape);
    });
    escape.start(10);
    int keys = 0;
    // Until the last move is shown (the computer's too) and its boxes are closed, the focus
    // back on the board: a key pressed before reaches the box, not the board. By the clock:
    // on a loaded machine the window is made active again late.
    const auto quiet = [&] {
        QDeadlineTimer limit(10'000);
        while (!limit.hasExpired() &&
               (window->host().presenting() || QApplication::activeModalWidget() ||
                (!board().hasFocus() && !game().has(flag::handOver)))) {
            watch.look();
            QTest::qWait(1);
        }
        watch.look();
    };
    // The computer's move, begun late, may end the hand while the person walks the board.
    const auto goTo = [&](int at) {
        for (std::size_t i = 0; i < place::Visited.size() && board().focusPlace() != at; ++i) {
            quiet();
            if (game().has(flag::handOver)) return;
            QTest::keyClick(&board(), Qt::Key_Right);
            ++keys;
            ASSERT_TRUE(ringAround(board(), game().layout, board().focusPlace()))
                << board().focusPlace();
        }
        ASSERT_EQ(board().focusPlace(), at);
    };
    const auto press = [&] {
        if (game().has(flag::handOver)) return;
        QTest::keyClick(&board(), keys % 2 ? Qt::Key_Return : Qt::Key_Space);
        quiet();
    };
    for (int moves = 0; moves < 400 && !game().has(flag::handOver); ++moves) {
        if (moves % 6 == 5) window->setZoom(moves / 6 % 3 + 1);
        // The computer's rules choose the person's move; the keys make it.
        Game plan(static_cast<const Game&>(game()));
        plan.events = &GameEvents::silent();
        const int aim = chooseCard(plan, ChooseMode::Select);
        const int slot = plan.own().selectedSlot();
        if (slot == 0) {
            goTo(target::StatusLine);
        } else if (aim == target::DiscardPile) {
            goTo(target::DrawPile); // the draw pile arms the discard of the next card
            press();
            goTo(slot);
        } else {
            goTo(slot);
        }
        press();
    }
    EXPECT_TRUE(game().has(flag::handOver));
    EXPECT_GT(keys, 10);
    // Told in words, newest last, in the move list.
    const QStringList said = window->host().moves().lines();
    ASSERT_GT(said.size(), 4);
    EXPECT_TRUE(said.filter(QRegularExpression("^You (play|discard) ")).size() > 0);
    EXPECT_TRUE(said.filter(QRegularExpression("^Computer (plays|discards) ")).size() > 0);
    // R says the last again, over the status line.
    escape.stop();
    activate();
    key(Qt::Key_R);
    EXPECT_EQ(board().note(), said.last());
    window->showMoves();
    EXPECT_EQ(window->movesWindow()->list().count(), said.size());
    EXPECT_EQ(window->movesWindow()->list().item(int(said.size()) - 1)->text(), said.last());
}

TEST_F(MainWindowTest, TheFocusRingShowsOnlyWhileTheBoardHasTheFocus) {
    start();
    window->setZoom(2); // the ring follows the zoom: two board pixels wide
    activate();
    setPosition(game(), "go miles=125 hand=fghijkp | stop | one pile=q");
    game().seats[0].status = {text::TapToPlay, false, 0}; // not the message of the deal it replaced
    window->host().repaintBoard();
    board().setFocus();
    board().setFocusPlace(target::DiscardPile);
    QTest::keyClick(&board(), Qt::Key_Left); // to the draw pile
    settle();
    // Left alone a second, the board keeps its picture compressed and shows it unchanged.
    ASSERT_TRUE(QTest::qWaitFor([&] { return board().surface().compressed(); }, 5000));
    const QImage shown =
        board().grab(board().boardArea().toRect()).toImage().convertToFormat(QImage::Format_RGB32);
    const QImage golden = QImage(QStringLiteral(TARMIGO_QT_GOLDEN "/focus-ring.png"))
                              .convertToFormat(QImage::Format_RGB32);
    if (shown != golden) shown.save(QStringLiteral("focus-ring-shown.png"));
    EXPECT_EQ(shown, golden) << "see focus-ring-shown.png in the test's folder";
    window->commandBar().setFocus();
    settle();
    EXPECT_FALSE(ringAround(board(), game().layout, target::DrawPile));
}

TEST_F(MainWindowTest, TheHintMarksACardAndRingsIt) {
    start();
    activate();
    setPosition(game(), "go hand=ffffffi | go | one");
    key(Qt::Key_H);
    EXPECT_TRUE(board().hintShown());
    EXPECT_TRUE(board().note().startsWith("Hint: play")) << board().note().toStdString();
    // The ring is on the card named, for Enter to play it.
    ASSERT_TRUE(target::isHandSlot(board().focusPlace()));
    const Card ringed = game().own().slot(board().focusPlace());
    EXPECT_TRUE(board().note().endsWith(ringed == Distance100 ? "100 miles" : "25 miles"));
    key(Qt::Key_S);
    EXPECT_EQ(board().note(), "You: 0 miles, hand 0, game 0\nComputer: 0 miles, hand 0, game 0");
    clickSlot(1); // the next move takes the marks away
    EXPECT_FALSE(board().hintShown());
    EXPECT_TRUE(board().note().isEmpty());
    game().currentPlayer = 1;
    key(Qt::Key_H);
    EXPECT_FALSE(board().hintShown());
    EXPECT_EQ(board().note(), "A hint is given on your turn only");
}
// A hand that ended, watched again with the keys: the bar's buttons stand in for Undo's, each
// step is said into the move list, the other hand is named, and Escape gives back the game
// and its list as they were.
TEST_F(MainWindowTest, AFinishedHandIsWatchedAgainWithItsKeysAndTheGameComesBack) {
    FileStore moves{folder.filePath("tarmigt-history").toStdString()};
    WindowSetup setup;
    setup.fileStore = &fileStore;
    setup.secondStore = &secondStore;
    setup.preferences = &preferences;
    setup.historyStore = &moves;
    window = std::make_unique<MainWindow>(setup);
    window->start();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    setPosition(game(), "go miles=600 hand=iffffff | go hand=ggggggg | one");
    restartHistory(game());
    onNextModal([](QWidget* extend) {
        onNextModal([](QWidget* scores) { find<QPushButton>(scores, "done")->click(); }, extend);
        qobject_cast<QMessageBox*>(extend)->button(QMessageBox::No)->click();
    });
    clickSlot(1);
    ASSERT_TRUE(game().has(flag::handOver));
    const std::string over = notation::describeAll(game());
    const QStringList said = window->host().moves().lines();
    const Bytes saved = stored();
    activate();
    key(Qt::Key_W);
    ASSERT_TRUE(window->shell().review().active());
    EXPECT_TRUE(window->host().moves().lines().isEmpty());
    EXPECT_FALSE(bar().undoButton()->isVisible());
    key(Qt::Key_N);
    finishPresentation(window->host()); // the step's slide
    EXPECT_EQ(window->shell().review().step(), 1u);
    EXPECT_EQ(notation::describeAll(game()), over);
    EXPECT_EQ(window->host().moves().lines(), said);
    key(Qt::Key_P);
    EXPECT_EQ(window->shell().review().step(), 0u);
    EXPECT_TRUE(window->host().moves().lines().isEmpty());
    key(Qt::Key_O);
    EXPECT_TRUE(board().note().contains(shownText(stringText(cardName(Distance50)))));
    key(Qt::Key_Escape);
    EXPECT_FALSE(window->shell().review().active());
    EXPECT_TRUE(bar().undoButton()->isVisible());
    EXPECT_EQ(notation::describeAll(game()), over);
    EXPECT_EQ(window->host().moves().lines(), said);
    EXPECT_EQ(stored(), saved);
}

} // namespace
} // namespace tarmigo::testing
