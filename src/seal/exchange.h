#pragma once
// The key exchange of a network game: CPace on ristretto255 with SHA-512, as in the
// CFRG draft "CPace, a balanced composable PAKE" (draft-irtf-cfrg-cpace, section 8.3
// and Appendix A), keyed by the join code, followed by key confirmation.
//
// Why each step is there:
// - The join code is short (25^6 codes): sent as it is, anyone on the path reads it,
//   and a hash of it is tested against every code offline in a second. CPace hashes
//   the code into the group's generator and each side sends only a random multiple of
//   it (its share). A share shows nothing about the code; a recorded exchange lets
//   nobody test codes offline, since testing needs the secret scalar of one side.
// - An attacker who takes part in an exchange can try one code per exchange: the one
//   it built its own share from. The host closes the connection on a failed
//   confirmation, so a connection is one guess, and the lockout counts it.
// - Key confirmation (draft section 10.4) before the first view: each side proves with
//   a tag that it derived the same key. The host sends nothing of the game before the
//   guest's tag checks out, and a guest with a wrong code learns only "wrong code".
// - The traffic keys (one per direction) come from the ISK through HKDF-SHA-512 with
//   distinct labels, so that neither direction's stream can be played back into the
//   other, and the confirmation key is separate from both.
//
// The order of the messages (what the protocol must keep so that a connection is one
// guess that the host counts):
//   1. guest -> host  Ya (and ADa)                 the guest's share
//   2. host -> guest  Yb (and ADb)                 the host's share; no tag yet
//   3. guest -> host  the guest's tag (ourTag)     the host checks it: a wrong tag is a
//                                                  wrong code, counted by the lockout
//   4. host -> guest  the host's tag               the guest checks it before any view
// The guest's tag goes first because a tag is what tests a code: a host that sent its
// tag first would let a guest with a guessed code check it offline and hang up before
// the host counted anything. Yb alone tests nothing.
//
// Pure: bytes in, bytes out; no sockets, no clock. The only randomness is the scalar,
// drawn by libsodium unless a test gives it.
#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace tarmigo::seal {

using Bytes = std::vector<std::uint8_t>;
using ByteView = std::span<const std::uint8_t>;

// Sizes of what an exchange sends and derives.
inline constexpr std::size_t ShareBytes = 32;  // a ristretto255 point, Ya or Yb
inline constexpr std::size_t ScalarBytes = 32; // ya or yb, little endian
inline constexpr std::size_t IskBytes = 64;    // SHA-512
inline constexpr std::size_t TagBytes = 64;    // HMAC-SHA-512 key confirmation
inline constexpr std::size_t KeyBytes = 32;    // a secretstream key, one per direction

using Share = std::array<std::uint8_t, ShareBytes>;
using Scalar = std::array<std::uint8_t, ScalarBytes>;
using Tag = std::array<std::uint8_t, TagBytes>;
using Key = std::array<std::uint8_t, KeyBytes>;
using Isk = std::array<std::uint8_t, IskBytes>;

// The guest speaks first (initiator, A); the host answers (responder, B). The
// transcript is the draft's initiator-responder one: lv_cat(Ya,ADa) || lv_cat(Yb,ADb).
enum class Role { Initiator, Responder };

// libsodium started once for the process; safe to call from any thread, any number of
// times. False only when libsodium cannot start (then nothing here works).
bool ready();

// The draft's string functions (Appendix A), public so that tests and documents can pin
// them. prependLen: the length in LEB128, then the bytes.
Bytes prependLen(ByteView data);
// lv_cat(a0, a1, ...): each part with its length before it.
Bytes lvCat(std::initializer_list<ByteView> parts);
// generator_string(DSI, PRS, CI, sid, 128) for ristretto255 with SHA-512.
Bytes generatorString(ByteView prs, ByteView channelId, ByteView sessionId);
// The generator g of ristretto255 for the code, encoded (32 bytes).
Share generator(ByteView prs, ByteView channelId, ByteView sessionId);

// What a finished exchange yields. All secrets; the tags are sent in the clear.
struct Keys {
    Isk isk{};             // the draft's intermediate session key
    Isk sessionIdOutput{}; // the draft's sid_output (10.6): public, same on both sides
    Tag ourTag{};          // to send to the other side
    Tag theirTag{};        // what the other side must send
    Key sendKey{};         // secretstream key of our direction
    Key receiveKey{};      // secretstream key of theirs

    // Whether the other side's tag is the one expected, compared in constant time.
    // A tag of any other length is refused.
    bool confirms(ByteView tag) const;
};

// One side of CPace on the join code. Make one per connection: a scalar is never used
// twice. The code is the normalised six characters (net/join_code.h readJoinCode), used
// as the draft's PRS byte for byte.
class Exchange {
  public:
    // sessionId: the draft's sid, public bytes both sides know before the exchange and
    // that differ from one connection to the next (e.g. a nonce from each hello); may be
    // empty. channelId: the draft's CI, what binds the exchange to this protocol and
    // what was said before it (e.g. a label and both hellos); may be empty.
    // ourData: this side's associated data (ADa for the initiator, ADb for the
    // responder), sent in the clear beside the share; may be empty.
    Exchange(Role role, std::string_view code, ByteView sessionId, ByteView channelId,
             ByteView ourData = {});
    // The same with a given scalar (little endian, the draft's ya or yb): for tests and
    // the document's worked example only.
    Exchange(Role role, std::string_view code, ByteView sessionId, ByteView channelId,
             ByteView ourData, const Scalar& scalar);
    ~Exchange();
    Exchange(const Exchange&) = delete;
    Exchange& operator=(const Exchange&) = delete;
    Exchange(Exchange&&) = default;
    Exchange& operator=(Exchange&&) = default;

    // Ya or Yb, to send with ourData.
    const Share& share() const { return share_; }
    Role role() const { return role_; }

    // The keys from the other side's share and associated data. Nothing when the share
    // is not the encoding of a ristretto255 point, or is the identity, or the product is
    // the identity (the draft's abort), or is our own share sent back (its tag would be
    // ours): the connection is then closed. A share of the
    // right form with a wrong code gives keys whose tags do not match.
    std::optional<Keys> finish(ByteView theirShare, ByteView theirData = {}) const;

  private:
    Role role_;
    Bytes sessionId_;
    Bytes ourData_;
    Scalar scalar_{};
    Share share_{};
    bool valid_ = false; // false when the given scalar gave no share (zero)
};

} // namespace tarmigo::seal
