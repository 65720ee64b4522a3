#pragma once
// The simulator's command line.
#include "app/self_play.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace tarmigo::sim {

struct Options {
    long games = 100;
    std::uint64_t seed = 1;
    Levels levels{Level::Hard, Level::Easy};
};

struct ParsedArguments {
    enum class Outcome { Run, Help, Version, Error };
    Outcome outcome = Outcome::Run;
    Options options;
    std::string error; // one line, without the program name, for Outcome::Error
};

// The arguments after the program name.
ParsedArguments parseArguments(std::span<const std::string_view> args);

extern const char* const usageText;

} // namespace tarmigo::sim
