#pragma once
// Whole games of self-play and the figures the simulator prints.
#include "options.h"

#include <array>
#include <ostream>

namespace tarmigo::sim {

struct SideFigures {
    long gamesWon = 0;
    long handsWon = 0; // hand score strictly above the other side's
    long long handScoreTotal = 0;
    long coupsFourres = 0;
    long tripsCompleted = 0;
};

struct Report {
    std::array<SideFigures, 2> sides;
    long games = 0;
    long hands = 0;
    long tiedHands = 0;
    long blockedHands = 0; // ended without a completed trip
    double seconds = 0;    // wall clock of the play alone
    bool stalled = false;  // a hand failed to end: a fault in the engine
};

Report runSimulation(const Options& options);
// Every line but the last is reproducible; the last gives the speed.
void printReport(std::ostream& out, const Options& options, const Report& report);

} // namespace tarmigo::sim
