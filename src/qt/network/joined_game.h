#pragma once
// The network game this window joined, as the window plays it. Included by
// network_play.cpp alone.
#include "app/scores_dialog.h"
#include "app/step_player.h"
#include "board/draw.h"
#include "board/sentence.h"
#include "game/strings.h"
#include "game/targets.h"
#include "net/guest_session.h"
#include "qt/board/announce.h"
#include "qt/dialogs/scores_window.h"
#include "qt/network/network_play.h"
#include "qt/network/network_play_parts.h"
#include "qt/network/network_window.h"
#include "qt/network/transport.h"
#include "qt/platform/kept_statistics.h"
#include "qt/qt_host.h"
#include "turns/hint.h"

#include <QString>
#include <algorithm>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <variant>

namespace tarmigo {

// The game joined: the view and the steps the host sends. The steps become the steps
// of a presentation, slides and sentences made by the board as for the window's own
// moves (seat 1's share of each, in this program's language and by its own options),
// and the window plays them as it plays its own: one slide player for every game.
class NetworkPlay::Joined : public PlayedGame, public StepGame {
  public:
    Joined(NetworkPlay& owner, const std::string& code, const std::optional<net::SeatKey>& key,
           QString address, net::LineFactory lines)
        : owner_(owner), session_(code, std::move(lines), key), address_(std::move(address)) {}

    net::GuestSession& session() { return session_; }
    GuestTransport& link() { return *link_; }
    void setLink(std::unique_ptr<GuestTransport> link) { link_ = std::move(link); }
    const std::optional<SeatView>& view() const { return view_; }
    // A move is being shown, or waits to be: a slide, or a dialog of it open.
    bool presenting() const { return owner_.window_.presenting() || !queue_.empty(); }

    void flush() {
        if (link_) link_->flush();
    }
    void send(const net::Input& input) {
        if (presenting() || !session_.admitted()) return; // the card aimed at may have moved
        session_.send(input);
        flush();
    }

    // What the session made of what arrived.
    void take() {
        for (net::GuestEvent& e : session_.takeEvents()) {
            using K = net::GuestEvent::Kind;
            switch (e.kind) {
            case K::Admitted:
                // Back after a drop: heard, as the notice that goes was.
                if (std::exchange(admittedBefore_, true))
                    announce(&owner_.window_.board(), netplay::qtext(nl::Reconnected));
                owner_.showNotice({});
                owner_.keepGuestSeat(session_.key());
                sendModes();
                break;
            case K::View:
                if (e.view) queue_.emplace_back(*e.view);
                break;
            case K::Steps:
                for (const net::ShownStep& s : e.steps) queue_.emplace_back(s);
                break;
            case K::Rematch: rematch(e.rematch); break;
            case K::Refused:
                owner_.keepGuestSeat(session_.key()); // erased by a sealed "seat freed" alone
                owner_.showNotice(netplay::refusalText(e));
                break;
            case K::Error: owner_.showNotice(netplay::qtext(nl::GaveUp)); break;
            case K::Dropped: owner_.showNotice(netplay::qtext(nl::Reconnecting)); break;
            case K::Left: owner_.showNotice(netplay::qtext(nl::Player1Left)); break;
            }
        }
        // A connection that did not come about: what answered, if anything.
        if (link_ && link_->failures() > 0 && !session_.view()) {
            const auto why = link_->lastFailure();
            if (why != GuestTransport::Failure::None)
                owner_.showNotice(netplay::qtext(why == GuestTransport::Failure::NothingListens
                                                     ? nl::NothingListens
                                                     : nl::Unreachable)
                                      .arg(address_));
        }
        stage();
    }

    void paint(DrawingSurface& surface) const { paintView(Board{shown(), layout(), surface}); }

    // The board as this window draws it: the guest's own seat on the left, marked.
    const Layout& layout() const {
        layout_ = owner_.window_.ownGame().layout;
        layout_.ownSeat = Seat;
        return layout_;
    }

    // The view as this program shows it: by the guest's own options, not the host's.
    // Before the host's first view, the sides with no card and the hand row covered.
    SeatView shown() const {
        SeatView v;
        if (view_) {
            v = *view_;
        } else {
            v.seat = Seat;
            v.playerCount = 2;
            v.turnHandover = true;
        }
        const Session& own = owner_.window_.ownGame();
        v.showPlayable = own.has(flag::showPlayable);
        v.hideTips = own.has(flag::hideTips);
        return v;
    }

    // The guest plays its taps by its own "To play" and "To discard" options.
    void sendModes() {
        const RoundRecord& r = owner_.window_.ownGame().round;
        session_.send(net::Input{net::Input::Kind::Modes,
                                 net::Input::modeValue(r.playMode(), r.discardMode())});
        flush();
    }

    // A hint is Expert's choice made by the host from what the guest may know; off the
    // guest's turn the answer is known here.
    void askHint() {
        if (view_ && view_->isOwnTurn() && !view_->handOver && !view_->decisionPending)
            send(net::Input{net::Input::Kind::Hint, 0});
        else
            owner_.window_.showHint(shownHint({}, layout(), 0, 0));
    }

    void showScores() {
        if (view_) openScores(scoresContent(*view_), [](int) {});
    }

    // PlayedGame: the window plays the staged presentation; taps and commands go to the
    // host through NetworkPlay before they reach here.
    Session* game() override { return nullptr; }
    Presentation& presentation() override { return stage_; }
    const Layout& boardLayout() override { return layout(); }
    void penDown() override {}
    void penUp(int x, int y) override { owner_.tap(x, y); }
    void handleCommand(int id) override {
        // About and Help are the window's own.
        if (!owner_.command(id)) owner_.window_.ownCommand(id);
    }
    StepGame& steps() override { return *this; }

    // StepGame: no Redo; the Scores and the question are this window's, and what they
    // answer goes to the host.
    void enable(ShellHost& host, Step::Kind button, bool enabled) override {
        if (button == Step::Kind::Undo) host.enableUndoButton(enabled);
    }
    void openScores(ShellHost&, const Step& step, std::function<void(int)> closed) override {
        openScores(scoresOf(step), std::move(closed));
    }
    void scoresClosed(const Step& step, int closeId) override {
        if (scoresOf(step).button == ScoresButton::NewHand && closeId == dialog::NewHand)
            session_.send(net::Input{net::Input::Kind::Tap, target::StatusLine});
        flush();
    }
    // A question asked again on a rejoin, already answered here, is not asked twice.
    bool asks() const override { return session_.questionOpen(); }
    void ask(ShellHost&, int stringId, std::function<void(bool)> answered) override {
        netplay::ask(owner_.window_, shownText(stringText(stringId)), "question", Enter::Yes,
                     std::move(answered));
    }
    void answered(bool yes) override {
        session_.send(net::Input{net::Input::Kind::Extension, yes ? 1 : 0});
        flush();
    }

  private:
    using Item = std::variant<SeatView, net::ShownStep>;
    static constexpr int Seat = 1; // a guest's

    // Turns what arrived into the presentation's steps, in order, then plays them. A
    // question waits for the view that follows it, whose miles it shows.
    void stage() {
        while (!queue_.empty()) {
            const Item item = queue_.front();
            if (const auto* s = std::get_if<net::ShownStep>(&item);
                s && std::holds_alternative<net::AskStep>(*s) && !nextView())
                break;
            queue_.pop_front();
            if (const auto* v = std::get_if<SeatView>(&item))
                viewArrives(*v);
            else
                step(std::get<net::ShownStep>(item));
        }
        owner_.window_.playQueued();
        owner_.update();
    }

    const SeatView* nextView() const {
        for (const Item& i : queue_)
            if (const auto* v = std::get_if<SeatView>(&i)) return v;
        return nullptr;
    }

    // A new view is painted once what was staged before it has played; what it tells
    // that no step did is said in its turn.
    void viewArrives(const SeatView& v) {
        sayChange(v);
        view_ = v;
        if (countNext_ && v.handOver) {
            countNext_ = false;
            owner_.window_.statistics().countSeatHand(v);
        }
        owner_.window_.platform().invalidate({});
    }

    // A step is seat 1's share of one report, complete as it came. The slides and sounds go
    // by this program's own options, on this window's layout.
    void step(const net::ShownStep& step) {
        const Session& own = owner_.window_.ownGame();
        const bool animate = own.has(flag::animate);
        Presentation& out = stage_;
        std::visit(
            Overloaded{
                [&](const net::SoundStep& s) {
                    if (own.has(flag::playSounds)) out.sound(s.sound);
                },
                [&](const net::UndoStep& s) { out.undo(s.enabled); },
                [&](const net::ScoresStep& s) {
                    countNext_ = true;
                    out.scores(s.figures);
                },
                [&](const net::AskStep& s) {
                    // The miles that ask count at once: the headers show them beside the
                    // question, as the host's own do.
                    out.show(Region::MilesAndHeaders, 0, *nextView());
                    out.show(Region::MileageBar, 0, *nextView());
                    out.ask(s.stringId);
                },
                [&](const Laid& laid) {
                    // Said as the card sets off, as the window's own moves are: a reader
                    // hears the move when the host has it, not after its slide.
                    out.say(laid.coupFourre ? coupFourreSentence(2, laid) : moveSentence(2, laid));
                    out.slide(laid, animate, own.round.animDelay);
                },
                [&](const Drawn& drawn) { out.slide(drawn, animate, own.round.animDelay); },
                [&](const net::HintStep& s) {
                    if (view_)
                        owner_.window_.showHint(shownHint(*view_, layout(), s.slot, s.target));
                },
            },
            step);
    }

    // What a new view tells that no step did: a new hand dealt, the draw pile run out.
    void sayChange(const SeatView& next) {
        if (!view_) return;
        Sentence s;
        if (!next.handOver && (view_->handOver || next.cardsLeft > view_->cardsLeft + 1))
            s.pattern = text::NewHandDealt;
        else if (view_->cardsLeft > 0 && next.cardsLeft == 0)
            s.pattern = text::DrawPileEmpty;
        if (!s.empty()) stage_.say(s);
    }

    void openScores(const ScoresContent& content, std::function<void(int)> closed) {
        auto* window = new ScoresWindow(content, owner_.window_.zoom(), &owner_.window_.widget());
        window->setAttribute(Qt::WA_DeleteOnClose);
        QObject::connect(window, &QDialog::finished, &owner_.window_.widget(),
                         [closed = std::move(closed)](int result) { closed(result); });
        window->open();
    }

    void rematch(net::Rematch::Kind kind) {
        using R = net::Rematch::Kind;
        if (kind == R::Ask) {
            netplay::ask(owner_.window_, netplay::qtext(nl::RematchAsked), "rematchQuestion",
                         Enter::Yes, [this](bool yes) {
                             session_.rematch(yes ? R::Yes : R::No);
                             flush();
                         });
            return;
        }
        owner_.showNotice(kind == R::Yes ? QString() : netplay::qtext(nl::RematchDeclined));
    }

    NetworkPlay& owner_;
    net::GuestSession session_;
    std::unique_ptr<GuestTransport> link_;
    QString address_;
    std::optional<SeatView> view_;
    // What arrived and is not staged yet: a question waiting for its view.
    std::deque<Item> queue_;
    // The steps made of the views and moves received, which the window plays.
    Presentation stage_;
    mutable Layout layout_;       // the window's own, this seat's side on the left
    bool admittedBefore_ = false; // an admission after the first is a return
    bool countNext_ = false;
};

} // namespace tarmigo
