#pragma once
// Card codes, their kinds and the fixed tables of the deck.
#include <array>
#include <cstdint>

namespace tarmigo {

using Card = std::uint8_t;

enum CardCode : Card {
    Distance25 = 102,
    Distance50 = 103,
    Distance75 = 104,
    Distance100 = 105,
    Distance200 = 106,
    Go = 107,
    Repairs = 108,
    Gasoline = 109,
    SpareTire = 110,
    EndOfLimit = 111,
    Stop = 112,
    Accident = 113,
    OutOfGas = 114,
    FlatTire = 115,
    SpeedLimit = 116,
    RightOfWay = 117,
    DrivingAce = 118,
    ExtraTank = 119,
    PunctureProof = 120,
    EmptySlot = 121,
};

constexpr Card FirstCard = Distance25;
constexpr Card LastCard = PunctureProof;
constexpr int DeckSize = 101;
constexpr int HandSize = 7;
constexpr int CardKinds = 19; // 102..120

inline constexpr bool isDistance(int c) {
    return c >= Distance25 && c <= Distance200;
}
inline constexpr bool isRemedy(int c) {
    return c >= Repairs && c <= SpareTire;
}
inline constexpr bool isGoOrRemedy(int c) {
    return c >= Go && c <= SpareTire;
}
inline constexpr bool isHazard(int c) {
    return c >= Stop && c <= FlatTire;
}
inline constexpr bool isSafety(int c) {
    return c >= RightOfWay && c <= PunctureProof;
}
inline constexpr bool isCard(int c) {
    return c >= FirstCard && c <= LastCard;
}

// Battle values on a player's battle pile.
enum Battle : int {
    BattleEmpty = 0,
    BattleGo = 1, // 2..4: a remedy on top, a Go still needed
    BattleStop = 6,
    BattleAccident = 7,
    BattleOutOfGas = 8,
    BattleFlatTire = 9,
};
inline constexpr bool isHazardBattle(int b) {
    return b >= BattleStop && b <= BattleFlatTire;
}

// Speed pile values.
enum Speed : int { SpeedNone = 0, SpeedLimited = 1, SpeedEnded = 2 };

constexpr int LastHazardSpeedLimit = 5;

// A hazard battle lies this far above the battle that its remedy leaves: Repairs
// on an Accident leaves 2, a Go still needed.
constexpr int HazardToRemedied = int(BattleStop) - int(BattleGo);
// A safety's code lies this far above the hazard battle that it answers.
constexpr int SafetyToHazardBattle = int(RightOfWay) - int(BattleStop);

// The hazard battle that a safety card answers.
inline constexpr int battleAnsweredBy(int safety) {
    return safety - SafetyToHazardBattle;
}
// What a player's lastHazard records for a hazard card (Stop 1 .. FlatTire 4).
inline constexpr int lastHazardOf(int hazard) {
    return hazard - Stop + 1;
}
// The same for a hazard battle.
inline constexpr int lastHazardOfBattle(int b) {
    return b - HazardToRemedied;
}

// The battle value that Go, a remedy or a hazard lays.
inline constexpr int battleOf(int c) {
    return (c + 6) % 16;
}
// The safety bit of a safety card.
inline constexpr int safetyBit(int c) {
    return c - RightOfWay;
}
// The safety bit that protects against a hazard card.
inline constexpr int hazardSafetyBit(int c) {
    return c - Stop;
}

inline constexpr std::array<std::int16_t, 5> distanceValue{25, 50, 75, 100, 200};
inline constexpr std::array<std::int16_t, 20> deckCount{10, 10, 10, 12, 4, 14, 6, 6, 6, 6,
                                                        4,  2,  2,  2,  3, 1,  1, 1, 1, 0};

inline constexpr int valueOf(int distanceCard) {
    return distanceValue[distanceCard - Distance25];
}

// The deck's order at program start: distances ascending, then the safeties,
// hazards and remedies in the order the deck is packed before its first shuffle.
inline constexpr char InitialDeckOrder[] =
    "ffffffffffgggggggggghhhhhhhhhhiiiiiiiiiiiijjjjvwxuqqrrssppppllllllmmmmmmnnnnnnkkkkkkkkkkkk"
    "kktttoooooo";
static_assert(sizeof(InitialDeckOrder) == DeckSize + 1);

} // namespace tarmigo
