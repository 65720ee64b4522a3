// The Expert's choice, one decision at a time over positions from self-played
// hands; reports the 99th percentile, the figure a tap must stay within.
#include "ai/blocked_hand.h"
#include "ai/choose_card.h"
#include "ai/expert.h"
#include "app/self_play.h"
#include "board/table.h"
#include "game/deal.h"
#include "game/hand_end.h"
#include "game/moves.h"
#include "turns/tap.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <deque>
#include <vector>

using namespace tarmigo;

namespace {

constexpr int PositionCount = 300;

// The computer's positions (player 1 to move, its card drawn), every other turn of
// Hard-played hands from the deal to the last discards.
struct ExpertPositions {
    SelfPlayHost host{77};
    std::deque<Game> games;

    ExpertPositions() {
        Table g(host, host);
        prepareSelfPlay(g);
        g.round.set(flag::hard, true);
        for (int hand = 0; int(games.size()) < PositionCount; ++hand) {
            startHand(g, 1,
                      hand != 0 && !g.has(flag::gameOver) ? GameScores::Kept : GameScores::Reset);
            for (int move = 0; move < 400 && !g.has(flag::handOver); ++move) {
                drawCard(g, DrawSlide::Hidden);
                // Only the rules' state: the position as the computer sees it.
                if (g.currentPlayer == 1 && move % 2 == 0) games.push_back(Game(g));
                const MoveResult result = executeTarget(g, chooseCard(g, ChooseMode::Select));
                checkBlockedHand(g);
                if (result == MoveResult::TurnPasses)
                    g.currentPlayer = std::uint8_t(1 - g.currentPlayer);
            }
        }
    }
};

// Wall time suffers from whatever else the machine runs; the processor time of
// the one thread is what a decision costs on a core of its own.
void BM_ExpertChoice(benchmark::State& state) {
    static ExpertPositions positions;
    std::vector<double> wall;
    std::vector<double> cpu;
    std::size_t i = 0;
    for (auto _ : state) {
        Game g = positions.games[i];
        const auto start = std::chrono::steady_clock::now();
        const std::clock_t cpuStart = std::clock();
        benchmark::DoNotOptimize(chooseExpertCardSeeded(g, std::uint32_t(i), &g.round.seenCount));
        cpu.push_back(1000.0 * double(std::clock() - cpuStart) / CLOCKS_PER_SEC);
        wall.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
        if (++i == positions.games.size()) i = 0;
    }
    auto percentile = [](std::vector<double>& v, int pc) {
        std::sort(v.begin(), v.end());
        return v[std::min(v.size() - 1, v.size() * std::size_t(pc) / 100)];
    };
    state.counters["p50_ms"] = percentile(wall, 50);
    state.counters["p99_ms"] = percentile(wall, 99);
    state.counters["max_ms"] = wall.back();
    state.counters["cpu_p50_ms"] = percentile(cpu, 50);
    state.counters["cpu_p99_ms"] = percentile(cpu, 99);
    state.counters["cpu_max_ms"] = cpu.back();
}
BENCHMARK(BM_ExpertChoice)->Iterations(PositionCount)->Unit(benchmark::kMillisecond);

} // namespace
