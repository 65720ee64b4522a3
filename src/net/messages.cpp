#include "net/messages.h"

#include "game/strings.h"
#include "game/version.h"
#include "net/join_code.h"
#include "net/wire.h"

#include <cstdio>
#include <utility>

namespace tarmigo::net {
namespace {

// The fields each message type carries, in the order of Type.
constexpr int FieldCounts[] = {0, 3, 2, 1, 2, 15, 1, 0, 1, 0, 1, 1, 3, 2, 2};
constexpr int LastType = int(Type::ViewChange);
constexpr int LastReason = int(Refusal::Reason::SeatFreed);

constexpr int CardNone = 0;
constexpr int GuestSeat = 1;
constexpr int TwoPlayerResult = text::YouWin + 2; // "Player 1 Wins!", then Player 2's
constexpr int LastTarget = 20;                    // game/targets.h: the status line
constexpr int FirstPile = 8;                      // a safety area
constexpr int LastPile = 17;                      // the discard pile
constexpr int MaxDepth = 127;                     // cards in a distance column
constexpr int LastBattle = 9;                     // a flat tire
constexpr int LastSpeed = 2;                      // the limit ended
constexpr int AllSafeties = 15;                   // four bits
constexpr int LastSound = int(Sound::Miles);
constexpr int AllPlayable = (1 << HandSize) - 1;

// The view's flags, one bit each.
enum ViewFlag {
    FlagHandOver = 1,
    FlagGameOver = 2,
    FlagTurnHandover = 4,
    FlagDecisionPending = 8,
    FlagShowPlayable = 16,
    FlagHideTips = 32,
    FlagDelayedAction0 = 64, // player 0's, then player 1's
    FlagDelayedAction1 = 128,
    AllFlags = 255,
};

// The alternative of a variant at a number read off the wire, as reading begins.
template <class Variant, std::size_t... I>
Variant alternative(std::size_t index, std::index_sequence<I...>) {
    Variant v;
    ((index == I ? void(v = std::variant_alternative_t<I, Variant>{}) : void()), ...);
    return v;
}

ShownStep stepOfKind(int kind) {
    return alternative<ShownStep>(std::size_t(kind) - 1,
                                  std::make_index_sequence<std::variant_size_v<ShownStep>>{});
}

Type typeOf(const Message& m) {
    return Type(m.index() + 1);
}

void serialize(Stream& s, PlayerView& p) {
    s.u16(p.miles, "miles");
    s.u16(p.handScore, "hand score");
    s.u16(p.gameScore, "game score");
    s.u16(p.gamesWon, "games won");
    s.u8(p.safeties, "safeties", 0, AllSafeties);
    s.u8(p.coupFourre, "coups fourres", 0, AllSafeties);
    s.u8(p.battle, "battle pile", 0, LastBattle);
    // Between the remedies (2..4) and the hazards (6..9) no battle pile is 5.
    if (s.isReading() && p.battle == BattleStop - 1) s.fail("the battle pile 5 is no battle pile");
    s.u8(p.speed, "speed pile", 0, LastSpeed);
    s.flag(p.moving, "moving flag");
    for (int& n : p.distancePlayed) s.u8(n, "distance count");
}

// A card of a shown hand: 0 is read as an empty slot too.
void handCard(Stream& s, Card& c) {
    s.u8(c, "hand card", CardNone, EmptySlot);
    if (s.ok() && c != CardNone && c < FirstCard)
        s.fail("the hand card " + std::to_string(c) + " is not a card");
}

// The hand and what of it is selected, marked and playable: nothing of a hidden hand.
void serializeHand(Stream& s, SeatView& v) {
    int count = v.handShown ? HandSize : 0;
    s.u8(count, "hand's card count", 0, HandSize);
    if (s.ok() && count != 0 && count != HandSize)
        s.fail("the hand's card count " + std::to_string(count) + " is neither 0 nor 7");
    v.handShown = count == HandSize;
    if (v.handShown)
        for (Card& c : v.hand) handCard(s, c);
    const int lastSlot = v.handShown ? HandSize : 0;
    s.u8(v.selectedSlot, "selected slot", 0, lastSlot);
    s.u8(v.markedSlot, "marked slot", 0, lastSlot);
    int playable = 0;
    for (int slot = 0; slot < HandSize; ++slot) playable |= int(v.playable[slot]) << slot;
    s.u8(playable, "playable cards", 0, v.handShown ? AllPlayable : 0);
    for (int slot = 0; slot < HandSize; ++slot) v.playable[slot] = (playable >> slot) & 1;
}

void serializeFlags(Stream& s, SeatView& v) {
    const std::pair<bool*, int> bits[] = {
        {&v.handOver, FlagHandOver},
        {&v.gameOver, FlagGameOver},
        {&v.turnHandover, FlagTurnHandover},
        {&v.decisionPending, FlagDecisionPending},
        {&v.showPlayable, FlagShowPlayable},
        {&v.hideTips, FlagHideTips},
        {&v.players[0].delayedAction, FlagDelayedAction0},
        {&v.players[1].delayedAction, FlagDelayedAction1},
    };
    int flags = 0;
    for (const auto& [flag, bit] : bits) flags |= *flag ? bit : 0;
    s.u8(flags, "view flags", 0, AllFlags);
    for (const auto& [flag, bit] : bits) *flag = (flags & bit) != 0;
}

void serialize(Stream& s, SeatView& v) {
    s.u8(v.seat, "seat", 1, 1);
    s.u8(v.playerCount, "player count", 2, 2);
    s.u8(v.currentPlayer, "current player", 0, 1);
    for (PlayerView& p : v.players) serialize(s, p);
    s.u8(v.cardsLeft, "count of cards left", 0, DeckSize);
    s.u8(v.discardTop, "discard top", FirstCard, EmptySlot);
    s.u16(v.raceLength, "race length", 0, 0x7fff);
    serializeHand(s, v);
    s.u16(v.status.id, "status id");
    s.flag(v.status.hasNumber, "status number flag");
    s.i32(v.status.number, "status number");
    serializeFlags(s, v);
    s.u8(v.winner, "winner", 0, v.handOver ? 1 : 0);
}

// The slot of a card leaving or reaching a hand: only seat 1's own is told.
void slotOf(Stream& s, int player, int& slot) {
    if (player == GuestSeat)
        s.u8(slot, "hand slot", 1, HandSize);
    else
        s.u8(slot, "slot of the host's card", 0, 0);
}

void serialize(Stream& s, Laid& m) {
    s.u8(m.player, "step's player", 0, 1);
    slotOf(s, m.player, m.slot);
    s.u8(m.card, "laid card", FirstCard, LastCard);
    s.u8(m.target, "pile", FirstPile, LastPile);
    s.u8(m.depth, "depth", 0, MaxDepth);
    s.flag(m.coupFourre, "coup fourre flag");
    // A coup fourre is a safety laid on its player's own safety area.
    if (s.ok() && m.coupFourre && (!isSafety(m.card) || m.target != FirstPile + m.player))
        s.fail("a coup fourre of a card that is not a safety laid in its own area");
}

void serialize(Stream& s, Drawn& m) {
    s.u8(m.player, "step's player", 0, 1);
    slotOf(s, m.player, m.slot);
    // The card only into seat 1's own hand; the host's goes as 0.
    const bool own = m.player == GuestSeat;
    int card = own ? int(m.card) : CardNone;
    s.u8(card, "drawn card", own ? int(FirstCard) : 0, own ? int(LastCard) : 0);
    if (s.isReading()) m.card = own ? Card(card) : Card(EmptySlot);
    s.u8(m.cardsLeft, "count of cards left", 0, DeckSize);
}

void serialize(Stream& s, SoundStep& m) {
    s.u8(m.sound, "sound", 0, LastSound);
}

void serialize(Stream& s, UndoStep& m) {
    s.flag(m.enabled, "undo flag");
}

// The dialog at a hand's end, as its fields go: row by row, player 0 then player 1,
// then the result line and the button.
void serialize(Stream& s, ScoresStep& m) {
    ScoresContent& c = m.figures;
    for (auto& row : c.values)
        for (int& value : row) s.u16(value, "score");
    s.u16(c.resultId, "result", TwoPlayerResult, TwoPlayerResult + 1);
    s.u8(c.button, "scores button", int(ScoresButton::NewHand), int(ScoresButton::NewGame));
    if (s.isReading()) c.twoPlayers = true; // a network game is one of two players
}

void serialize(Stream& s, AskStep& m) {
    s.u16(m.stringId, "question", 1, 0xffff);
}

void serialize(Stream& s, HintStep& m) {
    s.u8(m.slot, "hint's slot", 0, HandSize);
    // A hint lays its card on a pile, or discards it (the draw pile's tap).
    if (m.slot == 0)
        s.u8(m.target, "hint's pile", 0, 0);
    else
        s.u8(m.target, "hint's pile", FirstPile, LastPile);
}

void serialize(Stream& s, ShownStep& step) {
    int kind = int(step.index()) + 1;
    s.u8(kind, "step kind", 1, int(std::variant_size_v<ShownStep>));
    if (s.isReading()) step = stepOfKind(kind);
    std::visit([&s](auto& fields) { serialize(s, fields); }, step);
}

} // namespace

void serialize(Stream& s, ViewMessage& m) {
    serialize(s, m.view_);
}

// A message of each type as reading begins, a view included (which only reading may make).
struct MessageOfType {
    static Message make(Type type) {
        return make(std::size_t(type) - 1,
                    std::make_index_sequence<std::variant_size_v<Message>>{});
    }
    template <std::size_t... I> static Message make(std::size_t index, std::index_sequence<I...>) {
        Message m;
        ((index == I ? void(m = std::variant_alternative_t<I, Message>{}) : void()), ...);
        return m;
    }
};

namespace {

void serialize(Stream& s, Hello& m) {
    s.u32(m.magic, "magic");
    if (s.isReading() && s.ok() && m.magic != Magic)
        s.fail("the peer is not a Tarmigo program (wrong magic)");
    s.u16(m.protocol, "protocol version", 1, 0xffff);
    s.text(m.program, "program version", 1, MaxVersionLength);
}

void serialize(Stream& s, Join& m) {
    if (s.isReading()) m.code.resize(JoinCodeLength);
    for (char& c : m.code) {
        int byte = static_cast<unsigned char>(c);
        s.u8(byte, "join code");
        if (s.isReading()) c = char(byte);
        if (s.isReading() && s.ok() && !isCodeCharacter(c))
            s.fail("the join code holds a character not in it");
    }
    int keyLength = m.key ? int(SeatKeyLength) : 0;
    s.u8(keyLength, "seat key's length", 0, int(SeatKeyLength));
    if (s.ok() && keyLength != 0 && keyLength != int(SeatKeyLength))
        s.fail("the seat key's length " + std::to_string(keyLength) + " is neither 0 nor " +
               std::to_string(SeatKeyLength));
    if (s.isReading() && s.ok() && keyLength != 0) m.key.emplace();
    if (m.key) s.bytes(*m.key, "seat key");
}

void serialize(Stream& s, Refusal& m) {
    s.u8(m.reason, "refusal reason", 1, LastReason);
}

void serialize(Stream& s, Input& m) {
    s.u8(m.kind, "input kind", 1, int(Input::Kind::Modes));
    const int last = m.kind == Input::Kind::Tap         ? LastTarget
                     : m.kind == Input::Kind::Extension ? 1
                     : m.kind == Input::Kind::Modes     ? 4
                                                        : 0;
    s.u8(m.value, "input's value", m.kind == Input::Kind::Tap ? 1 : 0, last);
    if (s.ok() && m.kind == Input::Kind::Modes && !Input::validModes(m.value))
        s.fail("the modes " + std::to_string(m.value) +
               " play a card with two taps and discard without the deck");
}

void serialize(Stream& s, Steps& m) {
    int n = int(m.steps.size());
    s.u8(n, "step count", 1, MaxSteps);
    if (s.isReading()) m.steps.resize(s.ok() ? std::size_t(n) : 0);
    for (ShownStep& step : m.steps) serialize(s, step);
}

void serialize(Stream&, KeepAlive&) {}
void serialize(Stream& s, Rematch& m) {
    s.u8(m.kind, "rematch answer", 1, 3);
}
void serialize(Stream&, Left&) {}
void serialize(Stream& s, Error& m) {
    s.text(m.reason, "error text", 1, MaxErrorLength);
}
void serialize(Stream& s, Seat& m) {
    s.bytes(m.key, "seat key");
}

void serialize(Stream& s, Share& m) {
    s.flag(m.withKey, "seat key flag");
    s.bytes(m.sessionId, "session id");
    s.bytes(m.share, "share");
}

void serialize(Stream& s, Confirm& m) {
    s.bytes(m.tag, "confirmation tag");
    s.bytes(m.header, "stream header");
}

void serialize(Stream& s, ViewChange& m) {
    // Its mask's length is the view's before it: applyChange reads it against that.
    if (s.isReading()) {
        if (s.left() < 2) s.fail("the message ends inside its view change");
        m.bytes.resize(s.left());
    }
    s.bytes(m.bytes, "view change");
}

// A body: its type, its field count and the fields. Read, the type picks the message.
void serialize(Stream& s, Message& m) {
    int type = int(typeOf(m));
    s.u8(type, "message type");
    if (s.ok() && (type < 1 || type > LastType))
        return s.fail("an unknown message type " + std::to_string(type));
    int count = FieldCounts[type];
    s.u8(count, "field count");
    if (s.ok() && count != FieldCounts[type])
        return s.fail("message type " + std::to_string(type) + " has " + std::to_string(count) +
                      " fields instead of " + std::to_string(FieldCounts[type]));
    if (!s.ok()) return;
    if (s.isReading()) m = MessageOfType::make(Type(type));
    std::visit([&s](auto& fields) { serialize(s, fields); }, m);
}

// The frame of a message in a stream that writes or counts; the message is not changed.
void frame(Stream& s, const Message& m) {
    std::uint32_t length = 0;
    s.u32(length, "length");
    serialize(s, const_cast<Message&>(m)); // writing and counting only read the fields
}

} // namespace

Hello Hello::ours() {
    return Hello{Magic, ProtocolVersion, ProgramVersion};
}

const char* nameOf(const Message& m) {
    static constexpr const char* Names[] = {
        "a hello",    "a join",       "a refusal",         "an input",     "a view",
        "steps",      "a keep-alive", "a rematch message", "a leaving",    "an error",
        "a seat key", "a share",      "a confirmation",    "a view change"};
    return Names[m.index()];
}

std::vector<std::uint8_t> encode(const Message& m) {
    Stream s = Stream::writing();
    frame(s, m);
    std::vector<std::uint8_t> bytes = s.take();
    const std::size_t length = bytes.size() - LengthBytes;
    for (std::size_t i = 0; i < LengthBytes; ++i) bytes[i] = std::uint8_t(length >> (8 * i));
    return bytes;
}

std::size_t measure(const Message& m) {
    Stream s = Stream::measuring();
    frame(s, m);
    return s.size();
}

Decoded decodeBody(std::span<const std::uint8_t> bytes) {
    Stream s = Stream::reading(bytes);
    Message m = KeepAlive{};
    serialize(s, m);
    if (s.ok() && s.left() != 0)
        s.fail(std::to_string(s.left()) + " bytes too many after " + nameOf(m));
    if (!s.ok()) return {KeepAlive{}, s.error()};
    return {std::move(m), {}};
}

Decoded decodeFrame(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < LengthBytes) return {KeepAlive{}, "the frame ends inside its length"};
    std::size_t length = 0;
    for (std::size_t i = 0; i < LengthBytes; ++i) length |= std::size_t(bytes[i]) << (8 * i);
    if (length > MaxBody)
        return {KeepAlive{}, "a frame of " + std::to_string(length) +
                                 " bytes is over the limit of " + std::to_string(MaxBody)};
    if (bytes.size() - LengthBytes < length) return {KeepAlive{}, "the frame is cut short"};
    if (bytes.size() - LengthBytes > length)
        return {KeepAlive{},
                std::to_string(bytes.size() - LengthBytes - length) + " bytes follow the frame"};
    return decodeBody(bytes.subspan(LengthBytes));
}

std::vector<std::uint8_t> viewFields(const ViewMessage& m) {
    Stream s = Stream::writing();
    serialize(s, const_cast<ViewMessage&>(m)); // writing only reads the fields
    return s.take();
}

namespace {
// The bytes of a change's mask: one bit for each byte of the view before it.
std::size_t maskLengthOf(std::span<const std::uint8_t> before) {
    return (before.size() + 7) / 8;
}
} // namespace

std::optional<ViewChange> changeOf(std::span<const std::uint8_t> before,
                                   std::span<const std::uint8_t> after) {
    if (before.size() != after.size()) return std::nullopt;
    ViewChange c;
    c.bytes.resize(maskLengthOf(before));
    for (std::size_t i = 0; i < before.size(); ++i)
        if (before[i] != after[i]) {
            c.bytes[i / 8] |= std::uint8_t(1u << (i % 8));
            c.bytes.push_back(after[i]);
        }
    if (c.bytes.size() == maskLengthOf(before)) return std::nullopt; // nothing changed
    return c;
}

Decoded applyChange(std::span<const std::uint8_t> before, const ViewChange& change) {
    if (before.empty()) return {KeepAlive{}, "a view change with no view before it"};
    const std::size_t maskLength = maskLengthOf(before);
    if (change.bytes.size() < maskLength)
        return {KeepAlive{},
                "the view change ends inside its mask of " + std::to_string(maskLength) + " bytes"};
    // The view's type and count, then its fields with the marked bytes replaced: every
    // change has one encoding, so a byte marked must differ and no bit may pass the end.
    std::vector<std::uint8_t> body{std::uint8_t(Type::View),
                                   std::uint8_t(FieldCounts[int(Type::View)])};
    body.insert(body.end(), before.begin(), before.end());
    std::size_t next = maskLength;
    for (std::size_t i = 0; i < maskLength * 8; ++i) {
        if (!((change.bytes[i / 8] >> (i % 8)) & 1)) continue;
        if (i >= before.size())
            return {KeepAlive{}, "the view change marks byte " + std::to_string(i) +
                                     " of a view of " + std::to_string(before.size())};
        if (next == change.bytes.size())
            return {KeepAlive{}, "the view change ends inside its bytes"};
        if (change.bytes[next] == before[i])
            return {KeepAlive{},
                    "the view change marks byte " + std::to_string(i) + " without changing it"};
        body[HeadBytes + i] = change.bytes[next++];
    }
    if (next == maskLength) return {KeepAlive{}, "the view change changes nothing"};
    if (next != change.bytes.size())
        return {KeepAlive{}, std::to_string(change.bytes.size() - next) +
                                 " bytes too many after the view change"};
    Decoded d = decodeBody(body);
    if (!d.ok()) d.error = "the changed view: " + d.error;
    return d;
}

bool sameKey(const SeatKey& a, const SeatKey& b) {
    unsigned differ = 0;
    for (std::size_t i = 0; i < SeatKeyLength; ++i) differ |= unsigned(a[i] ^ b[i]);
    return differ == 0;
}

std::string versionMismatch(const Hello& ours, const Hello& theirs) {
    if (ours.protocol == theirs.protocol && ours.program == theirs.program) return {};
    return "This program is Tarmigo " + ours.program + " (protocol " +
           std::to_string(ours.protocol) + ") and the other is Tarmigo " + theirs.program +
           " (protocol " + std::to_string(theirs.protocol) +
           "); both players need the same version.";
}

} // namespace tarmigo::net
