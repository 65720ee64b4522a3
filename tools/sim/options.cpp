#include "options.h"

#include <charconv>

namespace tarmigo::sim {
namespace {

// Enough for hours of play; a larger count is more likely a typing slip.
constexpr long MaxGames = 100'000'000;

ParsedArguments failure(std::string message) {
    ParsedArguments r;
    r.outcome = ParsedArguments::Outcome::Error;
    r.error = std::move(message);
    return r;
}

template <class Int> bool parseWhole(std::string_view text, Int& out) {
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, out);
    return !text.empty() && ec == std::errc() && ptr == end;
}

std::string quoted(std::string_view s) {
    // Appended in place: `"'" + std::string(s)` inserts at the front, which GCC 12
    // at -O3 wrongly reports as an overlapping copy (-Wrestrict).
    std::string out;
    out.reserve(s.size() + 2);
    out += '\'';
    out += s;
    out += '\'';
    return out;
}

} // namespace

const char* const usageText =
    "usage: tarmigo-sim [--games N] [--seed S] [--p0 easy|hard|expert]\n"
    "                   [--p1 easy|hard|expert]\n"
    "       tarmigo-sim --version\n"
    "Plays N whole one-player games (default 100) with the computer's choice on both\n"
    "sides: player 1 is the computer as in the game, player 0 plays the same choice\n"
    "through a person's moves. S (default 1) is the seed of the clock that shuffles the\n"
    "deck, drives Easy mode's random skips and seeds Expert's planning; the same arguments replay "
    "the same\n"
    "games. The levels default to --p0 hard --p1 easy.\n";

ParsedArguments parseArguments(std::span<const std::string_view> args) {
    ParsedArguments r;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string_view flag = args[i];
        if (flag == "--help" || flag == "-h") {
            r.outcome = ParsedArguments::Outcome::Help;
            return r;
        }
        if (flag == "--version") {
            r.outcome = ParsedArguments::Outcome::Version;
            return r;
        }
        std::string_view value;
        bool inlineValue = false;
        if (auto eq = flag.find('='); flag.starts_with("--") && eq != std::string_view::npos) {
            value = flag.substr(eq + 1);
            flag = flag.substr(0, eq);
            inlineValue = true;
        }
        if (flag != "--games" && flag != "--seed" && flag != "--p0" && flag != "--p1")
            return failure("unknown argument " + quoted(args[i]) + " (try --help)");
        if (!inlineValue) {
            if (i + 1 == args.size()) return failure(std::string(flag) + " needs a value");
            value = args[++i];
        }
        if (flag == "--games") {
            long n = 0;
            if (!parseWhole(value, n) || n < 1 || n > MaxGames)
                return failure("--games needs a whole number from 1 to 100000000, not " +
                               quoted(value));
            r.options.games = n;
        } else if (flag == "--seed") {
            std::uint64_t s = 0;
            if (!parseWhole(value, s))
                return failure("--seed needs a whole number from 0 to 18446744073709551615, "
                               "not " +
                               quoted(value));
            r.options.seed = s;
        } else {
            const int side = flag == "--p0" ? 0 : 1;
            if (value != "easy" && value != "hard" && value != "expert")
                return failure(std::string(flag) + " needs easy, hard or expert, not " +
                               quoted(value));
            r.options.levels[side] = value == "easy"   ? Level::Easy
                                     : value == "hard" ? Level::Hard
                                                       : Level::Expert;
        }
    }
    return r;
}

} // namespace tarmigo::sim
