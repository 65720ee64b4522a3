// tarmigo-sim: the computer against itself, many games at a time.
#include "game/version.h"
#include "options.h"
#include "simulation.h"

#include <iostream>
#include <string_view>
#include <vector>

int main(int argc, char** argv) {
    using namespace tarmigo::sim;
    const std::vector<std::string_view> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    const ParsedArguments parsed = parseArguments(args);
    switch (parsed.outcome) {
    case ParsedArguments::Outcome::Help: std::cout << usageText; return 0;
    case ParsedArguments::Outcome::Version:
        std::cout << "tarmigo-sim " << tarmigo::ProgramVersion << '\n';
        return 0;
    case ParsedArguments::Outcome::Error:
        std::cerr << "tarmigo-sim: " << parsed.error << '\n';
        return 2;
    case ParsedArguments::Outcome::Run: break;
    }
    const Report report = runSimulation(parsed.options);
    printReport(std::cout, parsed.options, report);
    if (report.stalled) {
        std::cerr << "tarmigo-sim: a hand or game failed to end; the engine is at fault\n";
        return 1;
    }
    return 0;
}
