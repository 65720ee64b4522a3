#include "app/statistics_book.h"

#include <charconv>
#include <sstream>

namespace tarmigo {
namespace {

// Reads whole unsigned numbers, one space apart, refusing anything else.
class NumberReader {
  public:
    explicit NumberReader(std::string_view text)
        : at_(text.data()), end_(text.data() + text.size()) {}
    template <class Int> bool next(Int& out) {
        if (!first_) {
            if (at_ == end_ || *at_ != ' ') return false;
            ++at_;
        }
        first_ = false;
        const auto [next, error] = std::from_chars(at_, end_, out);
        at_ = next;
        return error == std::errc();
    }
    const char* at() const { return at_; }
    bool done() const { return at_ == end_; }

  private:
    const char* at_;
    const char* end_;
    bool first_ = true;
};

} // namespace

std::uint64_t dealOf(const Game& g) {
    std::uint64_t h = 14695981039346656037ull; // FNV-1a
    for (Card c : g.deck) {
        h ^= std::uint8_t(c);
        h *= 1099511628211ull;
    }
    return h;
}

std::optional<HandMark> finishedHand(const Game& g) {
    if (!handOver(g)) return std::nullopt;
    HandMark m;
    m.deal = dealOf(g);
    for (int p = 0; p < 2; ++p) {
        m.gameScores[p] = g.players[p].gameScore;
        m.handScores[p] = g.players[p].handScore;
    }
    m.deckPos = g.round.deckPos;
    return m;
}

const char* StatisticsBook::keyOf(Opponent o) {
    static const char* const Names[OpponentCount] = {"easy", "hard", "expert", "twoPlayers",
                                                     "network"};
    return Names[int(o)];
}

Figures StatisticsBook::figures(Opponent o) const {
    if (!store_) return {};
    const std::optional<std::string> text = store_->read(keyOf(o));
    if (!text) return {};
    return figuresFromText(*text).value_or(Figures{});
}

// "DEAL GAME0 GAME1 HAND0 HAND1 DECKPOS", then " OPPONENT FIGURES..." when the
// figures before the hand are kept.
std::string StatisticsBook::lastHandText(const LastHand& last) {
    const HandMark& m = last.mark;
    std::ostringstream out;
    out << m.deal << ' ' << m.gameScores[0] << ' ' << m.gameScores[1] << ' ' << m.handScores[0]
        << ' ' << m.handScores[1] << ' ' << int(m.deckPos);
    if (last.before)
        out << ' ' << int(last.before->first) << ' ' << figuresText(last.before->second);
    return out.str();
}

std::optional<StatisticsBook::LastHand> StatisticsBook::lastHandFromText(std::string_view text) {
    LastHand last;
    HandMark& m = last.mark;
    NumberReader read(text);
    unsigned deckPos = 0;
    if (!(read.next(m.deal) && read.next(m.gameScores[0]) && read.next(m.gameScores[1]) &&
          read.next(m.handScores[0]) && read.next(m.handScores[1]) && read.next(deckPos)) ||
        deckPos > DeckSize)
        return std::nullopt;
    m.deckPos = std::uint8_t(deckPos);
    if (read.done()) return last;
    unsigned opponent = 0;
    if (!read.next(opponent) || opponent >= OpponentCount || read.done() || *read.at() != ' ')
        return std::nullopt;
    const std::optional<Figures> before =
        figuresFromText(text.substr(std::size_t(read.at() + 1 - text.data())));
    if (!before) return std::nullopt;
    last.before.emplace(Opponent(opponent), *before);
    return last;
}

const char* StatisticsBook::markKey() const {
    return games_ == Games::Network ? LastNetworkHandKey : LastHandKey;
}

Opponent StatisticsBook::opponentOf(const Game& g, bool expertChosen) const {
    return games_ == Games::Network ? Opponent::Network : tarmigo::opponentOf(g, expertChosen);
}

std::optional<StatisticsBook::LastHand> StatisticsBook::lastHand() const {
    if (!store_) return std::nullopt;
    const std::optional<std::string> text = store_->read(markKey());
    return text ? lastHandFromText(*text) : std::nullopt;
}

void StatisticsBook::countFinishedHand(const Game& g, bool expertChosen) {
    const std::optional<HandMark> mark = finishedHand(g);
    if (!store_ || !mark) return;
    const std::optional<LastHand> last = lastHand();
    if (last && last->mark == *mark) return; // counted already
    const Opponent o = opponentOf(g, expertChosen);
    const Figures before = figures(o);
    Figures after = before;
    countHand(after, g);
    // The figures and the mark in one write, so that a kill keeps both or neither.
    store_->write(
        {{keyOf(o), figuresText(after)}, {markKey(), lastHandText({*mark, std::pair(o, before)})}});
}

void StatisticsBook::takeBackHand() {
    const std::optional<LastHand> last = lastHand();
    if (!store_ || !last || !last->before) return;
    // No mark: the reopened hand is counted when it ends, even the same way.
    store_->write({{keyOf(last->before->first), figuresText(last->before->second)},
                   {markKey(), std::nullopt}});
}

void StatisticsBook::settle(const Game& g, bool expertChosen) {
    if (handOver(g)) {
        countFinishedHand(g, expertChosen);
        return;
    }
    // A hand in play from the deal of the hand counted last: an undo reopened it, and
    // the kill came before the figures were taken back.
    const std::optional<LastHand> last = lastHand();
    if (last && last->before && last->mark.deal == dealOf(g)) takeBackHand();
}

void StatisticsBook::countForfeit(const Game& g, bool expertChosen, int creditedSeat) {
    if (!store_) return;
    const Opponent o = opponentOf(g, expertChosen);
    Figures f = figures(o);
    tarmigo::countForfeit(f, creditedSeat);
    StatisticsStore::Lines lines{{keyOf(o), figuresText(f)}};
    // The forfeit cannot be undone: the figures before the last hand are dropped.
    if (const std::optional<LastHand> last = lastHand(); last && last->before)
        lines.emplace_back(markKey(), lastHandText({last->mark, std::nullopt}));
    store_->write(lines);
}

void StatisticsBook::countSeatHand(const SeatView& v) {
    if (!store_ || !v.handOver) return;
    Figures f = figures(Opponent::Network);
    countHand(f, v);
    store_->write({{keyOf(Opponent::Network), figuresText(f)}});
}

void StatisticsBook::reset() {
    if (!store_) return;
    StatisticsStore::Lines lines;
    for (int o = 0; o < OpponentCount; ++o) lines.emplace_back(keyOf(Opponent(o)), std::nullopt);
    // Both games' marks stay, without the figures before them.
    for (const Games games : {Games::Local, Games::Network}) {
        const StatisticsBook book(store_, games);
        if (const std::optional<LastHand> last = book.lastHand(); last && last->before)
            lines.emplace_back(book.markKey(), lastHandText({last->mark, std::nullopt}));
    }
    store_->write(lines);
}

} // namespace tarmigo
