#include "game/moves.h"

#include "board/animation.h"
#include "board/draw.h"
#include "board/status_line.h"
#include "game/hand_end.h"
#include "game/legality.h"
#include "game/strings.h"
#include "game/targets.h"
#include "game/undo.h"
#include "turns/tap.h"

namespace tarmigo {
namespace {

constexpr int ExtensionMiles = 700;
constexpr int ExtendedRace = 1000;
constexpr int CoupFourreBonus = 300;
constexpr int SafetyPoints = 100;

Card selectedCard(const Game& g) {
    int s = g.own().selectedSlot();
    return s >= 1 && s <= HandSize ? g.own().slot(s) : Card(EmptySlot);
}

// A refused move shows why, then the discard mode decides what follows.
int refuse(Game& g, int messageId) {
    if (messageId == text::ExceedRace)
        setStatusNumber(g, messageId, g.round.raceLength, true);
    else
        setStatus(g, messageId, true);
    return handleRefusedMove(g);
}

void playSound(Game& g, const char* name) {
    if (g.has(flag::playSounds)) g.host.playSound(name);
}

// Cards laid or discarded by a human are counted for the computer's memory.
void noteHumanCard(Game& g, Card c) {
    if (!isComputerTurn(g)) noteSeen(g, c);
}

int pileY() {
    return 99;
}

} // namespace

int dispatchMove(Game& g, int t) {
    const int p = g.currentPlayer;
    if (!isCard(selectedCard(g))) {
        // A sort after the card was marked, or a restored copy, can leave the selection
        // on an empty slot: there is nothing to play, and nothing may be discarded.
        g.own().setSelectedSlot(0);
        g.own().setMarkedSlot(0);
        return TurnStays;
    }
    if (g.own().drawSlot() == 0 || g.deckExhausted()) {
        if (t == target::DrawPile || t == target::DiscardPile) return discardCard(g);
        if (t == target::BattlePile + p) return playRemedy(g);
        if (t == target::BattlePile + 1 - p) return playHazard(g);
        if (t == target::SpeedPile + p) return playEndOfLimit(g);
        if (t == target::SpeedPile + 1 - p) return playSpeedLimit(g);
        if (t == target::DistanceArea + p) return playDistance(g);
    }
    // A safety may be laid even before the turn's card is drawn.
    if (t == target::SafetyArea + p) playSafety(g);
    return TurnStays;
}

int discardCard(Game& g) {
    const Card c = selectedCard(g);
    animatePlayedCard(g, g.layout.deckX + 46, g.layout.handY + 5);
    takeUndoSnapshot(g);
    noteHumanCard(g, c);
    g.round.discardTop = c;
    removePlayedCard(g);
    return TurnPasses;
}

int playSafety(Game& g) {
    const Card c = selectedCard(g);
    if (!isSafety(c)) return TurnStays;
    PlayerRecord& own = g.own();
    const PlayerRecord& opp = g.opponent();
    const int b = own.battle();
    animatePlayedCard(g, g.layout.panelX(g.currentPlayer) + 23 * safetyBit(c) + 5, 49);
    takeUndoSnapshot(g);
    playSound(g, "WVS");
    bool pileChanged = false;
    if (b == c - 111) { // the safety answers the hazard on top of the battle pile
        if (opp.lastHazard() == b - 5) {
            own.setCoupFourre(own.coupFourre() | (1 << safetyBit(c)));
            own.handScore = std::uint16_t(own.handScore + CoupFourreBonus);
            own.setBattle(BattleGo);
        } else {
            own.setBattle(b - 5);
        }
        pileChanged = true;
    }
    if (c == RightOfWay && own.speed() == SpeedLimited) {
        own.setSpeed(SpeedEnded);
        if (opp.lastHazard() == LastHazardSpeedLimit) {
            own.setCoupFourre(own.coupFourre() | 1);
            own.handScore = std::uint16_t(own.handScore + CoupFourreBonus);
        }
        pileChanged = true;
    }
    own.setSafeties(own.safeties() | (1 << safetyBit(c)));
    own.handScore = std::uint16_t(own.handScore + SafetyPoints);
    if (pileChanged)
        drawPlayerPanels(g);
    else
        drawBattlePile(g, g.currentPlayer);
    drawMilesAndHeaders(g);
    noteHumanCard(g, c);
    removePlayedCard(g);
    return TurnStays;
}

int playRemedy(Game& g) {
    const Card c = selectedCard(g);
    if (int why = checkRemedy(g, c); why != Legal) return refuse(g, why);
    animatePlayedCard(g, g.layout.panelX(g.currentPlayer) + 5, pileY());
    takeUndoSnapshot(g);
    playSound(g, "WVR");
    g.own().setBattle(battleOf(c));
    noteHumanCard(g, c);
    removePlayedCard(g);
    drawBattlePile(g, g.currentPlayer);
    return TurnPasses;
}

int playHazard(Game& g) {
    const Card c = selectedCard(g);
    if (!isHazard(c)) return refuse(g, 0);
    if (int why = checkHazard(g, c); why != Legal) return refuse(g, why);
    const int o = 1 - g.currentPlayer;
    animatePlayedCard(g, g.layout.panelX(o) + 5, pileY());
    takeUndoSnapshot(g);
    playSound(g, "WVH");
    g.players[o].setBattle(battleOf(c));
    noteHumanCard(g, c);
    removePlayedCard(g);
    g.own().setLastHazard(c - 111);
    drawBattlePile(g, o);
    return TurnPasses;
}

int playEndOfLimit(Game& g) {
    const Card c = selectedCard(g);
    if (c != EndOfLimit) return refuse(g, 0);
    if (int why = checkEndOfLimit(g); why != Legal) return refuse(g, why);
    animatePlayedCard(g, g.layout.panelX(g.currentPlayer) + g.layout.subColumn + 5, pileY());
    takeUndoSnapshot(g);
    playSound(g, "WVR");
    g.own().setSpeed(SpeedEnded);
    noteHumanCard(g, c);
    removePlayedCard(g);
    return TurnPasses;
}

int playSpeedLimit(Game& g) {
    const Card c = selectedCard(g);
    if (c != SpeedLimit) return refuse(g, 0);
    if (int why = checkSpeedLimit(g); why != Legal) return refuse(g, why);
    const int o = 1 - g.currentPlayer;
    animatePlayedCard(g, g.layout.panelX(o) + g.layout.subColumn + 5, pileY());
    takeUndoSnapshot(g);
    playSound(g, "WVH");
    g.players[o].setSpeed(SpeedLimited);
    noteHumanCard(g, c);
    removePlayedCard(g);
    g.own().setLastHazard(LastHazardSpeedLimit);
    return TurnPasses;
}

int playDistance(Game& g) {
    const Card c = selectedCard(g);
    if (!isDistance(c)) return refuse(g, 0);
    if (int why = checkDistance(g, c); why != Legal) return refuse(g, why);
    takeUndoSnapshot(g); // before the slide, unlike the other moves
    PlayerRecord& own = g.own();
    const int k = c - Distance25;
    const int n = own.distancePlayed[k];
    const int v = valueOf(c);
    own.handScore = std::uint16_t(own.handScore + v);
    own.miles = std::uint16_t(own.miles + v);
    ++own.distancePlayed[k];
    animatePlayedCard(g, g.layout.panelX(g.currentPlayer) + 19 * k + 5, 149 + 4 * n);
    drawMilesAndHeaders(g);
    drawMileageBar(g);
    playSound(g, "WVM");
    noteHumanCard(g, c);
    removePlayedCard(g);

    auto completeTrip = [&g, &own] {
        if (g.deckExhausted()) own.setDelayedAction(true);
        endHand(g);
    };
    if (own.miles == ExtensionMiles && g.opponent().miles < ExtensionMiles) {
        // The computer never extends; a human is asked.
        if (isComputerTurn(g) || !g.host.askYesNo(text::ExtendRace))
            completeTrip();
        else
            g.round.raceLength = ExtendedRace;
    }
    if (own.miles == ExtendedRace) completeTrip();
    return TurnPasses;
}

} // namespace tarmigo
