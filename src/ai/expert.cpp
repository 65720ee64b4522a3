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
            return g.own().selectedSlot() != 0 ? dispatchMove(g, target) : TurnStays;
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
double playOut(Game& g, Draws& draws, int p, int result) {
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
    return gameValue(g, p);
}

} // namespace

int chooseExpertCardSeeded(Game& g, std::uint32_t seed, const SeenCounts* seen) {
    // Drawing first, and the hands where there is nothing to weigh, go by Hard's rules.
    if (!g.deckExhausted() && g.own().drawSlot() != 0) return chooseCard(g, ChooseMode::Select);
    std::vector<Candidate> moves = candidates(g);
    const int p = g.currentPlayer;
    std::vector<Card> pool = unseenCards(g, seen);
    std::vector<int> opponentSlots;
    for (int s = 1; s <= HandSize; ++s)
        if (g.opponent().slot(s) != EmptySlot) opponentSlots.push_back(s);
    const int pile = DeckSize - std::min<int>(g.round.deckPos, DeckSize);
    const int hidden = int(opponentSlots.size()) + pile;
    if (moves.size() < 2 || int(pool.size()) < hidden) return chooseCard(g, ChooseMode::Select);

    PlanningHost host;
    Game trial(host);
    // Hard's choice is the yardstick: every other move is valued against it.
    copyPlay(trial, g);
    if (seen) trial.round.seenCount = *seen;
    const int hardTarget = chooseCard(trial, ChooseMode::Select);
    const Card hardCard = g.own().slot(std::max(1, trial.own().selectedSlot()));
    std::size_t base = moves.size();
    for (std::size_t i = 0; i < moves.size(); ++i)
        if (moves[i].target == hardTarget && g.own().slot(moves[i].slot) == hardCard) base = i;
    if (base == moves.size()) return chooseCard(g, ChooseMode::Select);

    const std::array<bool, CardKinds> unheld = unheldKinds(g, int(opponentSlots.size()) < HandSize);
    // About half the cards drawn so far went to the opponent.
    const int drawnByThem = std::max(1, std::min<int>(g.round.deckPos, DeckSize) / 2);
    std::vector<bool> taken;
    Sampler sampler(seed);
    // One guess at the hidden cards: the opponent's hand and the draw pile.
    Game guess(host);
    std::vector<Card> guessPile;
    Draws draws;
    std::vector<double> outcome(moves.size());
    // Every move in play is tried on the same guesses, so that the luck of a deal
    // weighs on all of them alike.
    auto sample = [&](const std::vector<std::size_t>& inPlay) {
        for (int i = int(pool.size()) - 1; i > 0; --i)
            std::swap(pool[i], pool[sampler.below(i + 1)]);
        copyPlay(guess, g);
        // The opponent keeps the safeties it draws: each unseen one is in its hand
        // as often as it was among the cards it drew. Its other cards are those it
        // may hold, at random; the pile takes the rest.
        guessPile.clear();
        taken.assign(pool.size(), false);
        std::size_t filled = 0;
        for (std::size_t i = 0; i < pool.size() && filled < opponentSlots.size(); ++i)
            if (isSafety(pool[i]) && sampler.below(drawnByThem + pile) < drawnByThem) {
                guess.opponent().slot(opponentSlots[filled++]) = pool[i];
                taken[i] = true;
            }
        for (std::size_t i = 0; i < pool.size(); ++i) {
            if (taken[i]) continue;
            const Card c = pool[i];
            const bool mayHold = !unheld[c - FirstCard] && !isSafety(c);
            if (filled < opponentSlots.size() && mayHold)
                guess.opponent().slot(opponentSlots[filled++]) = c;
            else
                guessPile.push_back(c);
        }
        // Too few cards it may hold: it holds some all the same.
        for (; filled < opponentSlots.size(); ++filled) {
            guess.opponent().slot(opponentSlots[filled]) = guessPile.back();
            guessPile.pop_back();
        }
        guessPile.resize(std::size_t(pile));
        // The computer's memory in the guessed world: all but the person's hand and
        // the pile.
        SeenCounts& counts = guess.round.seenCount;
        for (int k = 0; k < CardKinds; ++k) counts[k] = std::uint8_t(deckCount[k]);
        auto unsee = [&](Card c) {
            if (isCard(c) && counts[c - FirstCard] > 0) --counts[c - FirstCard];
        };
        for (Card c : guess.players[0].hand) unsee(c);
        for (Card c : guessPile) unsee(c);
        for (std::size_t i : inPlay) {
            copyPlay(trial, guess);
            draws.deal(guessPile);
            setSelectedSlot(trial, moves[i].slot);
            const int first = dispatchMove(trial, moves[i].target);
            answerExtension(trial, false);
            outcome[i] = playOut(trial, draws, p, first);
        }
        for (std::size_t i : inPlay) {
            const double d = outcome[i] - outcome[base];
            moves[i].gain += d;
            moves[i].gainSquares += d * d;
            ++moves[i].samples;
        }
    };
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
    for (int n = 0; n < FirstSamples; ++n) sample(inPlay);
    // The best few go on, Hard's choice among them as the yardstick.
    std::sort(inPlay.begin(), inPlay.end(),
              [&](std::size_t a, std::size_t b) { return moves[a].gain > moves[b].gain; });
    inPlay.resize(std::min<std::size_t>(inPlay.size(), std::size_t(std::max(1, Finalists))));
    if (std::find(inPlay.begin(), inPlay.end(), base) == inPlay.end()) inPlay.push_back(base);
    if (inPlay.size() > 1)
        for (int n = 0; n < SecondSamples; ++n) sample(inPlay);

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
    setSelectedSlot(g, best->slot);
    return best->target;
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
