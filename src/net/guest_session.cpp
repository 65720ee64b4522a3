#include "net/guest_session.h"

#include <algorithm>

namespace tarmigo::net {

std::string refusalSentence(Refusal::Reason r) {
    switch (r) {
    case Refusal::Reason::WrongCode: return "The host did not accept the join code.";
    case Refusal::Reason::LockedOut:
        return "The host refuses joins for a minute after too many wrong codes.";
    case Refusal::Reason::SeatTaken: return "Player 2's seat is taken.";
    case Refusal::Reason::Replaced:
        return "Player 2's seat was taken up again from another connection.";
    case Refusal::Reason::SeatFreed: return "The host freed Player 2's seat.";
    case Refusal::Reason::Version: break;
    }
    return "The host runs another version of Tarmigo.";
}

namespace {

GuestEvent event(GuestEvent::Kind kind, std::string text = {}) {
    GuestEvent e;
    e.kind = kind;
    e.text = std::move(text);
    return e;
}

} // namespace

GuestSession::GuestSession(std::string code, LineFactory lines, std::optional<SeatKey> key,
                           Hello ours, KeySource nonces)
    : code_(std::move(code)), lines_(std::move(lines)), key_(key), ours_(std::move(ours)),
      nonces_(std::move(nonces)) {}

void GuestSession::connected(std::int64_t now) {
    if (finished_) return;
    now_ = now;
    linked_ = true;
    admitted_ = false;
    close_ = false;
    earlierMessages_ += line_.messageBytes();
    line_ = Line{};
    order_ = Order{Side::Guest};
    lastHeard_ = now;
    lastSent_ = now;
    sessionId_ = nonces_();
    line_.start(lines_(
        LineSide::Guest, linePassword(code_, key_), sessionId_,
        LineView(reinterpret_cast<const std::uint8_t*>(LineChannel.data()), LineChannel.size())));
    sendMessage(ours_);
    const std::optional<Share> share =
        line_.keys() ? shareOf(*line_.keys(), sessionId_, key_.has_value()) : std::nullopt;
    if (!share) return fail("no share to send");
    sendMessage(*share);
}

void GuestSession::received(std::span<const std::uint8_t> bytes, std::int64_t now) {
    if (!linked_ || close_) return;
    now_ = now;
    lastHeard_ = now;
    wireBytes_.received += bytes.size();
    line_.feed(bytes);
    while (linked_ && !close_) {
        std::optional<Message> m = line_.next();
        if (!m) {
            if (line_.failed()) fail(line_.error());
            return;
        }
        if (const std::string wrong = order_.accept(*m); !wrong.empty()) {
            fail(wrong);
            return;
        }
        if (heard) heard(*m);
        handle(*m);
    }
}

void GuestSession::handle(const Message& m) {
    if (const auto* hello = std::get_if<Hello>(&m)) {
        if (const std::string sentence = versionMismatch(ours_, *hello); !sentence.empty()) {
            // The host refuses too; the sentence here names both versions as ours.
            finished_ = true;
            close_ = true;
            events_.push_back(event(GuestEvent::Kind::Refused, sentence));
        }
        return;
    }
    if (const auto* share = std::get_if<Share>(&m)) return exchange(*share);
    if (const auto* confirmation = std::get_if<Confirm>(&m)) return confirm(*confirmation);
    if (const auto* refusal = std::get_if<Refusal>(&m)) {
        finished_ = true;
        close_ = true;
        admitted_ = false;
        // A freed seat's key opens nothing any more.
        if (refusal->reason == Refusal::Reason::SeatFreed) key_.reset();
        GuestEvent e = event(GuestEvent::Kind::Refused, refusalSentence(refusal->reason));
        e.refusal = refusal->reason;
        events_.push_back(std::move(e));
        return;
    }
    if (const auto* seat = std::get_if<Seat>(&m)) {
        key_ = seat->key;
        return;
    }
    if (const auto* view = std::get_if<ViewMessage>(&m)) {
        if (!admitted_) {
            admitted_ = true;
            events_.push_back(event(GuestEvent::Kind::Admitted));
        }
        view_ = view->view();
        GuestEvent e = event(GuestEvent::Kind::View);
        e.view = view_;
        events_.push_back(std::move(e));
    } else if (const auto* steps = std::get_if<Steps>(&m)) {
        GuestEvent e = event(GuestEvent::Kind::Steps);
        e.steps = steps->steps;
        events_.push_back(std::move(e));
    } else if (const auto* rematch = std::get_if<Rematch>(&m)) {
        GuestEvent e = event(GuestEvent::Kind::Rematch);
        e.rematch = rematch->kind;
        events_.push_back(std::move(e));
    } else if (std::holds_alternative<Left>(m)) {
        finished_ = true;
        close_ = true;
        events_.push_back(event(GuestEvent::Kind::Left));
    } else if (const auto* error = std::get_if<Error>(&m)) {
        finished_ = true;
        close_ = true;
        events_.push_back(event(GuestEvent::Kind::Error, "the host closed: " + error->reason));
    }
}

void GuestSession::exchange(const Share& theirs) {
    LineKeys& keys = *line_.keys();
    if (theirs.withKey || theirs.sessionId != sessionId_)
        return fail("the host's share is not for this connection");
    if (!keys.takeShare(theirs.share)) return fail("the host's share is not a valid share");
    const std::optional<Confirm> ours = confirmationOf(keys);
    if (!ours) return fail("no key confirmation to send");
    sendMessage(*ours);
    // The join goes sealed at once: only a host with the same code opens it.
    line_.sealOut();
    sendMessage(Join{code_, key_});
}

void GuestSession::confirm(const Confirm& theirs) {
    LineKeys& keys = *line_.keys();
    // The host confirms only after our tag checked out; a wrong one is someone between.
    if (!keys.confirms(theirs.tag)) return fail("the host's key confirmation is wrong");
    if (!keys.acceptHeader(theirs.header)) return fail("the host's stream header was refused");
    line_.sealIn();
}

void GuestSession::fail(const std::string& reason) {
    sendMessage(Error{reason.substr(0, MaxErrorLength)});
    finished_ = true;
    close_ = true;
    events_.push_back(event(GuestEvent::Kind::Error, reason));
}

void GuestSession::lost(std::string reason) {
    const bool was = linked_;
    linked_ = false;
    admitted_ = false;
    close_ = true;
    if (was && !finished_) events_.push_back(event(GuestEvent::Kind::Dropped, std::move(reason)));
}

void GuestSession::disconnected(std::int64_t now) {
    now_ = now;
    lost("the connection was lost");
    close_ = false;
}

void GuestSession::tick(std::int64_t now) {
    now_ = now;
    if (!linked_ || close_) return;
    if (now - lastHeard_ >= DropMs) {
        lost("the host fell silent");
        return;
    }
    if (now - lastSent_ >= KeepAliveMs && line_.sealedOut()) sendMessage(KeepAlive{});
}

void GuestSession::send(const Input& input) {
    if (admitted_ && !close_) sendMessage(input);
}

void GuestSession::rematch(Rematch::Kind kind) {
    if (admitted_ && !close_) sendMessage(Rematch{kind});
}

void GuestSession::leave() {
    if (linked_ && !close_) sendMessage(Left{});
    key_.reset(); // leaving gives the seat up
    finished_ = true;
    close_ = true;
}

std::int64_t GuestSession::retryDelay(int failures) {
    constexpr std::int64_t First = 250;
    constexpr std::int64_t Longest = 8'000;
    return std::min(Longest, First << std::clamp(failures, 0, 6));
}

void GuestSession::sendMessage(const Message& m) {
    line_.send(m);
    lastSent_ = now_;
}

std::vector<std::uint8_t> GuestSession::takeOutgoing() {
    std::vector<std::uint8_t> bytes = line_.take(close_);
    wireBytes_.sent += bytes.size();
    return bytes;
}

std::vector<GuestEvent> GuestSession::takeEvents() {
    return std::exchange(events_, {});
}

} // namespace tarmigo::net
