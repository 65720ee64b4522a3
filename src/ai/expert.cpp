#include "ai/expert.h"

#include "ai/blocked_hand.h"
#include "ai/choose_card.h"
#include "game/deal.h"
#include "game/hand_end.h"
#include "game/legality.h"
#include "game/moves.h"
#include "game/targets.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace tarmigo {
namespace {

// Guesses at the hidden cards per choice: enough to rank the moves, few enough that
// a choice stays well inside a tap (a few milliseconds).
constexpr int Samples = 64;
// One tempo more or less shifts every later card between the players, so single
// outcomes scatter by a thousand points. Hard's choice stands unless another is
// better by this many standard errors of the mean gain.
constexpr double Confidence = 1.5;
// A turn is at most 20 attempts; a hand ends long before this many turns.
constexpr int MaxPlayoutTurns = 400;
constexpr int Attempts = 20;
// Winning the game outweighs any hand; the points still count for the next hands.
constexpr int GameWon = 4000;

// A platform where nothing shows, sounds, asks or saves: the planning copies run on it.
class PlanningHost : public Host {
  public:
    std::uint32_t tickCount() override { return 0; }
    void playSound(std::string_view) override {}
    bool askYesNo(int) override { return false; }
    int runScoresDialog() override { return dialog::Done; }
    void postCommand(int) override {}
    void enableUndoButton(bool) override {}
    void invalidate(const Rect&, bool) override {}
    void dropPendingRepaint() override {}
    void paintNow() override {}
    DrawingSurface* acquireTapSurface() override { return nullptr; }
    void releaseTapSurface() override {}
    void animationStep(int) override {}
    void dropPendingTaps() override {}
};

// The generator of the replays, with its own state.
class Sampler {
  public:
    explicit Sampler(std::uint32_t seed) : state_(seed) {}
    std::uint32_t next() {
        state_ = state_ * 214013u + 2531011u;
        return (state_ >> 16) & 0x7FFF;
    }
    // Uniform enough below 32768 for shuffling a hundred cards.
    int below(int n) { return int((next() << 15 | next()) % std::uint32_t(n)); }

  private:
    std::uint32_t state_;
};

struct Candidate {
    int slot;
    int target;
    // Over the guesses, the outcome less that of Hard's own choice, and its square.
    double gain = 0;
    double gainSquares = 0;
};

// The rules' state without the display, the stores or the input of the real game.
void copyPlay(Game& to, const Game& from) {
    to.deck = from.deck;
    to.round = from.round;
    to.players = from.players;
    to.playerCount = from.playerCount;
    to.currentPlayer = from.currentPlayer;
    to.layout = from.layout;
    to.round.set(flag::animate, false);
    to.round.set(flag::playSounds, false);
    to.round.set(flag::hard, true);
}

bool legalPlay(const Game& g, Card c) {
    if (isSafety(c)) return true;
    int verdict = 0;
    if (isDistance(c))
        verdict = checkDistance(g, c);
    else if (isHazard(c))
        verdict = checkHazard(g, c);
    else if (isGoOrRemedy(c))
        verdict = checkRemedy(g, c);
    else if (c == SpeedLimit)
        verdict = checkSpeedLimit(g);
    else if (c == EndOfLimit)
        verdict = checkEndOfLimit(g);
    return verdict == Legal;
}

// Every distinct thing the player may do: each kind of card played where it goes, or
// discarded. Two copies of a card are one choice.
std::vector<Candidate> candidates(const Game& g) {
    std::vector<Candidate> out;
    std::array<bool, LastCard + 1> played{};
    std::array<bool, LastCard + 1> discarded{};
    for (int s = 1; s <= HandSize; ++s) {
        const Card c = g.own().slot(s);
        if (!isCard(c)) continue;
        if (!played[c] && legalPlay(g, c)) {
            played[c] = true;
            out.push_back({s, autoTarget(g, c)});
        }
        if (!discarded[c]) {
            discarded[c] = true;
            out.push_back({s, target::DiscardPile});
        }
    }
    return out;
}

// The cards the player cannot see. The computer of a one-player game remembers every
// card it held and every card laid against it; any other player goes by the table.
std::vector<Card> unseenCards(const Game& g) {
    std::array<int, CardKinds> left{};
    for (int k = 0; k < CardKinds; ++k) left[k] = deckCount[k];
    auto take = [&](Card c, int n = 1) {
        if (isCard(c)) left[c - FirstCard] = std::max(0, left[c - FirstCard] - n);
    };
    if (isComputerTurn(g)) {
        for (int k = 0; k < CardKinds; ++k) left[k] = std::max(0, left[k] - g.round.seenCount[k]);
    } else {
        for (Card c : g.own().hand) take(c);
        for (const PlayerRecord& p : g.players) {
            for (int d = 0; d < 5; ++d) take(Card(Distance25 + d), p.distancePlayed[d]);
            for (int b = 0; b < 4; ++b)
                if (p.hasSafety(b)) take(Card(RightOfWay + b));
        }
        take(g.round.discardTop);
    }
    std::vector<Card> pool;
    for (int k = 0; k < CardKinds; ++k) pool.insert(pool.end(), left[k], Card(FirstCard + k));
    return pool;
}

// The guessed draw pile, dealt so that each player's n-th card stays the same
// whatever the moves before it: a move that gains or loses a tempo would otherwise
// hand every later card to the other player, and the moves' outcomes would differ
// by chance more than by merit.
class Draws {
  public:
    void deal(const std::vector<Card>& cards) {
        cards_ = cards;
        used_.assign(cards_.size(), false);
        drawn_ = {0, 0};
    }
    // Puts the next card of the current player where drawCard takes it.
    void draw(Game& g) {
        const int slot = g.own().drawSlot();
        if (!g.deckExhausted() && slot >= 1 && slot <= HandSize) {
            const int q = g.currentPlayer;
            auto i = std::size_t(drawn_[q]++) * 2 + std::size_t(q);
            if (i >= cards_.size() || used_[i]) {
                i = 0;
                while (i < cards_.size() && used_[i]) ++i;
            }
            if (i < cards_.size()) {
                used_[i] = true;
                g.deck[g.round.deckPos] = cards_[i];
            }
        }
        drawCard(g, DrawSlide::Hidden);
    }

  private:
    std::vector<Card> cards_;
    std::vector<bool> used_;
    std::array<int, 2> drawn_{};
};

// One turn of the cheap policy, as the computer's turn loop takes it.
void playTurn(Game& g, Draws& draws) {
    int result = TurnStays;
    for (int attempts = 0; result == TurnStays && attempts < Attempts; ++attempts) {
        const int choice = chooseCard(g, true);
        result = choice != target::DrawPile && g.own().selectedSlot() != 0 ? dispatchMove(g, choice)
                                                                           : TurnStays;
        if (result == TurnStays) draws.draw(g);
        checkBlockedHand(g);
        if (handOver(g)) return;
    }
    g.currentPlayer = std::uint8_t(1 - g.currentPlayer);
    draws.draw(g);
}

// The hand played out by Hard's rules for both sides, valued for player p.
long playOut(Game& g, Draws& draws, int p, int result) {
    if (result == TurnStays) draws.draw(g);
    checkBlockedHand(g);
    if (!handOver(g)) {
        if (result == TurnStays) {
            playTurn(g, draws);
        } else {
            g.currentPlayer = std::uint8_t(1 - g.currentPlayer);
            draws.draw(g);
        }
    }
    for (int turns = 0; turns < MaxPlayoutTurns && !handOver(g); ++turns) playTurn(g, draws);
    const PlayerRecord& own = g.players[p];
    const PlayerRecord& opp = g.players[1 - p];
    if (!handOver(g)) return long(own.miles) - long(opp.miles);
    long value = long(own.handScore) - long(opp.handScore);
    if (g.has(flag::gameOver)) value += g.round.winner == p ? GameWon : -GameWon;
    return value;
}

} // namespace

int chooseExpertCardSeeded(Game& g, std::uint32_t seed) {
    // Drawing first, and the hands where there is nothing to weigh, go by Hard's rules.
    if (!g.deckExhausted() && g.own().drawSlot() != 0) return chooseCard(g, true);
    std::vector<Candidate> moves = candidates(g);
    const int p = g.currentPlayer;
    std::vector<Card> pool = unseenCards(g);
    std::vector<int> opponentSlots;
    for (int s = 1; s <= HandSize; ++s)
        if (g.opponent().slot(s) != EmptySlot) opponentSlots.push_back(s);
    const int pile = DeckSize - std::min<int>(g.round.deckPos, DeckSize);
    const int hidden = int(opponentSlots.size()) + pile;
    if (moves.size() < 2 || int(pool.size()) < hidden) return chooseCard(g, true);

    PlanningHost host;
    Game guess(host);
    Game trial(host);
    // Hard's choice is the yardstick: every other move is valued against it.
    copyPlay(trial, g);
    const int hardTarget = chooseCard(trial, true);
    const Card hardCard = g.own().slot(std::max(1, trial.own().selectedSlot()));
    std::size_t base = 0;
    for (std::size_t i = 0; i < moves.size(); ++i)
        if (moves[i].target == hardTarget && g.own().slot(moves[i].slot) == hardCard) base = i;
    std::vector<long> outcome(moves.size());
    std::vector<Card> pileCards;
    Draws draws;
    Sampler sampler(seed);
    for (int n = 0; n < Samples; ++n) {
        // Deal the unseen cards at random: the opponent's hand first, then the pile.
        for (int i = int(pool.size()) - 1; i > 0; --i)
            std::swap(pool[i], pool[sampler.below(i + 1)]);
        copyPlay(guess, g);
        int next = 0;
        for (int s : opponentSlots) guess.opponent().slot(s) = pool[next++];
        pileCards.assign(pool.begin() + next, pool.begin() + next + pile);
        for (std::size_t i = 0; i < moves.size(); ++i) {
            copyPlay(trial, guess);
            draws.deal(pileCards);
            setSelectedSlot(trial, moves[i].slot);
            outcome[i] = playOut(trial, draws, p, dispatchMove(trial, moves[i].target));
        }
        for (std::size_t i = 0; i < moves.size(); ++i) {
            const auto d = double(outcome[i] - outcome[base]);
            moves[i].gain += d;
            moves[i].gainSquares += d * d;
        }
    }
    const Candidate* best = &moves[base];
    double bestMean = 0;
    for (const Candidate& m : moves) {
        const double mean = m.gain / Samples;
        const double spread = std::sqrt(std::max(0.0, m.gainSquares / Samples - mean * mean));
        if (mean > bestMean && mean > Confidence * spread / std::sqrt(double(Samples))) {
            best = &m;
            bestMean = mean;
        }
    }
    setSelectedSlot(g, best->slot);
    return best->target;
}

int chooseExpertCard(Game& g) {
    // The draw position varies the guesses from one choice to the next of one tick.
    return chooseExpertCardSeeded(g, g.host.tickCount() ^ (std::uint32_t(g.round.deckPos) << 24));
}

} // namespace tarmigo
