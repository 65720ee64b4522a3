#include "net/messages.h"

#include "game/version.h"
#include "net/join_code.h"
#include "net/wire.h"

#include <cstdio>

namespace tarmigo::net {
namespace {

// The fields each message type carries, in the order of Type.
constexpr int FieldCounts[] = {0, 3, 2, 1, 2, 15, 1, 0, 1, 0, 1, 1, 3, 2, 2};
constexpr int LastType = int(Type::ViewChange);
constexpr int LastReason = int(Refusal::Reason::SeatFreed);

constexpr int CardNone = 0;
constexpr int LastTarget = 20;  // game/targets.h: the status line
constexpr int FirstPile = 8;    // a safety area
constexpr int LastPile = 17;    // the discard pile
constexpr int MaxDepth = 127;   // cards in a distance column
constexpr int LastBattle = 9;   // a flat tire
constexpr int LastSpeed = 2;    // the limit ended
constexpr int AllSafeties = 15; // four bits
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

Type typeOf(const Message& m) {
    return Type(m.index() + 1);
}

void writePlayer(Writer& w, const PlayerView& p) {
    w.u16(unsigned(p.miles));
    w.u16(unsigned(p.handScore));
    w.u16(unsigned(p.gameScore));
    w.u16(unsigned(p.gamesWon));
    w.u8(unsigned(p.safeties));
    w.u8(unsigned(p.coupFourre));
    w.u8(unsigned(p.battle));
    w.u8(unsigned(p.speed));
    w.u8(p.moving);
    for (int n : p.distancePlayed) w.u8(unsigned(n));
}

void writeView(Writer& w, const SeatView& v) {
    w.u8(unsigned(v.seat));
    w.u8(unsigned(v.playerCount));
    w.u8(unsigned(v.currentPlayer));
    for (const PlayerView& p : v.players) writePlayer(w, p);
    w.u8(unsigned(v.cardsLeft));
    w.u8(v.discardTop);
    w.u16(unsigned(v.raceLength));
    w.u8(v.handShown ? HandSize : 0);
    if (v.handShown)
        for (Card c : v.hand) w.u8(c);
    w.u8(unsigned(v.selectedSlot));
    w.u8(unsigned(v.markedSlot));
    unsigned playable = 0;
    for (int s = 0; s < HandSize; ++s) playable |= unsigned(v.playable[s]) << s;
    w.u8(playable);
    w.u16(unsigned(v.status.id));
    w.u8(v.status.hasNumber);
    w.i32(v.status.number);
    w.u8(unsigned((v.handOver ? FlagHandOver : 0) | (v.gameOver ? FlagGameOver : 0) |
                  (v.turnHandover ? FlagTurnHandover : 0) |
                  (v.decisionPending ? FlagDecisionPending : 0) |
                  (v.showPlayable ? FlagShowPlayable : 0) | (v.hideTips ? FlagHideTips : 0) |
                  (v.players[0].delayedAction ? FlagDelayedAction0 : 0) |
                  (v.players[1].delayedAction ? FlagDelayedAction1 : 0)));
    w.u8(unsigned(v.winner));
}

void writeStep(Writer& w, const ShownStep& s) {
    w.u8(unsigned(s.kind));
    switch (s.kind) {
    case ShownStep::Kind::Laid:
        w.u8(unsigned(s.player));
        w.u8(unsigned(s.slot));
        w.u8(s.card);
        w.u8(unsigned(s.target));
        w.u8(unsigned(s.depth));
        break;
    case ShownStep::Kind::Drawn:
        w.u8(unsigned(s.player));
        w.u8(unsigned(s.slot));
        w.u8(s.slot == 0 ? 0 : s.card);
        break;
    case ShownStep::Kind::Ask: w.u16(unsigned(s.value)); break;
    case ShownStep::Kind::Hint:
        w.u8(unsigned(s.slot));
        w.u8(unsigned(s.target));
        break;
    default: w.u8(unsigned(s.value)); break;
    }
}

struct Fields {
    Writer& w;
    void operator()(const Hello& m) {
        w.u32(m.magic);
        w.u16(unsigned(m.protocol));
        w.text(m.program);
    }
    void operator()(const Join& m) {
        for (char c : m.code) w.u8(std::uint8_t(c));
        w.u8(m.key ? unsigned(SeatKeyLength) : 0);
        if (m.key)
            for (std::uint8_t b : *m.key) w.u8(b);
    }
    void operator()(const Refusal& m) { w.u8(unsigned(m.reason)); }
    void operator()(const Input& m) {
        w.u8(unsigned(m.kind));
        w.u8(unsigned(m.value));
    }
    void operator()(const ViewMessage& m) { writeView(w, m.view()); }
    void operator()(const Steps& m) {
        w.u8(unsigned(m.steps.size()));
        for (const ShownStep& s : m.steps) writeStep(w, s);
    }
    void operator()(const KeepAlive&) {}
    void operator()(const Rematch& m) { w.u8(unsigned(m.kind)); }
    void operator()(const Left&) {}
    void operator()(const Error& m) { w.text(m.reason); }
    void operator()(const Seat& m) { bytes(m.key); }
    void operator()(const Share& m) {
        w.u8(m.withKey ? 1 : 0);
        bytes(m.sessionId);
        bytes(m.share);
    }
    void operator()(const Confirm& m) {
        bytes(m.tag);
        bytes(m.header);
    }
    void operator()(const ViewChange& m) { bytes(m.bytes); }
    void bytes(std::span<const std::uint8_t> b) {
        for (std::uint8_t x : b) w.u8(x);
    }
};

template <std::size_t N>
void readBytes(Reader& r, std::array<std::uint8_t, N>& out, const char* what) {
    for (std::uint8_t& b : out) b = std::uint8_t(r.u8(what));
}

SeatKey readKey(Reader& r) {
    SeatKey key{};
    for (std::uint8_t& b : key) b = std::uint8_t(r.u8("seat key"));
    return key;
}

int readCard(Reader& r, const char* what, bool noneAllowed) {
    const int c = r.u8(what, noneAllowed ? CardNone : FirstCard, EmptySlot);
    if (noneAllowed && c != CardNone && c < FirstCard)
        r.fail(std::string("the ") + what + " " + std::to_string(c) + " is not a card");
    return c;
}

PlayerView readPlayer(Reader& r) {
    PlayerView p;
    p.miles = r.u16("miles");
    p.handScore = r.u16("hand score");
    p.gameScore = r.u16("game score");
    p.gamesWon = r.u16("games won");
    p.safeties = r.u8("safeties", 0, AllSafeties);
    p.coupFourre = r.u8("coups fourres", 0, AllSafeties);
    p.battle = r.u8("battle pile", 0, LastBattle);
    // Between the remedies (2..4) and the hazards (6..9) no battle pile is 5.
    if (p.battle == BattleStop - 1) r.fail("the battle pile 5 is no battle pile");
    p.speed = r.u8("speed pile", 0, LastSpeed);
    p.moving = r.flag("moving flag");
    for (int& n : p.distancePlayed) n = r.u8("distance count");
    return p;
}

SeatView readView(Reader& r) {
    SeatView v;
    v.seat = r.u8("seat", 1, 1);
    v.playerCount = r.u8("player count", 2, 2);
    v.currentPlayer = r.u8("current player", 0, 1);
    for (PlayerView& p : v.players) p = readPlayer(r);
    v.cardsLeft = r.u8("count of cards left", 0, DeckSize);
    v.discardTop = Card(readCard(r, "discard top", false));
    v.raceLength = r.u16("race length", 0, 0x7fff);
    const int handCount = r.u8("hand's card count", 0, HandSize);
    if (handCount != 0 && handCount != HandSize)
        r.fail("the hand's card count " + std::to_string(handCount) + " is neither 0 nor 7");
    v.handShown = handCount == HandSize;
    if (v.handShown)
        for (Card& c : v.hand) c = Card(readCard(r, "hand card", true));
    // A hidden hand has nothing selected, marked or playable.
    const int lastSlot = v.handShown ? HandSize : 0;
    v.selectedSlot = r.u8("selected slot", 0, lastSlot);
    v.markedSlot = r.u8("marked slot", 0, lastSlot);
    const int playable = r.u8("playable cards", 0, v.handShown ? AllPlayable : 0);
    for (int s = 0; s < HandSize; ++s) v.playable[s] = (playable >> s) & 1;
    v.status.id = r.u16("status id");
    v.status.hasNumber = r.flag("status number flag");
    v.status.number = r.i32("status number");
    const int flags = r.u8("view flags", 0, AllFlags);
    v.handOver = flags & FlagHandOver;
    v.gameOver = flags & FlagGameOver;
    v.turnHandover = flags & FlagTurnHandover;
    v.decisionPending = flags & FlagDecisionPending;
    v.showPlayable = flags & FlagShowPlayable;
    v.hideTips = flags & FlagHideTips;
    v.players[0].delayedAction = flags & FlagDelayedAction0;
    v.players[1].delayedAction = flags & FlagDelayedAction1;
    v.winner = r.u8("winner", 0, v.handOver ? 1 : 0);
    return v;
}

// The slot of a card leaving or reaching a hand: only seat 1's own is told.
int readSlot(Reader& r, int player) {
    return player == 1 ? r.u8("hand slot", 1, HandSize) : r.u8("slot of the host's card", 0, 0);
}

ShownStep readStep(Reader& r) {
    ShownStep s;
    s.kind = ShownStep::Kind(r.u8("step kind", 1, int(ShownStep::Kind::CoupFourre)));
    switch (s.kind) {
    case ShownStep::Kind::Laid:
        s.player = r.u8("step's player", 0, 1);
        s.slot = readSlot(r, s.player);
        s.card = Card(r.u8("laid card", FirstCard, LastCard));
        s.target = r.u8("pile", FirstPile, LastPile);
        s.depth = r.u8("depth", 0, MaxDepth);
        break;
    case ShownStep::Kind::Drawn:
        s.player = r.u8("step's player", 0, 1);
        s.slot = readSlot(r, s.player);
        // The card only into seat 1's own hand.
        s.card =
            Card(s.slot == 0 ? r.u8("drawn card", 0, 0) : r.u8("drawn card", FirstCard, LastCard));
        break;
    case ShownStep::Kind::Sound: s.value = r.u8("sound", 0, LastSound); break;
    case ShownStep::Kind::Undo:
    case ShownStep::Kind::Scores: s.value = r.u8("step's flag", 0, 1); break;
    case ShownStep::Kind::CoupFourre: s.value = r.u8("coup fourre's flag", 0, 0); break;
    case ShownStep::Kind::Ask: s.value = r.u16("question", 1, 0xffff); break;
    case ShownStep::Kind::Hint:
        s.slot = r.u8("hint's slot", 0, HandSize);
        // A hint lays its card on a pile, or discards it (the draw pile's tap).
        s.target =
            s.slot == 0 ? r.u8("hint's pile", 0, 0) : r.u8("hint's pile", FirstPile, LastPile);
        break;
    }
    return s;
}

Message readFields(Reader& r, Type type) {
    switch (type) {
    case Type::Hello: {
        Hello m;
        m.magic = r.u32("magic");
        if (r.ok() && m.magic != Magic) r.fail("the peer is not a Tarmigo program (wrong magic)");
        m.protocol = r.u16("protocol version", 1, 0xffff);
        m.program = r.text("program version", 1, MaxVersionLength);
        return m;
    }
    case Type::Join: {
        Join m;
        for (std::size_t i = 0; i < JoinCodeLength && r.ok(); ++i) {
            const char c = char(r.u8("join code"));
            if (r.ok() && !isCodeCharacter(c)) r.fail("the join code holds a character not in it");
            m.code += c;
        }
        const int keyLength = r.u8("seat key's length", 0, int(SeatKeyLength));
        if (r.ok() && keyLength != 0 && keyLength != int(SeatKeyLength))
            r.fail("the seat key's length " + std::to_string(keyLength) + " is neither 0 nor " +
                   std::to_string(SeatKeyLength));
        if (r.ok() && keyLength != 0) m.key = readKey(r);
        return m;
    }
    case Type::Refusal: return Refusal{Refusal::Reason(r.u8("refusal reason", 1, LastReason))};
    case Type::Input: {
        Input m;
        m.kind = Input::Kind(r.u8("input kind", 1, int(Input::Kind::Modes)));
        const int last = m.kind == Input::Kind::Tap         ? LastTarget
                         : m.kind == Input::Kind::Extension ? 1
                         : m.kind == Input::Kind::Modes     ? 4
                                                            : 0;
        m.value = r.u8("input's value", m.kind == Input::Kind::Tap ? 1 : 0, last);
        if (r.ok() && m.kind == Input::Kind::Modes && !Input::validModes(m.value))
            r.fail("the modes " + std::to_string(m.value) +
                   " play a card with two taps and discard "
                   "without the deck");
        return m;
    }
    case Type::Steps: {
        Steps m;
        const int n = r.u8("step count", 1, MaxSteps);
        for (int i = 0; i < n && r.ok(); ++i) m.steps.push_back(readStep(r));
        return m;
    }
    case Type::KeepAlive: return KeepAlive{};
    case Type::Rematch: return Rematch{Rematch::Kind(r.u8("rematch answer", 1, 3))};
    case Type::Left: return Left{};
    case Type::Error: return Error{r.text("error text", 1, MaxErrorLength)};
    case Type::Seat: return Seat{readKey(r)};
    case Type::Share: {
        Share m;
        m.withKey = r.flag("seat key flag");
        readBytes(r, m.sessionId, "session id");
        readBytes(r, m.share, "share");
        return m;
    }
    case Type::Confirm: {
        Confirm m;
        readBytes(r, m.tag, "confirmation tag");
        readBytes(r, m.header, "stream header");
        return m;
    }
    case Type::ViewChange: {
        // Its mask's length is the view's before it: applyChange reads it against that.
        ViewChange m;
        if (r.left() < 2) r.fail("the message ends inside its view change");
        while (r.ok() && r.left() > 0) m.bytes.push_back(std::uint8_t(r.u8("view change")));
        return m;
    }
    case Type::View: break; // read by the decoder, the one that may make a view
    }
    return KeepAlive{};
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
    Writer w;
    w.u32(0); // the length, filled in below
    w.u8(unsigned(typeOf(m)));
    w.u8(unsigned(FieldCounts[int(typeOf(m))]));
    std::visit(Fields{w}, m);
    std::vector<std::uint8_t> bytes = w.take();
    const std::size_t length = bytes.size() - LengthBytes;
    for (std::size_t i = 0; i < LengthBytes; ++i) bytes[i] = std::uint8_t(length >> (8 * i));
    return bytes;
}

Decoded Decoder::body(std::span<const std::uint8_t> bytes) {
    Reader r(bytes);
    const int type = r.u8("message type");
    if (r.ok() && (type < 1 || type > LastType))
        return {KeepAlive{}, "an unknown message type " + std::to_string(type)};
    const int count = r.u8("field count");
    if (r.ok() && count != FieldCounts[type])
        return {KeepAlive{}, "message type " + std::to_string(type) + " has " +
                                 std::to_string(count) + " fields instead of " +
                                 std::to_string(FieldCounts[type])};
    Message m =
        Type(type) == Type::View ? Message(ViewMessage(readView(r))) : readFields(r, Type(type));
    if (r.ok() && r.left() != 0)
        r.fail(std::to_string(r.left()) + " bytes too many after " + nameOf(m));
    if (!r.ok()) return {KeepAlive{}, r.error()};
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
    return Decoder::body(bytes.subspan(LengthBytes));
}

std::vector<std::uint8_t> viewFields(const ViewMessage& m) {
    Writer w;
    writeView(w, m.view());
    return w.take();
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
    Decoded d = Decoder::body(body);
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
