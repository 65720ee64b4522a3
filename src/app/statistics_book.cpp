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

// What tells a game given up from the game after it, even one dealt alike: the deal,
// and the game scores and games won of both players.
std::string gameOf(const Game& g) {
    std::ostringstream out;
    out << dealOf(g);
    for (const PlayerRecord& p : g.players)
        out << ' ' << p.gameScore << ' ' << p.gamesWon(g.playerCount);
    return out.str();
}

// " OPPONENT FIGURES..." at the reader, to the end of the text.
std::optional<std::pair<Opponent, Figures>> readBefore(NumberReader& read, std::string_view text) {
    unsigned opponent = 0;
    if (!read.next(opponent) || opponent >= OpponentCount || read.done() || *read.at() != ' ')
        return std::nullopt;
    const std::optional<Figures> figures =
        figuresFromText(text.substr(std::size_t(read.at() + 1 - text.data())));
    if (!figures) return std::nullopt;
    return std::pair(Opponent(opponent), *figures);
}

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
    last.before = readBefore(read, text);
    if (!last.before) return std::nullopt;
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
    StatisticsStore::Lines lines{{keyOf(o), figuresText(after)},
                                 {markKey(), lastHandText({*mark, std::pair(o, before)})}};
    // A hand of the game after a forfeit has ended: that game was saved, the forfeit stands.
    if (games_ == Games::Local) {
        lines.emplace_back(ForfeitKey, std::nullopt);
        lines.emplace_back(ForfeitLastHandKey, std::nullopt);
    }
    store_->write(lines);
}

void StatisticsBook::takeBackHand() {
    const std::optional<LastHand> last = lastHand();
    if (!store_ || !last || !last->before) return;
    // No mark: the reopened hand is counted when it ends, even the same way.
    store_->write({{keyOf(last->before->first), figuresText(last->before->second)},
                   {markKey(), std::nullopt}});
}

void StatisticsBook::settle(const Game& g, bool expertChosen) {
    settleForfeit(g);
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
    const Figures before = figures(o);
    Figures f = before;
    tarmigo::countForfeit(f, creditedSeat);
    StatisticsStore::Lines lines{{keyOf(o), figuresText(f)}};
    // With the figures, what puts them back if the next start restores this game.
    if (games_ == Games::Local) {
        lines.emplace_back(ForfeitKey,
                           gameOf(g) + ' ' + std::to_string(int(o)) + ' ' + figuresText(before));
        lines.emplace_back(ForfeitLastHandKey, store_->read(markKey()));
    }
    // The forfeit cannot be undone: the figures before the last hand are dropped.
    if (const std::optional<LastHand> last = lastHand(); last && last->before)
        lines.emplace_back(markKey(), lastHandText({last->mark, std::nullopt}));
    store_->write(lines);
}

void StatisticsBook::settleForfeit(const Game& g) {
    const std::optional<std::string> text =
        store_ && games_ == Games::Local ? store_->read(ForfeitKey) : std::nullopt;
    if (!text) return;
    StatisticsStore::Lines lines{{ForfeitKey, std::nullopt}, {ForfeitLastHandKey, std::nullopt}};
    const std::string game = gameOf(g);
    if (text->starts_with(game + ' ')) {
        // Killed before the next game was saved: the game was never given up.
        const std::string_view rest = std::string_view(*text).substr(game.size() + 1);
        NumberReader read(rest);
        if (const auto before = readBefore(read, rest)) {
            lines.emplace_back(keyOf(before->first), figuresText(before->second));
            lines.emplace_back(markKey(), store_->read(ForfeitLastHandKey));
        }
    }
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
    lines.emplace_back(ForfeitKey, std::nullopt);
    lines.emplace_back(ForfeitLastHandKey, std::nullopt);
    // Both games' marks stay, without the figures before them.
    for (const Games games : {Games::Local, Games::Network}) {
        const StatisticsBook book(store_, games);
        if (const std::optional<LastHand> last = book.lastHand(); last && last->before)
            lines.emplace_back(book.markKey(), lastHandText({last->mark, std::nullopt}));
    }
    store_->write(lines);
}

} // namespace tarmigo
