#include "game/moves.h"

#include "game/hand_end.h"
#include "game/legality.h"
#include "game/strings.h"
#include "game/targets.h"
#include "game/undo.h"

namespace tarmigo {
namespace {

constexpr int CoupFourreBonus = 300;
constexpr int SafetyPoints = 100;

Card selectedCard(const Game& g) {
    int s = g.own().selectedSlot();
    return s >= 1 && s <= HandSize ? g.own().slot(s) : Card(EmptySlot);
}

// A card laid on a pile of another kind is refused without a reason: the status line
// is cleared.
constexpr int NoReason = 0;

// A refused move says why; what follows it is for the turn layer to decide.
MoveResult refuse(Game& g, int messageId) {
    // Told to the mover alone: it names the mover's card.
    const bool number = messageId == text::ExceedRace;
    tell(g, StatusSaid{g.currentPlayer, {messageId, number, number ? g.round.raceLength : 0}});
    return MoveResult::Refused;
}

void playSound(Game& g, Sound s) {
    tell(g, SoundMade{s});
}

// Cards laid or discarded by a human are counted for the computer's memory.
void noteHumanCard(Game& g, Card c) {
    if (!isComputerTurn(g)) noteSeen(g, c);
}

// The card laid from slot, told once the move has changed the state (the card is gone
// from the hand by then), then what the snapshot for Undo changed.
void tellLaid(Game& g, int slot, Card c, int target, UndoTaken undo, int depth = 0,
              bool coupFourre = false) {
    tell(g, Laid{g.currentPlayer, slot, c, target, depth, coupFourre});
    tellUndoTaken(g, undo);
}

void changed(Game& g, Region r, int player = 0) {
    tell(g, RegionChanged{r, player});
}

// The mover's trip is complete: a delayed action when the pile is out, and the hand ends.
void completeTrip(Game& g) {
    if (g.deckExhausted()) g.own().setDelayedAction(true);
    endHand(g);
}

} // namespace

MoveResult dispatchMove(Game& g, int t) {
    const int p = g.currentPlayer;
    if (!isCard(selectedCard(g))) {
        // A sort after the card was marked, or a restored copy, can leave the selection
        // on an empty slot: there is nothing to play, and nothing may be discarded.
        g.own().setSelectedSlot(0);
        g.own().setMarkedSlot(0);
        return MoveResult::TurnStays;
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
    return MoveResult::TurnStays;
}

MoveResult discardCard(Game& g) {
    const Card c = selectedCard(g);
    const int slot = g.own().selectedSlot();
    const UndoTaken undo = takeUndoSnapshot(g);
    noteHumanCard(g, c);
    g.round.discardTop = c;
    removePlayedCard(g);
    tellLaid(g, slot, c, target::DiscardPile, undo);
    return MoveResult::TurnPasses;
}

MoveResult playSafety(Game& g) {
    const Card c = selectedCard(g);
    if (!isSafety(c)) return MoveResult::TurnStays;
    PlayerRecord& own = g.own();
    const PlayerRecord& opp = g.opponent();
    const int b = own.battle();
    // The safety answers the hazard on the battle pile, or a speed limit, that the other
    // has just laid: a coup fourre, told with the card laid.
    const bool answersBattle = b == battleAnsweredBy(c);
    const bool battleCoup = answersBattle && opp.lastHazard() == lastHazardOfBattle(b);
    const bool answersSpeed = c == RightOfWay && own.speed() == SpeedLimited;
    const bool speedCoup = answersSpeed && opp.lastHazard() == LastHazardSpeedLimit;
    const int slot = own.selectedSlot();
    const UndoTaken undo = takeUndoSnapshot(g);
    if (answersBattle) {
        if (battleCoup) {
            own.setCoupFourre(own.coupFourre() | (1 << safetyBit(c)));
            own.handScore = std::uint16_t(own.handScore + CoupFourreBonus);
            own.setBattle(BattleGo);
        } else {
            own.setBattle(b - HazardToRemedied);
        }
    }
    if (answersSpeed) {
        own.setSpeed(SpeedEnded);
        if (speedCoup) {
            own.setCoupFourre(own.coupFourre() | 1);
            own.handScore = std::uint16_t(own.handScore + CoupFourreBonus);
        }
    }
    own.setSafeties(own.safeties() | (1 << safetyBit(c)));
    own.handScore = std::uint16_t(own.handScore + SafetyPoints);
    noteHumanCard(g, c);
    removePlayedCard(g);
    tellLaid(g, slot, c, target::SafetyArea + g.currentPlayer, undo, 0, battleCoup || speedCoup);
    playSound(g, Sound::Safety);
    if (answersBattle || answersSpeed)
        changed(g, Region::PlayerPanels);
    else
        changed(g, Region::BattlePile, g.currentPlayer);
    changed(g, Region::MilesAndHeaders);
    return MoveResult::TurnStays;
}

MoveResult playRemedy(Game& g) {
    const Card c = selectedCard(g);
    if (int why = checkRemedy(g, c); why != Legal) return refuse(g, why);
    const int slot = g.own().selectedSlot();
    const UndoTaken undo = takeUndoSnapshot(g);
    g.own().setBattle(battleOf(c));
    noteHumanCard(g, c);
    removePlayedCard(g);
    tellLaid(g, slot, c, target::BattlePile + g.currentPlayer, undo);
    playSound(g, Sound::Remedy);
    changed(g, Region::BattlePile, g.currentPlayer);
    return MoveResult::TurnPasses;
}

MoveResult playHazard(Game& g) {
    const Card c = selectedCard(g);
    if (!isHazard(c)) return refuse(g, NoReason);
    if (int why = checkHazard(g, c); why != Legal) return refuse(g, why);
    const int o = 1 - g.currentPlayer;
    const int slot = g.own().selectedSlot();
    const UndoTaken undo = takeUndoSnapshot(g);
    g.players[o].setBattle(battleOf(c));
    noteHumanCard(g, c);
    removePlayedCard(g);
    g.own().setLastHazard(lastHazardOf(c));
    tellLaid(g, slot, c, target::BattlePile + o, undo);
    playSound(g, Sound::Hazard);
    changed(g, Region::BattlePile, o);
    return MoveResult::TurnPasses;
}

MoveResult playEndOfLimit(Game& g) {
    const Card c = selectedCard(g);
    if (c != EndOfLimit) return refuse(g, NoReason);
    if (int why = checkEndOfLimit(g); why != Legal) return refuse(g, why);
    const int slot = g.own().selectedSlot();
    const UndoTaken undo = takeUndoSnapshot(g);
    g.own().setSpeed(SpeedEnded);
    noteHumanCard(g, c);
    removePlayedCard(g);
    tellLaid(g, slot, c, target::SpeedPile + g.currentPlayer, undo);
    playSound(g, Sound::Remedy);
    return MoveResult::TurnPasses;
}

MoveResult playSpeedLimit(Game& g) {
    const Card c = selectedCard(g);
    if (c != SpeedLimit) return refuse(g, NoReason);
    if (int why = checkSpeedLimit(g); why != Legal) return refuse(g, why);
    const int o = 1 - g.currentPlayer;
    const int slot = g.own().selectedSlot();
    const UndoTaken undo = takeUndoSnapshot(g);
    g.players[o].setSpeed(SpeedLimited);
    noteHumanCard(g, c);
    removePlayedCard(g);
    g.own().setLastHazard(LastHazardSpeedLimit);
    tellLaid(g, slot, c, target::SpeedPile + o, undo);
    playSound(g, Sound::Hazard);
    return MoveResult::TurnPasses;
}

MoveResult playDistance(Game& g) {
    const Card c = selectedCard(g);
    if (!isDistance(c)) return refuse(g, NoReason);
    if (int why = checkDistance(g, c); why != Legal) return refuse(g, why);
    PlayerRecord& own = g.own();
    const int k = c - Distance25;
    const int slot = own.selectedSlot();
    const int depth = own.distancePlayed[k];
    const UndoTaken undo = takeUndoSnapshot(g);
    const int v = valueOf(c);
    own.handScore = std::uint16_t(own.handScore + v);
    own.miles = std::uint16_t(own.miles + v);
    ++own.distancePlayed[k];
    noteHumanCard(g, c);
    removePlayedCard(g);
    // Undo's button is told before the card here, unlike the other moves.
    tellUndoTaken(g, undo);
    tell(g, Laid{g.currentPlayer, slot, c, target::DistanceArea + g.currentPlayer, depth});
    changed(g, Region::MilesAndHeaders);
    changed(g, Region::MileageBar);
    playSound(g, Sound::Miles);

    if (own.miles == StandardRace && g.opponent().miles < StandardRace) {
        // The computer never extends; a human is asked, and the move waits.
        if (isComputerTurn(g)) {
            completeTrip(g);
        } else {
            g.pending = Decision::Extension;
            tell(g, Question{text::ExtendRace});
        }
    }
    if (own.miles == ExtendedRace) completeTrip(g);
    return MoveResult::TurnPasses;
}

void answerExtension(Game& g, bool extend) {
    if (g.pending != Decision::Extension) return;
    g.pending = Decision::None;
    if (extend)
        g.round.raceLength = ExtendedRace;
    else
        completeTrip(g);
}

} // namespace tarmigo
