#include "seal/exchange.h"

#include <sodium.h>

#include <algorithm>
#include <string_view>

namespace tarmigo::seal {

static_assert(ShareBytes == crypto_core_ristretto255_BYTES);
static_assert(ScalarBytes == crypto_core_ristretto255_SCALARBYTES);
static_assert(IskBytes == crypto_hash_sha512_BYTES);
static_assert(TagBytes == crypto_auth_hmacsha512_BYTES);
static_assert(KeyBytes == crypto_secretstream_xchacha20poly1305_KEYBYTES);

namespace {

constexpr std::string_view Dsi = "CPaceRistretto255";
constexpr std::string_view DsiIsk = "CPaceRistretto255_ISK";
constexpr std::string_view MacLabel = "CPaceMac";
constexpr std::string_view SidOutputLabel = "CPaceSidOutput";
// HKDF-SHA-512 info strings of the two traffic keys (RFC 5869, empty salt).
constexpr std::string_view GuestToHost = "tarmigo seal guest to host";
constexpr std::string_view HostToGuest = "tarmigo seal host to guest";
constexpr std::size_t HashBlock = 128; // SHA-512's input block, the draft's s_in_bytes

ByteView view(std::string_view s) {
    return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()};
}

void append(Bytes& to, ByteView bytes) {
    to.insert(to.end(), bytes.begin(), bytes.end());
}

Isk sha512(ByteView bytes) {
    Isk out{};
    crypto_hash_sha512(out.data(), bytes.data(), bytes.size());
    return out;
}

Tag hmac(ByteView key, std::initializer_list<ByteView> parts) {
    crypto_auth_hmacsha512_state state;
    crypto_auth_hmacsha512_init(&state, key.data(), key.size());
    for (ByteView part : parts) crypto_auth_hmacsha512_update(&state, part.data(), part.size());
    Tag out{};
    crypto_auth_hmacsha512_final(&state, out.data());
    sodium_memzero(&state, sizeof state);
    return out;
}

// HKDF-SHA-512 (RFC 5869) with an empty salt, for KeyBytes of output: one block.
Key hkdf(ByteView secret, std::string_view info) {
    const std::array<std::uint8_t, crypto_auth_hmacsha512_BYTES> salt{};
    Tag prk = hmac(salt, {secret});
    const std::uint8_t counter = 1;
    Tag block = hmac(prk, {view(info), ByteView(&counter, 1)});
    Key out{};
    std::copy_n(block.begin(), out.size(), out.begin());
    sodium_memzero(prk.data(), prk.size());
    sodium_memzero(block.data(), block.size());
    return out;
}

Scalar randomScalar() {
    Scalar scalar{};
    if (ready()) crypto_core_ristretto255_scalar_random(scalar.data());
    return scalar;
}

} // namespace

bool ready() {
    static const bool started = sodium_init() >= 0;
    return started;
}

Bytes prependLen(ByteView data) {
    Bytes out;
    std::size_t length = data.size();
    do {
        out.push_back(std::uint8_t((length & 0x7f) | (length >= 0x80 ? 0x80 : 0)));
        length >>= 7;
    } while (length != 0);
    append(out, data);
    return out;
}

Bytes lvCat(std::initializer_list<ByteView> parts) {
    Bytes out;
    for (ByteView part : parts) append(out, prependLen(part));
    return out;
}

Bytes generatorString(ByteView prs, ByteView channelId, ByteView sessionId) {
    const std::size_t used = prependLen(prs).size() + prependLen(view(Dsi)).size() + 1;
    const Bytes zpad(used < HashBlock ? HashBlock - used : 0, 0);
    return lvCat({view(Dsi), prs, zpad, channelId, sessionId});
}

Share generator(ByteView prs, ByteView channelId, ByteView sessionId) {
    ready();
    Bytes text = generatorString(prs, channelId, sessionId);
    Isk hash = sha512(text);
    Share g{};
    crypto_core_ristretto255_from_hash(g.data(), hash.data());
    sodium_memzero(text.data(), text.size());
    sodium_memzero(hash.data(), hash.size());
    return g;
}

bool Keys::confirms(ByteView tag) const {
    return tag.size() == theirTag.size() &&
           sodium_memcmp(tag.data(), theirTag.data(), theirTag.size()) == 0;
}

Exchange::Exchange(Role role, std::string_view code, ByteView sessionId, ByteView channelId,
                   ByteView ourData)
    : Exchange(role, code, sessionId, channelId, ourData, randomScalar()) {}

Exchange::Exchange(Role role, std::string_view code, ByteView sessionId, ByteView channelId,
                   ByteView ourData, const Scalar& scalar)
    : role_(role), sessionId_(sessionId.begin(), sessionId.end()),
      ourData_(ourData.begin(), ourData.end()), scalar_(scalar) {
    if (!ready()) return;
    Share g = generator(view(code), channelId, sessionId);
    valid_ = crypto_scalarmult_ristretto255(share_.data(), scalar_.data(), g.data()) == 0;
    sodium_memzero(g.data(), g.size());
}

Exchange::~Exchange() {
    sodium_memzero(scalar_.data(), scalar_.size());
}

std::optional<Keys> Exchange::finish(ByteView theirShare, ByteView theirData) const {
    // Our own share sent back would make the two tags the same, so that a reflected tag
    // would confirm.
    if (!valid_ || theirShare.size() != ShareBytes ||
        std::equal(theirShare.begin(), theirShare.end(), share_.begin()))
        return std::nullopt;
    // The draft's scalar_mult_vfy: a share that does not decode, or a product that is the
    // identity, aborts.
    std::array<std::uint8_t, ShareBytes> k{};
    if (crypto_scalarmult_ristretto255(k.data(), scalar_.data(), theirShare.data()) != 0)
        return std::nullopt;

    const bool initiator = role_ == Role::Initiator;
    const Bytes ours = lvCat({share_, ourData_});
    const Bytes theirs = lvCat({theirShare, theirData});
    Bytes transcript = initiator ? ours : theirs;
    append(transcript, initiator ? theirs : ours);

    Keys keys;
    Bytes iskInput = lvCat({view(DsiIsk), sessionId_, k});
    append(iskInput, transcript);
    keys.isk = sha512(iskInput);
    sodium_memzero(iskInput.data(), iskInput.size());
    sodium_memzero(k.data(), k.size());

    Bytes sidInput(SidOutputLabel.begin(), SidOutputLabel.end());
    append(sidInput, transcript);
    keys.sessionIdOutput = sha512(sidInput);

    // Key confirmation as in the draft's section 10.4: each side's tag covers the message
    // it sent, under mac_key = H(b"CPaceMac" || sid || ISK).
    Bytes macInput(MacLabel.begin(), MacLabel.end());
    append(macInput, sessionId_);
    append(macInput, keys.isk);
    Isk macKey = sha512(macInput);
    sodium_memzero(macInput.data(), macInput.size());
    keys.ourTag = hmac(macKey, {ours});
    keys.theirTag = hmac(macKey, {theirs});
    sodium_memzero(macKey.data(), macKey.size());

    keys.sendKey = hkdf(keys.isk, initiator ? GuestToHost : HostToGuest);
    keys.receiveKey = hkdf(keys.isk, initiator ? HostToGuest : GuestToHost);
    return keys;
}

} // namespace tarmigo::seal
