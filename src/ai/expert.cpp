#include "ai/expert.h"

#include "ai/blocked_hand.h"
#include "ai/choose_card.h"
#include "ai/turn.h"
#include "game/deal.h"
#include "game/hand_end.h"
#include "game/legality.h"
#include "game/moves.h"
#include "game/targets.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

namespace tarmigo {
namespace {

// Guesses at the hidden cards: a first round weighs every move, a second one the
// few best of them, so that the samples go where the choice is close.
constexpr int FirstSamples = 24;
constexpr int Finalists = 4;
constexpr int SecondSamples = 72;
// One tempo more or less shifts every later card between the players, so single
// outcomes scatter widely, and a move chosen on a lucky estimate costs more than
// it gains. Hard's choice stands unless another beats it by this many standard
// errors of the mean gain.
constexpr double Confidence = 1.5;
// A hand scores about this much for each player, and the difference between the
// players scatters by about this much from one hand to the next.
constexpr double MeanHandScore = 1000;
constexpr double HandSpread = 900;
// A turn is at most 20 attempts; a hand ends long before this many turns.
constexpr int MaxPlayoutTurns = 400;

// A platform where nothing shows, sounds, asks or saves: the planning copies run on it.
class PlanningHost : public Host {
  public:
    std::uint32_t tickCount() override { return 0; }
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
    int samples = 0;
};

// The rules' state without the display, the stores or the input of the real game.
void copyPlay(Game& to, const Game& from) {
    to.deck = from.deck;
    to.round = from.round;
    to.players = from.players;
    to.playerCount = from.playerCount;
    to.currentPlayer = from.currentPlayer;
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

// The cards the player cannot see: the deck less those it has seen or, without a
// memory, less its own hand and what lies on the table.
std::vector<Card> unseenCards(const Game& g, const SeenCounts* seen) {
    std::array<int, CardKinds> left{};
    for (int k = 0; k < CardKinds; ++k) left[k] = deckCount[k];
    auto take = [&](Card c, int n = 1) {
        if (isCard(c)) left[c - FirstCard] = std::max(0, left[c - FirstCard] - n);
    };
    if (seen) {
        for (int k = 0; k < CardKinds; ++k) left[k] = std::max(0, left[k] - (*seen)[k]);
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
    takeTurn(
        g, Mover::Computer, [&g] { return chooseCard(g, ChooseMode::Select); },
        [&g](int target) {
            return g.own().selectedSlot() != 0 ? dispatchMove(g, target) : MoveResult::TurnStays;
        },
        [&g, &draws] { draws.draw(g); });
}

// Card kinds that the opponent cannot hold, judged from its last move: a player
// who could have attacked a moving player, or mended its own pile, has done so.
std::array<bool, CardKinds> unheldKinds(const Game& g, bool opponentMoved) {
    std::array<bool, CardKinds> out{};
    const PlayerRecord& me = g.own();
    const PlayerRecord& them = g.opponent();
    if (!opponentMoved || them.lastHazard() != 0) return out;
    auto unheld = [&](int c) { out[c - FirstCard] = true; };
    if (isMoving(g, g.currentPlayer)) {
        for (int h = Stop; h <= FlatTire; ++h)
            if (!me.hasSafety(hazardSafetyBit(h))) unheld(h);
        if (me.speed() != SpeedLimited && !me.hasSafety(safetyBit(RightOfWay))) unheld(SpeedLimit);
    }
    const int b = them.battle();
    if (isHazardBattle(b)) {
        unheld(b + (int(Go) - int(BattleStop)));
        unheld(b + SafetyToHazardBattle);
    } else if (b == BattleEmpty) {
        unheld(Go);
        unheld(RightOfWay);
    }
    return out;
}

// The chance that player p wins the game from the scores after the hand: the lead
// against the spread of the hands still to come before someone reaches the line.
double gameValue(const Game& g, int p) {
    const PlayerRecord& own = g.players[p];
    const PlayerRecord& opp = g.players[1 - p];
    if (g.has(flag::gameOver)) return g.round.winner == p ? 1.0 : 0.0;
    double ownScore = own.gameScore;
    double oppScore = opp.gameScore;
    if (!handOver(g)) {
        // A hand cut short: what is laid so far.
        ownScore += own.handScore;
        oppScore += opp.handScore;
    }
    const double hands =
        1.0 + std::max(0.0, WinningScore - std::max(ownScore, oppScore)) / MeanHandScore;
    return 0.5 * std::erfc((oppScore - ownScore) / (HandSpread * std::sqrt(2.0 * hands)));
}

// The hand played out by Hard's rules for both sides, valued for player p.
double playOut(Game& g, Draws& draws, int p, MoveResult result) {
    if (result == MoveResult::TurnStays) draws.draw(g);
    checkBlockedHand(g);
    if (!handOver(g)) {
        if (result == MoveResult::TurnStays) {
            playTurn(g, draws);
        } else {
            g.currentPlayer = std::uint8_t(1 - g.currentPlayer);
            draws.draw(g);
        }
    }
    for (int turns = 0; turns < MaxPlayoutTurns && !handOver(g); ++turns) playTurn(g, draws);
    return gameValue(g, p);
}

// The hidden cards guessed again and again, and the moves in play tried on each guess
// against Hard's choice.
class Planner {
  public:
    Planner(const Game& g, std::vector<Candidate>& moves, std::vector<Card> pool,
            std::vector<int> opponentSlots, std::uint32_t seed)
        : g_(g), moves_(moves), pool_(std::move(pool)), opponentSlots_(std::move(opponentSlots)),
          pile_(DeckSize - std::min<int>(g.round.deckPos, DeckSize)),
          unheld_(unheldKinds(g, int(opponentSlots_.size()) < HandSize)),
          // About half the cards drawn so far went to the opponent.
          drawnByThem_(std::max(1, std::min<int>(g.round.deckPos, DeckSize) / 2)), sampler_(seed),
          outcome_(moves.size()) {}

    // Whether the hidden cards are too few to guess from what is unseen.
    bool tooFewUnseen() const { return int(pool_.size()) < int(opponentSlots_.size()) + pile_; }

    // Hard's choice among the moves, the yardstick every other move is valued against;
    // false when it is none of them.
    bool findHardChoice(const SeenCounts* seen) {
        copyPlay(trial_, g_);
        if (seen) trial_.round.seenCount = *seen;
        const int hardTarget = chooseCard(trial_, ChooseMode::Select);
        const Card hardCard = g_.own().slot(std::max(1, trial_.own().selectedSlot()));
        base_ = moves_.size();
        for (std::size_t i = 0; i < moves_.size(); ++i)
            if (moves_[i].target == hardTarget && g_.own().slot(moves_[i].slot) == hardCard)
                base_ = i;
        return base_ != moves_.size();
    }
    std::size_t base() const { return base_; }

    // Every move in play is tried on the same guess, so that the luck of a deal weighs
    // on all of them alike.
    void sample(const std::vector<std::size_t>& inPlay) {
        guessHidden();
        for (std::size_t i : inPlay) {
            copyPlay(trial_, guess_);
            draws_.deal(guessPile_);
            setSelectedSlot(trial_, moves_[i].slot);
            const MoveResult first = dispatchMove(trial_, moves_[i].target);
            answerExtension(trial_, false);
            outcome_[i] = playOut(trial_, draws_, g_.currentPlayer, first);
        }
        for (std::size_t i : inPlay) {
            const double d = outcome_[i] - outcome_[base_];
            moves_[i].gain += d;
            moves_[i].gainSquares += d * d;
            ++moves_[i].samples;
        }
    }

  private:
    // One guess at the hidden cards: the opponent's hand and the draw pile.
    void guessHidden() {
        for (int i = int(pool_.size()) - 1; i > 0; --i)
            std::swap(pool_[i], pool_[sampler_.below(i + 1)]);
        copyPlay(guess_, g_);
        // The opponent keeps the safeties it draws: each unseen one is in its hand as
        // often as it was among the cards it drew. Its other cards are those it may
        // hold, at random; the pile takes the rest.
        guessPile_.clear();
        taken_.assign(pool_.size(), false);
        std::size_t filled = 0;
        for (std::size_t i = 0; i < pool_.size() && filled < opponentSlots_.size(); ++i)
            if (isSafety(pool_[i]) && sampler_.below(drawnByThem_ + pile_) < drawnByThem_) {
                guess_.opponent().slot(opponentSlots_[filled++]) = pool_[i];
                taken_[i] = true;
            }
        for (std::size_t i = 0; i < pool_.size(); ++i) {
            if (taken_[i]) continue;
            const Card c = pool_[i];
            const bool mayHold = !unheld_[c - FirstCard] && !isSafety(c);
            if (filled < opponentSlots_.size() && mayHold)
                guess_.opponent().slot(opponentSlots_[filled++]) = c;
            else
                guessPile_.push_back(c);
        }
        // Too few cards it may hold: it holds some all the same.
        for (; filled < opponentSlots_.size(); ++filled) {
            guess_.opponent().slot(opponentSlots_[filled]) = guessPile_.back();
            guessPile_.pop_back();
        }
        guessPile_.resize(std::size_t(pile_));
        rememberGuess();
    }

    // The computer's memory in the guessed world: all but the person's hand and the pile.
    void rememberGuess() {
        SeenCounts& counts = guess_.round.seenCount;
        for (int k = 0; k < CardKinds; ++k) counts[k] = std::uint8_t(deckCount[k]);
        auto unsee = [&](Card c) {
            if (isCard(c) && counts[c - FirstCard] > 0) --counts[c - FirstCard];
        };
        for (Card c : guess_.players[0].hand) unsee(c);
        for (Card c : guessPile_) unsee(c);
    }

    const Game& g_;
    std::vector<Candidate>& moves_;
    std::vector<Card> pool_;
    std::vector<int> opponentSlots_;
    int pile_;
    std::array<bool, CardKinds> unheld_;
    int drawnByThem_;
    Sampler sampler_;
    std::vector<double> outcome_;
    std::size_t base_ = 0;
    PlanningHost host_;
    Game trial_{host_};
    Game guess_{host_};
    std::vector<Card> guessPile_;
    std::vector<bool> taken_;
    Draws draws_;
};

// The move in play whose mean gain over Hard's choice is largest and sure enough.
const Candidate& surestGain(const std::vector<Candidate>& moves, std::size_t base,
                            const std::vector<std::size_t>& inPlay) {
    const Candidate* best = &moves[base];
    double bestMean = 0;
    for (std::size_t i : inPlay) {
        const Candidate& m = moves[i];
        const double count = m.samples;
        const double mean = m.gain / count;
        const double spread = std::sqrt(std::max(0.0, m.gainSquares / count - mean * mean));
        if (mean > bestMean && mean > Confidence * spread / std::sqrt(count)) {
            best = &m;
            bestMean = mean;
        }
    }
    return *best;
}

} // namespace

int chooseExpertCardSeeded(Game& g, std::uint32_t seed, const SeenCounts* seen) {
    // Drawing first, and the hands where there is nothing to weigh, go by Hard's rules.
    if (!g.deckExhausted() && g.own().drawSlot() != 0) return chooseCard(g, ChooseMode::Select);
    std::vector<Candidate> moves = candidates(g);
    std::vector<int> opponentSlots;
    for (int s = 1; s <= HandSize; ++s)
        if (g.opponent().slot(s) != EmptySlot) opponentSlots.push_back(s);
    Planner planner(g, moves, unseenCards(g, seen), std::move(opponentSlots), seed);
    if (moves.size() < 2 || planner.tooFewUnseen() || !planner.findHardChoice(seen))
        return chooseCard(g, ChooseMode::Select);
    const std::size_t base = planner.base();

    // A card Hard would lay is never thrown away instead: the plan plays the rest of
    // the hand by Hard's rules, which would lay it a turn later, and a choice that
    // put it off on every turn would never lay it.
    std::vector<std::size_t> inPlay;
    const bool hardPlays = moves[base].target != target::DiscardPile;
    for (std::size_t i = 0; i < moves.size(); ++i)
        if (!hardPlays || moves[i].target != target::DiscardPile) inPlay.push_back(i);
    if (inPlay.size() < 2) {
        setSelectedSlot(g, moves[base].slot);
        return moves[base].target;
    }
    for (int n = 0; n < FirstSamples; ++n) planner.sample(inPlay);
    // The best few go on, Hard's choice among them as the yardstick.
    std::sort(inPlay.begin(), inPlay.end(),
              [&](std::size_t a, std::size_t b) { return moves[a].gain > moves[b].gain; });
    inPlay.resize(std::min<std::size_t>(inPlay.size(), std::size_t(std::max(1, Finalists))));
    if (std::find(inPlay.begin(), inPlay.end(), base) == inPlay.end()) inPlay.push_back(base);
    if (inPlay.size() > 1)
        for (int n = 0; n < SecondSamples; ++n) planner.sample(inPlay);

    const Candidate& best = surestGain(moves, base, inPlay);
    setSelectedSlot(g, best.slot);
    return best.target;
}

int chooseExpertCard(Game& g, const SeenCounts* seen) {
    // The draw position varies the guesses from one choice to the next of one tick.
    return chooseExpertCardSeeded(g, g.host.tickCount() ^ (std::uint32_t(g.round.deckPos) << 24),
                                  seen);
}

int chooseExpertCard(Game& g) {
    return chooseExpertCard(g, isComputerTurn(g) ? &g.round.seenCount : nullptr);
}

} // namespace tarmigo
