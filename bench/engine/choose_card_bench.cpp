// The computer's choice on positions taken from real hands, and whole hands of
// self-play through the full move code.
#include "ai/blocked_hand.h"
#include "ai/choose_card.h"
#include "app/self_play.h"
#include "app/taps.h"
#include "game/deal.h"
#include "game/hand_end.h"
#include "game/moves.h"
#include "turns/tap.h"

#include <benchmark/benchmark.h>

#include <deque>

using namespace tarmigo;

namespace {

constexpr int PositionCount = 512;

// Positions at the moment a player chooses, gathered from self-played hands:
// every turn of every hand, from the deal to the last discards.
struct Positions {
    SelfPlayHost host{2024};
    std::deque<Session> games;

    Positions() {
        Session g(host, host);
        prepareSelfPlay(g);
        for (int hand = 0; int(games.size()) < PositionCount; ++hand) {
            g.round.set(flag::hard, hand % 2 == 0);
            beginHand(g, 1,
                      hand != 0 && !g.has(flag::gameOver) ? GameScores::Kept : GameScores::Reset);
            for (int move = 0; move < 400 && !g.has(flag::handOver); ++move) {
                drawCard(g, DrawSlide::Shown);
                if (move % 3 == 0) games.push_back(g);
                const MoveResult result = executeTarget(g, chooseCard(g, ChooseMode::Select));
                checkBlockedHand(g);
                if (result == MoveResult::TurnPasses)
                    g.currentPlayer = std::uint8_t(1 - g.currentPlayer);
            }
        }
    }
};

void BM_ChooseCard(benchmark::State& state) {
    static Positions positions;
    std::size_t i = 0;
    for (auto _ : state) {
        Session& g = positions.games[i];
        benchmark::DoNotOptimize(chooseCard(g, ChooseMode::Select));
        if (++i == positions.games.size()) i = 0;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ChooseCard);

// The question the blocked-hand check asks, for both players at the end of a hand.
void BM_ChooseCardAskOnly(benchmark::State& state) {
    static Positions positions;
    std::size_t i = 0;
    for (auto _ : state) {
        Session& g = positions.games[i];
        benchmark::DoNotOptimize(chooseCard(g, ChooseMode::AskOnly));
        if (++i == positions.games.size()) i = 0;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ChooseCardAskOnly);

void BM_SelfPlayHand(benchmark::State& state) {
    SelfPlayHost host(1);
    Session g(host, host);
    prepareSelfPlay(g);
    const Levels levels{state.range(0) != 0 ? Level::Hard : Level::Easy, Level::Easy};
    bool newGame = true;
    for (auto _ : state) {
        benchmark::DoNotOptimize(playSelfPlayHand(g, levels, newGame));
        newGame = g.has(flag::gameOver);
    }
    state.SetItemsProcessed(state.iterations());
    state.SetLabel(levels[0] == Level::Hard ? "hard against easy" : "easy against easy");
}
BENCHMARK(BM_SelfPlayHand)->Arg(1)->Arg(0);

} // namespace
