// One full paint of a mid-hand board, on the Qt surface at zoom 1 and 3 and on
// the recording surface that the replay driver paints into after every line; and
// the board's rest, its picture compressed and then expanded for the next move.
#include "board/draw.h"
#include "board/layout.h"
#include "board/recording_surface.h"
#include "board/table.h"
#include "qt/board/qt_surface.h"
#include "support/test_host.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

namespace tarmigo::bench {
namespace {

// Both players well into a hand: stacks, safeties, a limit, a hazard, a selection.
void midHand(Table& g) {
    g.layout = computeLayout(240, 320);
    g.playerCount = 1;
    g.currentPlayer = 0;
    g.round.raceLength = 700;
    g.round.deckPos = 40;
    g.round.discardTop = Stop;
    g.round.set(flag::showPlayable, true);
    PlayerRecord& p0 = g.players[0];
    PlayerRecord& p1 = g.players[1];
    p0.hand = {Distance25, Distance100, Go, Stop, SpeedLimit, Repairs, RightOfWay};
    p0.setBattle(BattleGo);
    p0.distancePlayed = {2, 1, 0, 2, 1};
    p0.miles = 500;
    p0.setSafeties(0b0110);
    p0.setCoupFourre(0b0100);
    p0.setSelectedSlot(2);
    p0.handScore = 900;
    p0.gameScore = 1200;
    p1.hand = p0.hand;
    p1.setBattle(BattleAccident);
    p1.setSpeed(SpeedLimited);
    p1.distancePlayed = {0, 3, 1, 0, 0};
    p1.miles = 225;
    p1.setSafeties(1);
    g.seats[0].status = {text::TapToPlay, false, 0};
}

void BM_PaintQtSurface(benchmark::State& state) {
    tarmigo::testing::TestHost host;
    Table g(host, host);
    midHand(g);
    QtSurface surface(240, 320, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        paintWindow(g, surface);
        benchmark::DoNotOptimize(surface.image().constBits());
    }
}
BENCHMARK(BM_PaintQtSurface)->Arg(1)->Arg(3)->Unit(benchmark::kMicrosecond);

// Arguments: the zoom, and 1 to time the wake alone, what the first key or tap after a
// rest waits for.
void BM_RestAndWake(benchmark::State& state) {
    tarmigo::testing::TestHost host;
    Table g(host, host);
    midHand(g);
    QtSurface surface(240, 320, static_cast<int>(state.range(0)));
    paintWindow(g, surface);
    const bool wakeOnly = state.range(1) != 0;
    for (auto _ : state) {
        if (wakeOnly) state.PauseTiming();
        surface.compress();
        if (wakeOnly) state.ResumeTiming();
        benchmark::DoNotOptimize(surface.image().constBits());
    }
}
BENCHMARK(BM_RestAndWake)
    ->Args({1, 0})
    ->Args({2, 0})
    ->Args({3, 0})
    ->Args({2, 1})
    ->Unit(benchmark::kMicrosecond);

void BM_PaintRecording(benchmark::State& state) {
    tarmigo::testing::TestHost host;
    Table g(host, host);
    midHand(g);
    RecordingSurface surface;
    for (auto _ : state) {
        surface.clear();
        paintWindow(g, surface);
        benchmark::DoNotOptimize(surface.ops().data());
    }
}
BENCHMARK(BM_PaintRecording)->Unit(benchmark::kMicrosecond);

void BM_RenderRecording(benchmark::State& state) {
    tarmigo::testing::TestHost host;
    Table g(host, host);
    midHand(g);
    RecordingSurface surface;
    paintWindow(g, surface);
    for (auto _ : state) {
        QImage image = renderRecording(surface, static_cast<int>(state.range(0)));
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_RenderRecording)->Arg(1)->Arg(3)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace tarmigo::bench

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
