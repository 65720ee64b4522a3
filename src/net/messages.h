#pragma once
// The messages of a network game and their frames.
//
// The host holds the game; the guest, player 2, holds only seat 1's view. Every
// message travels as one frame: a 4-byte little-endian length, then that many bytes
// of body (a type byte, a field count byte, the fields). A frame is at most 64 KiB.
// One function per message both writes and reads its fields (messages.cpp), so the
// encoder and the decoder are one. Decoding is strict: a body that is short, long, out
// of range or of an unknown type is refused with a one-line reason, and a body decoded
// and encoded again gives the same bytes. docs/network-protocol.md describes every field.
#include "game/game.h"
#include "game/scores.h"
#include "game/view.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

namespace tarmigo::net {

inline constexpr std::uint32_t Magic = 0x474d5254; // "TRMG" as bytes on the wire
inline constexpr int ProtocolVersion = 6;
inline constexpr std::size_t MaxFrame = std::size_t{64} * 1024;
inline constexpr std::size_t LengthBytes = 4;
inline constexpr std::size_t HeadBytes = 2; // a body's type and field count
inline constexpr std::size_t MaxBody = MaxFrame - LengthBytes;
inline constexpr int MaxVersionLength = 32;
inline constexpr int MaxErrorLength = 200;
inline constexpr int MaxSteps = 64;
inline constexpr std::size_t JoinCodeLength = 6;
inline constexpr std::size_t SeatKeyLength = 16;
// The key exchange's fields (net/line_keys.h): the session id the guest draws, a share
// (a group element), a key confirmation tag and a sealed stream's header.
inline constexpr std::size_t SessionIdLength = 16;
inline constexpr std::size_t ShareLength = 32;
inline constexpr std::size_t TagLength = 64;
inline constexpr std::size_t HeaderLength = 24;

// The key the host gives the guest on its first join, which it shows again to rejoin:
// 128 random bits, so that the code alone cannot take a seated guest's place.
using SeatKey = std::array<std::uint8_t, SeatKeyLength>;

enum class Type : std::uint8_t {
    Hello = 1,
    Join = 2,
    Refusal = 3,
    Input = 4,
    View = 5,
    Steps = 6,
    KeepAlive = 7,
    Rematch = 8,
    Left = 9,
    Error = 10,
    Seat = 11,
    Share = 12,
    Confirm = 13,
    ViewChange = 14,
};

// The first message each way.
struct Hello {
    std::uint32_t magic = Magic;
    int protocol = ProtocolVersion;
    std::string program; // the program's version, "1.1"

    // This program's hello.
    static Hello ours();
    bool operator==(const Hello&) const = default;
};

// The guest's join code, checked before the host sends any game data, and the seat key
// it was given, when it has one.
struct Join {
    std::string code;
    std::optional<SeatKey> key;
    bool operator==(const Join&) const = default;
};

// Why the host closes a connection, told before it does: before the join is accepted
// (the code, versions, a lockout, the seat held by another), or later (the same guest
// came back on another connection, the host's player freed the seat).
struct Refusal {
    enum class Reason : std::uint8_t {
        WrongCode = 1,
        Version = 2,
        LockedOut = 3,
        SeatTaken = 4,
        Replaced = 5,
        SeatFreed = 6,
    };
    Reason reason = Reason::WrongCode;
    bool operator==(const Refusal&) const = default;
};

// What the guest does in the game; the host checks it against the rules and the turn.
struct Input {
    enum class Kind : std::uint8_t {
        Tap = 1,       // value: the place tapped (game/targets.h), 1..20
        Extension = 2, // value: 1 extends the race, 0 does not
        Undo = 3,      // value: 0
        Hint = 4,      // value: 0; a hint step answers
        Modes = 5,     // value: how the guest plays its taps, modeValue()
    };
    // The guest's "To play" and "To discard" options in one value: 0, 2 and 4 play a
    // card with one tap and discard with card then deck, two taps, one tap; 1 plays
    // with two taps and discards with card then deck, the one discard that mode allows.
    static int modeValue(PlayMode play, DiscardMode discard) {
        return int(play) + 2 * int(discard);
    }
    static bool validModes(int value) {
        return value == 1 || value == 0 || value == 2 || value == 4;
    }
    Kind kind = Kind::Tap;
    int value = 0;
    bool operator==(const Input&) const = default;
};

class Stream;

// Seat 1's view of the game. It is made from a game by viewFor(game, 1) and by reading
// one off the wire, and in no other way, so that no other seat's view can go on it.
class ViewMessage {
  public:
    static ViewMessage of(const Game& g) { return ViewMessage(viewFor(g, 1)); }
    const SeatView& view() const { return view_; }
    bool operator==(const ViewMessage&) const = default;

  private:
    ViewMessage() = default;
    explicit ViewMessage(const SeatView& v) : view_(v) {}
    friend void serialize(Stream& s, ViewMessage& m);
    friend struct MessageOfType;
    SeatView view_;
};

// The steps of a move as seat 1 may see it: its share of each report the guest shows,
// complete when sent, so that the guest counts nothing itself. The guest paints the
// board from the view that follows.
//
// A card laid (its slot only from seat 1's own hand, a coup fourre as a field) and a card
// drawn (the card and its slot only into seat 1's own hand, the pile's count after it)
// are the rules' own reports, as seat 1's share.
struct SoundStep {
    Sound sound = Sound::Safety;
    bool operator==(const SoundStep&) const = default;
};
// Whether seat 1's Undo button is enabled.
struct UndoStep {
    bool enabled = false;
    bool operator==(const UndoStep&) const = default;
};
// A hand's end: the Scores dialog as seat 1 is shown it.
struct ScoresStep {
    ScoresContent figures;
    bool operator==(const ScoresStep&) const = default;
};
// The question seat 1 answers, by string id.
struct AskStep {
    int stringId = 0;
    bool operator==(const AskStep&) const = default;
};
// The hint asked for: the card in `slot` goes to `target`; slot 0: none.
struct HintStep {
    int slot = 0;
    int target = 0;
    bool operator==(const HintStep&) const = default;
};
// A step's kind on the wire is its place in the variant, from 1.
using ShownStep = std::variant<Laid, Drawn, SoundStep, UndoStep, ScoresStep, AskStep, HintStep>;

struct Steps {
    std::vector<ShownStep> steps;
    bool operator==(const Steps&) const = default;
};

struct KeepAlive {
    bool operator==(const KeepAlive&) const = default;
};

// Either side asks for a rematch at the game's end; the other answers.
struct Rematch {
    enum class Kind : std::uint8_t { Ask = 1, Yes = 2, No = 3 };
    Kind kind = Kind::Ask;
    bool operator==(const Rematch&) const = default;
};

// The sender quits on purpose (a drop sends nothing).
struct Left {
    bool operator==(const Left&) const = default;
};

// The sender closes the connection for the reason given.
struct Error {
    std::string reason;
    bool operator==(const Error&) const = default;
};

// The host gives the admitted guest its seat key, before the first view, when the seat
// was free.
struct Seat {
    SeatKey key{};
    bool operator==(const Seat&) const = default;
};

// The key exchange on the join code, in the clear after the hellos. The guest's share
// carries the session id it drew and whether it shows a seat key (then the exchange runs
// on the code and the key, so that only the key's holder passes a lockout); the host's
// carries the same session id back.
struct Share {
    bool withKey = false;
    std::array<std::uint8_t, SessionIdLength> sessionId{};
    std::array<std::uint8_t, ShareLength> share{};
    bool operator==(const Share&) const = default;
};

// Each side's key confirmation tag and the header of the sealed stream it sends; every
// message after one's own confirmation is sealed.
struct Confirm {
    std::array<std::uint8_t, TagLength> tag{};
    std::array<std::uint8_t, HeaderLength> header{};
    bool operator==(const Confirm&) const = default;
};

// A view as the bytes that changed since the view before it on the connection: a mask of
// one bit a byte of that view's fields (bit i of byte i / 8 for field byte i), then the
// changed bytes in order. It means nothing without that view, so it is kept as it came
// and applied by applyChange; the line turns it into the view it gives (net/line.h).
struct ViewChange {
    std::vector<std::uint8_t> bytes; // the mask, then the changed bytes
    bool operator==(const ViewChange&) const = default;
};

using Message = std::variant<Hello, Join, Refusal, Input, ViewMessage, Steps, KeepAlive, Rematch,
                             Left, Error, Seat, Share, Confirm, ViewChange>;

// The message's name in a sentence: "a hello", "a view".
const char* nameOf(const Message& m);

// The whole frame of a message, length first, and its length in bytes.
std::vector<std::uint8_t> encode(const Message& m);
std::size_t measure(const Message& m);

struct Decoded {
    Message message;
    std::string error; // empty when the body was sound
    bool ok() const { return error.empty(); }
};

// Reads one frame's body (without its length).
Decoded decodeBody(std::span<const std::uint8_t> bytes);

// A whole frame: its length and its body, nothing before or after.
Decoded decodeFrame(std::span<const std::uint8_t> bytes);

// The view's fields as they go on the wire, after the type and the count.
std::vector<std::uint8_t> viewFields(const ViewMessage& m);

// The change that makes `after` of `before` (the fields of two views), when they are as
// long and differ; nothing otherwise, for a whole view to go instead.
std::optional<ViewChange> changeOf(std::span<const std::uint8_t> before,
                                   std::span<const std::uint8_t> after);

// The view a change gives on the fields of the view before it (empty: none came yet),
// read by the view's own strict decoder, or why it gives none.
Decoded applyChange(std::span<const std::uint8_t> before, const ViewChange& change);

// Compares in a time that does not depend on where the keys differ.
bool sameKey(const SeatKey& a, const SeatKey& b);

// Empty when the two hellos agree; otherwise a plain sentence naming both versions.
std::string versionMismatch(const Hello& ours, const Hello& theirs);

} // namespace tarmigo::net
