// What the example slide costs on the Qt surface with a host that really sleeps:
// a hazard from hand slot 1 (5, 219) onto the opponent's battle pile (141, 99),
// 34 steps at the default pace of 8 ms. The slide should take at least 272 ms of
// wall time while keeping the processor below a tenth of that.
//
//   tarmigo_slide_cost [RUNS] [ZOOM] [PACE_MS]
#include "board/animation.h"
#include "board/draw.h"
#include "board/layout.h"
#include "board/table.h"
#include "game/targets.h"
#include "qt/board/qt_surface.h"
#include "support/test_host.h"

#include <QGuiApplication>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <thread>

namespace tarmigo::bench {
namespace {

// Plays a queued slide onto the surface as the window does, waiting out each frame's
// pause (the window waits on a timer; here the thread sleeps). Returns the frames.
int playSlide(Presentation& queue, DrawingSurface& surface) {
    int frames = 0;
    while (!queue.empty()) {
        const Step step = queue.take();
        if (step.kind == Step::Kind::Draw) applyDraw(step.op, surface);
        if (step.kind != Step::Kind::Frame) continue;
        ++frames;
        if (step.delayMs > 0) std::this_thread::sleep_for(std::chrono::milliseconds(step.delayMs));
    }
    return frames;
}

struct Cost {
    int steps;
    double wallMs;
    double cpuMs;
};

Cost runSlide(int zoom, int pace) {
    tarmigo::testing::TestHost host;
    Table g(host, host);
    g.layout = computeLayout(240, 320);
    g.playerCount = 1;
    g.round.raceLength = 700;
    g.round.deckPos = 40;
    g.round.animDelay = pace;
    g.round.set(flag::animate, true);
    g.players[0].hand = {Stop, Distance25, Go, Repairs, Distance50, Gasoline, SpeedLimit};
    g.players[1].setBattle(BattleGo);
    g.players[0].setSelectedSlot(1);
    QtSurface surface(240, 320, zoom);
    paintWindow(g, surface);
    g.presentation.startFrom(surface.background());
    g.surface = &g.presentation;

    const auto wall0 = std::chrono::steady_clock::now();
    const std::clock_t cpu0 = std::clock();
    slideLaid(SlideStage{g.presentation, g.presentation, g.layout, true, g.round.animDelay},
              Laid{0, 1, Stop, target::BattlePile + 1});
    const int steps = playSlide(g.presentation, surface);
    const std::clock_t cpu1 = std::clock();
    const auto wall1 = std::chrono::steady_clock::now();
    return {steps, std::chrono::duration<double, std::milli>(wall1 - wall0).count(),
            1000.0 * static_cast<double>(cpu1 - cpu0) / CLOCKS_PER_SEC};
}

} // namespace
} // namespace tarmigo::bench

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const int zoom = argc > 2 ? std::max(1, std::atoi(argv[2])) : 1;
    const int pace = argc > 3 ? std::max(0, std::atoi(argv[3])) : 8;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);

    double wallSum = 0;
    double cpuSum = 0;
    for (int i = 0; i < runs; ++i) {
        tarmigo::bench::Cost c = tarmigo::bench::runSlide(zoom, pace);
        std::printf("run %d: %d steps, wall %.1f ms, cpu %.2f ms (%.2f%%)\n", i + 1, c.steps,
                    c.wallMs, c.cpuMs, 100.0 * c.cpuMs / c.wallMs);
        wallSum += c.wallMs;
        cpuSum += c.cpuMs;
    }
    const double wall = wallSum / runs;
    const double cpu = cpuSum / runs;
    const double minimum = 34.0 * pace;
    // Without a pause the slide only draws, so the processor share says nothing.
    const bool met = wall >= minimum && (pace == 0 || cpu < 0.1 * wall);
    std::printf("zoom %d, pace %d ms: mean wall %.1f ms (at least %.0f), mean cpu %.2f ms "
                "(%.2f%%, under 10%%): %s\n",
                zoom, pace, wall, minimum, cpu, 100.0 * cpu / wall, met ? "met" : "NOT met");
    return 0;
}
