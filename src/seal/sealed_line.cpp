#include "seal/sealed_line.h"

#include <sodium.h>

namespace tarmigo::seal {

static_assert(HeaderBytes == crypto_secretstream_xchacha20poly1305_HEADERBYTES);
static_assert(SealOverhead == crypto_secretstream_xchacha20poly1305_ABYTES);

struct SealedLine::State {
    crypto_secretstream_xchacha20poly1305_state push{};
    crypto_secretstream_xchacha20poly1305_state pull{};
    Key receiveKey{}; // kept until their header comes

    ~State() { sodium_memzero(this, sizeof *this); }
    State() = default;
    State(const State&) = delete;
    State& operator=(const State&) = delete;
    State(State&&) = delete;
    State& operator=(State&&) = delete;
};

SealedLine::SealedLine(const Keys& keys) : state_(std::make_unique<State>()) {
    state_->receiveKey = keys.receiveKey;
    if (!ready() || crypto_secretstream_xchacha20poly1305_init_push(&state_->push, header_.data(),
                                                                    keys.sendKey.data()) != 0)
        failed_ = true;
}

SealedLine::~SealedLine() = default;
SealedLine::SealedLine(SealedLine&&) noexcept = default;
SealedLine& SealedLine::operator=(SealedLine&&) noexcept = default;

bool SealedLine::accept(ByteView theirHeader) {
    if (failed_ || accepted_ || theirHeader.size() != HeaderBytes ||
        crypto_secretstream_xchacha20poly1305_init_pull(&state_->pull, theirHeader.data(),
                                                        state_->receiveKey.data()) != 0) {
        failed_ = true;
        return false;
    }
    sodium_memzero(state_->receiveKey.data(), state_->receiveKey.size());
    accepted_ = true;
    return true;
}

Bytes SealedLine::seal(ByteView body, bool last) {
    Bytes out(sealedSize(body.size()));
    const std::uint8_t tag = last ? crypto_secretstream_xchacha20poly1305_TAG_FINAL
                                  : crypto_secretstream_xchacha20poly1305_TAG_MESSAGE;
    crypto_secretstream_xchacha20poly1305_push(&state_->push, out.data(), nullptr, body.data(),
                                               body.size(), nullptr, 0, tag);
    ++sealed_;
    return out;
}

std::optional<Bytes> SealedLine::open(ByteView sealed, std::string* reason) {
    auto refuse = [&](std::string why) -> std::optional<Bytes> {
        failed_ = true;
        if (reason) *reason = std::move(why);
        return std::nullopt;
    };
    if (failed_) return refuse("the sealed line failed before");
    if (!accepted_) return refuse("a sealed message before the other side's stream header");
    if (ended_) return refuse("a sealed message after the other side's last");
    if (sealed.size() < SealOverhead)
        return refuse("a sealed message of " + std::to_string(sealed.size()) +
                      " bytes, shorter than its " + std::to_string(SealOverhead) +
                      " bytes of overhead");
    Bytes body(sealed.size() - SealOverhead);
    unsigned long long length = 0;
    std::uint8_t tag = 0;
    if (crypto_secretstream_xchacha20poly1305_pull(&state_->pull, body.data(), &length, &tag,
                                                   sealed.data(), sealed.size(), nullptr, 0) != 0)
        return refuse("sealed message " + std::to_string(opened_ + 1) +
                      " does not open: changed, cut, out of order, replayed or under another key");
    if (tag == crypto_secretstream_xchacha20poly1305_TAG_FINAL)
        ended_ = true;
    else if (tag != crypto_secretstream_xchacha20poly1305_TAG_MESSAGE)
        return refuse("sealed message " + std::to_string(opened_ + 1) + " has an unknown tag " +
                      std::to_string(tag));
    ++opened_;
    return body;
}

} // namespace tarmigo::seal
