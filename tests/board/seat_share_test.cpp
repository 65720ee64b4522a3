// Every screen shows only its seat: over random games against the computer, between two
// people at one screen and on a network host's screen (which always shows seat 0), a
// card drawn by another seat never shows its face, and a card laid by another seat never
// blanks or covers a slot of the screen's hand row.
#include "board/bitmaps.h"
#include "board/table.h"
#include "game/strings.h"
#include "support/program.h"

#include <gtest/gtest.h>

#include <random>

using namespace tarmigo;
using namespace tarmigo::testing;

namespace {

// The table's board, watched: what each report of a card that moves queued.
class WatchedBoard : public BoardEvents {
  public:
    explicit WatchedBoard(Table& t) : BoardEvents(t), table_(t) {}

    int othersDrawn = 0;
    int othersLaid = 0;
    int ownFacesShown = 0;

    void cardLeavesHand(Game& g, const Laid& m) override {
        const std::size_t from = table_.presentation.steps().size();
        BoardEvents::cardLeavesHand(g, m);
        if (m.player == screenSeat(table_)) return;
        ++othersLaid;
        for (const DrawOp& op : queued(from))
            EXPECT_FALSE(onHandRow(op)) << "player " << m.player << " laid card " << int(m.card);
    }

    void cardLeavesDrawPile(Game& g, const Drawn& m) override {
        const std::size_t from = table_.presentation.steps().size();
        BoardEvents::cardLeavesDrawPile(g, m);
        const std::vector<DrawOp> ops = queued(from);
        if (m.player == screenSeat(table_)) {
            for (const DrawOp& op : ops) ownFacesShown += op.bitmap == m.card;
            return;
        }
        ++othersDrawn;
        for (const DrawOp& op : ops) {
            EXPECT_TRUE(op.kind != DrawOp::Kind::Bitmap || op.bitmap == CardBackBitmap ||
                        op.bitmap == EmptySlot)
                << "player " << m.player << "'s draw showed bitmap " << op.bitmap;
            EXPECT_FALSE(onHandRow(op)) << "player " << m.player << "'s draw";
        }
    }

  private:
    std::vector<DrawOp> queued(std::size_t from) const {
        std::vector<DrawOp> ops;
        const auto& steps = table_.presentation.steps();
        for (std::size_t i = from; i < steps.size(); ++i)
            if (steps[i].kind == Step::Kind::Draw && steps[i].op.kind == DrawOp::Kind::Bitmap)
                ops.push_back(steps[i].op);
        return ops;
    }
    bool onHandRow(const DrawOp& op) const {
        for (int s = 1; s <= HandSize; ++s)
            if (op.x() == table_.layout.slotCard(s).x && op.y() == table_.layout.slotCard(s).y)
                return true;
        return false;
    }

    Table& table_;
};

enum class Audience { AgainstComputer, OneScreen, NetworkHost };

struct Seen {
    int othersDrawn = 0;
    int othersLaid = 0;
    int ownFacesShown = 0;
};

Seen playRandomly(Audience screen, std::uint32_t seed, int taps) {
    Program app;
    app.host.yesNoAnswers.assign(taps, true);
    app.start();
    if (screen != Audience::AgainstComputer) app.command(command::TwoPlayerGame);
    Session& g = app.g();
    g.network = screen == Audience::NetworkHost;
    g.round.set(flag::animate, true);
    g.round.set(flag::turnHandover, screen == Audience::OneScreen);
    app.host.tapSurface = &g.presentation;
    WatchedBoard board(g);
    g.events = &board;
    std::mt19937 rng(seed);
    for (int i = 0; i < taps; ++i) {
        const int roll = int(rng() % 10);
        if (handOver(g))
            app.command(command::NewGameMenu + g.playerCount);
        else if (roll < 7)
            app.tapSlot(1 + int(rng() % HandSize));
        else if (roll < 9)
            app.tapDeck();
        else
            app.tap(100, g.layout.statusY + 8); // takes the screen over between two people
    }
    g.events = &GameEvents::silent();
    return {board.othersDrawn, board.othersLaid, board.ownFacesShown};
}

} // namespace

TEST(SeatShare, NoScreenShowsAnotherSeatsDrawOrBlanksItsHandForAnotherSeatsCard) {
    for (Audience screen :
         {Audience::AgainstComputer, Audience::OneScreen, Audience::NetworkHost}) {
        const Seen seen = playRandomly(screen, 7 + int(screen), 1500);
        SCOPED_TRACE(int(screen));
        // The screen's own draws show their faces; the other seat's moved at all.
        EXPECT_GT(seen.ownFacesShown, 0);
        if (screen != Audience::OneScreen) {
            EXPECT_GT(seen.othersDrawn, 0);
            EXPECT_GT(seen.othersLaid, 0);
        }
    }
}
