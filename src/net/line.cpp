#include "net/line.h"

#include "net/join_code.h"

#include <algorithm>

namespace tarmigo::net {
namespace {

// The sealer's own bytes on each record: a 16-byte authenticator and a tag byte.
constexpr std::size_t SealOverhead = 17;
constexpr std::size_t MaxRecord = MaxBody - SealOverhead;

bool mayComeInTheClear(const Message& m) {
    return std::holds_alternative<Hello>(m) || std::holds_alternative<Share>(m) ||
           std::holds_alternative<Confirm>(m) || std::holds_alternative<Refusal>(m) ||
           std::holds_alternative<Error>(m);
}

void appendFrame(std::vector<std::uint8_t>& out, const LineBytes& body) {
    for (std::size_t i = 0; i < LengthBytes; ++i)
        out.push_back(std::uint8_t(body.size() >> (8 * i)));
    out.insert(out.end(), body.begin(), body.end());
}

} // namespace

std::string linePassword(const std::string& code, const std::optional<SeatKey>& key) {
    std::string password = readJoinCode(code).value_or(code);
    if (key) password.append(key->begin(), key->end());
    return password;
}

namespace {

template <std::size_t N> bool fill(std::array<std::uint8_t, N>& to, const LineBytes& from) {
    if (from.size() != N) return false;
    std::copy(from.begin(), from.end(), to.begin());
    return true;
}

} // namespace

std::optional<Confirm> confirmationOf(const LineKeys& keys) {
    Confirm c;
    if (!fill(c.tag, keys.ourTag()) || !fill(c.header, keys.header())) return std::nullopt;
    return c;
}

std::optional<Share> shareOf(const LineKeys& keys,
                             const std::array<std::uint8_t, SessionIdLength>& sessionId,
                             bool withKey) {
    Share s{withKey, sessionId, {}};
    if (!fill(s.share, keys.share())) return std::nullopt;
    return s;
}

std::optional<Message> Line::next() {
    while (error_.empty()) {
        if (!sealedIn_) {
            std::optional<Message> m = outer_.next();
            if (!m) {
                if (outer_.failed()) error_ = outer_.error();
                return std::nullopt;
            }
            if (!mayComeInTheClear(*m)) {
                error_ = std::string(nameOf(*m)) + " in the clear";
                return std::nullopt;
            }
            messageBytes_ += measure(*m);
            return m;
        }
        if (std::optional<Message> m = inner_.next()) return whole(std::move(*m));
        if (inner_.failed()) {
            error_ = inner_.error();
            return std::nullopt;
        }
        std::optional<std::vector<std::uint8_t>> record = outer_.nextBody();
        if (!record) {
            if (outer_.failed()) error_ = outer_.error();
            return std::nullopt;
        }
        std::string reason;
        std::optional<LineBytes> opened = keys_ ? keys_->open(*record, reason) : std::nullopt;
        if (!opened) {
            error_ = keys_ ? reason : "a sealed message before the key exchange";
            return std::nullopt;
        }
        messageBytes_ += opened->size();
        inner_.feed(*opened);
    }
    return std::nullopt;
}

std::optional<Message> Line::whole(Message m) {
    if (const auto* change = std::get_if<ViewChange>(&m)) {
        Decoded view = applyChange(heardView_, *change);
        if (!view.ok()) {
            error_ = view.error;
            return std::nullopt;
        }
        m = std::move(view.message);
    }
    if (const auto* view = std::get_if<ViewMessage>(&m)) heardView_ = viewFields(*view);
    return m;
}

void Line::send(const Message& m) {
    std::vector<std::uint8_t> frame = encode(m);
    if (const auto* view = std::get_if<ViewMessage>(&m); view && sealedOut_) {
        std::vector<std::uint8_t> fields(frame.begin() + LengthBytes + HeadBytes, frame.end());
        // The guest has this view already: sending it again would tell only that
        // something happened (an input of the other side refused, say).
        if (fields == sentView_) return;
        if (const std::optional<ViewChange> change = changeOf(sentView_, fields))
            if (std::vector<std::uint8_t> shorter = encode(*change); shorter.size() < frame.size())
                frame = std::move(shorter);
        sentView_ = std::move(fields);
    }
    std::vector<std::uint8_t>& to = sealedOut_ ? plain_ : out_;
    to.insert(to.end(), frame.begin(), frame.end());
}

std::vector<std::uint8_t> Line::take(bool last) {
    // A write larger than a frame goes as several records; the frames inside may be cut
    // anywhere, since the receiver reads what opens as a stream.
    for (std::size_t at = 0; at < plain_.size() && keys_; at += MaxRecord) {
        const std::size_t n = std::min(MaxRecord, plain_.size() - at);
        const bool final = last && at + n == plain_.size();
        const LineBytes record = keys_->seal(LineView(plain_).subspan(at, n), final);
        if (record.empty()) break; // keys that cannot seal send nothing
        appendFrame(out_, record);
    }
    plain_.clear();
    return std::exchange(out_, {});
}

} // namespace tarmigo::net
