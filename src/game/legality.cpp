#include "game/legality.h"

#include "game/targets.h"

namespace tarmigo {
namespace refusal {
constexpr int FixHazardFirst = 1206;
constexpr int AlreadyMoving = 1207;
constexpr int WrongRemedy = 1208;
constexpr int NoHazardToFix = 1209;
constexpr int OpponentNotMoving = 1210;
constexpr int OpponentProtected = 1211;
constexpr int NoLimitToEnd = 1212;
constexpr int AlreadyLimited = 1213;
constexpr int ProtectedFromLimit = 1214;
constexpr int NotMoving = 1215;
constexpr int TooMany200s = 1216;
constexpr int LimitedTo50 = 1217;
constexpr int ExceedsRace = 1218;
} // namespace refusal

int autoTarget(const Game& g, Card c) {
    int p = g.currentPlayer;
    if (isDistance(c)) return target::DistanceArea + p;
    if (isSafety(c)) return target::SafetyArea + p;
    if (isHazard(c)) return target::BattlePile + 1 - p;
    if (isGoOrRemedy(c)) return target::BattlePile + p;
    if (c == SpeedLimit) return target::SpeedPile + 1 - p;
    if (c == EndOfLimit) return target::SpeedPile + p;
    return target::Nothing;
}

int checkRemedy(const Game& g, Card c) {
    const PlayerRecord& own = g.own();
    int b = own.battle();
    if (c == Go) {
        if (b >= BattleAccident && b <= BattleFlatTire) return refusal::FixHazardFirst;
        if (b == BattleGo) return refusal::AlreadyMoving;
        if (own.hasSafety(safetyBit(RightOfWay))) return refusal::AlreadyMoving;
        return Legal;
    }
    if (isRemedy(c)) {
        if (b == battleOf(c) + HazardToRemedied) return Legal;
        if (isHazardBattle(b)) return refusal::WrongRemedy;
        return refusal::NoHazardToFix;
    }
    return 0; // not a remedy: refused without a text
}

int checkHazard(const Game& g, Card c) {
    if (!isMoving(g, 1 - g.currentPlayer)) return refusal::OpponentNotMoving;
    if (g.opponent().hasSafety(hazardSafetyBit(c))) return refusal::OpponentProtected;
    return Legal;
}

int checkEndOfLimit(const Game& g) {
    return g.own().speed() == SpeedLimited ? Legal : refusal::NoLimitToEnd;
}

int checkSpeedLimit(const Game& g) {
    const PlayerRecord& opp = g.opponent();
    if (opp.speed() == SpeedLimited) return refusal::AlreadyLimited;
    if (opp.hasSafety(safetyBit(RightOfWay))) return refusal::ProtectedFromLimit;
    return Legal;
}

int checkDistance(const Game& g, Card c) {
    const PlayerRecord& own = g.own();
    if (!isMoving(g, g.currentPlayer)) return refusal::NotMoving;
    if (c == Distance200 && own.distancePlayed[Distance200 - Distance25] >= 2)
        return refusal::TooMany200s;
    if (own.speed() == SpeedLimited && c >= Distance75) return refusal::LimitedTo50;
    if (own.miles + valueOf(c) > g.round.raceLength) return refusal::ExceedsRace;
    return Legal;
}

bool isSlotPlayable(const Game& g, int slot) {
    Card c = g.own().slot(slot);
    if (isGoOrRemedy(c)) return checkRemedy(g, c) == Legal;
    if (isHazard(c)) return checkHazard(g, c) == Legal;
    if (isDistance(c)) return checkDistance(g, c) == Legal;
    if (c == SpeedLimit) return checkSpeedLimit(g) == Legal;
    if (c == EndOfLimit) return checkEndOfLimit(g) == Legal;
    return true; // safeties and empty slots
}

} // namespace tarmigo
