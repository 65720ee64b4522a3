#include "ai/choose_card.h"

#include "game/targets.h"

namespace tarmigo {
namespace {

constexpr int NoSlot = 0;
constexpr int PlayedTwoHundredsIndex = Distance200 - Distance25;
constexpr int MaxTwoHundreds = 2;

// Easy mode's chances, in percent, of trying each of these steps when it chooses.
constexpr int AttackThreshold = 80;
constexpr int RepairThreshold = 40;
constexpr int DistanceThreshold = 20;

// A safety and the hazard it counters are five codes apart (RightOfWay and Stop, ...).
constexpr int SafetyToHazard = RightOfWay - Stop;
// The remedy that cures a hazard on the battle pile has the code battle + 101 (Go for Stop).
constexpr int HazardToRemedy = int(Go) - int(BattleStop);
// A remedy (or Go) and its safety are ten codes apart (Go and RightOfWay, ...).
constexpr int RemedyToSafety = RightOfWay - Go;

struct Choice {
    int target;
    int slot;
};

// Every copy of the code has passed through the computer's sight: none is left in
// the draw pile or in the other hand.
bool allSeen(const Game& g, int code) {
    return g.round.seenCount[code - FirstCard] == deckCount[code - FirstCard];
}

// The battle value of the hazard that a safety counters.
constexpr int counteredBattle(int safety) {
    return battleOf(safety - SafetyToHazard);
}

// Nothing laid yet, or a remedy on top: a Go is still needed to roll.
bool needsGo(int battle) {
    return battle == BattleEmpty || (battle >= battleOf(Repairs) && battle <= battleOf(SpareTire));
}

template <class Pred> int firstSlot(const PlayerRecord& pr, Pred pred) {
    for (int s = 1; s <= HandSize; ++s)
        if (pred(pr.slot(s))) return s;
    return NoSlot;
}

// The per-call view of the position: who is who and what the hand scan found.
struct Context {
    Game& g;
    bool select;
    int p;
    const PlayerRecord& own;
    const PlayerRecord& opp;
    bool hard;

    int bestDistanceSlot = NoSlot;
    int handTwoHundreds = 0;
    int heldSafetyMask = 0;
    int heldSafetySlot = NoSlot;

    int raceLength() const { return g.round.raceLength; }
    int ownRemaining() const { return raceLength() - int(own.miles); }
    int oppRemaining() const { return raceLength() - int(opp.miles); }
    int bestDistanceValue() const { return valueOf(own.slot(bestDistanceSlot)); }
    bool bestCompletesTrip() const {
        return bestDistanceSlot != NoSlot && bestDistanceValue() == ownRemaining();
    }

    // Hard mode always tries the step, and so does a call that only asks; Easy,
    // when it chooses, tries it only when a fresh random percentage reaches the
    // threshold. The tick count is read only in that case.
    bool tries(int threshold) const {
        if (hard || !select) return true;
        return int(g.host.tickCount() % 100) >= threshold;
    }
};

// Distance the mileage rules allow this player to lay, leaving out whether he moves.
bool distanceAllowed(const Context& x, Card c) {
    if (x.own.speed() == SpeedLimited && c >= Distance75) return false;
    if (c == Distance200 && x.own.distancePlayed[PlayedTwoHundredsIndex] >= MaxTwoHundreds)
        return false;
    return int(x.own.miles) + valueOf(c) <= x.raceLength();
}

// A safety goes down at once when it cures what is on the pile, when holding it
// for a coup fourre is hopeless, in Easy mode always, and for RightOfWay whenever
// it spares a Go or ends a limit.
bool laySafetyAtOnce(const Context& x, Card c) {
    int b = x.own.battle();
    if (b == counteredBattle(c)) return true;
    if (allSeen(x.g, c - SafetyToHazard)) return true;
    if (!x.hard) return true;
    return c == RightOfWay && (x.own.speed() == SpeedLimited || needsGo(b));
}

// Step 2: the hand scan. Answers a safety to lay at once, if any.
int scanHand(Context& x) {
    for (int s = 1; s <= HandSize; ++s) {
        Card c = x.own.slot(s);
        if (isDistance(c)) {
            bool better = x.bestDistanceSlot == NoSlot || c > x.own.slot(x.bestDistanceSlot);
            if (better && distanceAllowed(x, c)) x.bestDistanceSlot = s;
            if (c == Distance200) ++x.handTwoHundreds;
        } else if (isSafety(c)) {
            x.heldSafetyMask |= 1 << safetyBit(c);
            if (laySafetyAtOnce(x, c)) return s;
            if (x.heldSafetySlot == NoSlot) x.heldSafetySlot = s;
        }
    }
    return NoSlot;
}

// The largest distance card the opponent may still hold or draw; 0 when none.
int opponentMaxCard(const Context& x) {
    int code =
        x.opp.distancePlayed[PlayedTwoHundredsIndex] == MaxTwoHundreds ? Distance100 : Distance200;
    for (; code >= Distance25; --code)
        if (!allSeen(x.g, code)) return valueOf(code);
    return 0;
}

// Step 3: a held safety is laid before the hand can end under it.
bool layHeldSafetyNow(const Context& x) {
    if (x.bestCompletesTrip()) return true;
    int left = x.oppRemaining();
    if (left <= opponentMaxCard(x) && (left == 200 || left <= 100)) return true;
    return x.g.deckExhausted();
}

bool deadCard(const Context& x, Card c) {
    const PlayerRecord& own = x.own;
    if (isHazard(c)) return x.opp.hasSafety(hazardSafetyBit(c));
    if (c == SpeedLimit) return x.opp.hasSafety(safetyBit(RightOfWay));
    if (isGoOrRemedy(c)) {
        int bit = safetyBit(c + RemedyToSafety);
        if (own.hasSafety(bit) || ((x.heldSafetyMask >> bit) & 1)) return true;
        // Go stays useful after every Stop is seen: a remedy leaves it to be laid.
        return c != Go && allSeen(x.g, c + (Stop - Go));
    }
    if (c == EndOfLimit) {
        int rightOfWay = safetyBit(RightOfWay);
        return allSeen(x.g, SpeedLimit) || own.hasSafety(rightOfWay) ||
               ((x.heldSafetyMask >> rightOfWay) & 1);
    }
    if (isDistance(c)) {
        if (c == Distance200 &&
            own.distancePlayed[PlayedTwoHundredsIndex] + x.handTwoHundreds > MaxTwoHundreds)
            return true;
        return int(own.miles) + valueOf(c) > x.raceLength();
    }
    return false;
}

// Step 11: the earlier of two equal cards goes.
int firstDuplicate(const PlayerRecord& own) {
    for (int s = 1; s < HandSize; ++s) {
        Card c = own.slot(s);
        if (c < Go || c > SpeedLimit) continue;
        for (int t = s + 1; t <= HandSize; ++t)
            if (own.slot(t) == c) return s;
    }
    return NoSlot;
}

int shortestDistance(const PlayerRecord& own) {
    int best = NoSlot;
    for (int s = 1; s <= HandSize; ++s)
        if (isDistance(own.slot(s)) && (best == NoSlot || own.slot(s) < own.slot(best))) best = s;
    return best;
}

Choice decide(Context& x) {
    Game& g = x.g;
    const PlayerRecord& own = x.own;
    const PlayerRecord& opp = x.opp;
    const int p = x.p;
    const int safetyArea = target::SafetyArea + p;
    const int oppBattlePile = target::BattlePile + 1 - p;
    const int oppSpeedPile = target::SpeedPile + 1 - p;
    const int distanceArea = target::DistanceArea + p;
    const int discard = target::DiscardPile;
    // 1. The turn's card is drawn before anything else.
    if (!g.deckExhausted() && own.drawSlot() != 0) return {target::DrawPile, NoSlot};
    // 2. Scan the hand.
    if (int s = scanHand(x)) return {safetyArea, s};
    // 3. A held safety is not kept past the point where the hand may end.
    if (x.heldSafetySlot != NoSlot && layHeldSafetyNow(x)) return {safetyArea, x.heldSafetySlot};
    const bool ownMoving = isMoving(g, p);
    const bool oppMoving = isMoving(g, 1 - p);
    const bool canLimitOpponent =
        opp.speed() != SpeedLimited && !opp.hasSafety(safetyBit(RightOfWay));
    // 4. Complete the trip.
    if (ownMoving && x.bestCompletesTrip()) return {distanceArea, x.bestDistanceSlot};

    // 5. Attack.
    if (oppMoving && x.tries(AttackThreshold)) {
        int s = firstSlot(
            own, [&](Card c) { return isHazard(c) && !opp.hasSafety(hazardSafetyBit(c)); });
        if (s) return {oppBattlePile, s};
        if (canLimitOpponent) {
            s = firstSlot(own, [](Card c) { return c == SpeedLimit; });
            if (s) return {oppSpeedPile, s};
        }
    }

    // 6. Repair.
    if (!ownMoving && x.tries(RepairThreshold)) {
        int b = own.battle();
        Card wanted = EmptySlot;
        if (isHazardBattle(b))
            wanted = Card(b + HazardToRemedy);
        else if (needsGo(b))
            wanted = Go;
        if (wanted != EmptySlot) {
            int s = firstSlot(own, [&](Card c) { return c == wanted; });
            if (s) return {target::BattlePile + p, s};
        }
    }
    // 7. Lay distance.
    if (x.bestDistanceSlot != NoSlot && ownMoving && x.tries(DistanceThreshold))
        return {distanceArea, x.bestDistanceSlot};
    // 8. End a speed limit.
    if (own.speed() == SpeedLimited) {
        int s = firstSlot(own, [](Card c) { return c == EndOfLimit; });
        if (s) return {target::SpeedPile + p, s};
    }
    // 9. Limit the opponent, moving or not.
    if (canLimitOpponent) {
        int s = firstSlot(own, [](Card c) { return c == SpeedLimit; });
        if (s) return {oppSpeedPile, s};
    }

    // 10. Discard a card that can never be of use.
    if (int s = firstSlot(own, [&](Card c) { return deadCard(x, c); })) return {discard, s};
    // 11. Discard a duplicate.
    if (int s = firstDuplicate(own)) return {discard, s};
    // 12. Discard the shortest distance.
    if (int s = shortestDistance(own)) return {discard, s};
    // 13. A held safety goes before any hazard or remedy is thrown away.
    if (x.heldSafetySlot != NoSlot) return {safetyArea, x.heldSafetySlot};
    // 14. Discard a hazard.
    if (int s = firstSlot(own, [](Card c) { return isHazard(c) || c == SpeedLimit; }))
        return {discard, s};
    // 15. Discard a remedy.
    if (int s = firstSlot(own, [](Card c) { return c >= Go && c <= EndOfLimit; }))
        return {discard, s};
    // 16. Nothing in the hand.
    return {discard, NoSlot};
}

} // namespace

int chooseCard(Game& g, ChooseMode mode) {
    const bool select = mode == ChooseMode::Select;
    Context x{g, select, g.currentPlayer, g.own(), g.opponent(), g.has(flag::hard)};
    Choice choice = decide(x);
    if (select && choice.slot != NoSlot) setSelectedSlot(g, choice.slot);
    return choice.target;
}

} // namespace tarmigo
