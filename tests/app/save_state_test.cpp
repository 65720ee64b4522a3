// The saved state: the record's range checks, the two copies and which one is restored.
// The checksum and the offset of every field show in the record each replay script
// dumps; these are the cases the scripts cannot reach.
#include "app/save_state.h"
#include "app/session.h"
#include "support/program.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

using namespace tarmigo;
using namespace tarmigo::testing;

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr int RoundAt = 11;
constexpr int PlayersAt = 47;
constexpr int PlayerCountAt = 103;
constexpr int CurrentPlayerAt = 104;
constexpr int DeckAt = 105;

void fixChecksum(Bytes& b) {
    const std::uint32_t sum =
        recordChecksum(std::span<const std::uint8_t, SaveRecordSize>(b.data(), SaveRecordSize));
    for (int i = 0; i < 4; ++i) b[i] = std::uint8_t(sum >> (8 * i));
}

// The record of a game in progress: a few moves into a two-player hand.
Bytes soundRecord(std::uint32_t ticks = 4242) {
    Program app;
    app.host.ticks = ticks;
    app.start();
    app.host.yesNoAnswers = {true};
    app.command(command::TwoPlayerGame);
    app.player(0).gamesWon1P = 3;
    app.player(1).gameScore = 1850;
    app.tapDeck();
    app.tapSlot(2);
    return *app.fileCopy.bytes;
}

Bytes withRound(Bytes b, const std::function<void(RoundRecord&)>& change) {
    std::span<std::uint8_t, RoundRecord::Size> at(b.data() + RoundAt, RoundRecord::Size);
    RoundRecord r = decodeRound(at);
    change(r);
    encode(r, at);
    fixChecksum(b);
    return b;
}

Bytes withPlayer(Bytes b, int p, const std::function<void(PlayerRecord&)>& change) {
    std::span<std::uint8_t, PlayerRecord::Size> at(b.data() + PlayersAt + p * PlayerRecord::Size,
                                                   PlayerRecord::Size);
    PlayerRecord pl = decodePlayer(at);
    change(pl);
    encode(pl, at);
    fixChecksum(b);
    return b;
}

Bytes withByte(Bytes b, int offset, std::uint8_t value) {
    b[offset] = value;
    fixChecksum(b);
    return b;
}

// The same record with the first player to move and no hand-over pending.
Bytes firstPlayerToMove(const Bytes& b) {
    return withRound(withByte(b, CurrentPlayerAt, 0),
                     [](RoundRecord& r) { r.set(flag::turnHandover, false); });
}

// The game that a record holds, as applied to a fresh game.
std::string restored(const Bytes& b) {
    TestHost host;
    Session g(host);
    applySaveRecord(g, std::span<const std::uint8_t, SaveRecordSize>(b.data(), SaveRecordSize));
    return describe(g);
}

struct Damaged {
    const char* what;
    Bytes bytes;
};

// One record for each range rule, each with a right checksum.
std::vector<Damaged> outOfRangeRecords() {
    const Bytes s = soundRecord();
    std::vector<Damaged> out = {
        {"playerCount 0", withByte(s, PlayerCountAt, 0)},
        {"playerCount 3", withByte(s, PlayerCountAt, 3)},
        {"currentPlayer 2", withByte(s, CurrentPlayerAt, 2)},
        {"currentPlayer 255", withByte(s, CurrentPlayerAt, 255)},
        {"winner 2", withRound(s, [](RoundRecord& r) { r.winner = 2; })},
        {"nextStarter 2", withRound(s, [](RoundRecord& r) { r.nextStarter = 2; })},
        {"deckPos 102", withRound(s, [](RoundRecord& r) { r.deckPos = 102; })},
        {"deckPos 200", withRound(s, [](RoundRecord& r) { r.deckPos = 200; })},
        {"discardTop 101", withRound(s, [](RoundRecord& r) { r.discardTop = 101; })},
        {"discardTop 121", withRound(s, [](RoundRecord& r) { r.discardTop = 121; })},
        {"discardTop 1", withRound(s, [](RoundRecord& r) { r.discardTop = 1; })},
        {"raceLength 0", withRound(s, [](RoundRecord& r) { r.raceLength = 0; })},
        {"raceLength 701", withRound(s, [](RoundRecord& r) { r.raceLength = 701; })},
        {"raceLength -700", withRound(s, [](RoundRecord& r) { r.raceLength = -700; })},
        {"animDelay 17", withRound(s, [](RoundRecord& r) { r.animDelay = 17; })},
        {"animDelay -1", withRound(s, [](RoundRecord& r) { r.animDelay = -1; })},
        {"PlayMode 2", withRound(s, [](RoundRecord& r) { r.set(flag::playMode, 2); })},
        {"PlayMode 3", withRound(s, [](RoundRecord& r) { r.set(flag::playMode, 3); })},
        {"DiscardMode 3", withRound(s, [](RoundRecord& r) { r.set(flag::discardMode, 3); })},
        {"deck byte 0", withByte(s, DeckAt, 0)},
        {"deck byte 101", withByte(s, DeckAt + 50, 101)},
        {"deck byte 121", withByte(s, DeckAt + 100, 121)},
    };
    for (int code = FirstCard; code <= LastCard; ++code) {
        const int i = code - FirstCard;
        out.push_back({"seenCount above deckCount", withRound(s, [i](RoundRecord& r) {
                           r.seenCount[i] = std::uint8_t(deckCount[i] + 1);
                       })});
    }
    for (int p = 0; p < 2; ++p) {
        auto player = [&](const char* what, const std::function<void(PlayerRecord&)>& change) {
            out.push_back({what, withPlayer(s, p, change)});
        };
        player("hand byte 0", [](PlayerRecord& pl) { pl.slot(1) = 0; });
        player("hand byte 101", [](PlayerRecord& pl) { pl.slot(4) = 101; });
        player("hand byte 122", [](PlayerRecord& pl) { pl.slot(7) = 122; });
        player("battle 5", [](PlayerRecord& pl) { pl.setBattle(5); });
        for (int b = 10; b <= 15; ++b)
            player("battle 10..15", [b](PlayerRecord& pl) { pl.setBattle(b); });
        player("drawSlot 8", [](PlayerRecord& pl) { pl.setDrawSlot(8); });
        player("drawSlot 15", [](PlayerRecord& pl) { pl.setDrawSlot(15); });
        player("selectedSlot 8", [](PlayerRecord& pl) { pl.setSelectedSlot(8); });
        player("selectedSlot 12", [](PlayerRecord& pl) { pl.setSelectedSlot(12); });
        player("markedSlot 8", [](PlayerRecord& pl) { pl.setMarkedSlot(8); });
        player("lastHazard 6", [](PlayerRecord& pl) { pl.setLastHazard(6); });
        player("lastHazard 15", [](PlayerRecord& pl) { pl.setLastHazard(15); });
        player("speed 3", [](PlayerRecord& pl) { pl.setSpeed(3); });
        player("miles not the sum of the distances", [](PlayerRecord& pl) { pl.miles += 25; });
        player("distances without miles", [](PlayerRecord& pl) { ++pl.distancePlayed[0]; });
        player("miles above the race", [](PlayerRecord& pl) {
            pl.distancePlayed = {0, 0, 0, 8, 0};
            pl.miles = 800;
        });
    }
    return out;
}

} // namespace

TEST(SaveState, ARecordRoundTripsThroughApply) {
    const Bytes b = soundRecord();
    ASSERT_TRUE(isSoundRecord(b));
    TestHost host;
    Session g(host);
    applySaveRecord(g, std::span<const std::uint8_t, SaveRecordSize>(b.data(), SaveRecordSize));
    buildSaveRecord(g);
    EXPECT_EQ(Bytes(g.recordBuffer.begin(), g.recordBuffer.end()), b);
}

TEST(SaveState, AChangedByteOrTheWrongSizeIsNotSound) {
    const Bytes s = soundRecord();
    EXPECT_TRUE(isSoundRecord(s));
    EXPECT_FALSE(isSoundRecord(Bytes(s.begin(), s.end() - 1)));
    EXPECT_FALSE(isSoundRecord(Bytes{}));
    Bytes longer = s;
    longer.push_back(0);
    EXPECT_FALSE(isSoundRecord(longer));
    for (int offset : {0, 3, 4, 20, 150, 247}) {
        Bytes b = s;
        b[offset] ^= 0x01;
        EXPECT_FALSE(isSoundRecord(b)) << offset;
    }
}

TEST(SaveState, EachFieldOutOfRangeMakesTheRecordUnsound) {
    for (const Damaged& d : outOfRangeRecords()) EXPECT_FALSE(isSoundRecord(d.bytes)) << d.what;
}

TEST(SaveState, TheLimitsOfEachRangeAreStillSound) {
    const Bytes s = soundRecord();
    const Bytes sound[] = {
        withRound(s, [](RoundRecord& r) { r.deckPos = 101; }),
        withRound(s, [](RoundRecord& r) { r.discardTop = 0; }),
        withRound(s, [](RoundRecord& r) { r.discardTop = 120; }),
        withRound(s, [](RoundRecord& r) { r.raceLength = 1000; }),
        withRound(s, [](RoundRecord& r) { r.animDelay = 0; }),
        withRound(s, [](RoundRecord& r) { r.animDelay = 16; }),
        withRound(s,
                  [](RoundRecord& r) {
                      r.set(flag::playMode, 1);
                      r.set(flag::discardMode, 2);
                  }),
        withRound(s,
                  [](RoundRecord& r) {
                      for (int i = 0; i < CardKinds; ++i)
                          r.seenCount[i] = std::uint8_t(deckCount[i]);
                  }),
        withPlayer(s, 1,
                   [](PlayerRecord& pl) {
                       pl.hand.fill(EmptySlot);
                       pl.setBattle(9);
                       pl.setDrawSlot(7);
                       pl.setSelectedSlot(7);
                       pl.setMarkedSlot(7);
                       pl.setLastHazard(5);
                       pl.setSpeed(2);
                       pl.distancePlayed = {0, 0, 0, 5, 1};
                       pl.miles = 700;
                   }),
        withByte(s, PlayerCountAt, 1),
        withByte(s, CurrentPlayerAt, 1),
    };
    for (const Bytes& b : sound) EXPECT_TRUE(isSoundRecord(b));
}

TEST(SaveState, ACopyOutOfRangeIsPassedOverForTheSoundOne) {
    const Bytes good = soundRecord();
    for (const Damaged& d : outOfRangeRecords()) {
        Program app;
        app.fileCopy.bytes = good;
        app.secondCopy.bytes = d.bytes;
        app.start();
        EXPECT_EQ(describe(app.g()), restored(good)) << d.what;
    }
}

TEST(SaveState, TheSecondCopyIsWrittenOnlyAfterTheFileCopy) {
    Program app;
    std::vector<std::string> order;
    app.fileCopy.name = "file";
    app.secondCopy.name = "second";
    app.fileCopy.writeLog = app.secondCopy.writeLog = &order;
    app.start();
    EXPECT_EQ(order, (std::vector<std::string>{"file", "second"}));
}

TEST(SaveState, AFailedFileWriteLeavesTheSecondCopyAlone) {
    const Bytes earlier = soundRecord();
    Program app;
    app.fileCopy.failWrites = true;
    app.secondCopy.bytes = earlier;
    app.start(); // restores the second copy, then fails to write the file
    app.tapDeck();
    EXPECT_EQ(app.secondCopy.writes, 0);
    EXPECT_EQ(*app.secondCopy.bytes, earlier);
    EXPECT_FALSE(saveState(app.g()));
}

TEST(SaveState, AFailedSecondWriteLeavesTheFileCopyWritten) {
    Program app;
    app.secondCopy.failWrites = true;
    app.start();
    EXPECT_TRUE(app.fileCopy.bytes.has_value());
    EXPECT_FALSE(saveState(app.g()));
}

TEST(SaveState, UnreadableCopiesCountAsMissing) {
    Program app;
    app.fileCopy.bytes = soundRecord();
    app.fileCopy.failReads = true;
    app.secondCopy.failReads = true;
    EXPECT_TRUE(loadState(app.g()));
}

TEST(SaveState, TheReservedBytesOfARestoredCopyAreWrittenBack) {
    Bytes b = soundRecord();
    for (int i = 206; i < SaveRecordSize; ++i) b[i] = std::uint8_t(i);
    fixChecksum(b);
    ASSERT_TRUE(isSoundRecord(b));
    Program app;
    app.fileCopy.bytes = b;
    app.start();
    const Bytes& written = *app.secondCopy.bytes;
    for (int i = 206; i < SaveRecordSize; ++i) EXPECT_EQ(written[i], i);
    EXPECT_TRUE(isSoundRecord(written));
    app.tapDeck(); // and by every later save
    for (int i = 206; i < SaveRecordSize; ++i) EXPECT_EQ((*app.fileCopy.bytes)[i], i);
}

TEST(SaveState, TheFormatMarkIsNotExamined) {
    Bytes b = soundRecord();
    b[4] = 7;
    b[5] = 9;
    b[8] = 3;
    fixChecksum(b);
    EXPECT_TRUE(isSoundRecord(b));
}

TEST(SaveState, ARestoredGameNeverLeadsToACopyTheNextStartWouldReject) {
    // A copy whose checksum and fields are right, but whose hand holds more copies of
    // RightOfWay than the deck has: in a two-player game each one laid is counted as seen.
    const Bytes b = withPlayer(firstPlayerToMove(soundRecord()), 0, [](PlayerRecord& pl) {
        pl.hand.fill(RightOfWay);
        pl.setSelectedSlot(0);
        pl.setMarkedSlot(0);
        pl.setDrawSlot(0);
    });
    Program app;
    app.secondCopy.bytes = b;
    app.start();
    for (int n = 1; n <= 4; ++n) {
        const auto& hand = app.player(0).hand;
        const int slot = int(std::find(hand.begin(), hand.end(), RightOfWay) - hand.begin()) + 1;
        app.tapSlot(slot); // a safety keeps the turn
        ASSERT_EQ(app.g().currentPlayer, 0);
        ASSERT_TRUE(isSoundRecord(*app.fileCopy.bytes)) << "after " << n << " safeties";
    }
}

TEST(SaveState, ARestoredSelectionOfAnEmptySlotDiscardsNothing) {
    // Sound by every range rule: the selected slot is one of the seven, but empty.
    const Bytes b = withPlayer(firstPlayerToMove(soundRecord()), 0, [](PlayerRecord& pl) {
        pl.slot(3) = EmptySlot;
        pl.setSelectedSlot(3);
        pl.setDrawSlot(0);
    });
    ASSERT_TRUE(isSoundRecord(b));
    Program app;
    app.secondCopy.bytes = b;
    app.start();
    ASSERT_EQ(app.player(0).selectedSlot(), 3);
    app.tapDeck();
    EXPECT_NE(app.g().round.discardTop, EmptySlot);
    EXPECT_TRUE(isSoundRecord(*app.fileCopy.bytes));
}
