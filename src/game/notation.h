#pragma once
// A game position in one line, for the tables of the tests and the `position` line of
// tarmigo-replay:
//
//     "go limit miles=650 hand=hk | stop safe=u | turn=1 deck=101"
//
// The player 0 part, the player 1 part and the game part, separated by '|'; each a list
// of words. Cards are letters ('f' Distance25 .. 'x' PunctureProof, '.' an empty slot).
//   player: go repairs gasoline spare stop accident outofgas flat (the battle pile),
//           limit ended (the speed pile), miles=N (laid as 100s, a 50 and a 25),
//           twos=N (that many of the miles as 200s, at most 2), laid=a.b.c.d.e (the five
//           distance counts, when they differ from those miles=N implies; after it, as
//           miles=N and twos=N lay the cards again), score=H, game=G,
//           won=N or won=ONE/TWO (games won alone and by two), safe=LETTERS,
//           cf=LETTERS (coups fourres), hazard=N (the pending hazard), draw=S, sel=S,
//           mark=S (slots), delayed, hand=LETTERS
//   game:   one, two (a one- or two-player game), turn=P, deck=N (the draw pile's
//           position, 40 when not given), next=LETTERS (the cards drawn next, from the
//           position deck=N gives, so after it), drawn=LETTERS (the cards from the
//           first of the pile on, those already drawn), pile=L (the discard pile's top),
//           race=N, over, gameover, winner=P, sounds, sort, notips, animate, hard,
//           playable, handover, modes=PD (play and discard modes), delay=N (the
//           animation delay, 8 when not given), starter=P (who opens the next hand),
//           seen=LETTERS (one letter per card seen; 'p*' for every Stop)
// Words apply in the order written, over the starting position of startPosition().
// describe() writes a position back in the same words and order, leaving out what is at
// its starting value, the options and the deck, so a table can compare a whole position
// after a move with one line; describeAll() writes every part of the game a saved copy
// holds (the kept bytes aside), so that setting its words gives the same game again.
// An unknown word throws: a typo in a table or a script never passes silently.
#include "game/game.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tarmigo::notation {

constexpr std::array<std::string_view, 10> BattleWords{"",  "go",   "repairs",  "gasoline", "spare",
                                                       "?", "stop", "accident", "outofgas", "flat"};

// The parts of text between separators; empty ones are dropped unless kept.
inline std::vector<std::string_view> wordsOf(std::string_view text, char sep = ' ',
                                             bool keepEmpty = false) {
    std::vector<std::string_view> words;
    while (!text.empty() || keepEmpty) {
        const std::size_t end = text.find(sep);
        const std::string_view w = text.substr(0, end);
        if (!w.empty() || keepEmpty) words.push_back(w);
        if (end == std::string_view::npos) break;
        text = text.substr(end + 1);
    }
    return words;
}

[[noreturn]] inline void badWord(std::string_view w) {
    throw std::invalid_argument("position notation: unknown word '" + std::string(w) + "'");
}

inline int numberOf(std::string_view w, std::string_view value) {
    int n = 0;
    const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), n);
    if (ec != std::errc{} || end != value.data() + value.size()) badWord(w);
    return n;
}

inline Card cardOf(char letter) {
    return letter == '.' ? Card(EmptySlot) : Card(letter);
}

// The distance counts that miles=N and twos=K stand for.
inline std::array<std::uint8_t, 5> distanceFor(int miles, int twos) {
    int rest = miles - 200 * twos;
    return {std::uint8_t(rest % 50 / 25), std::uint8_t(rest % 100 / 50), 0,
            std::uint8_t(rest / 100), std::uint8_t(twos)};
}

inline int safetyBits(std::string_view w, std::string_view letters) {
    int bits = 0;
    for (char c : letters) {
        if (!isSafety(Card(c))) badWord(w);
        bits |= 1 << safetyBit(Card(c));
    }
    return bits;
}

inline void applyPlayerWord(PlayerRecord& p, std::string_view w) {
    const std::size_t eq = w.find('=');
    const std::string_view key = w.substr(0, eq);
    const std::string_view value = eq == std::string_view::npos ? "" : w.substr(eq + 1);
    const auto found = std::find(BattleWords.begin() + 1, BattleWords.end(), w);
    if (found != BattleWords.end() && *found != "?")
        p.setBattle(int(found - BattleWords.begin()));
    else if (w == "limit")
        p.setSpeed(SpeedLimited);
    else if (w == "ended")
        p.setSpeed(SpeedEnded);
    else if (w == "delayed")
        p.setDelayedAction(true);
    else if (key == "miles" || key == "twos") {
        if (key == "miles") p.miles = std::uint16_t(numberOf(w, value));
        p.distancePlayed = distanceFor(p.miles, key == "twos" ? numberOf(w, value) : 0);
        if (p.distancePlayed[4] > 2) badWord(w); // no hand lays a third 200
    } else if (key == "laid") {
        const auto counts = wordsOf(value, '.', true);
        if (counts.size() != 5) badWord(w);
        for (int k = 0; k < 5; ++k) p.distancePlayed[k] = std::uint8_t(numberOf(w, counts[k]));
        if (p.distancePlayed[4] > 2) badWord(w);
    } else if (key == "score")
        p.handScore = std::uint16_t(numberOf(w, value));
    else if (key == "game")
        p.gameScore = std::uint16_t(numberOf(w, value));
    else if (key == "won") { // won=N for both modes, won=ONE/TWO
        const auto counts = wordsOf(value, '/', true);
        if (counts.size() > 2) badWord(w);
        p.gamesWon1P = std::uint16_t(numberOf(w, counts.front()));
        p.gamesWon2P = std::uint16_t(numberOf(w, counts.back()));
    } else if (key == "safe")
        p.setSafeties(safetyBits(w, value));
    else if (key == "cf")
        p.setCoupFourre(safetyBits(w, value));
    else if (key == "hazard")
        p.setLastHazard(numberOf(w, value));
    else if (key == "draw")
        p.setDrawSlot(numberOf(w, value));
    else if (key == "sel")
        p.setSelectedSlot(numberOf(w, value));
    else if (key == "mark")
        p.setMarkedSlot(numberOf(w, value));
    else if (key == "hand") {
        if (value.size() > HandSize) badWord(w);
        p.hand.fill(EmptySlot);
        for (std::size_t s = 0; s < value.size(); ++s) p.hand[s] = cardOf(value[s]);
    } else
        badWord(w);
}

struct GameFlagWord {
    std::string_view word;
    BitField field;
};
constexpr GameFlagWord GameFlags[] = {
    {"over", flag::handOver},   {"gameover", flag::gameOver}, {"sounds", flag::playSounds},
    {"sort", flag::sortHand},   {"hard", flag::hard},         {"handover", flag::turnHandover},
    {"notips", flag::hideTips}, {"animate", flag::animate},   {"playable", flag::showPlayable},
};

// The options: describe() leaves them out, as a table compares what a move changes.
inline bool isOption(std::string_view word) {
    return word == "sounds" || word == "sort" || word == "animate" || word == "playable";
}

inline void applyGameWord(Game& g, std::string_view w) {
    const std::size_t eq = w.find('=');
    const std::string_view key = w.substr(0, eq);
    const std::string_view value = eq == std::string_view::npos ? "" : w.substr(eq + 1);
    RoundRecord& r = g.round;
    for (const GameFlagWord& f : GameFlags)
        if (w == f.word) {
            r.set(f.field, true);
            return;
        }
    if (w == "one" || w == "two")
        g.playerCount = w == "one" ? 1 : 2;
    else if (key == "turn")
        g.currentPlayer = std::uint8_t(numberOf(w, value));
    else if (key == "deck")
        r.deckPos = std::uint8_t(numberOf(w, value));
    else if (key == "next") {
        if (r.deckPos + value.size() > DeckSize) badWord(w);
        for (std::size_t i = 0; i < value.size(); ++i) g.deck[r.deckPos + i] = cardOf(value[i]);
    } else if (key == "drawn") {
        if (value.size() > DeckSize) badWord(w);
        for (std::size_t i = 0; i < value.size(); ++i) g.deck[i] = cardOf(value[i]);
    } else if (key == "delay")
        r.animDelay = numberOf(w, value);
    else if (key == "starter")
        r.nextStarter = std::uint8_t(numberOf(w, value));
    else if (key == "pile" && value.size() == 1)
        r.discardTop = Card(value[0]);
    else if (key == "race")
        r.raceLength = std::int16_t(numberOf(w, value));
    else if (key == "winner")
        r.winner = std::uint8_t(numberOf(w, value));
    else if (key == "modes" && value.size() == 2 &&
             value.find_first_not_of("012") == std::string_view::npos) {
        r.set(flag::playMode, value[0] - '0');
        r.set(flag::discardMode, value[1] - '0');
    } else if (key == "seen")
        for (std::size_t i = 0; i < value.size(); ++i) {
            const Card c = Card(value[i]);
            if (!isCard(c)) badWord(w);
            if (i + 1 < value.size() && value[i + 1] == '*') // every copy of the card
                r.seenCount[c - FirstCard] = std::uint8_t(deckCount[c - FirstCard]), ++i;
            else
                ++r.seenCount[c - FirstCard];
        }
    else
        badWord(w);
}

// The position the notation starts from: a two-player hand in progress, player 0 to
// move, nothing laid or seen, a 700-mile race, the draw pile at card 40 in the order
// of a new deck, both hands empty, every option off, the animation delay at 8.
inline void startPosition(Game& g) {
    g.round = RoundRecord{};
    g.round.raceLength = StandardRace;
    g.round.deckPos = 40;
    g.round.animDelay = 8;
    g.players = {};
    for (PlayerRecord& p : g.players) p.hand.fill(EmptySlot);
    std::copy(InitialDeckOrder, InitialDeckOrder + DeckSize, g.deck.begin());
    g.playerCount = 2;
    g.currentPlayer = 0;
}

// Sets the position from the notation, over the one the game holds (startPosition()'s
// for a whole position).
inline void setPosition(Game& g, std::string_view text) {
    const auto parts = wordsOf(text, '|', true);
    if (parts.size() > 3) badWord(text);
    for (std::size_t i = 0; i < parts.size(); ++i)
        for (std::string_view w : wordsOf(parts[i]))
            i < 2 ? applyPlayerWord(g.players[i], w) : applyGameWord(g, w);
}

inline std::string describePlayer(const PlayerRecord& p) {
    std::ostringstream out;
    auto letters = [](int bits) {
        std::string s;
        for (int b = 0; b < 4; ++b)
            if (bits >> b & 1) s += char(RightOfWay + b);
        return s;
    };
    if (p.battle() != 0) out << ' ' << (p.battle() < 10 ? BattleWords[p.battle()] : "?");
    if (p.speed() != 0) out << (p.speed() == SpeedLimited ? " limit" : " ended");
    if (p.miles != 0) out << " miles=" << p.miles;
    if (p.distancePlayed[4] != 0) out << " twos=" << int(p.distancePlayed[4]);
    if (p.distancePlayed != distanceFor(p.miles, p.distancePlayed[4])) {
        out << " laid=";
        for (int k = 0; k < 5; ++k) out << (k ? "." : "") << int(p.distancePlayed[k]);
    }
    if (p.handScore != 0) out << " score=" << p.handScore;
    if (p.gameScore != 0) out << " game=" << p.gameScore;
    if (p.gamesWon1P != 0 || p.gamesWon2P != 0)
        out << " won=" << p.gamesWon1P << '/' << p.gamesWon2P;
    if (p.safeties() != 0) out << " safe=" << letters(p.safeties());
    if (p.coupFourre() != 0) out << " cf=" << letters(p.coupFourre());
    if (p.lastHazard() != 0) out << " hazard=" << p.lastHazard();
    if (p.drawSlot() != 0) out << " draw=" << p.drawSlot();
    if (p.selectedSlot() != 0) out << " sel=" << p.selectedSlot();
    if (p.markedSlot() != 0) out << " mark=" << p.markedSlot();
    if (p.delayedAction()) out << " delayed";
    std::string hand;
    for (Card c : p.hand) hand += c == EmptySlot ? '.' : char(c);
    hand.erase(hand.find_last_not_of('.') + 1);
    if (!hand.empty()) out << " hand=" << hand;
    return out.str();
}

// The words of the game part that describe() writes.
inline std::string describeGame(const Game& g) {
    const RoundRecord& r = g.round;
    std::ostringstream game;
    for (const GameFlagWord& f : GameFlags)
        if (!isOption(f.word) && r.has(f.field)) game << ' ' << f.word;
    if (g.currentPlayer != 0) game << " turn=" << int(g.currentPlayer);
    if (r.deckPos != 40) game << " deck=" << int(r.deckPos);
    if (r.discardTop != 0) game << " pile=" << char(r.discardTop);
    if (r.raceLength != StandardRace) game << " race=" << r.raceLength;
    if (r.winner != 0) game << " winner=" << int(r.winner);
    std::string seen;
    for (int k = 0; k < CardKinds; ++k) seen.append(r.seenCount[k], char(FirstCard + k));
    if (!seen.empty()) game << " seen=" << seen;
    return game.str();
}

// The three parts joined: one blank between words, none at either end.
inline std::string joinParts(const Game& g, const std::string& game) {
    const std::string text =
        describePlayer(g.players[0]) + " |" + describePlayer(g.players[1]) + " |" + game;
    std::string tidy;
    for (char c : text)
        if (!(c == ' ' && (tidy.empty() || tidy.back() == ' '))) tidy += c;
    while (!tidy.empty() && (tidy.back() == ' ' || tidy.back() == '|')) tidy.pop_back();
    return tidy;
}

// The position in the notation (the game part without next, one, delay, starter and the
// options).
inline std::string describe(const Game& g) {
    return joinParts(g, describeGame(g));
}

// The whole position: describe()'s words, then one, the options, modes, delay, starter,
// and the cards drawn and to draw, each up to its last card that differs from a new
// deck's order.
inline std::string describeAll(const Game& g) {
    const RoundRecord& r = g.round;
    std::ostringstream game;
    game << describeGame(g);
    if (g.playerCount == 1) game << " one";
    for (const GameFlagWord& f : GameFlags)
        if (isOption(f.word) && r.has(f.field)) game << ' ' << f.word;
    if (r.get(flag::playMode) != 0 || r.get(flag::discardMode) != 0)
        game << " modes=" << r.get(flag::playMode) << r.get(flag::discardMode);
    if (r.animDelay != 8) game << " delay=" << r.animDelay;
    if (r.nextStarter != 0) game << " starter=" << int(r.nextStarter);
    auto changed = [&](std::size_t begin, std::size_t end) {
        while (end > begin && g.deck[end - 1] == Card(InitialDeckOrder[end - 1])) --end;
        return std::string(g.deck.begin() + begin, g.deck.begin() + end);
    };
    const std::size_t drawn = std::min<std::size_t>(r.deckPos, DeckSize);
    if (const std::string cards = changed(0, drawn); !cards.empty()) game << " drawn=" << cards;
    if (const std::string cards = changed(drawn, DeckSize); !cards.empty())
        game << " next=" << cards;
    return joinParts(g, game.str());
}

} // namespace tarmigo::notation
