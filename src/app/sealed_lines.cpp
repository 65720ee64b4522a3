#include "app/sealed_lines.h"

#include "net/messages.h"
#include "seal/sealed_line.h"

namespace tarmigo::app {
namespace {

// The message fields that carry the exchange are the seal layer's sizes.
static_assert(net::ShareLength == seal::ShareBytes && net::TagLength == seal::TagBytes &&
              net::HeaderLength == seal::HeaderBytes);

class SealedLineKeys : public net::LineKeys {
  public:
    explicit SealedLineKeys(seal::Exchange exchange) : exchange_(std::move(exchange)) {}

    net::LineBytes share() const override {
        return {exchange_.share().begin(), exchange_.share().end()};
    }

    bool takeShare(net::LineView theirs) override {
        if (keys_) return false; // one share a connection
        keys_ = exchange_.finish(theirs);
        if (!keys_) return false;
        line_.emplace(*keys_);
        sealable_ = !line_->failed();
        return sealable_;
    }

    net::LineBytes ourTag() const override {
        if (!keys_) return {};
        return {keys_->ourTag.begin(), keys_->ourTag.end()};
    }

    bool confirms(net::LineView theirTag) const override {
        return keys_ && keys_->confirms(theirTag);
    }

    net::LineBytes header() const override {
        if (!line_) return {};
        return {line_->header().begin(), line_->header().end()};
    }

    bool acceptHeader(net::LineView theirs) override { return line_ && line_->accept(theirs); }

    net::LineBytes seal(net::LineView body, bool last) override {
        // Our direction stays sound when theirs failed: the error that says so goes sealed.
        if (!sealable_) return {};
        return line_->seal(body, last);
    }

    std::optional<net::LineBytes> open(net::LineView sealed, std::string& reason) override {
        if (!line_) {
            reason = "a sealed message before the key exchange";
            return std::nullopt;
        }
        return line_->open(sealed, &reason);
    }

  private:
    seal::Exchange exchange_;
    std::optional<seal::Keys> keys_;
    std::optional<seal::SealedLine> line_;
    bool sealable_ = false;
};

seal::Role roleOf(net::LineSide side) {
    return side == net::LineSide::Guest ? seal::Role::Initiator : seal::Role::Responder;
}

} // namespace

net::LineFactory sealedLines() {
    return [](net::LineSide side, const std::string& code, net::LineView sessionId,
              net::LineView channelId) -> std::unique_ptr<net::LineKeys> {
        return std::make_unique<SealedLineKeys>(
            seal::Exchange(roleOf(side), code, sessionId, channelId));
    };
}

net::LineFactory sealedLines(const seal::Scalar& scalar) {
    return [scalar](net::LineSide side, const std::string& code, net::LineView sessionId,
                    net::LineView channelId) -> std::unique_ptr<net::LineKeys> {
        return std::make_unique<SealedLineKeys>(
            seal::Exchange(roleOf(side), code, sessionId, channelId, {}, scalar));
    };
}

} // namespace tarmigo::app
