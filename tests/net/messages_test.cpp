// The frames of a network game, the order of its messages, the steps of a move as the
// guest sees them, join codes and the lockout (what a view shows is seat_share_test.cpp's).
#include "game/deal.h"
#include "net/join_code.h"
#include "net/lockout.h"
#include "net/messages.h"
#include "net/order.h"
#include "net/shown_steps.h"
#include "net/stream.h"
#include "support/hex.h"
#include "support/rules_position.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace tarmigo;
using namespace tarmigo::net;
using tarmigo::testing::hexOf;
using tarmigo::testing::RulePosition;

namespace {

std::vector<std::uint8_t> bytesOf(std::string_view hex) {
    std::vector<std::uint8_t> out;
    std::istringstream in{std::string(hex)};
    for (unsigned b = 0; in >> std::hex >> b;) out.push_back(std::uint8_t(b));
    return out;
}

// One message of each kind but the view, at the ends of their ranges.
std::vector<Message> everyMessage() {
    ScoresContent figures{{}, true, 1406, ScoresButton::NewGame, {}};
    figures.values[0] = {65535, 1};
    const Steps eachStep{{Laid{1, 7, PunctureProof, 9, 3, true}, Laid{0, 0, Stop, 10, 0, false},
                          Drawn{1, 4, PunctureProof, 0}, Drawn{0, 0, EmptySlot, DeckSize},
                          SoundStep{Sound::Miles}, UndoStep{true}, ScoresStep{figures},
                          AskStep{1601}, HintStep{7, 16}, HintStep{}}};
    return {Hello{Magic, 65535, "10.2.3-rc1"},
            Join{"979797", {}},
            Join{"ACDEFG", SeatKey{255, 0, 7}},
            Refusal{Refusal::Reason::SeatFreed},
            Input{Input::Kind::Tap, 20},
            Input{Input::Kind::Modes, 1},
            eachStep,
            Steps{std::vector<ShownStep>(MaxSteps, SoundStep{})},
            KeepAlive{},
            Rematch{Rematch::Kind::No},
            Left{},
            Error{std::string(MaxErrorLength, '~')},
            Seat{SeatKey{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 255}},
            Share{true, {255, 1}, {7, 255}},
            Confirm{{255, 9}, {3, 255}},
            ViewChange{{1, 0, 0, 0, 0, 0, 0, 0, 2}}};
}

// Every message decodes to itself, from a stream in pieces of any size (fuzz_net changes
// their bytes).
TEST(NetMessages, EveryMessageComesBackAsItWentFromAStreamCutAnywhere) {
    std::vector<Message> all = everyMessage();
    for (const char* position :
         {"go miles=300 hand=ijfkpux sel=2 | stop miles=775 | handover",
          "| go hand=ffkghij | turn=1 race=1000", "delayed | go delayed | over winner=1"}) {
        RulePosition pos;
        all.push_back(ViewMessage::of(pos.set(position).g));
    }
    std::vector<std::uint8_t> stream;
    for (const Message& m : all) {
        const std::vector<std::uint8_t> frame = encode(m);
        stream.insert(stream.end(), frame.begin(), frame.end());
        ASSERT_EQ(decodeFrame(frame).message, m) << decodeFrame(frame).error << hexOf(frame);
    }
    for (std::size_t chunk : {std::size_t(1), std::size_t(3), std::size_t(64), stream.size()}) {
        StreamDecoder in;
        std::vector<Message> got;
        for (std::size_t at = 0; at < stream.size(); at += chunk) {
            in.feed(std::span(stream).subspan(at, std::min(chunk, stream.size() - at)));
            while (auto m = in.next()) got.push_back(*m);
        }
        EXPECT_FALSE(in.failed()) << in.error();
        EXPECT_EQ(got, all) << "chunks of " << chunk;
        EXPECT_EQ(in.pending(), 0u);
    }
}

// The worked exchange of docs/network-protocol.md.
TEST(NetMessages, TheWorkedExchangeIsSpeltOutByteByByte) {
    RulePosition pos;
    pos.set("go miles=100 hand=ijfkpux sel=2 | stop miles=75 hand=ffkghij | turn=1 deck=60");
    constexpr SeatKey Key{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
    const std::pair<Message, const char*> Rows[] = {
        {Hello{Magic, 6, "1.1"}, "0c000000010354524d47060003312e31"},
        {Join{"K7QX3D", {}}, "0900000002024b375158334400"},
        {Seat{Key}, "120000000b01000102030405060708090a0b0c0d0e0f"},
        {Join{"K7QX3D", Key}, "1900000002024b37515833441000010203040506"
                              "0708090a0b0c0d0e0f"},
        {ViewMessage::of(pos.g), "41000000050f01020164000000000000000000010001000000010"
                                 "04b0000000000000000000600000101000000"
                                 "2979bc02076666"
                                 "6b6768696a000004000000000000000000"},
        {Input{Input::Kind::Tap, 3}, "0400000004020103"},
        {Steps{{Laid{1, 3, Go, 11, 0}, UndoStep{true}, SoundStep{Sound::Remedy}}},
         "0e0000000601030101036b0b000004010301"},
        {Steps{{Drawn{0, 0, EmptySlot, 40}, Drawn{1, 3, Go, 39}}},
         "0d00000006010202000000280201036b27"},
        {KeepAlive{}, "020000000700"},
        {Left{}, "020000000900"},
    };
    for (const auto& [m, hex] : Rows) EXPECT_EQ(hexOf(encode(m)), hex);
    const std::vector<std::uint8_t> before = viewFields(ViewMessage::of(pos.g));
    pos.play(3);
    const std::optional<ViewChange> change = changeOf(before, viewFields(ViewMessage::of(pos.g)));
    ASSERT_TRUE(change);
    EXPECT_EQ(hexOf(encode(*change)), "0e0000000e0200000080024020000101797f");
    EXPECT_EQ(applyChange(before, *change).message, Message(ViewMessage::of(pos.g)));
}

TEST(NetMessages, AMalformedFrameBodyOrViewIsRefusedWithItsReason) {
    std::string scores = "06 01 01 05";
    for (int i = 0; i < 2 * ScoresContent::Rows; ++i) scores += " ff ff";
    const std::pair<std::string, const char*> Rows[] = {
        {"00 00", "an unknown message type 0"},
        {"0f 00", "an unknown message type 15"},
        {"0e 02 01", "the message ends inside its view change"},
        {"0c 03 02", "the seat key flag 2 is out of range 0..1"},
        {"02 02 41 43 44 45 46 47 05", "the seat key's length 5 is neither 0 nor 16"},
        {"02 02 41 43 44 45 46 47 10 01", "the message ends inside its seat key"},
        {"0b 01 00", "the message ends inside its seat key"},
        {"07 01", "message type 7 has 1 fields instead of 0"},
        {"01 03 54 52 4d 48 01 00 01 31", "the peer is not a Tarmigo program (wrong magic)"},
        {"01 03 54 52 4d 47 00 00 01 31", "the protocol version 0 is out of range 1..65535"},
        {"01 03 54 52 4d 47 01 00 02 31", "the message ends inside its program version"},
        {"01 03 54 52 4d 47 01 00 01 0a",
         "the program version holds a byte that is not printable text"},
        {"02 02 41 43 44 45 46 30", "the join code holds a character not in it"},
        {"06 01 02 03 00", "the message ends inside its step kind"},
        {"01 03 54 52 4d 47 01 00 21", "the program version 33 is out of range 1..32"},
        {"03 01 07", "the refusal reason 7 is out of range 1..6"},
        {"04 02 06 00", "the input kind 6 is out of range 1..5"},
        {"04 02 04 01", "the input's value 1 is out of range 0..0"},
        {"04 02 05 05", "the input's value 5 is out of range 0..4"},
        {"04 02 05 03", "the modes 3 play a card with two taps and discard without the deck"},
        {"04 02 01 15", "the input's value 21 is out of range 1..20"},
        {"04 02 02 02", "the input's value 2 is out of range 0..1"},
        {"04 02 03 01", "the input's value 1 is out of range 0..0"},
        {"06 01 41", "the step count 65 is out of range 1..64"},
        {"06 01 01 08", "the step kind 8 is out of range 1..7"},
        {"06 01 01 01 00 00 66 0e 00 02", "the coup fourre flag 2 is out of range 0..1"},
        {"06 01 01 01 00 00 66 0e 00 01",
         "a coup fourre of a card that is not a safety laid in its own area"},
        {"06 01 01 01 00 00 75 09 00 01",
         "a coup fourre of a card that is not a safety laid in its own area"},
        {"06 01 01 07 00 08", "the hint's pile 8 is out of range 0..0"},
        {"06 01 01 07 08", "the hint's slot 8 is out of range 0..7"},
        {"06 01 01 07 01 12", "the hint's pile 18 is out of range 8..17"},
        {"06 01 01 01 02", "the step's player 2 is out of range 0..1"},
        {"06 01 01 01 00 01", "the slot of the host's card 1 is out of range 0..0"},
        {"06 01 01 01 01 08", "the hand slot 8 is out of range 1..7"},
        {"06 01 01 01 00 00 79", "the laid card 121 is out of range 102..120"},
        {"06 01 01 01 00 00 66 12", "the pile 18 is out of range 8..17"},
        {"06 01 01 01 00 00 66 0e 80", "the depth 128 is out of range 0..127"},
        {"06 01 01 02 01 00", "the hand slot 0 is out of range 1..7"},
        {"06 01 01 02 00 00 66", "the drawn card 102 is out of range 0..0"},
        {"06 01 01 02 01 03 00", "the drawn card 0 is out of range 102..120"},
        {"06 01 01 02 00 00 00 66", "the count of cards left 102 is out of range 0..101"},
        {scores + " 7c 05 01", "the result 1404 is out of range 1405..1406"},
        {scores + " 7d 05 00", "the scores button 0 is out of range 1..2"},
        {"06 01 01 03 04", "the sound 4 is out of range 0..3"},
        {"06 01 01 04 02", "the undo flag 2 is out of range 0..1"},
        {"06 01 01 06 00 00", "the question 0 is out of range 1..65535"},
        {"08 01 04", "the rematch answer 4 is out of range 1..3"},
        {"0a 01 c9", "the error text 201 is out of range 1..200"},
    };
    for (auto [hex, reason] : Rows) EXPECT_EQ(decodeBody(bytesOf(hex)).error, reason) << hex;
    constexpr std::pair<const char*, const char*> Frames[] = {
        {"02 00 00", "the frame ends inside its length"},
        {"fd ff 00 00", "a frame of 65533 bytes is over the limit of 65532"},
        {"ff ff ff ff", "a frame of 4294967295 bytes is over the limit of 65532"},
        {"02 00 00 00 07", "the frame is cut short"},
        {"02 00 00 00 07 00 00", "1 bytes follow the frame"},
        {"00 00 00 00", "the message ends inside its message type"},
    };
    for (auto [hex, reason] : Frames) EXPECT_EQ(decodeFrame(bytesOf(hex)).error, reason) << hex;
    // Whether the hand is shown, a byte of the view's body changed, and the reason.
    constexpr std::tuple<bool, std::size_t, std::uint8_t, const char*> Views[] = {
        {true, 2, 0, "the seat 0 is out of range 1..1"},
        {true, 15, 5, "the battle pile 5 is no battle pile"},
        {true, 42, 0, "the discard top 0 is out of range 102..121"},
        {true, 45, 3, "the hand's card count 3 is neither 0 nor 7"},
        {true, 46, 101, "the hand card 101 is not a card"},
        {true, 46, 122, "the hand card 122 is out of range 0..121"},
        {true, 55, 128, "the playable cards 128 is out of range 0..127"},
        {true, 64, 1, "the winner 1 is out of range 0..0"},
        {false, 45, 7, "the message ends inside its status number flag"},
        {false, 46, 1, "the selected slot 1 is out of range 0..0"},
        {false, 48, 1, "the playable cards 1 is out of range 0..0"},
    };
    for (auto [handShown, at, value, reason] : Views) {
        RulePosition pos;
        pos.set(handShown ? "hand=ijfkpux | hand=ffkghij" : "| | handover");
        std::vector<std::uint8_t> frame = encode(ViewMessage::of(pos.g));
        frame[LengthBytes + at] = value;
        EXPECT_EQ(decodeFrame(frame).error, reason) << at;
    }
    // A change against no view or a shown hand's (63 bytes of fields, a mask of 8).
    constexpr std::tuple<bool, const char*, const char*> Changes[] = {
        {false, "01 00 00 00 00 00 00 00 02", "a view change with no view before it"},
        {true, "01 00 00 00 00 00 00", "the view change ends inside its mask of 8 bytes"},
        {true, "03 00 00 00 00 00 00 00 02", "the view change ends inside its bytes"},
        {true, "01 00 00 00 00 00 00 00 02 02", "1 bytes too many after the view change"},
        {true, "01 00 00 00 00 00 00 00 02", "the changed view: the seat 2 is out of range 1..1"},
        {true, "01 00 00 00 00 00 00 00 01", "the view change marks byte 0 without changing it"},
        {true, "00 00 00 00 00 00 00 80 01", "the view change marks byte 63 of a view of 63"},
        {true, "00 00 00 00 00 00 00 00", "the view change changes nothing"},
    };
    RulePosition pos;
    const std::vector<std::uint8_t> shown = viewFields(ViewMessage::of(pos.set("hand=ijfkpux").g));
    const std::vector<std::uint8_t> none;
    for (auto [earlier, hex, reason] : Changes)
        EXPECT_EQ(applyChange(earlier ? shown : none, ViewChange{bytesOf(hex)}).error, reason)
            << hex;
}

TEST(NetMessages, AStreamRefusesAnOversizedLengthAtOnceAndStopsAtItsFirstError) {
    StreamDecoder in;
    in.feed(bytesOf("fd ff 00"));
    EXPECT_FALSE(in.next() || in.failed()); // three bytes of a length: it may yet be sound
    in.feed(bytesOf("00"));
    EXPECT_FALSE(in.next());
    EXPECT_EQ(in.error(), "a frame of 65533 bytes is over the limit of 65532");

    StreamDecoder bad; // a keep-alive with a byte too many, then a sound one
    bad.feed(bytesOf("03 00 00 00 07 00 00 02 00 00 00 07 00"));
    EXPECT_FALSE(bad.next());
    EXPECT_EQ(bad.error(), "1 bytes too many after a keep-alive");
    EXPECT_FALSE(bad.next()); // nothing after an error
}

TEST(NetMessages, EachSideRefusesAMessageOutOfOrder) {
    // A letter for each message type, in the order of their numbers.
    constexpr std::string_view Letters = "HJFIVSKRLEAXCD";
    // Who receives, the messages, and the refusal of the last (empty when all are taken).
    constexpr std::tuple<Side, const char*, const char*> Rows[] = {
        {Side::Host, "HXCKJIKRL", ""},
        {Side::Host, "J", "a join before the hello"},
        {Side::Host, "HXCI", "an input before the join"},
        {Side::Host, "HH", "a second hello"},
        {Side::Host, "HJ", "a join before the share"},
        {Side::Host, "HXK", "a keep-alive before the key confirmation"},
        {Side::Host, "HXCJX", "a share after the key exchange"},
        {Side::Host, "HXCJJ", "a second join"},
        {Side::Host, "HXCJV", "a view is the host's to send"},
        {Side::Host, "HXCJS", "steps is the host's to send"},
        {Side::Host, "HF", "a refusal is the host's to send"},
        {Side::Host, "HXCJEK", "a keep-alive after the connection ended"},
        {Side::Guest, "HXCVSVKRLV", "a view after the connection ended"},
        {Side::Guest, "HXCAVSFV", "a view after the connection ended"},
        {Side::Guest, "HXFV", "a view after the connection ended"},
        {Side::Guest, "HXCVA", "a seat key after the first view"},
        {Side::Host, "HXCJA", "a seat key is the host's to send"},
        {Side::Guest, "HJ", "a join is the guest's to send"},
        {Side::Guest, "HXCVI", "an input is the guest's to send"},
        {Side::Guest, "HXCD", "a view change before the first view"},
    };
    RulePosition pos;
    std::vector<Message> every(14, ViewMessage::of(pos.g));
    for (const Message& m : everyMessage()) every[m.index()] = m;
    for (auto [receiver, messages, expected] : Rows) {
        Order order(receiver);
        std::string refusal;
        for (const char* c = messages; *c; ++c) {
            ASSERT_EQ(refusal, "") << messages;
            refusal = order.accept(every[Letters.find(*c)]);
        }
        EXPECT_EQ(refusal, expected) << messages;
    }
}

// Each step whole as it goes: a coup fourre on its card, the pile's count after a draw,
// the Scores' figures as the guest's own view has them at the hand's end.
TEST(NetSteps, TheGuestSeesTheHostsCardLaidButNotItsSlotAndTheHostsDrawAsABackItsOwnAsACard) {
    const auto laid = [](int p, int s, Card c, int to, int d, bool coup = false) {
        return ShownStep{Laid{p, s, c, to, d, coup}};
    };
    const ShownStep hUndo = UndoStep{false}, gUndo = UndoStep{true};
    const ShownStep remedy = SoundStep{Sound::Remedy}, safety = SoundStep{Sound::Safety};
    const ShownStep miles = SoundStep{Sound::Miles}, ask = AskStep{text::ExtendRace};
    // A position, the slot of the card its player lays (0: a draw) and the steps shown.
    const std::tuple<const char*, int, std::vector<ShownStep>> Rows[] = {
        {"| stop hand=ffk | turn=1", 3, {laid(1, 3, Go, 11, 0), gUndo, remedy}},
        {"go hazard=1 | stop hand=uffffff | turn=1",
         1,
         {laid(1, 1, RightOfWay, 9, 0, true), gUndo, safety}},
        {"| go miles=600 hand=i | turn=1", 1, {gUndo, laid(1, 1, Distance100, 15, 6), miles, ask}},
        {"| go miles=900 hand=ffffffi | turn=1 race=1000",
         7,
         {gUndo, laid(1, 7, Distance100, 15, 9), miles, ScoresStep{}}},
        {"go miles=600 hand=i", 1, {hUndo, laid(0, 0, Distance100, 14, 6), miles}},
        {"draw=4 | draw=5", 0, {Drawn{0, 0, EmptySlot, 0}}},
        {"draw=4 | draw=5 | turn=1", 0, {Drawn{1, 5, Distance25, 0}}},
    };
    for (const auto& [position, slot, expected] : Rows) {
        RulePosition pos;
        ShownSteps steps;
        pos.g.events = &steps;
        pos.set(position).select(slot);
        pos.g.deck[pos.g.round.deckPos] = Distance25; // the guest's own draw shows its card
        if (slot == 0)
            drawCard(pos.g, DrawSlide::Shown);
        else
            dispatchMove(pos.g, autoTarget(pos.g, pos.own().slot(slot)));
        std::vector<Steps> got = steps.take();
        ASSERT_EQ(got.size(), 1u) << position;
        const SeatView after = viewFor(pos.g, 1);
        for (ShownStep& s : got[0].steps)
            if (auto* drawn = std::get_if<Drawn>(&s)) {
                EXPECT_EQ(drawn->cardsLeft, after.cardsLeft) << position;
                drawn->cardsLeft = 0;
            } else if (auto* scores = std::get_if<ScoresStep>(&s)) {
                EXPECT_EQ(scores->figures, scoresContent(after)) << position;
                EXPECT_EQ(scores->figures.values[4][1], 400) << "the guest's trip complete";
                scores->figures = {};
            }
        EXPECT_EQ(got[0], Steps{expected}) << position;
    }
}

TEST(NetSteps, AMoveOfManyStepsGoesInMessagesOfAtMost64) {
    RulePosition pos;
    ShownSteps steps;
    for (int i = 0; i < MaxSteps + 6; ++i) steps.report(pos.g, SoundMade{Sound(i % 4)});
    const std::vector<Steps> messages = steps.take();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].steps.size(), std::size_t(MaxSteps));
    EXPECT_EQ(messages[1].steps.size(), 6u);
    EXPECT_TRUE(steps.take().empty());
}

TEST(NetJoinCode, ACodeIsSixCharactersOfTheAlphabetAndIsReadAsTyped) {
    constexpr std::pair<std::uint64_t, const char*> Made[] = {
        {1, "CAAAAA"}, {25, "ACAAAA"}, {244140624, "999999"}, {244140625, "AAAAAA"}};
    for (auto [random, code] : Made) EXPECT_EQ(makeJoinCode(random), code) << random;
    constexpr std::pair<const char*, const char*> Typed[] = {
        {"acd-efg", "ACDEFG"}, {" 34 67 9A ", "34679A"}, {"ACDEF", nullptr},
        {"ACDEFGH", nullptr},  {"ACDEF0", nullptr},      {"ACDEFI", nullptr}};
    for (auto [typed, code] : Typed)
        EXPECT_EQ(readJoinCode(typed), code ? std::optional<std::string>(code) : std::nullopt)
            << typed;
    EXPECT_TRUE(sameCode("ACDEFG", "ACDEFG"));
    EXPECT_FALSE(sameCode("ACDEFG", "ACDEFH"));
    EXPECT_FALSE(sameCode("ACDEFG", "ACDEF"));
    // A seat key differs in its first byte or its last.
    SeatKey last{};
    last.back() = 1;
    EXPECT_TRUE(sameKey(SeatKey{7, 1}, SeatKey{7, 1}));
    EXPECT_FALSE(sameKey(SeatKey{1}, SeatKey{2}) || sameKey(SeatKey{}, last));
}

TEST(NetLockout, FiveWrongCodesLockAnAddressOutForAMinute) {
    std::int64_t now = 1000;
    Lockout lockout([&] { return now; });
    const std::string a = "127.0.0.1", b = "::1";
    const auto wrong = [&](const std::string& who, int n) {
        for (int i = 0; i < n; ++i) lockout.wrongCode(who);
    };
    wrong(a, Lockout::MaxWrongCodes - 1);
    EXPECT_FALSE(lockout.refuses(a));
    wrong(a, 1);
    EXPECT_TRUE(lockout.refuses(a));
    EXPECT_FALSE(lockout.refuses(b));
    now += Lockout::LockMs - 1;
    EXPECT_TRUE(lockout.refuses(a));
    now += 1;
    EXPECT_FALSE(lockout.refuses(a));
    wrong(a, 1); // the count starts again after the lock
    EXPECT_FALSE(lockout.refuses(a));

    // A right code clears the count; a quiet minute forgets it.
    wrong(b, Lockout::MaxWrongCodes - 1);
    lockout.rightCode(b);
    wrong(b, Lockout::MaxWrongCodes - 1);
    EXPECT_FALSE(lockout.refuses(b));
    now += Lockout::LockMs;
    wrong(b, 1);
    EXPECT_FALSE(lockout.refuses(b));
}

TEST(NetLockout, APlaceIsAnIPv4AddressOrAnIPv6Slash64) {
    constexpr std::pair<const char*, const char*> Places[] = {
        {"192.0.2.7", "192.0.2.7"},
        {"::ffff:192.0.2.7", "192.0.2.7"},
        {"2001:db8:0:1::5", "2001:db8:0:1::/64"},
        {"2001:DB8:0:1:ffff:1:2:3", "2001:db8:0:1::/64"},
        {"::1", "0:0:0:0::/64"},
        {"fe80::1%eth0", "fe80:0:0:0::/64"},
        {"1:2:3:4:5:6:7:8:9", "1:2:3:4:5:6:7:8:9"},
        {"1::2::3", "1::2::3"},
        {"1:2:3:4:5:6:7", "1:2:3:4:5:6:7"}};
    for (auto [address, place] : Places) EXPECT_EQ(Lockout::placeOf(address), place) << address;

    std::int64_t now = 0;
    Lockout lockout([&] { return now; });
    for (int i = 0; i < Lockout::MaxWrongCodes; ++i)
        lockout.wrongCode("2001:db8:0:1::" + std::to_string(i + 10));
    EXPECT_TRUE(lockout.refuses("2001:db8:0:1:ffff::1"));
    EXPECT_FALSE(lockout.refuses("2001:db8:0:2::10"));
}

// However many addresses guess, the host takes MaxWrongPerMinute wrong codes a minute.
TEST(NetLockout, TheHostTakesOnlySoManyWrongCodesAMinuteFromAllAddresses) {
    const std::int64_t start = 3'600'000; // an hour after the host's clock began
    std::int64_t now = start;
    Lockout lockout([&] { return now; });
    for (int i = 0; i < Lockout::MaxWrongPerMinute; ++i, now += 1000) {
        EXPECT_FALSE(lockout.refuses("198.51.100." + std::to_string(i)));
        lockout.wrongCode("198.51.100." + std::to_string(i));
    }
    EXPECT_TRUE(lockout.refuses("203.0.113.1"));
    now = start + Lockout::MinuteMs - 1;
    EXPECT_TRUE(lockout.refuses("203.0.113.1"));
    now = start + Lockout::MinuteMs; // the first wrong code is a minute old
    EXPECT_FALSE(lockout.refuses("203.0.113.1"));
}

TEST(NetLockout, AFloodOfAddressesKeepsTheBookBounded) {
    std::int64_t now = 0;
    Lockout lockout([&] { return now; });
    for (int i = 0; i < 5000; ++i, ++now) lockout.wrongCode("10.0.0." + std::to_string(i));
    EXPECT_LE(lockout.addresses(), Lockout::MaxAddresses);
    now += Lockout::LockMs;
    EXPECT_FALSE(lockout.refuses("x"));
    EXPECT_EQ(lockout.addresses(), 0u);
}

} // namespace
