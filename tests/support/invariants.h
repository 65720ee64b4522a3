#pragma once
// What must hold of every game state: checked after each step by the soak and the fuzzers.
#include "app/save_state.h"
#include "app/session.h"
#include "game/game.h"
#include "support/hex.h"
#include "support/test_host.h"

#include <algorithm>
#include <array>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace tarmigo::testing {
// What is wrong with the game state, or nothing. A restored deck may hold any cards the
// range checks let through: they are counted only when asked.
inline std::string brokenInvariant(const Game& g, bool countCards = true) {
    std::ostringstream out;
    if (g.playerCount != 1 && g.playerCount != 2) out << "playerCount " << int(g.playerCount);
    if (g.currentPlayer > 1) out << "currentPlayer " << int(g.currentPlayer);
    const RoundRecord& r = g.round;
    if (r.deckPos > DeckSize) out << "deckPos " << int(r.deckPos);
    if (r.raceLength != StandardRace && r.raceLength != ExtendedRace)
        out << "raceLength " << r.raceLength;
    if (r.animDelay < 0 || r.animDelay > 16) out << "animDelay " << r.animDelay;
    if (r.discardTop != 0 && !isCard(r.discardTop)) out << "discardTop " << int(r.discardTop);
    if (r.winner > 1 || r.nextStarter > 1) out << "winner or nextStarter";
    if (r.get(flag::playMode) > 1 || r.get(flag::discardMode) > 2) out << "play or discard mode";
    for (int p = 0; p < 2; ++p) {
        const PlayerRecord& pl = g.players[p];
        int miles = 0;
        for (int k = 0; k < 5; ++k) miles += pl.distancePlayed[k] * distanceValue[k];
        const std::string who = " player " + std::to_string(p) + " ";
        if (miles != pl.miles) out << who << "miles " << pl.miles << " laid " << miles;
        if (pl.miles > r.raceLength) out << who << "past the race";
        if (pl.distancePlayed[4] > 2) out << who << "200s";
        if (pl.battle() == 5 || pl.battle() > BattleFlatTire)
            out << who << "battle " << pl.battle();
        if (pl.speed() > SpeedEnded) out << who << "speed";
        if (pl.lastHazard() > LastHazardSpeedLimit) out << who << "lastHazard";
        if (pl.drawSlot() > HandSize || pl.selectedSlot() > HandSize || pl.markedSlot() > HandSize)
            out << who << "slot field";
    }
    for (int k = 0; k < CardKinds; ++k)
        if (r.seenCount[k] > deckCount[k]) out << " seenCount of " << char(FirstCard + k);
    // A seat's message carries a number exactly when its text has a place for one.
    for (const SeatState& seat : g.seats)
        if (const char* text = seat.status.id ? stringText(seat.status.id) : nullptr;
            text &&
            seat.status.hasNumber != (std::string_view(text).find("%d") != std::string_view::npos))
            out << " status " << seat.status.id << " number " << seat.status.hasNumber;
    // Every card of the deck is somewhere once; something that is no card at all always
    // counts.
    const std::string cards = misplacedCards(g);
    if (!cards.empty() && (countCards || cards.find(" holds ") != std::string::npos))
        out << ' ' << cards;
    return out.str();
}

// Whether stored bytes are a sound record holding exactly this game.
inline std::string brokenRecord(const Game& g,
                                const std::optional<std::vector<std::uint8_t>>& bytes) {
    if (!bytes) return "nothing stored";
    if (!isSoundRecord(*bytes)) return "the stored copy is not sound";
    TestHost host;
    Session copy(host);
    applySaveRecord(copy,
                    std::span<const std::uint8_t, SaveRecordSize>(bytes->data(), SaveRecordSize));
    if (copy.round != g.round || copy.players != g.players || copy.deck != g.deck ||
        copy.playerCount != g.playerCount || copy.currentPlayer != g.currentPlayer)
        return "the stored copy differs from the game";
    return "";
}
} // namespace tarmigo::testing
