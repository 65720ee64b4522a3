#include "app/self_play.h"

#include "ai/blocked_hand.h"
#include "ai/choose_card.h"
#include "ai/expert.h"
#include "ai/turn.h"
#include "app/shell.h"
#include "app/taps.h"
#include "game/deal.h"
#include "game/moves.h"
#include "game/targets.h"
#include "turns/tap.h"

namespace tarmigo {
namespace {

// A hand has at most 101 cards to play and four safeties that keep the turn, so
// a few hundred turns are plenty; past this bound something is broken.
constexpr int MaxTurnsPerHand = 2000;

// What player 0 has seen of the hand, as the computer's seen counts are for player
// 1: the cards it drew and those player 1 laid.
class SeatZeroMemory : public GameEvents {
  public:
    SeenCounts seen{};

    SeatZeroMemory() { hears = reportBit<Laid>() | reportBit<Drawn>(); }

    // Only cards matter to a memory.
    void report(Game&, const Report& r) override {
        Card c = EmptySlot;
        if (const auto* drawn = std::get_if<Drawn>(&r); drawn && drawn->player == 0)
            c = drawn->card;
        else if (const auto* laid = std::get_if<Laid>(&r); laid && laid->player == 1)
            c = laid->card;
        count(c);
    }

  private:
    void count(Card c) {
        if (isCard(c) && seen[c - FirstCard] < deckCount[c - FirstCard]) ++seen[c - FirstCard];
    }
};

// Player 0's choice, made from its own memory at every level: the round record's
// counts are the computer's, and they hold the computer's own hand.
int playerZeroChoice(Table& g, const SeenCounts& seen) {
    if (g.expert) return chooseExpertCard(g, &seen);
    const SeenCounts computers = g.round.seenCount;
    g.round.seenCount = seen;
    const int choice = chooseCard(g, ChooseMode::Select);
    g.round.seenCount = computers;
    return choice;
}

// Player 0's turn, taken as a person takes it: each choice is one tap on a card;
// a laid safety brings a replacement card and another tap; a move that passes the
// turn hands the next card to the computer. The computer's own turn loop.
void playerZeroTurn(Table& g, const SeenCounts& seen) {
    takeTurn(
        g, Mover::Person, [&g, &seen] { return playerZeroChoice(g, seen); },
        [&g](int target) { return executeTarget(g, target); },
        [&g] { drawCard(g, DrawSlide::Shown); });
}

} // namespace

std::uint32_t SelfPlayHost::tickCount() {
    // splitmix64: every seed, 0 included, gives a well-mixed sequence.
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return std::uint32_t((z ^ (z >> 31)) >> 32);
}

void prepareSelfPlay(Game& g) {
    g.round.flags = 0;
    g.round.set(flag::sortHand, true);
    g.round.setDiscardMode(DefaultDiscardMode);
    g.round.animDelay = DefaultAnimDelay;
    g.playerCount = 1;
}

bool playSelfPlayHand(Session& g, const Levels& levels, bool newGame) {
    GameEvents* const listener = g.events;
    SeatZeroMemory memory;
    // Nobody watches a self-played hand, and the computer's planning and the simulator
    // play thousands: the table's own board, which would queue steps only for them to
    // be dropped, is not told, and with nobody else listening the memory hears the
    // rules directly. A listener set in the board's place hears the hand too.
    const bool othersListen = !g.reportsToOwnBoard() && listener != &GameEvents::silent();
    FanOut both{&memory, listener};
    g.events = othersListen ? static_cast<GameEvents*>(&both) : &memory;
    // The computer may open the hand inside beginHand.
    setComputerLevel(g, levels[1]);
    beginHand(g, 1, newGame ? GameScores::Reset : GameScores::Kept);
    bool ended = true;
    for (int turns = 0; !handOver(g); ++turns) {
        if (turns == MaxTurnsPerHand) {
            ended = false;
            break;
        }
        if (g.currentPlayer == 0) {
            setComputerLevel(g, levels[0]);
            playerZeroTurn(g, memory.seen);
        } else {
            setComputerLevel(g, levels[1]);
            computerTurn(g);
        }
    }
    g.presentation.clear(); // whatever the turns queued themselves
    g.events = listener;
    return ended;
}

} // namespace tarmigo
