#include "app/statistics.h"

#include <bit>
#include <charconv>
#include <limits>

namespace tarmigo {
namespace {

constexpr std::uint32_t MaxHandScore = std::numeric_limits<std::uint16_t>::max();
constexpr std::uint32_t SafetyKinds = 4;
constexpr int FigureCount = 11;

// The fields in their stored order, for writing and reading alike.
template <class F, class Visit> void eachField(F& f, Visit visit) {
    visit(f.games);
    visit(f.gamesWon);
    visit(f.hands);
    visit(f.handsWon);
    visit(f.longestStreak);
    visit(f.currentStreak);
    visit(f.bestHand);
    visit(f.handScoreTotal);
    visit(f.coupsFourres);
    visit(f.tripsCompleted);
    visit(f.shutOuts);
}

void countGame(Figures& f, bool won) {
    ++f.games;
    if (!won) {
        f.currentStreak = 0;
        return;
    }
    ++f.gamesWon;
    ++f.currentStreak;
    if (f.currentStreak > f.longestStreak) f.longestStreak = f.currentStreak;
}

bool consistent(const Figures& f) {
    const std::uint64_t hands = f.hands;
    return f.gamesWon <= f.games && f.handsWon <= f.hands && f.longestStreak <= f.gamesWon &&
           f.currentStreak <= f.longestStreak && f.bestHand <= MaxHandScore &&
           f.bestHand <= f.handScoreTotal && f.handScoreTotal <= hands * MaxHandScore &&
           f.coupsFourres <= hands * SafetyKinds && f.tripsCompleted <= f.hands &&
           f.shutOuts <= f.tripsCompleted;
}

std::uint32_t roundedRatio(std::uint64_t numerator, std::uint64_t denominator) {
    return denominator == 0 ? 0 : std::uint32_t((2 * numerator + denominator) / (2 * denominator));
}

} // namespace

std::uint32_t Figures::percentWon() const {
    return roundedRatio(std::uint64_t(gamesWon) * 100, games);
}

std::uint32_t Figures::meanHandScore() const {
    return roundedRatio(handScoreTotal, hands);
}

Opponent opponentOf(const Game& g, bool expertChosen) {
    if (g.playerCount == 2) return Opponent::TwoPlayers;
    if (!g.has(flag::hard)) return Opponent::Easy;
    return expertChosen ? Opponent::Expert : Opponent::Hard;
}

namespace {

// A hand's result for one seat: equal hand scores go to the first seat, as in the rules.
struct SeatResult {
    int handScore, otherHandScore, miles, otherMiles, coupFourre, raceLength;
    bool firstSeat, gameOver, gameWon;
};

void countResult(Figures& f, const SeatResult& r) {
    ++f.hands;
    if (r.handScore > r.otherHandScore || (r.firstSeat && r.handScore == r.otherHandScore))
        ++f.handsWon;
    const auto score = std::uint32_t(r.handScore);
    if (score > f.bestHand) f.bestHand = score;
    f.handScoreTotal += score;
    f.coupsFourres += std::uint32_t(std::popcount(unsigned(r.coupFourre)));
    if (r.miles == r.raceLength) {
        ++f.tripsCompleted;
        if (r.otherMiles == 0) ++f.shutOuts;
    }
    if (r.gameOver) countGame(f, r.gameWon);
}

} // namespace

void countHand(Figures& f, const Game& g) {
    const PlayerRecord& own = g.players[0];
    const PlayerRecord& other = g.players[1];
    countResult(f, {own.handScore, other.handScore, own.miles, other.miles, own.coupFourre(),
                    g.round.raceLength, true, g.has(flag::gameOver), g.round.winner == 0});
}

void countHand(Figures& f, const SeatView& v) {
    const PlayerView& own = v.players[std::size_t(v.seat)];
    const PlayerView& other = v.players[std::size_t(1 - v.seat)];
    // A game ends only when one score is ahead past the line.
    countResult(f, {own.handScore, other.handScore, own.miles, other.miles, own.coupFourre,
                    v.raceLength, v.seat == 0, v.gameOver, own.gameScore > other.gameScore});
}

void countForfeit(Figures& f, int creditedSeat) {
    countGame(f, creditedSeat == 0);
}

std::string figuresText(const Figures& f) {
    std::string text;
    eachField(f, [&text](auto value) {
        if (!text.empty()) text += ' ';
        text += std::to_string(value);
    });
    return text;
}

std::optional<Figures> figuresFromText(std::string_view text) {
    Figures f;
    const char* at = text.data();
    const char* const end = text.data() + text.size();
    int read = 0;
    bool ok = true;
    eachField(f, [&](auto& value) {
        if (!ok) return;
        if (read > 0) {
            if (at == end || *at != ' ') {
                ok = false;
                return;
            }
            ++at;
        }
        // from_chars takes no sign and no space, so "-1" and "+1" are refused too.
        const auto [next, error] = std::from_chars(at, end, value);
        ok = error == std::errc();
        at = next;
        ++read;
    });
    if (!ok || at != end || read != FigureCount || !consistent(f)) return std::nullopt;
    return f;
}

} // namespace tarmigo
