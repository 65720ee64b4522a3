// The computer's choice as a table: the slot it picks and where the card goes. The computer
// is player 1 of a one-player game, at Hard unless the row gives Easy's clock reading.
#include "ai/choose_card.h"
#include "support/rules_position.h"

#include <gtest/gtest.h>

using namespace tarmigo;
using namespace tarmigo::testing;

namespace {

constexpr int Hard = -1;

struct ChoiceRow {
    const char* position; // "opponent | computer | game"
    const char* choice;   // "SLOT PILE"; the piles are the computer's own unless "attack"/"limit"
    int ticks = Hard;     // Easy's clock reading
};

const ChoiceRow Choices[] = {
    // Distance: the first of the highest the mileage rules allow; the trip first.
    {"| go hand=fgiggi", "3 distance"},
    {"| go limit hand=higf", "3 distance"},
    {"| go miles=400 twos=2 hand=jgi", "3 distance"},
    {"| go miles=650 hand=higf", "3 distance"},
    {"go | go miles=600 hand=pgi", "3 distance"},
    {"go | go miles=550 hand=pgi", "1 attack"},
    {"| miles=600 hand=ik", "2 battle"},
    {"| safe=u hand=ik", "1 distance"},
    // Attacks: the first hazard the opponent is open to, else a limit; only if moving.
    {"go safe=v | go hand=gqrp", "3 attack"},
    {"go safe=v | go hand=gtq", "2 limit"},
    {"go limit safe=v | go hand=gtq", "1 distance"},
    {"stop | go hand=pg", "2 distance"},
    {"safe=u | go hand=qg", "1 attack"},
    {"| go hand=pt", "2 limit"},
    // Repairs: the remedy of the hazard on the pile, or Go; after an attack if it can.
    {"go | hand=klmn", "1 battle"},
    {"go | stop hand=klmn", "1 battle"},
    {"go | accident hand=klmn", "2 battle"},
    {"go | outofgas hand=klmn", "3 battle"},
    {"go | flat hand=klmn", "4 battle"},
    {"go | repairs hand=klmn", "1 battle"},
    {"go | spare hand=klmn", "1 battle"},
    {"go | hand=pk", "1 attack"},
    {"accident | hand=pk", "2 battle"},
    {"| go limit hand=htop", "3 speed"},
    // Draw first while cards remain; a slot that cannot be filled no longer waits.
    {"| go draw=2 sel=5 hand=u.pqrsv", "5 draw"},
    {"| go draw=2 sel=5 hand=u.pqrsv | deck=100", "5 draw"},
    {"| go draw=2 hand=u.pqrsv | deck=101", "1 safety"},
    // Safeties: Easy lays the first at once; Hard holds each back for a coup fourre
    // until it cures, spares a Go, ends a limit, or the hand may end under it.
    {"go | go hand=ipwv", "3 safety", 0},
    {"miles=300 | go hand=gvfpk | seen=q", "1 distance"},
    {"miles=300 | go hand=gvfpk | seen=qq", "2 safety"},
    {"| stop hand=gu", "2 safety"},
    {"| accident hand=gv", "2 safety"},
    {"| outofgas hand=gw", "2 safety"},
    {"| flat hand=gx", "2 safety"},
    {"| hand=ku", "2 safety"},
    {"| repairs hand=ku", "2 safety"},
    {"| spare hand=ku", "2 safety"},
    {"| go limit hand=gu", "2 safety"},
    {"| go hand=gu | seen=p*", "2 safety"},
    {"| go hand=ug | seen=ppp", "2 distance"},
    {"| accident hand=ul", "2 battle"},
    {"| go miles=600 hand=f.vi", "3 safety"},
    {"| go hand=fwv | deck=101", "2 safety"},
    {"| go hand=pkv", "3 safety"},
    {"accident safe=u | go hand=vp", "2 discard"},
    {"| stop hand=vg", "2 discard"},
    // A held safety goes down when the opponent could finish with one card still unseen.
    {"miles=500 | go hand=fv", "2 safety"},
    {"miles=500 twos=1 | go hand=fv", "2 safety"},
    {"miles=500 | go hand=fv | seen=j*", "1 distance"},
    {"miles=500 twos=2 | go hand=fv", "1 distance"},
    {"miles=575 | go hand=fv", "1 distance"},
    {"miles=550 | go hand=fv", "1 distance"},
    {"miles=525 | go hand=fv", "1 distance"},
    {"miles=600 | go hand=fv", "2 safety"},
    {"miles=600 | go hand=fv | seen=i*j*", "1 distance"},
    {"miles=625 | go hand=fv", "2 safety"},
    {"miles=625 twos=1 | go hand=fv | seen=h*i*", "2 safety"},
    {"miles=625 twos=2 | go hand=fv | seen=h*i*", "1 distance"},
    {"miles=625 | go hand=fv | seen=h*i*j*", "1 distance"},
    {"miles=650 | go hand=fv | seen=h*i*j*", "2 safety"},
    {"miles=675 | go hand=fv | seen=f*g*h*i*j*", "1 distance"},
    // Discards: a dead card first (lowest slot), then the earlier of two copies, the
    // shortest distance, a hazard before a remedy.
    {"safe=v | go hand=pq", "2 discard"},
    {"accident safe=u | go hand=qt", "2 discard"},
    {"| go safe=v hand=pl", "2 discard"},
    {"| stop hand=vl", "2 discard"},
    {"| accident hand=ku", "1 discard"},
    {"| go hand=kq | seen=p*", "2 discard"},
    {"| go hand=lq | seen=q*", "1 discard"},
    {"| stop miles=200 twos=1 hand=gjj", "2 discard"},
    {"| stop hand=gjj", "1 discard"},
    {"| go hand=po", "1 discard"},
    {"| go hand=po | seen=t*", "2 discard"},
    {"| go safe=u hand=po", "2 discard"},
    {"| go hand=pou", "2 discard"},
    {"| stop miles=650 hand=gh", "2 discard"},
    {"safe=v | stop miles=650 hand=phq", "2 discard"},
    {"| go hand=qkpk", "2 discard"},
    {"limit | go hand=kptp", "2 discard"},
    {"| stop hand=ggf", "3 discard"},
    {"| stop hand=higff", "4 discard"},
    {"| go hand=okp", "3 discard"},
    {"limit | go hand=kt", "2 discard"},
    {"| go hand=ok", "1 discard"},
    {"| sel=4 | deck=101", "4 discard"},
    // Easy: each step is tried from its threshold of the clock's percentage.
    {"go | go hand=pg", "1 attack", 80},
    {"go | go hand=pg", "2 distance", 79},
    {"go | go hand=pg", "1 attack", 199},
    {"go | go hand=pg", "2 distance", 1279},
    {"stop | stop hand=k", "1 discard", 39},
    {"stop | stop hand=k", "1 battle", 40},
    {"| go hand=gh", "1 discard", 19},
    {"| go hand=gh", "2 distance", 20},
    {"go | go hand=t", "1 limit", 0},
};

// The computer is player 1: from the safety area on, odd piles are its own, even ones not.
std::string choiceOf(const Game& g, int target) {
    constexpr const char* Piles[] = {"?",     "safety", "attack",   "battle", "limit",
                                     "speed", "?",      "distance", "draw",   "discard"};
    const int pile = target - target::SafetyArea;
    return std::to_string(g.own().selectedSlot()) + " " +
           (pile >= 0 && pile < 10 ? Piles[pile] : "?");
}

} // namespace

TEST(Choice, TheComputerChoosesAsTheTableSays) {
    for (const ChoiceRow& row : Choices) {
        RulePosition pos(1);
        pos.set(row.position).set(row.ticks == Hard ? "| | turn=1 hard" : "| | turn=1");
        pos.host.ticks = std::uint32_t(row.ticks);
        EXPECT_EQ(choiceOf(pos.g, chooseCard(pos.g, ChooseMode::Select)), row.choice)
            << row.position << " ticks " << row.ticks;
    }
}
