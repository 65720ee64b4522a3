#include "net/host_session.h"

#include "net/join_code.h"

#include <random>

namespace tarmigo::net {
namespace {

std::string refusalSentence(Refusal::Reason r) {
    switch (r) {
    case Refusal::Reason::WrongCode: return "The join code was wrong.";
    case Refusal::Reason::LockedOut:
        return "Too many wrong join codes came from this address; try again in a minute.";
    case Refusal::Reason::SeatTaken: return "Player 2's seat is taken.";
    case Refusal::Reason::Replaced: return "Player 2 came back on another connection.";
    case Refusal::Reason::SeatFreed: return "Player 2's seat was freed.";
    case Refusal::Reason::Version: break;
    }
    return "The versions differ.";
}

HostEvent event(HostEvent::Kind kind, ConnectionId c, std::string text = {}) {
    HostEvent e;
    e.kind = kind;
    e.connection = c;
    e.text = std::move(text);
    return e;
}

} // namespace

KeySource randomKeys() {
    return [] {
        std::random_device device;
        SeatKey key{};
        for (std::size_t i = 0; i < key.size(); i += 4) {
            const unsigned bits = device();
            for (std::size_t b = 0; b < 4; ++b) key[i + b] = std::uint8_t(bits >> (8 * b));
        }
        return key;
    };
}

HostSession::HostSession(std::string code, KeySource keys, Hello ours)
    : code_(std::move(code)), keys_(std::move(keys)), ours_(std::move(ours)),
      lockout_([this] { return now_; }) {}

void HostSession::opened(ConnectionId c, const std::string& address, std::int64_t now) {
    now_ = now;
    std::size_t waiting = 0;
    for (const auto& [id, peer] : peers_)
        if (peer.order.stage() != Order::Stage::Playing) ++waiting;
    if (waiting >= MaxWaiting) {
        out_.push_back(Outgoing{c, {}, true});
        return;
    }
    Peer& p = peers_[c];
    p.address = address;
    p.opened = now;
    p.lastHeard = now;
    sendTo(c, ours_);
}

void HostSession::received(ConnectionId c, std::span<const std::uint8_t> bytes, std::int64_t now) {
    now_ = now;
    auto it = peers_.find(c);
    if (it == peers_.end()) return;
    it->second.lastHeard = now;
    it->second.decoder.feed(bytes);
    // A message may close the connection: look the peer up again after each.
    for (;;) {
        it = peers_.find(c);
        if (it == peers_.end()) return;
        Peer& p = it->second;
        std::optional<Message> m = p.decoder.next();
        if (!m) {
            if (p.decoder.failed()) fail(c, p.decoder.error());
            return;
        }
        if (const std::string wrong = p.order.accept(*m); !wrong.empty()) {
            fail(c, wrong);
            return;
        }
        if (heard && (guest_ == c || std::holds_alternative<Join>(*m))) heard(*m);
        handle(c, *m);
    }
}

void HostSession::handle(ConnectionId c, const Message& m) {
    Peer& p = peers_.at(c);
    const bool isGuest = guest_ == c;
    if (const auto* hello = std::get_if<Hello>(&m)) {
        if (const std::string sentence = versionMismatch(ours_, *hello); !sentence.empty()) {
            events_.push_back(event(HostEvent::Kind::Refused, c, sentence));
            sendTo(c, Refusal{Refusal::Reason::Version}, true);
            forget(c);
        }
        return;
    }
    if (const auto* join = std::get_if<Join>(&m)) {
        const bool rightCode = sameCode(join->code, code_);
        const bool keyHolder = rightCode && seat_ && join->key && sameKey(*join->key, *seat_);
        Refusal::Reason reason = Refusal::Reason::WrongCode;
        if (!keyHolder && lockout_.refuses(p.address)) {
            // Refused before the code is looked at, so that a locked search learns nothing.
            reason = Refusal::Reason::LockedOut;
        } else if (!rightCode) {
            lockout_.wrongCode(p.address);
        } else if (seat_ && !keyHolder) {
            reason = Refusal::Reason::SeatTaken;
        } else {
            lockout_.rightCode(p.address);
            if (guest_ && *guest_ != c) {
                // The same player back before its old connection was found dead.
                sendTo(*guest_, Refusal{Refusal::Reason::Replaced}, true);
                peers_.erase(*guest_);
            }
            guest_ = c;
            if (!seat_) {
                seat_ = keys_();
                sendTo(c, Seat{*seat_});
            }
            events_.push_back(event(HostEvent::Kind::Joined, c));
            return;
        }
        events_.push_back(event(HostEvent::Kind::Refused, c, refusalSentence(reason)));
        sendTo(c, Refusal{reason}, true);
        forget(c);
        return;
    }
    if (!isGuest) return; // only keep-alives, a leaving or an error before the join
    if (const auto* input = std::get_if<Input>(&m)) {
        HostEvent e = event(HostEvent::Kind::Input, c);
        e.input = *input;
        events_.push_back(e);
    } else if (const auto* rematch = std::get_if<Rematch>(&m)) {
        HostEvent e = event(HostEvent::Kind::Rematch, c);
        e.rematch = rematch->kind;
        events_.push_back(e);
    } else if (std::holds_alternative<Left>(m)) {
        seat_.reset(); // leaving on purpose gives the seat up
        events_.push_back(event(HostEvent::Kind::Left, c));
        out_.push_back(Outgoing{c, {}, true});
        forget(c);
    } else if (const auto* error = std::get_if<Error>(&m)) {
        events_.push_back(
            event(HostEvent::Kind::Dropped, c, "the other program closed: " + error->reason));
        out_.push_back(Outgoing{c, {}, true});
        forget(c);
    }
}

void HostSession::fail(ConnectionId c, const std::string& reason) {
    events_.push_back(event(HostEvent::Kind::Error, c, reason));
    sendTo(c, Error{reason.substr(0, MaxErrorLength)}, true);
    if (guest_ == c) events_.push_back(event(HostEvent::Kind::Dropped, c, reason));
    // Last: the reason may be the peer's own decoder's, which goes with it.
    forget(c);
}

void HostSession::closed(ConnectionId c, std::int64_t now) {
    now_ = now;
    if (!peers_.contains(c)) return;
    const bool wasGuest = guest_ == c;
    forget(c);
    if (wasGuest) events_.push_back(event(HostEvent::Kind::Dropped, c, "the connection was lost"));
}

void HostSession::tick(std::int64_t now) {
    now_ = now;
    std::vector<ConnectionId> silent;
    for (auto& [c, p] : peers_) {
        const bool joined = p.order.stage() == Order::Stage::Playing;
        if (now - p.lastHeard >= DropMs || (!joined && now - p.opened >= JoinMs))
            silent.push_back(c);
        else if (now - p.lastSent >= KeepAliveMs)
            sendTo(c, KeepAlive{});
    }
    for (ConnectionId c : silent) {
        const bool wasGuest = guest_ == c;
        out_.push_back(Outgoing{c, {}, true});
        forget(c);
        if (wasGuest)
            events_.push_back(event(HostEvent::Kind::Dropped, c, "the other program fell silent"));
    }
}

void HostSession::send(const Message& m) {
    if (guest_) sendTo(*guest_, m);
}

void HostSession::leave() {
    if (!guest_) return;
    sendTo(*guest_, Left{}, true);
    forget(*guest_);
}

void HostSession::freeSeat() {
    seat_.reset();
    if (!guest_) return;
    const ConnectionId c = *guest_;
    sendTo(c, Refusal{Refusal::Reason::SeatFreed}, true);
    forget(c);
    events_.push_back(event(HostEvent::Kind::Dropped, c, "the seat was freed"));
}

void HostSession::sendTo(ConnectionId c, const Message& m, bool close) {
    auto it = peers_.find(c);
    if (it != peers_.end()) it->second.lastSent = now_;
    out_.push_back(Outgoing{c, encode(m), close});
}

void HostSession::forget(ConnectionId c) {
    peers_.erase(c);
    if (guest_ == c) guest_.reset();
}

std::vector<Outgoing> HostSession::takeOutgoing() {
    return std::exchange(out_, {});
}

std::vector<HostEvent> HostSession::takeEvents() {
    return std::exchange(events_, {});
}

} // namespace tarmigo::net
