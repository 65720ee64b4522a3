// Every screen shows only its seat: over random games against the computer, between two
// people at one screen and on a network host's screen (which always shows seat 0), a
// card drawn by another seat never shows its face, and a card laid or drawn by another
// seat never blanks or covers a slot of the screen's hand row.
#include "board/bitmaps.h"
#include "board/table.h"
#include "support/program.h"

#include <gtest/gtest.h>

#include <random>

using namespace tarmigo;
using namespace tarmigo::testing;

namespace {

// The table's board, watched: the pictures each report of a card that moves queued.
class WatchedBoard : public BoardEvents {
  public:
    explicit WatchedBoard(Table& t) : BoardEvents(t), table_(t) {}

    int othersMoved = 0, ownFacesShown = 0;

    void cardLeavesHand(Game& g, const Laid& m) override {
        const std::size_t from = table_.presentation.steps().size();
        BoardEvents::cardLeavesHand(g, m);
        check(m.player, m.card, from, false);
    }
    void cardLeavesDrawPile(Game& g, const Drawn& m) override {
        const std::size_t from = table_.presentation.steps().size();
        BoardEvents::cardLeavesDrawPile(g, m);
        check(m.player, m.card, from, true);
    }

  private:
    void check(int player, Card card, std::size_t from, bool drawn) {
        const bool own = player == screenSeat(table_);
        othersMoved += !own;
        const auto& steps = table_.presentation.steps();
        for (std::size_t i = from; i < steps.size(); ++i) {
            const DrawOp& op = steps[i].op;
            if (steps[i].kind != Step::Kind::Draw || op.kind != DrawOp::Kind::Bitmap) continue;
            ownFacesShown += own && drawn && op.bitmap == card;
            if (own) continue;
            // A back flies to the top; the pile shows its blank once empty.
            EXPECT_TRUE(!drawn || op.bitmap == CardBackBitmap || op.bitmap == EmptySlot)
                << "a draw showed " << op.bitmap;
            for (int s = 1; s <= HandSize; ++s)
                EXPECT_FALSE(op.x() == table_.layout.slotCard(s).x &&
                             op.y() == table_.layout.slotCard(s).y)
                    << "player " << player << " drew on slot " << s;
        }
    }

    Table& table_;
};

} // namespace

TEST(SeatShare, NoScreenShowsAnotherSeatsDrawOrTouchesItsHandForAnotherSeatsCard) {
    enum Audience { AgainstComputer, OneScreen, NetworkHost };
    for (const Audience screen : {AgainstComputer, OneScreen, NetworkHost}) {
        SCOPED_TRACE(screen);
        Program app;
        app.host.yesNoAnswers.assign(1500, true);
        app.start();
        if (screen != AgainstComputer) app.command(command::TwoPlayerGame);
        Session& g = app.g();
        g.network = screen == NetworkHost;
        g.round.set(flag::animate, true);
        g.round.set(flag::turnHandover, screen == OneScreen);
        app.host.tapSurface = &g.presentation;
        WatchedBoard board(g);
        g.events = &board;
        std::mt19937 rng(7 + screen);
        for (int i = 0; i < 1500 && !HasFailure(); ++i) {
            const int roll = int(rng() % 10);
            if (handOver(g))
                app.command(command::NewGameMenu + g.playerCount);
            else if (roll < 7)
                app.tapSlot(1 + int(rng() % HandSize));
            else
                roll < 9 ? app.tapDeck() : app.tap(100, g.layout.statusY + 8);
        }
        g.events = &GameEvents::silent();
        // The screen's own draws show their faces; at one screen every move is the screen's.
        EXPECT_GT(board.ownFacesShown, 0);
        EXPECT_EQ(board.othersMoved > 0, screen != OneScreen);
    }
}
