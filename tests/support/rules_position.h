#pragma once
// Game positions built in a line or two, with the rules alone: nobody listens to
// what they report. support/position.h adds the board, the taps and the stores.
#include "game/game.h"
#include "game/legality.h"
#include "game/moves.h"
#include "game/strings.h"
#include "game/targets.h"
#include "support/test_host.h"

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

// A hand in progress: player 0 to move, nothing on any pile, a 700-mile race, the
// draw pile at card 40 of the initial deck order, both hands empty and every
// option off. Self is the position type that the building calls return; State the
// game it builds (the rules' Game, or a Session with the board and the stores).
template <class Self, class State = Game> struct PositionBuilder {
    TestHost host;
    State g{host};

    explicit PositionBuilder(int players) {
        g.playerCount = std::uint8_t(players);
        g.round.raceLength = 700;
        g.round.deckPos = 40;
        g.round.animDelay = 8;
        for (PlayerRecord& p : g.players) p.hand.fill(EmptySlot);
    }
    // The game holds a reference to this position's host: never copied.
    PositionBuilder(const PositionBuilder&) = delete;
    PositionBuilder& operator=(const PositionBuilder&) = delete;

    Self& self() { return static_cast<Self&>(*this); }
    PlayerRecord& player(int p) { return g.players[p]; }
    PlayerRecord& own() { return g.own(); }
    int seen(Card c) const { return g.round.seenCount[c - FirstCard]; }
    Records records() const { return recordsOf(g); }

    // --- building ---
    Self& hand(int p, std::string_view letters) {
        for (int s = 1; s <= HandSize; ++s)
            player(p).slot(s) = s <= int(letters.size()) ? cardOf(letters[s - 1]) : Card(EmptySlot);
        return self();
    }
    Self& battle(int p, int b) {
        player(p).setBattle(b);
        return self();
    }
    Self& rolling(int p) { return battle(p, BattleGo); }
    Self& speed(int p, int s) {
        player(p).setSpeed(s);
        return self();
    }
    Self& safety(int p, Card c) {
        player(p).setSafeties(player(p).safeties() | (1 << safetyBit(c)));
        return self();
    }
    Self& allSafeties(int p) {
        player(p).setSafeties(0xF);
        return self();
    }
    // Miles made of 100s, one 50 and one 25 as needed, after the given number of 200s.
    Self& miles(int p, int m, int twoHundreds = 0) {
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
        return self();
    }
    Self& scores(int p, int handScore, int gameScore = 0) {
        player(p).handScore = std::uint16_t(handScore);
        player(p).gameScore = std::uint16_t(gameScore);
        return self();
    }
    Self& lastHazard(int p, int v) {
        player(p).setLastHazard(v);
        return self();
    }
    // Player p has slot s waiting for the turn's card.
    Self& drawPending(int p, int s) {
        player(p).setDrawSlot(s);
        return self();
    }
    Self& deckPos(int n) {
        g.round.deckPos = std::uint8_t(n);
        return self();
    }
    Self& exhausted() { return deckPos(DeckSize); }
    // The next cards of the draw pile, from deckPos on.
    Self& next(std::string_view letters) {
        for (std::size_t i = 0; i < letters.size(); ++i)
            g.deck[g.round.deckPos + i] = cardOf(letters[i]);
        return self();
    }
    Self& current(int p) {
        g.currentPlayer = std::uint8_t(p);
        return self();
    }
    Self& option(BitField f, int v) {
        g.round.set(f, v);
        return self();
    }
    Self& modes(int playMode, int discardMode) {
        return option(flag::playMode, playMode).option(flag::discardMode, discardMode);
    }
    Self& race(int length) {
        g.round.raceLength = std::int16_t(length);
        return self();
    }

    Self& select(int slot) {
        setSelectedSlot(g, slot);
        return self();
    }
};

// The rules alone: a refused move returns MoveRefused and nothing follows it.
struct RulePosition : PositionBuilder<RulePosition> {
    explicit RulePosition(int players = 2) : PositionBuilder(players) {}

    int play(int slot) { return playOn(slot, autoTarget(g, own().slot(slot))); }
    int playOn(int slot, int target) {
        select(slot);
        return dispatchMove(g, target);
    }
    int discard(int slot) { return playOn(slot, target::DiscardPile); }
};

} // namespace tarmigo::testing
