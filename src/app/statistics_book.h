#pragma once
// The statistics with the mark of the last hand they counted, so that they agree
// with the saved game however a run ends. The game record and the statistics are
// two writes to two stores; a kill between them leaves one ahead of the other. The
// mark (the deal, both game scores, both hand scores and the draw position: what
// identifies a finished hand in the saved record, whatever the options) lets the
// next start tell: a restored finished hand that the mark does not name is counted
// then, once, and a restored hand that an undo reopened after it was counted is
// taken back.
#include "app/statistics.h"
#include "game/game.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tarmigo {

// A finished hand as the saved record holds it.
struct HandMark {
    std::uint64_t deal = 0; // the deck's order, folded
    std::array<std::uint16_t, 2> gameScores{};
    std::array<std::uint16_t, 2> handScores{};
    std::uint8_t deckPos = 0;

    bool operator==(const HandMark&) const = default;
};

// The deck's order folded into a number: one deal's, whatever is played from it.
std::uint64_t dealOf(const Game& g);
// The mark of g's hand when it is over.
std::optional<HandMark> finishedHand(const Game& g);

// Named lines of text where the statistics are kept (the desktop settings).
class StatisticsStore {
  public:
    virtual ~StatisticsStore() = default;
    virtual std::optional<std::string> read(const std::string& key) const = 0;
    // Writes the lines together, a line without text removed: after a kill, all of
    // the changes or none of them are there.
    using Lines = std::vector<std::pair<std::string, std::optional<std::string>>>;
    virtual void write(const Lines& lines) = 0;
};

class StatisticsBook {
  public:
    // The keys: one line of figures for each opponent ("easy", "hard", "expert",
    // "twoPlayers", "network") and the last hand counted ("lastHand": its mark, and
    // the figures it changed as they were before it, for an undo). The network game
    // is saved apart from the other, so its last hand has a mark of its own
    // ("lastNetworkHand"): each game settles against its own.
    static const char* keyOf(Opponent o);
    static constexpr const char* LastHandKey = "lastHand";
    static constexpr const char* LastNetworkHandKey = "lastNetworkHand";
    // The local game given up last, until the next start has seen which game was saved:
    // its deal, game scores and games won, and the figures the forfeit changed as they
    // were ("forfeit"), with the mark of the last hand as it was ("forfeitLastHand").
    static constexpr const char* ForfeitKey = "forfeit";
    static constexpr const char* ForfeitLastHandKey = "forfeitLastHand";

    // Which game's hands the book counts: the one against the computer or at one
    // screen (by its kind and level), or the network game a host holds (from seat 0).
    enum class Games { Local, Network };

    // Null keeps nothing and shows no games.
    explicit StatisticsBook(StatisticsStore* store, Games games = Games::Local)
        : store_(store), games_(games) {}

    Figures figures(Opponent o) const;

    // Counts g's hand if it is over and not the one counted last; the figures go to
    // the level played now (Expert when expertChosen goes with Hard). Safe to call
    // again for the same hand: call it after the game record is saved.
    void countFinishedHand(const Game& g, bool expertChosen);
    // Puts the figures back as they were before the last hand counted, when an undo
    // reopens that hand; it is counted again when it ends again.
    void takeBackHand();
    // At start-up, once the saved game is restored: a forfeit whose new game was never
    // saved is taken back (the game given up is the one restored), a finished hand not
    // yet counted is counted now, and a hand counted but reopened by an undo is taken
    // back.
    void settle(const Game& g, bool expertChosen);

    // Counts g as given up; call it before the games it won are counted in g and the
    // game that follows is saved.
    void countForfeit(const Game& g, bool expertChosen, int creditedSeat);
    // A network game's guest holds no game: a hand is counted from its seat's view when
    // the hand's end is shown, once. Nothing marks it; an undo cannot reopen it there.
    void countSeatHand(const SeatView& v);
    // Forgets every figure; the mark stays, so the hand on the table is not counted
    // again.
    void reset();

  private:
    struct LastHand {
        HandMark mark;
        // The figures the hand changed, as they were before it; none once taken
        // back, or after a forfeit or a reset.
        std::optional<std::pair<Opponent, Figures>> before;
    };
    std::optional<LastHand> lastHand() const;
    // Takes a forfeit back when g is the game it gave up; forgets it in any case.
    void settleForfeit(const Game& g);
    const char* markKey() const;
    Opponent opponentOf(const Game& g, bool expertChosen) const;
    static std::string lastHandText(const LastHand& last);
    static std::optional<LastHand> lastHandFromText(std::string_view text);

    StatisticsStore* store_;
    Games games_;
};

} // namespace tarmigo
