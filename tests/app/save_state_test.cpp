// The saved state's range checks and copies; the field offsets, checksum and format mark
// are pinned by the replay scripts (app-record, stores-*).
#include "app/save_state.h"
#include "app/session.h"
#include "support/program.h"

#include <gtest/gtest.h>

#include <functional>

using namespace tarmigo;
using namespace tarmigo::testing;

namespace {
using Bytes = std::vector<std::uint8_t>;

// The record of a game in progress: a few moves into a two-player hand.
Bytes soundRecord() {
    Program app;
    app.host.ticks = 4242;
    app.start();
    app.host.yesNoAnswers = {true};
    app.command(command::TwoPlayerGame);
    app.player(0).gamesWon1P = 3;
    app.player(1).gameScore = 1850;
    app.tapDeck();
    app.tapSlot(2);
    return *app.fileCopy.bytes;
}

// The record of that game changed, with its checksum made right again.
Bytes changed(const Bytes& sound, const std::function<void(Session&)>& change) {
    TestHost host;
    Session g(host);
    applySaveRecord(g, std::span<const std::uint8_t, SaveRecordSize>(sound.data(), SaveRecordSize));
    change(g);
    buildSaveRecord(g);
    return Bytes(g.recordBuffer.begin(), g.recordBuffer.end());
}

struct RangeRow {
    const char* what;
    bool sound;
    std::function<void(Session&)> change;
};

// Each range rule just past its limit, and at it; a player's rows hold for both players.
std::vector<RangeRow> rangeRows() {
    using G = Session&;
    std::vector<RangeRow> rows = {
        {"playerCount 0", false, [](G g) { g.playerCount = 0; }},
        {"playerCount 3", false, [](G g) { g.playerCount = 3; }},
        {"playerCount 1", true, [](G g) { g.playerCount = 1; }},
        {"currentPlayer 2", false, [](G g) { g.currentPlayer = 2; }},
        {"currentPlayer 1", true, [](G g) { g.currentPlayer = 1; }},
        {"winner 2", false, [](G g) { g.round.winner = 2; }},
        {"nextStarter 2", false, [](G g) { g.round.nextStarter = 2; }},
        {"deckPos 102", false, [](G g) { g.round.deckPos = 102; }},
        {"deckPos 101", true, [](G g) { g.round.deckPos = 101; }},
        {"discardTop 1", false, [](G g) { g.round.discardTop = 1; }},
        {"discardTop 101", false, [](G g) { g.round.discardTop = 101; }},
        {"discardTop 121", false, [](G g) { g.round.discardTop = 121; }},
        {"discardTop 0", true, [](G g) { g.round.discardTop = 0; }},
        {"discardTop 120", true, [](G g) { g.round.discardTop = 120; }},
        {"raceLength 0", false, [](G g) { g.round.raceLength = 0; }},
        {"raceLength 701", false, [](G g) { g.round.raceLength = 701; }},
        {"raceLength 1000", true, [](G g) { g.round.raceLength = 1000; }},
        {"animDelay -1", false, [](G g) { g.round.animDelay = -1; }},
        {"animDelay 17", false, [](G g) { g.round.animDelay = 17; }},
        {"animDelay 0", true, [](G g) { g.round.animDelay = 0; }},
        {"animDelay 16", true, [](G g) { g.round.animDelay = 16; }},
        {"playMode 2", false, [](G g) { g.round.set(flag::playMode, 2); }},
        {"discardMode 3", false, [](G g) { g.round.set(flag::discardMode, 3); }},
        {"playMode 1 discardMode 2", true,
         [](G g) { g.round.set(flag::playMode, 1), g.round.set(flag::discardMode, 2); }},
        {"deck byte 101", false, [](G g) { g.deck[50] = 101; }},
        {"deck byte 121", false, [](G g) { g.deck[100] = 121; }},
        {"every kind seen as often as the deck has it", true,
         [](G g) {
             for (int i = 0; i < CardKinds; ++i) g.round.seenCount[i] = std::uint8_t(deckCount[i]);
         }},
    };
    for (int i = 0; i < CardKinds; ++i)
        rows.push_back({"a kind seen more often than the deck has it", false,
                        [i](G g) { g.round.seenCount[i] = std::uint8_t(deckCount[i] + 1); }});
    using P = PlayerRecord&;
    const std::pair<const char*, std::function<void(P)>> playerRows[] = {
        {"hand byte 101", [](P p) { p.slot(4) = 101; }},
        {"hand byte 122", [](P p) { p.slot(7) = 122; }},
        {"battle 5", [](P p) { p.setBattle(5); }},
        {"battle 10", [](P p) { p.setBattle(10); }},
        {"drawSlot 8", [](P p) { p.setDrawSlot(8); }},
        {"selectedSlot 8", [](P p) { p.setSelectedSlot(8); }},
        {"markedSlot 8", [](P p) { p.setMarkedSlot(8); }},
        {"lastHazard 6", [](P p) { p.setLastHazard(6); }},
        {"speed 3", [](P p) { p.setSpeed(3); }},
        {"miles not the sum of the distances", [](P p) { p.miles += 25; }},
        {"distances without miles", [](P p) { ++p.distancePlayed[0]; }},
        {"miles above the race",
         [](P p) {
             p.distancePlayed = {0, 0, 0, 8, 0};
             p.miles = 800;
         }},
        {"sound: every field at its limit", [](P p) {
             p.hand.fill(EmptySlot);
             p.setBattle(9);
             p.setDrawSlot(7);
             p.setSelectedSlot(7);
             p.setMarkedSlot(7);
             p.setLastHazard(5);
             p.setSpeed(2);
             p.distancePlayed = {0, 0, 0, 5, 1};
             p.miles = 700;
         }}};
    for (int seat = 0; seat < 2; ++seat)
        for (const auto& [what, change] : playerRows)
            rows.push_back({what, std::string_view(what).starts_with("sound"),
                            [seat, change](G g) { change(g.players[seat]); }});
    return rows;
}
} // namespace

// A record out of range is refused, and a start passes it over for the sound copy; a
// record at the limits is restored, and written back byte for byte.
TEST(SaveState, EachFieldIsCheckedAtTheLimitsOfItsRange) {
    const Bytes good = soundRecord();
    EXPECT_TRUE(isSoundRecord(good));
    for (const RangeRow& row : rangeRows()) {
        const Bytes b = changed(good, row.change);
        EXPECT_EQ(isSoundRecord(b), row.sound) << row.what;
        Program app;
        app.fileCopy.bytes = good;
        app.secondCopy.bytes = b;
        app.start();
        EXPECT_EQ(*app.secondCopy.bytes, row.sound ? b : good) << row.what;
    }
}

TEST(SaveState, AFailedWriteLeavesTheOtherCopyAsItWas) {
    const Bytes earlier = soundRecord();
    Program app;
    app.fileCopy.failWrites = true;
    app.secondCopy.bytes = earlier;
    app.start(); // restores the second copy, then fails to write the file
    app.tapDeck();
    EXPECT_EQ(app.secondCopy.writes, 0); // the second copy is written only after the file
    EXPECT_EQ(*app.secondCopy.bytes, earlier);
    EXPECT_FALSE(saveState(app.g()));
    Program second;
    second.secondCopy.failWrites = true;
    second.start();
    EXPECT_TRUE(second.fileCopy.bytes.has_value());
    EXPECT_FALSE(saveState(second.g()));
}

TEST(SaveState, ARestoredSelectionOfAnEmptySlotDiscardsNothing) {
    // Sound by every range rule: the selected slot is one of the seven, but empty.
    Program app;
    app.secondCopy.bytes = changed(soundRecord(), [](Session& g) {
        g.currentPlayer = 0;
        g.round.set(flag::turnHandover, false);
        g.players[0].slot(3) = EmptySlot;
        g.players[0].setSelectedSlot(3);
        g.players[0].setDrawSlot(0);
    });
    ASSERT_TRUE(isSoundRecord(*app.secondCopy.bytes));
    app.start();
    ASSERT_EQ(app.player(0).selectedSlot(), 3);
    app.tapDeck();
    EXPECT_NE(app.g().round.discardTop, EmptySlot);
    EXPECT_TRUE(isSoundRecord(*app.fileCopy.bytes));
}
