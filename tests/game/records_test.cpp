#include "game/records.h"

#include <gtest/gtest.h>

#include <numeric>

using namespace tarmigo;

TEST(Records, PlayerImageRoundTripsBitForBit) {
    std::array<std::uint8_t, PlayerRecord::Size> bytes;
    for (int seed = 0; seed < 256; ++seed) {
        for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = std::uint8_t(seed * 31 + i * 7);
        std::array<std::uint8_t, PlayerRecord::Size> again{};
        encode(decodePlayer(bytes), again);
        EXPECT_EQ(bytes, again);
    }
}

TEST(Records, RoundImageRoundTripsBitForBit) {
    std::array<std::uint8_t, RoundRecord::Size> bytes;
    for (int seed = 0; seed < 256; ++seed) {
        for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = std::uint8_t(seed * 13 + i * 11);
        std::array<std::uint8_t, RoundRecord::Size> again{};
        encode(decodeRound(bytes), again);
        EXPECT_EQ(bytes, again);
    }
}

TEST(Records, PlayerFieldsLandAtTheirOffsetsLittleEndian) {
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
    std::array<std::uint8_t, PlayerRecord::Size> b{};
    encode(p, b);
    EXPECT_EQ(b[0], 0x15); // safeties low, coupFourre high
    EXPECT_EQ(b[1], 0x37); // battle low, drawSlot high
    EXPECT_EQ(b[2], 0x42); // selectedSlot low, markedSlot high
    EXPECT_EQ(b[3], 0x65); // lastHazard, speed in bits 28-29, delayedAction bit 30
    EXPECT_EQ(b[4], 0x34);
    EXPECT_EQ(b[5], 0x12);
    EXPECT_EQ(b[8] | (b[9] << 8), 5000);
    EXPECT_EQ(b[12], 0x09);
    EXPECT_EQ(b[13], 0x03);
    EXPECT_EQ(b[18], 2);   // Distance200 count
    EXPECT_EQ(b[19], 'f'); // slot 1 at offset 18 + 1
    EXPECT_EQ(b[25], 'y'); // slot 7
    EXPECT_EQ(b[26], 0);
}

TEST(Records, SettingAFieldLeavesTheOtherBitsAlone) {
    PlayerRecord p;
    p.status = 0xFFFFFFFFu;
    p.setBattle(0);
    EXPECT_EQ(p.status, 0xFFFFF0FFu);
    p.setSpeed(1);
    EXPECT_EQ(p.status, 0xDFFFF0FFu);
    RoundRecord r;
    r.flags = 0xFFFFFFFFu;
    r.set(flag::discardMode, 1);
    EXPECT_EQ(r.flags, 0xFFFFF7FFu);
    r.set(flag::handOver, false);
    EXPECT_EQ(r.flags, 0xFFFFF7EFu);
}

TEST(Records, RoundFieldsLandAtTheirOffsets) {
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
    std::array<std::uint8_t, RoundRecord::Size> b{};
    encode(r, b);
    EXPECT_EQ(b[0], 0x07);
    EXPECT_EQ(b[1], 0x04);
    EXPECT_EQ(b[4], 3);
    EXPECT_EQ(b[22], 1);
    EXPECT_EQ(b[23], 101);
    EXPECT_EQ(b[24], 'p');
    EXPECT_EQ(b[25], 1);
    EXPECT_EQ(b[26] | (b[27] << 8), 1000);
    EXPECT_EQ(b[28], 1);
    EXPECT_EQ(b[32], 8);
    EXPECT_EQ(b[35], 0);
}
