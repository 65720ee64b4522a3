#include "net/host_session.h"

#include "net/join_code.h"

#include <random>

namespace tarmigo::net {
namespace {

std::string refusalSentence(Refusal::Reason r) {
    switch (r) {
    case Refusal::Reason::WrongCode: return "The join code was wrong.";
    case Refusal::Reason::LockedOut:
        return "Too many wrong join codes came from one address: its joins are refused for a "
               "minute.";
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

HostSession::HostSession(std::string code, LineFactory lines, KeySource keys, Hello ours)
    : code_(std::move(code)), lines_(std::move(lines)), keys_(std::move(keys)),
      ours_(std::move(ours)), lockout_([this] { return now_; }) {}

void HostSession::opened(ConnectionId c, const std::string& address, std::int64_t now) {
    now_ = now;
    std::string place = Lockout::placeOf(address);
    // The waiting connections silent the longest, of all and of this place.
    std::optional<ConnectionId> quietest;
    std::optional<ConnectionId> quietestHere;
    std::size_t waiting = 0;
    std::size_t here = 0;
    const auto quieter = [this](const Peer& p, std::optional<ConnectionId> than) {
        return !than || p.lastHeard < peers_.at(*than).lastHeard;
    };
    for (const auto& [id, peer] : peers_) {
        if (peer.order.stage() == Order::Stage::Playing) continue;
        ++waiting;
        if (quieter(peer, quietest)) quietest = id;
        if (peer.place != place) continue;
        ++here;
        if (quieter(peer, quietestHere)) quietestHere = id;
    }
    if (const auto go = here >= MaxWaitingPerPlace ? quietestHere
                        : waiting >= MaxWaiting    ? quietest
                                                   : std::nullopt) {
        closeConnection(*go);
        forget(*go);
    }
    Peer& p = peers_[c];
    p.address = address;
    p.place = std::move(place);
    p.opened = now;
    p.lastHeard = now;
    sendTo(c, ours_);
}

void HostSession::received(ConnectionId c, std::span<const std::uint8_t> bytes, std::int64_t now) {
    now_ = now;
    auto it = peers_.find(c);
    if (it == peers_.end()) return;
    it->second.lastHeard = now;
    it->second.line.feed(bytes);
    // A message may close the connection: look the peer up again after each.
    for (;;) {
        it = peers_.find(c);
        if (it == peers_.end()) return;
        Peer& p = it->second;
        std::optional<Message> m = p.line.next();
        if (!m) {
            if (p.line.failed()) fail(c, p.line.error());
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
    const bool isGuest = guest_ == c;
    if (const auto* hello = std::get_if<Hello>(&m)) {
        if (const std::string sentence = versionMismatch(ours_, *hello); !sentence.empty()) {
            events_.push_back(event(HostEvent::Kind::Refused, c, sentence));
            sendTo(c, Refusal{Refusal::Reason::Version}, true);
            forget(c);
        }
        return;
    }
    if (const auto* share = std::get_if<Share>(&m)) {
        exchange(c, *share);
        return;
    }
    if (const auto* confirmation = std::get_if<Confirm>(&m)) {
        confirm(c, *confirmation);
        return;
    }
    if (const auto* j = std::get_if<Join>(&m)) {
        join(c, *j);
        return;
    }
    if (const auto* error = std::get_if<Error>(&m)) {
        // Closed at once, joined or not: a connection that said why it ends waits no more.
        if (isGuest)
            events_.push_back(
                event(HostEvent::Kind::Dropped, c, "the other program closed: " + error->reason));
        closeConnection(c);
        forget(c);
        return;
    }
    if (!isGuest) return; // only keep-alives or a leaving before the join
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
        closeConnection(c);
        forget(c);
    }
}

void HostSession::exchange(ConnectionId c, const Share& share) {
    Peer& p = peers_.at(c);
    // A key the host no longer holds: the seat was freed, so the exchange could not agree.
    if (share.withKey && !seat_) return refuse(c, Refusal::Reason::SeatFreed);
    // Refused before the exchange, so that a locked search learns nothing. The key's
    // holder passes: its exchange runs on the code and the key, which no search finds.
    if (!share.withKey && lockout_.refuses(p.address)) return refuse(c, Refusal::Reason::LockedOut);
    p.withKey = share.withKey;
    p.line.start(lines_(
        LineSide::Host, linePassword(code_, p.withKey ? seat_ : std::nullopt), share.sessionId,
        LineView(reinterpret_cast<const std::uint8_t*>(LineChannel.data()), LineChannel.size())));
    if (!p.line.keys() || !p.line.keys()->takeShare(share.share))
        return fail(c, "the guest's share is not a valid share");
    const std::optional<Share> ours = shareOf(*p.line.keys(), share.sessionId, false);
    if (!ours) return fail(c, "no share to answer with");
    sendTo(c, *ours);
}

void HostSession::confirm(ConnectionId c, const Confirm& theirs) {
    Peer& p = peers_.at(c);
    LineKeys& keys = *p.line.keys();
    // One guess a connection: a wrong tag is a wrong code (or a wrong key with it).
    if (!keys.confirms(theirs.tag)) {
        if (lockout_.refuses(p.address)) return refuse(c, Refusal::Reason::LockedOut);
        lockout_.wrongCode(p.address);
        return refuse(c, Refusal::Reason::WrongCode);
    }
    if (!keys.acceptHeader(theirs.header)) return fail(c, "the guest's stream header was refused");
    lockout_.rightCode(p.address);
    const std::optional<Confirm> ours = confirmationOf(keys);
    if (!ours) return fail(c, "no key confirmation to answer with");
    sendTo(c, *ours);
    p.line.sealOut();
    p.line.sealIn();
}

void HostSession::join(ConnectionId c, const Join& join) {
    const Peer& p = peers_.at(c);
    if (p.withKey && !seat_) return refuse(c, Refusal::Reason::SeatFreed);
    // The join repeats what the exchange proved: the code, and the key when one was shown.
    if (!sameCode(join.code, code_) || join.key.has_value() != p.withKey ||
        (join.key && !sameKey(*join.key, *seat_)))
        return fail(c, "the join differs from the key exchange");
    if (seat_ && !p.withKey) return refuse(c, Refusal::Reason::SeatTaken);
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
}

void HostSession::refuse(ConnectionId c, Refusal::Reason reason) {
    HostEvent e = event(HostEvent::Kind::Refused, c, refusalSentence(reason));
    e.refusal = reason;
    events_.push_back(std::move(e));
    sendTo(c, Refusal{reason}, true);
    forget(c);
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
        else if (now - p.lastSent >= KeepAliveMs && p.line.sealedOut())
            sendTo(c, KeepAlive{});
    }
    for (ConnectionId c : silent) {
        const bool wasGuest = guest_ == c;
        closeConnection(c);
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
    if (it == peers_.end()) return;
    it->second.lastSent = now_;
    it->second.line.send(m);
    if (close) closeConnection(c);
}

void HostSession::closeConnection(ConnectionId c) {
    auto it = peers_.find(c);
    out_.push_back(Outgoing{
        c, it == peers_.end() ? std::vector<std::uint8_t>{} : it->second.line.take(true), true});
}

void HostSession::forget(ConnectionId c) {
    peers_.erase(c);
    if (guest_ == c) guest_.reset();
}

std::vector<Outgoing> HostSession::takeOutgoing() {
    for (auto& [c, p] : peers_)
        if (p.line.hasOutgoing()) out_.push_back(Outgoing{c, p.line.take()});
    return std::exchange(out_, {});
}

std::vector<HostEvent> HostSession::takeEvents() {
    return std::exchange(events_, {});
}

} // namespace tarmigo::net
