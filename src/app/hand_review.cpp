#include "app/hand_review.h"

#include "app/save_state.h"
#include "app/taps.h"
#include "board/repaint.h"
#include "turns/tap.h"

namespace tarmigo {
namespace {

// Hears whether a card was laid: a step ends with a move that laid one.
class LaidHeard : public GameEvents {
  public:
    LaidHeard() { hears = reportBit<Laid>(); }
    void report(Game&, const Report&) override { laid = true; }
    bool laid = false;
};

bool isCommand(const Move& m) {
    return m.answer == Move::Answer::None && (m.target == entry::Undo || m.target == entry::Redo);
}

} // namespace

std::vector<HandMoves> watchableHands(const Session& g) {
    std::vector<HandMoves> hands;
    if (!g.moveLog) return hands;
    const History& h = g.history.history;
    if (handOver(g)) hands.push_back(static_cast<const HandMoves&>(h));
    hands.insert(hands.end(), h.finished.rbegin(), h.finished.rend());
    return hands;
}

HandReview::Position HandReview::positionOf(const Table& t, std::size_t next) {
    return Position{startOf(t), t.seats, next, startOf(t), t.seats};
}

bool HandReview::follow(const Session& g, const HandMoves& hand) {
    if (!isSoundStart(hand.start)) return false;
    Table copy(g);
    LaidHeard heard;
    copy.events = &heard;
    copy.surface = nullptr;
    copy.network = false;
    copy.moveLog = nullptr;
    applyStart(copy, hand.start);
    for (int s = 0; s < 2; ++s) copy.seats[s].discardArmed = (hand.armed >> s) & 1;
    copy.pending = Decision::None;
    copy.redoable = false;
    copy.undo.round.raceLength = 0;

    hand_ = hand;
    hand_.moves.clear(); // the moves that stand: those an Undo took back are left out
    positions_.assign(1, positionOf(copy, 0));
    // What the last Undo took back, which a Redo brings back as it was.
    std::vector<Move> undoneMoves;
    std::vector<Position> undone;
    MoveHistory log;
    log.history.moves = hand.moves;
    log.replaying = true;
    while (log.next < hand.moves.size()) {
        const std::size_t first = log.next;
        playNextInput(copy, log);
        if (log.exhausted) return false;
        const Move& m = hand.moves[first];
        if (isCommand(m) && m.target == entry::Undo) {
            if (positions_.size() < 2) return false;
            heard.laid = false;
            undone.assign(1, positions_.back());
            positions_.pop_back();
            undoneMoves.assign(hand_.moves.begin() + std::ptrdiff_t(positions_.back().next),
                               hand_.moves.end());
            hand_.moves.resize(positions_.back().next);
            // The steps on go from where the Undo left the game.
            positions_.back().from = startOf(copy);
            positions_.back().fromSeats = copy.seats;
        } else if (isCommand(m)) {
            hand_.moves.insert(hand_.moves.end(), undoneMoves.begin(), undoneMoves.end());
            positions_.insert(positions_.end(), undone.begin(), undone.end());
            undone.clear();
            undoneMoves.clear();
        } else {
            hand_.moves.insert(hand_.moves.end(), log.history.moves.begin() + std::ptrdiff_t(first),
                               log.history.moves.begin() + std::ptrdiff_t(log.next));
            // A step ends with a card laid, or with the hand's end (a blocked hand lays none).
            if ((heard.laid || handOver(copy)) && copy.pending == Decision::None) {
                positions_.push_back(positionOf(copy, hand_.moves.size()));
                heard.laid = false;
            }
        }
    }
    // Moves that laid nothing after the last card still change the board: one more step.
    if (!(startOf(copy) == positions_.back().at) && copy.pending == Decision::None)
        positions_.push_back(positionOf(copy, hand_.moves.size()));
    return positions_.size() > 1;
}

bool HandReview::begin(Session& g, std::size_t which) {
    if (active_) return false;
    const std::vector<HandMoves> hands = watchableHands(g);
    if (which >= hands.size() || !follow(g, hands[which])) return false;
    lent_ = Lent{startOf(g), g.undo,      g.redo,        g.redoSeats,    g.seats,  g.redoable,
                 g.pending,  g.fileStore, g.secondStore, g.historyStore, g.moveLog};
    // Nothing is saved or noted while the table is lent.
    g.fileStore = nullptr;
    g.secondStore = nullptr;
    g.historyStore = nullptr;
    g.moveLog = nullptr;
    g.redoable = false;
    g.pending = Decision::None;
    active_ = true;
    at_ = 0;
    show(g, positions_[0]);
    return true;
}

void HandReview::show(Session& g, const Position& p) const {
    applyStart(g, p.at);
    g.seats = p.seats;
    g.undo.round.raceLength = 0;
    invalidateBoard(g);
}

bool HandReview::forward(Session& g) {
    if (!active_ || at_ + 1 >= positions_.size()) return false;
    applyStart(g, positions_[at_].from);
    g.seats = positions_[at_].fromSeats;
    MoveHistory log;
    log.history.moves = hand_.moves;
    log.replaying = true;
    log.next = positions_[at_].next;
    {
        TapSurface surface(g);
        while (log.next < positions_[at_ + 1].next && !log.exhausted) playNextInput(g, log);
    }
    ++at_;
    // The step ends where it ended then, whatever the moves left unasked.
    applyStart(g, positions_[at_].at);
    g.seats = positions_[at_].seats;
    g.pending = Decision::None;
    invalidateBoard(g);
    return true;
}

bool HandReview::back(Session& g) {
    if (!active_ || at_ == 0) return false;
    show(g, positions_[--at_]);
    return true;
}

void HandReview::end(Session& g) {
    if (!active_) return;
    active_ = false;
    applyStart(g, lent_.at);
    g.undo = lent_.undo;
    g.redo = lent_.redo;
    g.redoSeats = lent_.redoSeats;
    g.seats = lent_.seats;
    g.redoable = lent_.redoable;
    g.pending = lent_.pending;
    g.fileStore = lent_.fileStore;
    g.secondStore = lent_.secondStore;
    g.historyStore = lent_.historyStore;
    g.moveLog = lent_.moveLog;
    invalidateBoard(g);
}

std::vector<Card> HandReview::otherHand() const {
    const HandStart& at = positions_[at_].at;
    // The screen's seat then: seat 0 against the computer, the player to move between two.
    const int shown = at.playerCount == 2 ? at.currentPlayer : 0;
    std::vector<Card> cards;
    for (int s = 1; s <= HandSize; ++s)
        if (const Card c = at.players[1 - shown].slot(s); c != EmptySlot) cards.push_back(c);
    return cards;
}

} // namespace tarmigo
