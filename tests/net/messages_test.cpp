// Every message comes back as it went, a malformed one is refused with its reason, a
// stream cut anywhere gives the same messages and a message out of order is refused.
#include "net/messages.h"
#include "net/order.h"
#include "net/stream.h"
#include "support/hex.h"
#include "support/rules_position.h"
#include "support/test_host.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace tarmigo;
using namespace tarmigo::net;
using tarmigo::testing::hexOf;

namespace {

std::vector<std::uint8_t> bytesOf(std::string_view hex) {
    std::vector<std::uint8_t> out;
    std::istringstream in{std::string(hex)};
    for (unsigned b = 0; in >> std::hex >> b;) out.push_back(std::uint8_t(b));
    return out;
}

// One message of each kind but the view (view_wire_test.cpp has the views), at the ends
// of their ranges.
std::vector<Message> everyMessage() {
    using K = ShownStep::Kind;
    const Steps eachStep{{{K::Laid, 1, 7, PunctureProof, 9, 3, 0},
                          {K::Drawn, 1, 4},
                          {K::Sound, 0, 0, 0, 0, 0, 3},
                          {K::Undo, 0, 0, 0, 0, 0, 1},
                          {K::Scores, 0, 0, 0, 0, 0, 1},
                          {K::Ask, 0, 0, 0, 0, 0, 1601}}};
    return {Hello{Magic, 65535, "10.2.3-rc1"},
            Join{"979797"},
            Refusal{Refusal::Reason::LockedOut},
            Input{Input::Kind::Tap, 20},
            Input{Input::Kind::Extension, 1},
            Input{Input::Kind::Undo, 0},
            eachStep,
            Steps{std::vector<ShownStep>(MaxSteps, ShownStep{K::Sound})},
            KeepAlive{},
            Rematch{Rematch::Kind::No},
            Left{},
            Error{std::string(MaxErrorLength, '~')}};
}

// Every message, and whatever else the decoder takes when a byte is changed, encodes back
// to its bytes: every field is read and written whole.
TEST(NetMessages, EveryMessageComesBackAsItWentAndEveryFieldWhole) {
    std::vector<Message> all = everyMessage();
    for (const char* position : {"go miles=300 hand=ijfkpux sel=2 | stop miles=775 | handover",
                                 "| go hand=ffkghij | turn=1 race=1000"}) {
        tarmigo::testing::RulePosition pos;
        pos.set(position);
        all.push_back(ViewMessage::of(pos.g));
    }
    for (const Message& m : all) {
        const std::vector<std::uint8_t> frame = encode(m);
        ASSERT_EQ(decodeFrame(frame).message, m) << decodeFrame(frame).error << hexOf(frame);
        for (std::size_t at = LengthBytes; at < frame.size(); ++at) {
            for (int value = 0; value < 256; ++value) {
                std::vector<std::uint8_t> changed = frame;
                changed[at] = std::uint8_t(value);
                const Decoded d = decodeFrame(changed);
                ASSERT_TRUE(!d.ok() || encode(d.message) == changed) << at << " " << value;
            }
        }
    }
}

// The worked exchange of docs/network-protocol.md.
TEST(NetMessages, TheWorkedExchangeIsSpeltOutByteByByte) {
    const std::pair<Message, const char*> Rows[] = {
        {Hello{Magic, 1, "1.1"}, "0c000000010354524d47010003312e31"},
        {Join{"K7QX3D"}, "0800000002014b3751583344"},
        {Input{Input::Kind::Tap, 3}, "0400000004020103"},
        {Steps{{{ShownStep::Kind::Laid, 1, 3, Go, 11, 0, 0},
                {ShownStep::Kind::Undo, 0, 0, 0, 0, 0, 1},
                {ShownStep::Kind::Sound, 0, 0, 0, 0, 0, 1}}},
         "0d0000000601030101036b0b0004010301"},
        {KeepAlive{}, "020000000700"},
        {Left{}, "020000000900"},
    };
    for (const auto& [m, hex] : Rows) EXPECT_EQ(hexOf(encode(m)), hex);
}

TEST(NetMessages, AMalformedBodyIsRefusedWithItsReason) {
    constexpr std::pair<const char*, const char*> Rows[] = {
        {"00 00", "an unknown message type 0"},
        {"0b 00", "an unknown message type 11"},
        {"07", "the message ends inside its field count"},
        {"07 01", "message type 7 has 1 fields instead of 0"},
        {"01 03 54 52 4d 48 01 00 01 31", "the peer is not a Tarmigo program (wrong magic)"},
        {"01 03 54 52 4d 47 00 00 01 31", "the protocol version 0 is out of range 1..65535"},
        {"01 03 54 52 4d 47 01 00 02 31", "the message ends inside its program version"},
        {"01 03 54 52 4d 47 01 00 01 0a",
         "the program version holds a byte that is not printable text"},
        {"01 03 54 52 4d 47 01 00 01 7f",
         "the program version holds a byte that is not printable text"},
        {"02 01 41 43 44 45 46 30", "the join code holds a character not in it"},
        {"02 01 61 43 44 45 46 47", "the join code holds a character not in it"},
        {"06 01 02 03 00", "the message ends inside its step kind"},
        {"01 03 54 52 4d 47 01 00 21", "the program version 33 is out of range 1..32"},
        {"03 01 04", "the refusal reason 4 is out of range 1..3"},
        {"04 02 04 00", "the input kind 4 is out of range 1..3"},
        {"04 02 01 15", "the input's value 21 is out of range 1..20"},
        {"04 02 02 02", "the input's value 2 is out of range 0..1"},
        {"04 02 03 01", "the input's value 1 is out of range 0..0"},
        {"06 01 41", "the step count 65 is out of range 1..64"},
        {"06 01 01 07", "the step kind 7 is out of range 1..6"},
        {"06 01 01 01 02", "the step's player 2 is out of range 0..1"},
        {"06 01 01 01 00 01", "the slot of the host's card 1 is out of range 0..0"},
        {"06 01 01 01 01 08", "the hand slot 8 is out of range 1..7"},
        {"06 01 01 01 00 00 79", "the laid card 121 is out of range 102..120"},
        {"06 01 01 01 00 00 66 12", "the pile 18 is out of range 8..17"},
        {"06 01 01 01 00 00 66 0e 80", "the depth 128 is out of range 0..127"},
        {"06 01 01 02 01 00", "the hand slot 0 is out of range 1..7"},
        {"06 01 01 03 04", "the sound 4 is out of range 0..3"},
        {"06 01 01 04 02", "the step's flag 2 is out of range 0..1"},
        {"06 01 01 06 00 00", "the question 0 is out of range 1..65535"},
        {"08 01 04", "the rematch answer 4 is out of range 1..3"},
        {"0a 01 c9", "the error text 201 is out of range 1..200"},
    };
    for (auto [hex, reason] : Rows) EXPECT_EQ(Decoder::body(bytesOf(hex)).error, reason) << hex;
}

TEST(NetMessages, AFrameIsItsLengthAndItsBodyWithNothingMissingOrOver) {
    constexpr std::pair<const char*, const char*> Rows[] = {
        {"02 00 00", "the frame ends inside its length"},
        {"fd ff 00 00", "a frame of 65533 bytes is over the limit of 65532"},
        {"ff ff ff ff", "a frame of 4294967295 bytes is over the limit of 65532"},
        {"02 00 00 00 07", "the frame is cut short"},
        {"02 00 00 00 07 00 00", "1 bytes follow the frame"},
        {"00 00 00 00", "the message ends inside its message type"},
        {"02 00 00 00 07 00", ""},
    };
    for (auto [hex, reason] : Rows) EXPECT_EQ(decodeFrame(bytesOf(hex)).error, reason) << hex;
}

TEST(NetMessages, AStreamCutAnywhereGivesTheSameMessagesInOrder) {
    const std::vector<Message> sent = everyMessage();
    std::vector<std::uint8_t> stream;
    for (const Message& m : sent) std::ranges::copy(encode(m), std::back_inserter(stream));
    for (std::size_t chunk : {std::size_t(1), std::size_t(3), std::size_t(64), stream.size()}) {
        StreamDecoder in;
        std::vector<Message> got;
        for (std::size_t at = 0; at < stream.size(); at += chunk) {
            in.feed(std::span(stream).subspan(at, std::min(chunk, stream.size() - at)));
            while (auto m = in.next()) got.push_back(*m);
        }
        EXPECT_FALSE(in.failed()) << in.error();
        EXPECT_EQ(got, sent) << "chunks of " << chunk;
        EXPECT_EQ(in.pending(), 0u);
    }
}

TEST(NetMessages, AStreamRefusesAnOversizedLengthAtOnceAndStopsAtItsFirstError) {
    StreamDecoder in;
    in.feed(bytesOf("fd ff 00"));
    EXPECT_FALSE(in.next().has_value());
    EXPECT_FALSE(in.failed()); // three bytes of a length: it may yet be sound
    in.feed(bytesOf("00"));
    EXPECT_FALSE(in.next().has_value());
    EXPECT_EQ(in.error(), "a frame of 65533 bytes is over the limit of 65532");

    StreamDecoder bad;
    bad.feed(bytesOf("03 00 00 00 07 00 00"));
    bad.feed(encode(KeepAlive{}));
    EXPECT_FALSE(bad.next().has_value());
    EXPECT_EQ(bad.error(), "1 bytes too many after a keep-alive");
    EXPECT_FALSE(bad.next().has_value()); // nothing after an error
}

TEST(NetMessages, EachSideRefusesAMessageOutOfOrder) {
    // A letter for each message type, in the order of their numbers.
    constexpr std::string_view Letters = "HJFIVSKRLE";
    struct Row {
        Side receiver;
        const char* messages;
        const char* refusal; // of the last message; empty when every one is taken
    };
    constexpr Row Rows[] = {
        {Side::Host, "HKJIKRL", ""},
        {Side::Host, "J", "a join before the hello"},
        {Side::Host, "HI", "an input before the join"},
        {Side::Host, "HH", "a second hello"},
        {Side::Host, "HJJ", "a second join"},
        {Side::Host, "HJV", "a view is the host's to send"},
        {Side::Host, "HJS", "steps is the host's to send"},
        {Side::Host, "HF", "a refusal is the host's to send"},
        {Side::Host, "HJLK", "a keep-alive after the connection ended"},
        {Side::Guest, "HVSVKRL", ""},
        {Side::Guest, "HS", "steps before the first view"},
        {Side::Guest, "HVF", "a refusal after the join was accepted"},
        {Side::Guest, "HJ", "a join is the guest's to send"},
        {Side::Guest, "HVI", "an input is the guest's to send"},
        {Side::Guest, "HFV", "a view after the connection ended"},
        {Side::Guest, "HVES", "steps after the connection ended"},
    };
    tarmigo::testing::TestHost host;
    const Game game(host);
    std::vector<Message> every(10, ViewMessage::of(game));
    for (const Message& m : everyMessage()) every[m.index()] = m;
    for (const Row& row : Rows) {
        Order order(row.receiver);
        std::string refusal;
        for (const char* c = row.messages; *c; ++c) {
            ASSERT_EQ(refusal, "") << row.messages;
            refusal = order.accept(every[Letters.find(*c)]);
        }
        EXPECT_EQ(refusal, row.refusal) << row.messages;
    }
}

TEST(NetMessages, AVersionMismatchNamesBothVersions) {
    const Hello ours{Magic, 1, "1.1"};
    EXPECT_EQ(versionMismatch(ours, ours), "");
    EXPECT_EQ(versionMismatch(ours, Hello{Magic, 2, "1.2"}),
              "This program is Tarmigo 1.1 (protocol 1) and the other is Tarmigo 1.2 (protocol "
              "2); both players need the same version.");
    EXPECT_NE(versionMismatch(ours, Hello{Magic, 1, "1.2"}), "");
    EXPECT_NE(versionMismatch(ours, Hello{Magic, 2, "1.1"}), "");
}

} // namespace
