#pragma once
// Game positions for the rule, turn and shell tests, built in a line or two.
#include "app/taps.h"
#include "board/board_events.h"
#include "board/layout.h"
#include "game/game.h"
#include "game/legality.h"
#include "game/moves.h"
#include "game/strings.h"
#include "game/targets.h"
#include "support/memory_store.h"
#include "support/test_host.h"
#include "turns/tap.h"

#include <cassert>
#include <string>
#include <string_view>

namespace tarmigo::testing {

// Cards by letter: 'f' Distance25 to 'x' PunctureProof; '.' is an empty slot.
inline Card cardOf(char letter) {
    return letter == '.' ? Card(EmptySlot) : Card(letter);
}

// The letter of one card, to build a hand of it.
inline std::string letter(Card c) {
    return std::string(1, char(c));
}

// A hand by letter, '.' for an empty slot.
inline std::string handLetters(const PlayerRecord& p) {
    std::string letters(p.hand.begin(), p.hand.end());
    for (char& c : letters)
        if (Card(c) == EmptySlot) c = '.';
    return letters;
}

// The text of a string id, empty when the table has none.
inline std::string textOf(int id) {
    const char* t = stringText(id);
    return t ? t : "";
}

// The records of a game, to compare a position before and after something.
struct Records {
    RoundRecord round;
    std::array<PlayerRecord, 2> players;
    std::uint8_t playerCount = 0;
    std::uint8_t currentPlayer = 0;
    bool operator==(const Records&) const = default;
};

inline Records recordsOf(const Game& g) {
    return {g.round, g.players, g.playerCount, g.currentPlayer};
}

// A hand in progress on the 240 x 320 screen: player 0 to move, nothing on any pile,
// a 700-mile race, the draw pile at card 40 of the initial deck order, both hands
// empty, every option off ("tap card once" to play, "tap card then deck" to discard)
// and no drawing surface. The saved copies go to two memory stores.
struct Position {
    TestHost host;
    Game g{host, BoardEvents::instance()};
    MemoryStore fileCopy;
    MemoryStore secondCopy;

    explicit Position(int players = 2) {
        g.layout = computeLayout(240, 320);
        g.playerCount = std::uint8_t(players);
        g.round.raceLength = 700;
        g.round.deckPos = 40;
        g.round.animDelay = 8;
        for (PlayerRecord& p : g.players) p.hand.fill(EmptySlot);
        g.fileStore = &fileCopy;
        g.secondStore = &secondCopy;
    }
    // The game holds a reference to this position's host: never copied.
    Position(const Position&) = delete;
    Position& operator=(const Position&) = delete;

    PlayerRecord& player(int p) { return g.players[p]; }
    PlayerRecord& own() { return g.own(); }
    int seen(Card c) const { return g.round.seenCount[c - FirstCard]; }
    const std::string& status() const { return g.statusText; }
    Records records() const { return recordsOf(g); }

    // --- building ---
    Position& hand(int p, std::string_view letters) {
        for (int s = 1; s <= HandSize; ++s)
            player(p).slot(s) = s <= int(letters.size()) ? cardOf(letters[s - 1]) : Card(EmptySlot);
        return *this;
    }
    Position& battle(int p, int b) {
        player(p).setBattle(b);
        return *this;
    }
    Position& rolling(int p) { return battle(p, BattleGo); }
    Position& speed(int p, int s) {
        player(p).setSpeed(s);
        return *this;
    }
    Position& safety(int p, Card c) {
        player(p).setSafeties(player(p).safeties() | (1 << safetyBit(c)));
        return *this;
    }
    Position& allSafeties(int p) {
        player(p).setSafeties(0xF);
        return *this;
    }
    // Miles made of 100s, one 50 and one 25 as needed, after the given number of 200s.
    Position& miles(int p, int m, int twoHundreds = 0) {
        assert(m % 25 == 0 && m >= 200 * twoHundreds);
        PlayerRecord& pl = player(p);
        pl.distancePlayed = {};
        int rest = m - 200 * twoHundreds;
        pl.distancePlayed[Distance200 - Distance25] = std::uint8_t(twoHundreds);
        pl.distancePlayed[Distance100 - Distance25] = std::uint8_t(rest / 100);
        rest %= 100;
        pl.distancePlayed[Distance50 - Distance25] = std::uint8_t(rest / 50);
        pl.distancePlayed[Distance25 - Distance25] = std::uint8_t(rest % 50 / 25);
        pl.miles = std::uint16_t(m);
        return *this;
    }
    Position& scores(int p, int handScore, int gameScore = 0) {
        player(p).handScore = std::uint16_t(handScore);
        player(p).gameScore = std::uint16_t(gameScore);
        return *this;
    }
    Position& lastHazard(int p, int v) {
        player(p).setLastHazard(v);
        return *this;
    }
    // Player p has slot s waiting for the turn's card.
    Position& drawPending(int p, int s) {
        player(p).setDrawSlot(s);
        return *this;
    }
    Position& deckPos(int n) {
        g.round.deckPos = std::uint8_t(n);
        return *this;
    }
    Position& exhausted() { return deckPos(DeckSize); }
    // The next cards of the draw pile, from deckPos on.
    Position& next(std::string_view letters) {
        for (std::size_t i = 0; i < letters.size(); ++i)
            g.deck[g.round.deckPos + i] = cardOf(letters[i]);
        return *this;
    }
    Position& current(int p) {
        g.currentPlayer = std::uint8_t(p);
        return *this;
    }
    Position& option(BitField f, int v) {
        g.round.set(f, v);
        return *this;
    }
    Position& modes(int playMode, int discardMode) {
        return option(flag::playMode, playMode).option(flag::discardMode, discardMode);
    }
    Position& race(int length) {
        g.round.raceLength = std::int16_t(length);
        return *this;
    }

    // --- moves, as the dispatcher receives them ---
    Position& select(int slot) {
        setSelectedSlot(g, slot);
        return *this;
    }
    // Lays the card of slot s on the pile its kind implies.
    // A move as a tap makes it: a refusal is followed up by the discard mode.
    int play(int slot) { return playOn(slot, autoTarget(g, own().slot(slot))); }
    int playOn(int slot, int target) {
        select(slot);
        const int result = dispatchMove(g, target);
        return result == MoveRefused ? handleRefusedMove(g) : result;
    }
    int discard(int slot) { return playOn(slot, target::DiscardPile); }

    // --- taps, as the window hands them over ---
    void tap(int x, int y) { tapEntry(g, x, y); }
    void tapSlot(int s) { tap(g.layout.slotX(s) + 9, g.layout.handY + 18); }
    void tapDeck() { tap(g.layout.deckX + 30, g.layout.handY + 15); }
    void tapStatusLine() { tap(20, g.layout.statusY + 10); }
    void tapBoard() { tap(20, 100); }
    void tapScorePanel() { tap(20, 10); }
};

} // namespace tarmigo::testing
