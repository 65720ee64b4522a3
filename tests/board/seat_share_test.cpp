// Every audience sees only its seat: over random whole games against the computer at each
// level, between two people at one screen and hosted with a guest across the wire, no
// sentence, view (whence the accessible board's names), paint, Scores content or step sent
// names a card its seat may not see then (the other hand, the pile's order, the undo
// snapshot, the seen counts), what it may see changes its view, no other seat's card
// blanks or covers a slot of the screen's hand row, and another seat's refused input
// leaves the screen's status alone.
#include "app/scores_dialog.h"
#include "board/bitmaps.h"
#include "board/draw.h"
#include "board/pictures.h"
#include "board/recording_surface.h"
#include "board/table.h"
#include "net/network_match.h"
#include "support/invariants.h"
#include "support/program.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>

using namespace tarmigo;
using namespace tarmigo::testing;

namespace {

using Rng = std::mt19937;
using Change = std::function<void(Game&, int seat, Rng&)>;

Card otherCard(Card c, std::mt19937& rng) {
    const Card next = Card(Distance25 + int(rng() % 19));
    return next == c ? Card(next == Distance25 ? EndOfLimit : Distance25) : next;
}

// What no seat, or not this one, may see.
const std::pair<const char*, Change> Hidden[] = {
    {"the other hand and seat",
     [](Game& g, int seat, Rng& rng) {
         g.seats[1 - seat].status = {int(1201 + rng() % 20), false, 0};
         g.seats[1 - seat].discardArmed ^= true;
         PlayerRecord& other = g.players[1 - seat];
         for (Card& c : other.hand) c = otherCard(c, rng);
         other.setSelectedSlot(int(rng() % 8));
         other.setMarkedSlot(int(rng() % 8));
         other.setDrawSlot(int(rng() % 8));
     }},
    {"the draw pile's order",
     [](Game& g, int, Rng& rng) {
         const auto from = g.deck.begin() + std::min<int>(g.round.deckPos, DeckSize);
         std::shuffle(from, g.deck.end(), rng);
         if (from != g.deck.end()) *from = otherCard(*from, rng);
     }},
    {"the undo snapshot",
     [](Game& g, int, Rng& rng) {
         g.undo.players[0].hand[0] = otherCard(g.undo.players[0].hand[0], rng);
         g.undo.players[1].miles = std::uint16_t(rng() % 1000);
         g.undo.round.deckPos = std::uint8_t(rng() % 100);
         g.undo.currentPlayer = std::uint8_t(1 - g.undo.currentPlayer);
     }},
    {"the seen counts",
     [](Game& g, int, Rng& rng) {
         for (auto& n : g.round.seenCount) n = std::uint8_t(rng() % 10);
     }},
};

// What every seat sees; the own hand only where it is shown.
const std::pair<const char*, Change> Visible[] = {
    {"the other's miles", [](Game& g, int seat, Rng&) { g.players[1 - seat].miles += 25; }},
    {"the other's safeties",
     [](Game& g, int seat, Rng&) {
         PlayerRecord& p = g.players[1 - seat];
         p.setSafeties(p.safeties() ^ 1);
     }},
    {"the own battle pile",
     [](Game& g, int seat, Rng&) {
         PlayerRecord& p = g.players[seat];
         p.setBattle(p.battle() == BattleGo ? BattleStop : BattleGo);
     }},
    {"the other's game score", [](Game& g, int seat, Rng&) { g.players[1 - seat].gameScore += 5; }},
    {"the cards left", [](Game& g, int, Rng&) { g.round.deckPos ^= 1; }},
    {"the discard top",
     [](Game& g, int, Rng& rng) { g.round.discardTop = otherCard(g.round.discardTop, rng); }},
    {"the own status", [](Game& g, int seat, Rng&) { g.seats[seat].status.number += 1; }},
    {"whose turn", [](Game& g, int, Rng&) { g.currentPlayer ^= 1; }},
    {"the hand being over",
     [](Game& g, int, Rng&) { g.round.set(flag::handOver, !g.has(flag::handOver)); }},
};

// A seat's view holds what it may see, and nothing else: the accessible board's names and
// the Scores dialog are made from it.
void checkView(const Game& g, int seat, Rng& rng) {
    const SeatView view = viewFor(g, seat);
    Game all(g);
    for (const auto& [what, change] : Hidden) {
        Game other(g);
        change(other, seat, rng);
        change(all, seat, rng);
        ASSERT_EQ(viewFor(other, seat), view) << what;
    }
    ASSERT_EQ(viewFor(all, seat), view) << "all at once";
    for (const auto& [what, change] : Visible) {
        Game other(g);
        change(other, seat, rng);
        EXPECT_NE(viewFor(other, seat), view) << what;
    }
    Game ownHand(g);
    ownHand.players[seat].hand[rng() % HandSize] ^= 1;
    EXPECT_EQ(viewFor(ownHand, seat) == view, g.has(flag::turnHandover))
        << "the own hand, shown only outside a hand-over";
}

// The screen paints its seat: the same pixels whatever that seat may not see.
std::vector<DrawOp> paintOf(const Table& table, Rng* hide = nullptr) {
    Table t(table);
    if (hide)
        for (const auto& [what, change] : Hidden) change(t, screenSeat(table), *hide);
    RecordingSurface surface;
    paintWindow(t, surface);
    return surface.ops();
}

// Watches what each report showed the table's screen, after the screen's own listeners.
class Audience : public FanOut {
  public:
    Audience(GameEvents* shown, Table& t) : FanOut{shown}, table_(t) {}

    int othersMoved = 0, ownFacesShown = 0, laidUnseen = 0;

    void report(Game& g, const Report& r) override {
        const auto shown = [&] { FanOut::report(g, r); };
        if (const auto* m = std::get_if<Laid>(&r))
            checked(shown, m->player, shareOf(*m, seat()).card);
        else if (const auto* d = std::get_if<Drawn>(&r))
            checked(shown, d->player, shareOf(*d, seat()).card, true);
        else
            shown();
        if (std::holds_alternative<HandEnded>(r)) checkScores();
    }
    // The Scores dialog shows the hand as it stood, and nothing hidden.
    void checkScores() {
        const auto& steps = table_.presentation.steps();
        const auto shown = std::find_if(steps.rbegin(), steps.rend(),
                                        [](const Step& s) { return s.kind == Step::Kind::Scores; });
        ASSERT_NE(shown, steps.rend());
        EXPECT_EQ(shown->standing->seat, seat());
        EXPECT_EQ(scoresContent(*shown->standing).values, scoresContent(tableView(table_)).values);
    }

  private:
    int seat() const { return screenSeat(table_); }

    // Every card a sentence since the move began names is the one its share shows.
    void checkSaid(Card shown) {
        const auto& steps = table_.presentation.steps();
        for (std::size_t i = said_; i < steps.size(); ++i)
            for (int w = 0; w < 4 && steps[i].kind == Step::Kind::Say; ++w) {
                const int word = steps[i].sentence.words[std::size_t(w)];
                const bool card = !((steps[i].sentence.numbers >> w) & 1) &&
                                  word >= text::FirstCardName &&
                                  word < text::FirstCardName + CardKinds;
                EXPECT_TRUE(!card || (isCard(shown) && word == cardName(shown)))
                    << "seat " << seat() << " was told of " << word;
            }
    }

    template <class Report>
    void checked(Report report, int player, Card shown, bool drawn = false) {
        makePictures(table_.presentation, table_.layout); // what was queued before, as played
        const std::size_t from = said_ = table_.presentation.steps().size();
        report();
        makePictures(table_.presentation, table_.layout);
        checkSaid(shown);
        const bool own = player == seat();
        othersMoved += !own;
        const auto& steps = table_.presentation.steps();
        bool face = false;
        for (std::size_t i = from; i < steps.size(); ++i) {
            const DrawOp& op = steps[i].op;
            if (steps[i].kind != Step::Kind::Draw || op.kind != DrawOp::Kind::Bitmap) continue;
            ownFacesShown += own && drawn && op.bitmap == shown;
            face = face || op.bitmap == shown;
            if (own) continue;
            // A back flies to the top; the pile shows its blank once empty.
            EXPECT_TRUE(!drawn || op.bitmap == CardBackBitmap || op.bitmap == EmptySlot)
                << "a draw showed " << op.bitmap;
            for (int s = 1; s <= HandSize; ++s)
                EXPECT_FALSE(op.x() == table_.layout.slotCard(s).x &&
                             op.y() == table_.layout.slotCard(s).y)
                    << "player " << player << " drew on slot " << s;
        }
        laidUnseen += !drawn && !face; // every screen shows a card laid on its way
    }

    Table& table_;
    std::size_t said_ = 0;
};

} // namespace

TEST(SeatShare, EveryAudienceOfAWholeGameSeesOnlyItsSeat) {
    enum Kind { Easy, Hard, Expert, OneScreen, Hosted };
    for (const Kind kind : {Easy, Hard, Expert, OneScreen, Hosted}) {
        SCOPED_TRACE(kind);
        Program app;
        Match match(11 + kind);
        app.host.yesNoAnswers.assign(2000, true);
        app.start();
        if (kind == OneScreen) app.command(command::TwoPlayerGame);
        if (kind <= Expert) setComputerLevel(app.g(), Level(kind));
        if (kind == Hosted) match.connect();
        Table& g = kind == Hosted ? static_cast<Table&>(match.game()) : app.g();
        g.round.set(flag::animate, true);
        g.round.set(flag::turnHandover, kind == OneScreen);
        app.host.tapSurface = &app.g().presentation;
        match.shell.tapSurface = &match.game().presentation;
        BoardEvents board(g);
        Audience audience(kind == Hosted ? g.events : &board, g);
        g.events = &audience;
        Rng rng(7 + kind);
        int handovers = 0;
        Dice dice(kind);
        for (int i = 0; i < 2000 && !HasFailure() && !g.has(flag::gameOver); ++i) {
            const int roll = int(rng() % 10);
            const SeatView before = tableView(g);
            const std::array<SeatState, 2> seatsBefore = g.seats;
            const int mover = g.currentPlayer;
            if (kind == Hosted) {
                if (!match.step(dice)) break;
                g.presentation.clear(); // played by the window
                // A refused input of seat 1 changes nothing that seat 0 sees.
                SeatView after = tableView(g);
                const StatusMessage status = after.status;
                after.status = before.status;
                EXPECT_TRUE(before.isOwnTurn() || after != before || status == before.status)
                    << status.id;
                // The guest's view is seat 1's as the host's game stands, its status its own.
                ASSERT_EQ(match.lastView(), viewFor(g, 1)) << i;
                ASSERT_EQ(brokenInvariant(g), "") << i;
            } else if (handOver(g)) {
                app.command(command::NewGameMenu + g.playerCount);
            } else if (roll < 7) {
                app.tapSlot(1 + int(rng() % HandSize));
            } else {
                roll < 9 ? app.tapDeck() : app.tap(100, g.layout.statusY + 8);
            }
            for (int seat = 0; seat < 2; ++seat) {
                checkView(g, seat, rng);
                // A refusal names the refused card: it reaches the mover's status alone.
                const StatusMessage told = g.seats[seat].status;
                EXPECT_TRUE(told.id < 1206 || told.id > text::ExceedRace || seat == mover ||
                            told == seatsBefore[seat].status)
                    << "seat " << seat << " told " << told.id;
            }
            ASSERT_EQ(paintOf(g, &rng), paintOf(g)) << i;
            handovers += g.has(flag::turnHandover);
        }
        unsigned sent = 0;                       // the kinds of step
        for (const GuestEvent& e : match.events) // seat 0's slots and draws stay unsent
            for (const ShownStep& s : e.steps) {
                sent |= 1U << (s.index() + 1);
                if (const auto* laid = std::get_if<Laid>(&s)) {
                    EXPECT_TRUE(laid->player == 1 || laid->slot == 0);
                }
                if (const auto* drawn = std::get_if<Drawn>(&s)) {
                    EXPECT_TRUE(drawn->player == 1 ||
                                (drawn->slot == 0 && drawn->card == EmptySlot));
                }
            }
        // The guest is sent every kind of report a game makes: Laid, Drawn, Sound, Undo, Scores.
        EXPECT_EQ(sent & 0b111110U, kind == Hosted ? 0b111110U : 0U) << sent;
        EXPECT_EQ(audience.laidUnseen, 0);
        g.events = &GameEvents::silent();
        EXPECT_GT(audience.ownFacesShown, 0);
        EXPECT_EQ(audience.othersMoved > 0, kind != OneScreen);
        EXPECT_EQ(handovers > 5, kind == OneScreen);
    }
}
