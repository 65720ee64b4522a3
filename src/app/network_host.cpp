#include "app/network_host.h"

#include "app/options_dialog.h"
#include "app/save_state.h"
#include "app/shell.h"
#include "app/taps.h"
#include "board/layout.h"
#include "board/repaint.h"
#include "board/status_line.h"
#include "game/deal.h"
#include "game/strings.h"
#include "game/undo.h"
#include "net/join_code.h"
#include "turns/hint.h"
#include "turns/tap.h"

#include <algorithm>
#include <array>

namespace tarmigo {
namespace {

constexpr int HostSeat = 0;
constexpr int GuestSeat = 1;

std::optional<std::vector<std::uint8_t>> readStore(Store* s) {
    return s ? s->read() : std::nullopt;
}

} // namespace

NetworkHost::NetworkHost(ShellHost& host, NetworkStores stores, std::string code,
                         net::LineFactory lines, net::KeySource keys)
    : host_(host), stores_(stores), game_(host),
      link_(std::move(code), std::move(lines), std::move(keys)), board_(game_, *this) {
    game_.events = &events_;
    game_.network = true;
    // The guest plays one tap, card then deck, until its program sends its own modes.
    game_.seats[GuestSeat].modes = SeatModes{};
    game_.fileStore = stores.file;
    game_.secondStore = stores.second;
}

bool NetworkHost::hasSavedGame(NetworkStores stores) {
    const std::array<Store*, 2> copies{stores.file, stores.second};
    return std::ranges::any_of(copies, [](Store* s) {
        const auto bytes = readStore(s);
        return bytes && isSoundRecord(*bytes);
    });
}

std::optional<std::string> NetworkHost::savedCode(NetworkStores stores) {
    if (!hasSavedGame(stores)) return std::nullopt;
    const auto bytes = readStore(stores.code);
    if (!bytes) return std::nullopt;
    return net::readJoinCode(std::string(bytes->begin(), bytes->end()));
}

std::optional<net::SeatKey> NetworkHost::savedSeat(NetworkStores stores) {
    if (!hasSavedGame(stores)) return std::nullopt;
    const auto bytes = readStore(stores.seat);
    if (!bytes || bytes->size() != net::SeatKeyLength) return std::nullopt;
    net::SeatKey key{};
    std::copy(bytes->begin(), bytes->end(), key.begin());
    return key;
}

bool NetworkHost::start(std::int16_t screenWidth, std::int16_t screenHeight, bool resume,
                        const Game* person) {
    Session& g = game_;
    g.layout = computeLayout(screenWidth, screenHeight);
    g.round.nextStarter = 0;
    g.round.set(flag::sortHand, true);
    g.round.set(flag::playSounds, true);
    g.round.set(flag::animate, true);
    g.round.setPlayMode(PlayMode::TapOnce);
    g.round.setDiscardMode(DefaultDiscardMode);
    g.round.animDelay = DefaultAnimDelay;
    beginHand(g, 2, GameScores::Reset);
    bool resumed = false;
    if (resume && hasSavedGame(stores_)) {
        // Without a sound copy the new game just begun stays and is saved.
        resumed = loadState(g) == Loaded::Restored && g.playerCount == 2;
        if (!resumed) beginHand(g, 2, GameScores::Reset);
    }
    // A game saved without a key (or a new one) has its seat free.
    const auto seat = resumed ? savedSeat(stores_) : std::nullopt;
    if (seat) link_.holdSeat(*seat);
    saveSeat();
    // The options are the person's, not the game's: those of today, even on a resume.
    if (person) copyOptions(*person, g);
    g.round.set(flag::turnHandover, false);
    g.pending = Decision::None;
    saveState(g);
    if (stores_.code) {
        const std::string& c = link_.code();
        stores_.code->write(std::span(reinterpret_cast<const std::uint8_t*>(c.data()), c.size()));
    }
    showPause(text::WaitingForGuest);
    return resumed;
}

void NetworkHost::penUp(int x, int y) {
    game_.screenHost.dropPendingRepaint();
    tapPlace(hitTest(game_.layout, x, y));
}

void NetworkHost::tapPlace(int place) {
    play(HostSeat, net::Input{net::Input::Kind::Tap, place});
}

void NetworkHost::answer(bool yes) {
    play(HostSeat, net::Input{net::Input::Kind::Extension, yes ? 1 : 0});
}

bool NetworkHost::undo() {
    return play(HostSeat, net::Input{net::Input::Kind::Undo, 0});
}

void NetworkHost::askRematch() {
    if (!game_.has(flag::gameOver) || paused()) return;
    if (guestAsked_) {
        answerRematch(true);
        return;
    }
    hostAsked_ = true;
    link_.send(net::Rematch{net::Rematch::Kind::Ask});
}

void NetworkHost::answerRematch(bool yes) {
    if (!guestAsked_) return;
    guestAsked_ = false;
    link_.send(net::Rematch{yes ? net::Rematch::Kind::Yes : net::Rematch::Kind::No});
    if (yes) newGame(GameScores::Reset);
}

void NetworkHost::leave() {
    link_.leave();
    saveState(game_);
}

void NetworkHost::freeSeat() {
    link_.freeSeat();
    for (const net::HostEvent& e : link_.takeEvents()) handle(e);
    saveSeat();
}

void NetworkHost::saveSeat() {
    if (!stores_.seat) return;
    if (const auto& key = link_.seat())
        stores_.seat->write(*key);
    else
        stores_.seat->write({});
}

void NetworkHost::opened(net::ConnectionId c, const std::string& address, std::int64_t now) {
    link_.opened(c, address, now);
    for (const net::HostEvent& e : link_.takeEvents()) handle(e);
}

void NetworkHost::received(net::ConnectionId c, std::span<const std::uint8_t> bytes,
                           std::int64_t now) {
    link_.received(c, bytes, now);
    for (const net::HostEvent& e : link_.takeEvents()) handle(e);
}

void NetworkHost::closed(net::ConnectionId c, std::int64_t now) {
    link_.closed(c, now);
    for (const net::HostEvent& e : link_.takeEvents()) handle(e);
}

void NetworkHost::tick(std::int64_t now) {
    link_.tick(now);
    for (const net::HostEvent& e : link_.takeEvents()) handle(e);
}

void NetworkHost::notice(NetworkNotice::Kind kind, std::string text, bool yes) {
    NetworkNotice n;
    n.kind = kind;
    n.text = std::move(text);
    n.yes = yes;
    notices_.push_back(std::move(n));
}

std::vector<NetworkNotice> NetworkHost::takeNotices() {
    return std::exchange(notices_, {});
}

void NetworkHost::handle(const net::HostEvent& e) {
    using K = net::HostEvent::Kind;
    switch (e.kind) {
    case K::Joined: {
        guestLeft_ = false;
        saveSeat();
        notice(NetworkNotice::Kind::GuestJoined);
        Session& g = game_;
        // The guest comes in afresh: nothing armed, and each side the prompt of the position.
        g.seats[GuestSeat].discardArmed = false;
        g.seats[GuestSeat].lastStatusId = 0;
        if (!handOver(g))
            setStatus(g, AllSeats, text::TapToPlay, Refresh::No);
        else
            setStatus(g, AllSeats,
                      g.has(flag::gameOver) ? text::GameOverTapNew : text::TapNewForHand,
                      Refresh::No);
        // The guest's board at once, its own hand included, and the host's.
        showStatuses();
        invalidateBoard(g);
        // What the view does not say: the guest's Undo button and its question.
        std::vector<net::ShownStep> steps{net::UndoStep{undoSeat_ == GuestSeat}};
        if (g.pending != Decision::None && g.currentPlayer == GuestSeat)
            steps.emplace_back(net::AskStep{text::ExtendRace});
        link_.send(net::Steps{steps});
        sendView();
        break;
    }
    case K::Dropped:
        notice(NetworkNotice::Kind::GuestDropped, e.text);
        showPause(text::WaitingForGuest);
        break;
    case K::Left:
        guestLeft_ = true;
        saveSeat();
        hostAsked_ = guestAsked_ = false;
        notice(NetworkNotice::Kind::GuestLeft);
        showPause(text::GuestLeft);
        break;
    case K::Input:
        if (e.input.kind == net::Input::Kind::Modes)
            game_.seats[GuestSeat].modes =
                SeatModes{PlayMode(e.input.value % 2), DiscardMode(e.input.value / 2)};
        else if (e.input.kind == net::Input::Kind::Hint)
            sendHint();
        else
            play(GuestSeat, e.input);
        break;
    case K::Rematch:
        if (!game_.has(flag::gameOver)) break; // nothing to answer outside a game's end
        if (e.rematch == net::Rematch::Kind::Ask) {
            if (hostAsked_) {
                hostAsked_ = false;
                link_.send(net::Rematch{net::Rematch::Kind::Yes});
                notice(NetworkNotice::Kind::RematchAnswer, {}, true);
                newGame(GameScores::Reset);
            } else {
                guestAsked_ = true;
                notice(NetworkNotice::Kind::RematchAsked);
            }
        } else if (hostAsked_) {
            hostAsked_ = false;
            const bool yes = e.rematch == net::Rematch::Kind::Yes;
            notice(NetworkNotice::Kind::RematchAnswer, {}, yes);
            if (yes) newGame(GameScores::Reset);
        }
        break;
    case K::Refused:
        notice(NetworkNotice::Kind::ConnectionRefused, e.text);
        notices_.back().refusal = e.refusal;
        break;
    case K::Error: notice(NetworkNotice::Kind::ConnectionError, e.text); break;
    }
}

bool NetworkHost::play(int seat, const net::Input& input) {
    Session& g = game_;
    // The host's answer to its own question ends its move, the guest there or not.
    const bool ownAnswer = seat == HostSeat && input.kind == net::Input::Kind::Extension;
    if (paused() && !ownAnswer) {
        if (seat == HostSeat) showPause(guestLeft_ ? text::GuestLeft : text::WaitingForGuest);
        return false;
    }
    using K = net::Input::Kind;
    const bool asked = g.pending != Decision::None;
    bool allowed = seat == g.currentPlayer;
    if (input.kind == K::Tap && handOver(g)) {
        // A hand's end: a tap from either side deals the next; a game's end waits for a
        // rematch.
        if (g.has(flag::gameOver)) return false;
        newGame(GameScores::Kept);
        return true;
    }
    if (input.kind == K::Tap && asked) return false; // the question takes no other input
    if (input.kind == K::Extension) allowed = allowed && asked;
    if (input.kind == K::Undo) allowed = undoSeat_ == seat && !asked;
    if (!allowed) {
        refuse(seat, text::NotYourTurn);
        return false;
    }
    // The other player acting closes the mover's Undo.
    if (undoSeat_ >= 0 && undoSeat_ != seat && input.kind != K::Undo) tell(g, UndoAvailable{false});
    {
        // The input is resolved by the mover's own seat state (Game::seats).
        TapSurface surface(g);
        switch (input.kind) {
        case K::Tap: playTarget(g, input.value); break;
        case K::Extension: answerDecision(g, input.value != 0); break;
        case K::Undo: {
            const bool wasOver = handOver(g);
            undoLastMove(g);
            if (wasOver && !handOver(g)) host_.handTakenBack();
            break;
        }
        case K::Hint:
        case K::Modes: break; // not moves: handled as they arrive
        }
    }
    settle();
    if (paused()) showPause(guestLeft_ ? text::GuestLeft : text::WaitingForGuest);
    return true;
}

void NetworkHost::refuse(int seat, int stringId) {
    Session& g = game_;
    // The refused seat alone is told; the game stays as it is.
    setStatus(g, seat, stringId, Refresh::Yes);
    if (seat == HostSeat)
        invalidateBoard(g);
    else
        sendView();
}

void NetworkHost::sendHint() {
    Session& g = game_;
    net::HintStep step;
    if (!paused() && g.currentPlayer == GuestSeat) {
        // Expert plans from what the guest may know: its hand and the table.
        const Hint hint = hintFor(g);
        if (hint.given) step = {hint.slot, hint.target};
    }
    link_.send(net::Steps{{step}});
}

void NetworkHost::sendView() {
    Session& g = game_;
    // The guest's turn with nothing it may lay: it is told to discard, as the host is.
    if (mustDiscard(viewFor(g, GuestSeat)))
        setSeatStatus(g, GuestSeat, StatusMessage{text::MustDiscard, false, 0});
    link_.send(net::ViewMessage::of(g));
}

void NetworkHost::showStatuses() {
    Session& g = game_;
    for (const int seat : {HostSeat, GuestSeat}) {
        if (handOver(g)) break; // the hand's end says the same to both
        StatusMessage& status = g.seats[seat].status;
        const StatusMessage waiting{seat == HostSeat ? text::Player2sTurn : text::Player1sTurn,
                                    false, 0};
        // The side that waits is told whose turn it is, never what the other was told;
        // the side whose turn has come is asked to play.
        if (g.currentPlayer != seat)
            status = waiting;
        else if (status == waiting)
            status = StatusMessage{text::TapToPlay, false, 0};
    }
    sendView();
}

void NetworkHost::newGame(GameScores scores) {
    Session& g = game_;
    hostAsked_ = guestAsked_ = false;
    undoSeat_ = -1;
    beginHand(g, 2, scores);
    g.presentation.undo(false);
    shown_.take(); // a deal shows nothing but the view
    saveState(g);
    link_.send(net::Steps{{net::UndoStep{false}}});
    // Both sides paint the new hand at once, whoever dealt it.
    showStatuses();
    invalidateBoard(g);
}

void NetworkHost::settle() {
    Session& g = game_;
    if (g.pending == Decision::None) saveState(g);
    for (net::Steps& steps : shown_.take()) link_.send(steps);
    showStatuses();
    invalidateBoard(g);
    if (scored_) {
        scored_ = false;
        host_.handScored(g);
    }
}

void NetworkHost::showPause(int stringId) {
    setStatus(game_, HostSeat, stringId, Refresh::Yes);
    invalidateBoard(game_);
}

// The host's board shows seat 0: its Undo button and question are seat 0's alone.
void NetworkHost::HostBoard::report(Game& g, const Report& r) {
    const bool hosts = g.currentPlayer == HostSeat;
    if (const auto* undo = std::get_if<UndoAvailable>(&r)) {
        owner_.undoSeat_ = undo->available ? g.currentPlayer : -1;
        BoardEvents::report(g, UndoAvailable{undo->available && hosts});
        return;
    }
    if (std::holds_alternative<Question>(r) && !hosts) return;
    if (std::holds_alternative<RedoAvailable>(r)) return; // a network game has no Redo
    if (std::holds_alternative<HandEnded>(r)) owner_.scored_ = true;
    BoardEvents::report(g, r);
}

} // namespace tarmigo
