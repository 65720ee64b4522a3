// The main window driven as a player would: taps on the board, the menu bar, the keys.
#include "window_fixture.h"

#include "app/save_state.h"
#include "game/strings.h"
#include "qt/scores_window.h"

#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QToolButton>

namespace tarmigo::testing {
namespace {

void answer(QWidget* modal, QMessageBox::StandardButton button) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr);
    box->button(button)->click();
}

using MainWindowTest = WindowTest;

TEST_F(MainWindowTest, StartShowsAFreshOnePlayerGameAndWritesBothCopies) {
    start();
    EXPECT_EQ(window->windowTitle(), "Tarmigo");
    EXPECT_EQ(game().playerCount, 1);
    // The first tip, or the rule message when the dealt hand holds nothing playable.
    EXPECT_TRUE(game().statusText == stringText(text::TapToPlay) ||
                game().statusText == stringText(text::MustDiscard))
        << game().statusText;
    EXPECT_FALSE(undoEnabled());
    const auto file = stored();
    ASSERT_EQ(file.size(), std::size_t(SaveRecordSize));
    EXPECT_EQ(secondStore->read(), file);
    // The board image holds the drawn board: the line above the status line is there.
    const QImage& image = board().surface().image();
    const int zoom = board().surface().zoom();
    EXPECT_EQ(image.pixel(100 * zoom, game().layout.statusY * zoom), qRgb(0, 0, 0));
}

TEST_F(MainWindowTest, ClickingACardPlaysItAndUndoTakesItBack) {
    start();
    PlayerRecord& me = game().players[0];
    me.hand[0] = Go;
    clickSlot(1);
    // The Go went on the battle pile (the computer may have laid a hazard on it since).
    EXPECT_NE(me.battle(), BattleEmpty);
    ASSERT_FALSE(sounds.played.empty());
    EXPECT_EQ(sounds.played.front(), "WVR");
    EXPECT_TRUE(undoEnabled());
    EXPECT_TRUE(window->commandBar().undoButton()->isEnabled());

    window->commandBar().undoButton()->click();
    settle();
    EXPECT_EQ(me.hand[0], Go);
    EXPECT_EQ(me.battle(), BattleEmpty);
    EXPECT_EQ(game().statusText, "Undone");
    EXPECT_FALSE(undoEnabled());
    EXPECT_FALSE(window->commandBar().undoButton()->isEnabled());
}

TEST_F(MainWindowTest, TheStateIsSavedAfterEveryTapAndRestoredByTheNextStart) {
    start();
    game().players[0].hand[0] = Go;
    clickSlot(1);
    buildSaveRecord(game());
    const auto afterTap =
        std::vector<std::uint8_t>(game().recordBuffer.begin(), game().recordBuffer.end());
    EXPECT_EQ(stored(), afterTap);
    EXPECT_EQ(secondStore->read(), afterTap);

    // Undo alone does not save; closing does not save either.
    window->commandBar().undoButton()->click();
    settle();
    EXPECT_EQ(game().statusText, "Undone");
    window->close();
    EXPECT_EQ(stored(), afterTap);

    start();
    buildSaveRecord(game());
    EXPECT_EQ(std::vector<std::uint8_t>(game().recordBuffer.begin(), game().recordBuffer.end()),
              afterTap);
}

TEST_F(MainWindowTest, AReleaseAboveTheWindowTapsTheScorePanel) {
    start();
    game().players[0].hand = {Go, Distance25, Distance50, Distance75, Distance100, Stop, Repairs};
    bool opened = false;
    onNextModal([&](QWidget* modal) {
        opened = dynamic_cast<ScoresWindow*>(modal) != nullptr;
        EXPECT_FALSE(child<QPushButton>(modal, "newHand")->isVisible());
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    QTest::mousePress(&board(), Qt::LeftButton, {}, at(50, 220));
    QTest::mouseRelease(&board(), Qt::LeftButton, {}, QPoint(at(50, 0).x(), -8));
    settle();
    EXPECT_TRUE(opened);
    EXPECT_EQ(game().statusText, "Tap a card to play it");
}

TEST_F(MainWindowTest, ATouchPlaysACardLikeTheMouse) {
    start();
    game().players[0].hand[0] = Go;
    const std::unique_ptr<QPointingDevice> screen(QTest::createTouchDevice());
    const QPoint p = at(slotCentre(1).x(), slotCentre(1).y());
    QTest::touchEvent(window.get(), screen.get())
        .press(0, board().mapTo(window.get(), p), window.get());
    QTest::touchEvent(window.get(), screen.get())
        .release(0, board().mapTo(window.get(), p), window.get());
    settle();
    EXPECT_NE(game().players[0].battle(), BattleEmpty);
}

TEST_F(MainWindowTest, AReleaseWithoutAPressIsNoTap) {
    start();
    const auto before = stored();
    game().players[0].hand[0] = Go;
    QTest::mouseRelease(&board(), Qt::LeftButton, {}, at(slotCentre(1).x(), slotCentre(1).y()));
    settle();
    EXPECT_EQ(game().players[0].hand[0], Go);
    EXPECT_EQ(stored(), before);
}

TEST_F(MainWindowTest, NewGameAsksBeforeForfeitingTheGameInProgress) {
    start();
    const auto deck = game().deck;
    onNextModal([](QWidget* box) {
        EXPECT_EQ(box->windowTitle(), "Tarmigo");
        EXPECT_EQ(qobject_cast<QMessageBox*>(box)->text(), stringText(text::ForfeitGame));
        answer(box, QMessageBox::No);
    });
    window->commandBar().action(command::OnePlayerGame)->trigger();
    settle();
    EXPECT_EQ(game().deck, deck);
    EXPECT_EQ(game().players[1].gamesWon1P, 0);

    onNextModal([](QWidget* box) { answer(box, QMessageBox::Yes); });
    window->commandBar().action(command::TwoPlayerGame)->trigger();
    settle();
    EXPECT_EQ(game().playerCount, 2);
    EXPECT_EQ(game().players[1].gamesWon1P, 1);
}

TEST_F(MainWindowTest, TwoPlayersHandOverTheScreenWithATapOnTheStatusLine) {
    start();
    onNextModal([](QWidget* box) { answer(box, QMessageBox::Yes); });
    command(command::TwoPlayerGame);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));

    const int p = game().currentPlayer;
    game().players[p].hand[0] = Go;
    clickSlot(1);
    EXPECT_EQ(game().players[p].battle(), BattleGo);
    EXPECT_EQ(game().currentPlayer, 1 - p);
    EXPECT_TRUE(game().has(flag::turnHandover));
    EXPECT_EQ(game().statusText,
              "End of Turn - Player " + std::to_string(2 - p) + " tap to here to continue");

    // Above the status line nothing happens; Space taps the status line.
    clickSlot(2);
    EXPECT_TRUE(game().has(flag::turnHandover));
    QTest::keyClick(window.get(), Qt::Key_Space);
    settle();
    EXPECT_FALSE(game().has(flag::turnHandover));
    EXPECT_FALSE(undoEnabled());
}

TEST_F(MainWindowTest, KeysTapTheHandTheDrawPileAndUndo) {
    start();
    game().players[0].hand = {Go, Distance25, Distance50, Distance75, Distance100, Stop, Repairs};
    game().round.set(flag::sortHand, false);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));

    QTest::keyClick(window.get(), Qt::Key_D);
    settle();
    EXPECT_TRUE(game().discardArmed);
    EXPECT_EQ(game().statusText, "Tap a card to discard it");
    QTest::keyClick(window.get(), Qt::Key_D);
    settle();
    EXPECT_FALSE(game().discardArmed);

    // Ctrl+Z does nothing while Undo is disabled.
    const auto deck = game().deck;
    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
    settle();
    EXPECT_EQ(game().statusText, "Tap a card to play it");

    QTest::keyClick(window.get(), Qt::Key_1);
    settle();
    EXPECT_NE(game().players[0].battle(), BattleEmpty);
    EXPECT_TRUE(undoEnabled());
    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
    settle();
    EXPECT_EQ(game().players[0].hand[0], Go);
    EXPECT_EQ(game().statusText, "Undone");
    EXPECT_EQ(game().deck, deck);

    QTest::keyClick(window.get(), Qt::Key_Q, Qt::ControlModifier);
    settle();
    EXPECT_FALSE(window->isVisible());
}

TEST_F(MainWindowTest, HelpOpensAfterTheHandlingFromTheButtonAndF1) {
    start();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    window->commandBar().helpButton()->click();
    EXPECT_EQ(helpOpened, 0); // posted: it waits for the current handling to end
    settle();
    EXPECT_EQ(helpOpened, 1);
    QTest::keyClick(window.get(), Qt::Key_F1);
    settle();
    EXPECT_EQ(helpOpened, 2);
}

TEST_F(MainWindowTest, TapsMadeWhileACardSlidesAreDropped) {
    start(true);
    game().round.animDelay = 0;
    // Unsorted, so that slot 2 keeps its card; a tap on a card that cannot be played
    // discards it at once.
    game().round.set(flag::sortHand, false);
    game().round.set(flag::discardMode, 2);
    PlayerRecord& me = game().players[0];
    me.hand[0] = Go;
    me.hand[1] = Go;
    // A tap on slot 2 that arrives while the Go of slot 1 is sliding.
    const QPoint second = at(slotCentre(2).x(), slotCentre(2).y());
    bool tappedDuringSlide = false;
    board().onPainted = [&] {
        if (!window->host().busy() || tappedDuringSlide) return;
        tappedDuringSlide = true;
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
            QCoreApplication::postEvent(
                &board(), new QMouseEvent(type, second, board().mapToGlobal(second), Qt::LeftButton,
                                          Qt::LeftButton, Qt::NoModifier));
    };
    clickSlot(1);
    EXPECT_TRUE(tappedDuringSlide);
    EXPECT_EQ(me.hand[1], Go);
}

TEST_F(MainWindowTest, TheZoomScalesBoardAndTapsAndIsKeptApartFromTheGame) {
    start();
    ASSERT_GE(window->maximumZoom(), 3);
    window->setZoom(3);
    settle();
    EXPECT_EQ(board().zoom(), 3);
    EXPECT_EQ(board().surface().image().width(), 240 * 3);
    EXPECT_EQ(window->commandBar().height(), 26 * 3);
    EXPECT_EQ(board().toBoard(QPointF(board().boardArea().left() - 1, 0)).x(), -1);
    game().players[0].hand[3] = Go;
    clickSlot(4);
    EXPECT_NE(game().players[0].battle(), BattleEmpty);
    EXPECT_EQ(preferences->value("Desktop/zoom").toInt(), 3);

    start();
    EXPECT_EQ(board().zoom(), 3);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(board().zoom(), 2);
    QTest::keyClick(window.get(), Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_EQ(board().zoom(), 3);
    // A larger window shows the board at its zoom in the middle.
    window->resize(board().sizeHint().width() + 200, window->height() + 100);
    settle();
    EXPECT_EQ(board().boardArea().width(), 240 * 3);
    EXPECT_EQ(board().boardArea().left(), 100);
}

} // namespace
} // namespace tarmigo::testing
