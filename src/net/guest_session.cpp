#include "net/guest_session.h"

#include <algorithm>

namespace tarmigo::net {

std::string refusalSentence(Refusal::Reason r) {
    switch (r) {
    // Refused in the clear: the code, or the guest's share or tag changed on the way.
    case Refusal::Reason::WrongCode:
        return "The host did not accept the join code, or the line to it was altered.";
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
    shown_ = std::exchange(skipKey_, false) ? std::nullopt : key_;
    line_.start(lines_(
        LineSide::Guest, linePassword(code_, shown_), sessionId_,
        LineView(reinterpret_cast<const std::uint8_t*>(LineChannel.data()), LineChannel.size())));
    sendMessage(ours_);
    const std::optional<Share> share =
        line_.keys() ? shareOf(*line_.keys(), sessionId_, shown_.has_value()) : std::nullopt;
    if (!share) return broken("no share to send");
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
            if (line_.failed()) broken(line_.error());
            return;
        }
        if (const std::string wrong = order_.accept(*m); !wrong.empty()) {
            broken(wrong);
            return;
        }
        if (heard) heard(*m);
        handle(*m);
    }
}

void GuestSession::handle(const Message& m) {
    // What comes before the host's key confirmation checked out may be anyone's: it
    // ends a keyless guest's first join, but a seat key's holder only tries again.
    const bool checked = line_.sealedIn();
    if (const auto* hello = std::get_if<Hello>(&m)) {
        if (const std::string sentence = versionMismatch(ours_, *hello); !sentence.empty()) {
            // The host refuses too; the sentence here names both versions as ours.
            if (key_) return broken(sentence);
            refused(sentence, std::nullopt);
        }
        return;
    }
    if (const auto* share = std::get_if<Share>(&m)) return exchange(*share);
    if (const auto* confirmation = std::get_if<Confirm>(&m)) return confirm(*confirmation);
    if (const auto* refusal = std::get_if<Refusal>(&m)) {
        const Refusal::Reason why = refusal->reason;
        if (!checked && key_) {
            if (why == Refusal::Reason::SeatFreed) skipKey_ = shown_.has_value();
            broken("refused in the clear: " + refusalSentence(why), false);
            events_.back().refusal = why; // what it claimed, unchecked
            return;
        }
        // The try without the key after a "seat freed" in the clear: the seat is still
        // held, by the key this guest keeps.
        if (why == Refusal::Reason::SeatTaken && key_ && !shown_)
            return broken("the seat is still this guest's", false);
        // A freed seat's key opens nothing any more.
        if (why == Refusal::Reason::SeatFreed) key_.reset();
        return refused(refusalSentence(why), why);
    }
    if (const auto* seat = std::get_if<Seat>(&m)) {
        key_ = seat->key;
        return;
    }
    if (const auto* view = std::get_if<ViewMessage>(&m)) {
        if (!admitted_) {
            admitted_ = true;
            failures_ = failedExchanges_ = 0;
            events_.push_back(event(GuestEvent::Kind::Admitted));
        }
        view_ = view->view();
        answered_ = false;
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
        broken("the host closed: " + error->reason, false);
    }
}

void GuestSession::exchange(const Share& theirs) {
    LineKeys& keys = *line_.keys();
    if (theirs.withKey || theirs.sessionId != sessionId_)
        return broken("the host's share is not for this connection");
    if (!keys.takeShare(theirs.share)) return broken("the host's share is not a valid share");
    const std::optional<Confirm> ours = confirmationOf(keys);
    if (!ours) return broken("no key confirmation to send");
    sendMessage(*ours);
    // The join goes sealed at once: only a host with the same code opens it.
    line_.sealOut();
    sendMessage(Join{code_, shown_});
}

void GuestSession::confirm(const Confirm& theirs) {
    LineKeys& keys = *line_.keys();
    // The host confirms only after our tag checked out; a wrong one is someone between.
    if (!keys.confirms(theirs.tag)) return broken("the host's key confirmation is wrong");
    if (!keys.acceptHeader(theirs.header)) return broken("the host's stream header was refused");
    line_.sealIn();
}

void GuestSession::broken(const std::string& reason, bool tell) {
    if (tell) sendMessage(Error{reason.substr(0, MaxErrorLength)});
    lost(reason);
}

void GuestSession::refused(const std::string& sentence, std::optional<Refusal::Reason> why) {
    finished_ = true;
    close_ = true;
    admitted_ = false;
    GuestEvent e = event(GuestEvent::Kind::Refused, sentence);
    e.refusal = why;
    events_.push_back(std::move(e));
}

void GuestSession::lost(std::string reason) {
    const bool was = linked_;
    linked_ = false;
    close_ = true;
    if (!was) return;
    ++failures_;
    if (!admitted_) ++failedExchanges_;
    admitted_ = false;
    if (finished_) return;
    if (failedExchanges_ < MaxFailedExchanges) {
        events_.push_back(event(GuestEvent::Kind::Dropped, std::move(reason)));
        return;
    }
    finished_ = true;
    events_.push_back(event(GuestEvent::Kind::Error, std::to_string(failedExchanges_) +
                                                         " tries in a row did not get through; "
                                                         "the last: " +
                                                         reason));
}

void GuestSession::disconnected(std::int64_t now) {
    now_ = now;
    // A connection that was never made; one closed by this side was counted as it broke.
    if (!linked_ && !close_) ++failures_;
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
    if (!admitted()) return;
    if (input.kind == Input::Kind::Extension) {
        if (!questionOpen()) return;
        answered_ = true;
    }
    sendMessage(input);
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
