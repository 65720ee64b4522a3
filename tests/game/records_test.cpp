// The byte images of the two records: each field at its offset, any image bit for bit.
#include "game/records.h"
#include "support/hex.h"

#include <gtest/gtest.h>

using namespace tarmigo;
using namespace tarmigo::testing;

namespace {

// The hex of the fields, written with a space between each two.
std::string joined(std::string fields) {
    std::erase(fields, ' ');
    return fields;
}

} // namespace

TEST(Records, AnyImageRoundTripsBitForBit) {
    std::array<std::uint8_t, PlayerRecord::Size> player, playerAgain{};
    std::array<std::uint8_t, RoundRecord::Size> round, roundAgain{};
    for (int seed = 0; seed < 256; ++seed) {
        for (std::size_t i = 0; i < player.size(); ++i) player[i] = std::uint8_t(seed * 31 + i * 7);
        for (std::size_t i = 0; i < round.size(); ++i) round[i] = std::uint8_t(seed * 13 + i * 11);
        encode(decodePlayer(player), playerAgain);
        encode(decodeRound(round), roundAgain);
        ASSERT_EQ(player, playerAgain);
        ASSERT_EQ(round, roundAgain);
    }
}

TEST(Records, EachFieldLandsAtItsOffset) {
    PlayerRecord p;
    p.setSafeties(0x5);
    p.setCoupFourre(0x1);
    p.setBattle(7);
    p.setDrawSlot(3);
    p.setSelectedSlot(2);
    p.setMarkedSlot(4);
    p.setLastHazard(5);
    p.setSpeed(2);
    p.setDelayedAction(true);
    p.miles = 0x1234;
    p.handScore = 0x0102;
    p.gameScore = 5000;
    p.gamesWon1P = 7;
    p.gamesWon2P = 0x0309;
    p.distancePlayed = {1, 2, 3, 4, 2};
    p.hand = {'f', 'g', 'h', 'i', 'j', 'k', 'y'};
    std::array<std::uint8_t, PlayerRecord::Size> pb{};
    encode(p, pb);
    // status, miles, hand score, game score, games won alone and by two, the five distance
    // counts, the seven slots, two reserved bytes.
    EXPECT_EQ(hexOf(pb),
              joined("15374265 3412 0201 8813 0700 0903 0102030402 666768696a6b79 0000"));

    RoundRecord r;
    r.flags = 0x00000407;
    r.seenCount[0] = 3;
    r.seenCount[18] = 1;
    r.deckPos = 101;
    r.discardTop = 'p';
    r.winner = 1;
    r.raceLength = 1000;
    r.nextStarter = 1;
    r.animDelay = 8;
    std::array<std::uint8_t, RoundRecord::Size> rb{};
    encode(r, rb);
    // flags, nineteen seen counts, draw pile position, discard top, winner, race
    // length, next starter, three reserved bytes, animation delay.
    EXPECT_EQ(hexOf(rb), joined("07040000 03000000000000000000000000000000000001 65 70 01 e803 01 "
                                "000000 08000000"));
}
