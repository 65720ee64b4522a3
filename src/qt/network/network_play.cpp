#include "qt/network/network_play.h"

#include "qt/platform/translation.h"

#include "app/commands.h"
#include "app/network_host.h"
#include "app/options_dialog.h"
#include "app/save_state.h"
#include "app/scores_dialog.h"
#include "board/animation.h"
#include "board/bitmaps.h"
#include "board/board_events.h"
#include "board/draw.h"
#include "board/layout.h"
#include "board/sentence.h"
#include "game/strings.h"
#include "game/targets.h"
#include "net/guest_session.h"
#include "net/join_code.h"
#include "qt/board/accessible_board.h"
#include "qt/board/announce.h"
#include "qt/board/board_view.h"
#include "qt/board/qt_surface.h"
#include "qt/dialogs/question_box.h"
#include "qt/dialogs/scores_window.h"
#include "qt/network/local_addresses.h"
#include "qt/network/network_dialogs.h"
#include "qt/network/network_labels.h"
#include "qt/network/network_window.h"
#include "qt/network/transport.h"
#include "qt/platform/kept_statistics.h"
#include "qt/platform/sound_player.h"
#include "qt/platform/ui_scale.h"
#include "qt/qt_host.h"
#include "turns/hint.h"
#include "turns/tap.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLibrary>
#include <QMenu>
#include <QMessageBox>
#include <QRandomGenerator>
#include <QSettings>
#include <QTimer>

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <deque>
#include <utility>
#include <variant>

namespace tarmigo {
namespace {

namespace nl = network_label;

QString qtext(const char* s) {
    return shownText(s);
}

QAction* makeEntry(QObject* parent, const char* label, const char* name) {
    auto* action = new QAction(qtext(label), parent);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

// A yes/no box over the window (over its open dialog); `answered` runs once it closes.
void ask(NetworkWindow& window, const QString& text, const char* name, Enter enter,
         std::function<void(bool)> answered) {
    auto* box = new QuestionBox(text, enter, window.zoom(), &window.widget());
    box->setObjectName(QString::fromLatin1(name));
    QObject::connect(box, &QDialog::finished, &window.widget(),
                     [box, answered = std::move(answered)] {
                         answered(box->clickedButton() == box->button(QMessageBox::Yes));
                     });
    box->open();
}

// The host's seat key, kept in the settings beside the network game's code.
class SeatSetting : public Store {
  public:
    explicit SeatSetting(QSettings& settings) : settings_(settings) {}
    std::optional<std::vector<std::uint8_t>> read() override {
        const QVariant v = settings_.value(key());
        if (!v.isValid()) return std::nullopt;
        const QByteArray bytes = v.toByteArray();
        return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
    }
    bool write(std::span<const std::uint8_t> bytes) override {
        settings_.setValue(key(), QByteArray(reinterpret_cast<const char*>(bytes.data()),
                                             qsizetype(bytes.size())));
        return true;
    }
    bool remove() override {
        settings_.remove(key());
        return true;
    }

  private:
    static QString key() { return QStringLiteral("NetworkSeat"); }
    QSettings& settings_;
};

// What a guest says when the host refused it, in the player's language.
QString refusalText(const net::GuestEvent& e) {
    using R = net::Refusal::Reason;
    switch (e.refusal.value_or(R::Version)) {
    case R::WrongCode: return qtext(nl::WrongCode);
    case R::LockedOut: return qtext(nl::LockedOut);
    case R::SeatTaken: return qtext(nl::SeatTaken);
    case R::Replaced: return qtext(nl::Replaced);
    case R::SeatFreed: return qtext(nl::SeatFreed);
    case R::Version: break; // the sentence names both versions
    }
    return QString::fromStdString(e.text);
}

// What the host says when it refused a connection, in its player's language.
QString hostRefusalText(const NetworkNotice& n) {
    using R = net::Refusal::Reason;
    switch (n.refusal.value_or(R::Version)) {
    case R::WrongCode: return qtext(nl::GuestWrongCode);
    case R::LockedOut: return qtext(nl::GuestsLockedOut);
    case R::SeatTaken: return qtext(nl::SeatTaken);
    case R::Replaced: return qtext(nl::GuestReplaced);
    case R::SeatFreed: return qtext(nl::GuestSeatFreed);
    case R::Version: break; // the sentence names both versions, or says why the line closed
    }
    return QString::fromStdString(n.text);
}

// The guest's seat key, kept with the code of the game it is for (the address may be
// typed differently, or the port change, from one join to the next).
constexpr const char* GuestSeatKey = "Network/seat";
constexpr const char* GuestSeatGameKey = "Network/seatGame";

} // namespace

std::unique_ptr<NetworkTransports> loadTransports(const QString& programFolder) {
    for (const QString& folder : SoundPlayer::foldersBeside(programFolder)) {
        // Never unloaded: the transports it makes live as long as the program.
        QLibrary module(QDir(folder).filePath(QStringLiteral("tarmigo_network")));
        const auto create =
            reinterpret_cast<CreateTransports>(module.resolve(CreateTransportsSymbol));
        if (create) return std::unique_ptr<NetworkTransports>(create());
    }
    return nullptr;
}

// The game hosted: the window presents it as its own, seat 0's hand always shown.
class NetworkPlay::Hosted : public PlayedGame {
  public:
    Hosted(NetworkPlay& owner, const NetworkStores& stores, const std::string& code,
           net::LineFactory lines)
        : owner_(owner), qtHost_(owner.window_.host()),
          game_(qtHost_, stores, code, std::move(lines)) {}

    NetworkHost& host() { return game_; }
    HostTransport& link() { return *link_; }
    void setLink(std::unique_ptr<HostTransport> link) { link_ = std::move(link); }
    bool shown = false; // the window presents it

    // After every input of this side: the guest is sent what changed.
    void flush() {
        if (link_) link_->flush();
        owner_.update();
    }

    Session& game() override { return game_.game(); }
    void penDown() override {}
    void penUp(int x, int y) override {
        game_.penUp(x, y);
        flush();
    }
    void handleCommand(int id) override {
        switch (id) {
        case command::Undo: game_.undo(); break;
        case command::Scores:
            qtHost_.openScoresDialog(scoresContent(game_.game()), [](int) {});
            break;
        case command::Options: {
            // The options chosen are the person's: their game at this program takes them too.
            auto dialog = std::make_shared<OptionsDialog>(game_.game(), qtHost_);
            qtHost_.openOptionsDialog(*dialog, [this, dialog] {
                Session& own = owner_.window_.ownGame();
                copyOptions(game_.game(), own);
                saveState(own);
            });
            break;
        }
        case command::About: qtHost_.openAboutDialog(); break;
        case command::Help: qtHost_.postHelpRequest(); break;
        default: break;
        }
        flush();
    }
    void playStep(const Step& step, const std::function<void()>& done) override {
        switch (step.kind) {
        case Step::Kind::Sound: qtHost_.playSound(step.sound); break;
        case Step::Kind::Undo: qtHost_.enableUndoButton(step.enabled); break;
        case Step::Kind::Redo: break; // a network game has no Redo
        case Step::Kind::Scores:
            qtHost_.openScoresDialog(scoresContent(*step.standing),
                                     [this, handEnd = step.handEnd, done](int closeId) {
                                         // "New Hand" deals the next hand, as a tap on the status
                                         // line does.
                                         if (handEnd && closeId == dialog::NewHand)
                                             game_.tapPlace(target::StatusLine);
                                         flush();
                                         done();
                                     });
            return;
        case Step::Kind::Ask:
            qtHost_.askYesNo(step.stringId, [this, done](bool yes) {
                game_.answer(yes);
                flush();
                done();
            });
            return;
        case Step::Kind::Say: qtHost_.say(step.sentence); break;
        case Step::Kind::Draw:
        case Step::Kind::Frame: break;
        }
        done();
    }

  private:
    NetworkPlay& owner_;
    QtHost& qtHost_;
    NetworkHost game_;
    std::unique_ptr<HostTransport> link_;
};

// The game joined: the view and the steps the host sends. The steps become the steps
// of a presentation, slides and sentences made by the board as for the window's own
// moves (seat 1's share of each, in this program's language and by its own options),
// and the window plays them as it plays its own: one slide player for every game.
class NetworkPlay::Joined : public PlayedGame {
  public:
    Joined(NetworkPlay& owner, const std::string& code, const std::optional<net::SeatKey>& key,
           QString address, net::LineFactory lines)
        : owner_(owner), session_(code, std::move(lines), key), address_(std::move(address)),
          stage_(owner.window_.host()) {}

    net::GuestSession& session() { return session_; }
    GuestTransport& link() { return *link_; }
    void setLink(std::unique_ptr<GuestTransport> link) { link_ = std::move(link); }
    const std::optional<SeatView>& view() const { return view_; }
    // A move is being shown, or waits to be: a slide, or a dialog of it open.
    bool presenting() const { return owner_.window_.host().presenting() || !queue_.empty(); }

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
                    announce(&owner_.window_.board(), qtext(nl::Reconnected));
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
                owner_.showNotice(refusalText(e));
                break;
            case K::Error: owner_.showNotice(qtext(nl::GaveUp)); break;
            case K::Dropped: owner_.showNotice(qtext(nl::Reconnecting)); break;
            case K::Left: owner_.showNotice(qtext(nl::Player1Left)); break;
            }
        }
        // A connection that did not come about: what answered, if anything.
        if (link_ && link_->failures() > 0 && !session_.view()) {
            const auto why = link_->lastFailure();
            if (why != GuestTransport::Failure::None)
                owner_.showNotice(qtext(why == GuestTransport::Failure::NothingListens
                                            ? nl::NothingListens
                                            : nl::Unreachable)
                                      .arg(address_));
        }
        stage();
    }

    void paint(DrawingSurface& surface) {
        if (!view_) return;
        paintView(Board{shown(), owner_.window_.ownGame().layout, surface});
    }

    // The view as this program shows it: by the guest's own options, not the host's.
    SeatView shown() const {
        SeatView v = view_.value_or(SeatView{});
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
            owner_.window_.showHint(shownHint({}, owner_.window_.ownGame().layout, 0, 0));
    }

    void showScores() {
        if (view_) openScores(scoresContent(*view_), [](int) {});
    }

    // PlayedGame: the window plays the staged presentation; taps and commands go to the
    // host through NetworkPlay before they reach here.
    Session& game() override { return stage_; }
    void penDown() override {}
    void penUp(int x, int y) override { owner_.tap(x, y); }
    void handleCommand(int id) override {
        // About and Help are the window's own.
        if (!owner_.command(id)) owner_.window_.ownCommand(id);
    }
    void playStep(const Step& step, const std::function<void()>& done) override {
        QtHost& host = owner_.window_.host();
        switch (step.kind) {
        case Step::Kind::Sound: host.playSound(step.sound); break;
        case Step::Kind::Undo: host.enableUndoButton(step.enabled); break;
        case Step::Kind::Redo: break; // a network game has no Redo
        case Step::Kind::Say: host.say(step.sentence); break;
        case Step::Kind::Scores: {
            const SeatView standing = *step.standing;
            openScores(scoresContent(standing),
                       [this, handEnd = step.handEnd, standing, done](int closeId) {
                           if (handEnd && !standing.gameOver && closeId == dialog::NewHand)
                               session_.send(net::Input{net::Input::Kind::Tap, target::StatusLine});
                           flush();
                           done();
                       });
            return;
        }
        case Step::Kind::Ask:
            // A question asked again on a rejoin, already answered here, is not asked twice.
            if (!session_.questionOpen()) break;
            ask(owner_.window_, shownText(stringText(step.stringId)), "question", Enter::Yes,
                [this, done](bool yes) {
                    session_.send(net::Input{net::Input::Kind::Extension, yes ? 1 : 0});
                    flush();
                    done();
                });
            return;
        case Step::Kind::Draw:
        case Step::Kind::Frame: break;
        }
        done();
    }

  private:
    using Item = std::variant<SeatView, net::ShownStep>;

    // Turns what arrived into the presentation's steps, in order, then plays them. A
    // hand's Scores and a question wait for the view that follows them, whose figures they
    // show.
    void stage() {
        Session& own = owner_.window_.ownGame();
        stage_.layout = own.layout;
        stage_.round = own.round; // the options the slides and sounds go by
        stage_.surface = &stage_.presentation;
        while (!queue_.empty()) {
            const Item item = queue_.front();
            if (const auto* s = std::get_if<net::ShownStep>(&item);
                s &&
                (s->kind == net::ShownStep::Kind::Scores || s->kind == net::ShownStep::Kind::Ask) &&
                !nextView())
                break;
            queue_.pop_front();
            if (const auto* v = std::get_if<SeatView>(&item))
                viewArrives(*v);
            else
                step(std::get<net::ShownStep>(item));
        }
        stage_.surface = nullptr;
        owner_.window_.host().play();
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
        cardsLeft_ = v.cardsLeft;
        if (countNext_ && v.handOver) {
            countNext_ = false;
            owner_.window_.statistics().countSeatHand(v);
        }
        owner_.window_.host().invalidate({}, false);
    }

    void step(const net::ShownStep& s) {
        Presentation& out = stage_.presentation;
        using K = net::ShownStep::Kind;
        switch (s.kind) {
        case K::Sound:
            if (stage_.has(flag::playSounds)) out.sound(Sound(s.value));
            break;
        case K::Undo: out.undo(s.value != 0); break;
        case K::Scores:
            if (s.value) countNext_ = true;
            out.scores(s.value != 0, *nextView());
            break;
        case K::Ask:
            // The miles that ask count at once: the headers show them beside the question,
            // as the host's own do.
            drawMilesAndHeaders(Board{*nextView(), stage_.layout, out});
            drawMileageBar(Board{*nextView(), stage_.layout, out});
            out.ask(s.value);
            break;
        case K::Laid: {
            // Said as the card sets off, as the window's own moves are: a reader hears the
            // move when the host has it, not after its slide.
            const Laid laid{s.player, s.slot, Card(s.card), s.target, s.depth};
            out.say(laidSentence(laid));
            animatePlayedCard(stage_, laid,
                              pileCardPosition(stage_.layout, laid.target, laid.card, laid.depth));
            break;
        }
        case K::Drawn:
            cardsLeft_ = std::max(0, cardsLeft_ - 1);
            animateDraw(stage_, Drawn{s.player, s.slot, Card(s.card), cardsLeft_});
            break;
        case K::Hint:
            if (view_)
                owner_.window_.showHint(
                    shownHint(*view_, owner_.window_.ownGame().layout, s.slot, s.target));
            break;
        case K::CoupFourre: break; // said with the card laid
        }
    }

    // A card laid is said as the window's own moves are, in this program's language:
    // as the coup fourre it was when a step of the same move says so.
    Sentence laidSentence(const Laid& move) const {
        for (const Item& i : queue_) {
            const auto* next = std::get_if<net::ShownStep>(&i);
            if (!next || next->kind == net::ShownStep::Kind::Laid ||
                next->kind == net::ShownStep::Kind::Drawn)
                break;
            if (next->kind == net::ShownStep::Kind::CoupFourre) return coupFourreSentence(2, move);
        }
        return moveSentence(2, move);
    }

    // What a new view tells that no step did: a new hand dealt, the draw pile run out.
    void sayChange(const SeatView& next) {
        if (!view_) return;
        Sentence s;
        if (!next.handOver && (view_->handOver || next.cardsLeft > view_->cardsLeft + 1))
            s.pattern = text::NewHandDealt;
        else if (view_->cardsLeft > 0 && next.cardsLeft == 0)
            s.pattern = text::DrawPileEmpty;
        if (!s.empty()) stage_.presentation.say(s);
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
            ask(owner_.window_, qtext(nl::RematchAsked), "rematchQuestion", Enter::Yes,
                [this](bool yes) {
                    session_.rematch(yes ? R::Yes : R::No);
                    flush();
                });
            return;
        }
        owner_.showNotice(kind == R::Yes ? QString() : qtext(nl::RematchDeclined));
    }

    NetworkPlay& owner_;
    net::GuestSession session_;
    std::unique_ptr<GuestTransport> link_;
    QString address_;
    std::optional<SeatView> view_;
    // What arrived and is not staged yet: a hand's Scores waiting for their view.
    std::deque<Item> queue_;
    // The presentation the window plays, with the layout and this program's options.
    Session stage_;
    int cardsLeft_ = 0;
    bool admittedBefore_ = false; // an admission after the first is a return
    bool countNext_ = false;
};

NetworkPlay::NetworkPlay(NetworkWindow& window, NetworkSetup setup)
    : window_(window), setup_(std::move(setup)) {
    if (setup_.preferences) seat_ = std::make_unique<SeatSetting>(*setup_.preferences);
    QWidget* parent = &window.widget();
    hostEntry_ = makeEntry(parent, nl::HostEntry, "hostNetworkGame");
    joinEntry_ = makeEntry(parent, nl::JoinEntry, "joinNetworkGame");
    rematchEntry_ = makeEntry(parent, nl::RematchEntry, "askRematch");
    leaveEntry_ = makeEntry(parent, nl::LeaveEntry, "leaveNetworkGame");
    freeSeatEntry_ = makeEntry(parent, nl::FreeSeatEntry, "freeSeat");
    QObject::connect(freeSeatEntry_, &QAction::triggered, parent, [this] { freeSeat(); });
    QObject::connect(hostEntry_, &QAction::triggered, parent, [this] { host(); });
    QObject::connect(joinEntry_, &QAction::triggered, parent, [this] { join(); });
    QObject::connect(rematchEntry_, &QAction::triggered, parent, [this] { askRematch(); });
    QObject::connect(leaveEntry_, &QAction::triggered, parent,
                     [this] { askToLeave([this] { leave(); }); });
    update();
}

NetworkPlay::~NetworkPlay() {
    stopHosting(false);
    stopJoining(false);
    // An open dialog goes now, while its closing may still reach this object.
    delete hostDialog_;
    delete joinDialog_;
}

void NetworkPlay::fillMenu(QMenu* newMenu) {
    QMenu* menu = newMenu->addMenu(qtext(nl::NetworkGame));
    menu->setObjectName(QStringLiteral("networkMenu"));
    menu->addAction(hostEntry_);
    menu->addAction(joinEntry_);
    menu->addSeparator();
    menu->addAction(rematchEntry_);
    menu->addAction(freeSeatEntry_);
    menu->addAction(leaveEntry_);
}

NetworkStores NetworkPlay::stores() const {
    return {setup_.file, setup_.second, setup_.code, seat_.get()};
}

void NetworkPlay::freeSeat() {
    if (hosted_) {
        hosted_->host().freeSeat();
        hosted_->flush();
    } else if (seat_) {
        seat_->write({});
    }
    update();
}

bool NetworkPlay::joinEnded() const {
    return joined_ && !joined_->session().wantsConnection();
}

void NetworkPlay::keepGuestSeat(const std::optional<net::SeatKey>& key) {
    if (!setup_.preferences || !joined_) return;
    if (key) {
        setup_.preferences->setValue(
            QString::fromLatin1(GuestSeatKey),
            QByteArray(reinterpret_cast<const char*>(key->data()), qsizetype(key->size())));
        setup_.preferences->setValue(QString::fromLatin1(GuestSeatGameKey), joinedGame_);
    } else {
        setup_.preferences->remove(QString::fromLatin1(GuestSeatKey));
        setup_.preferences->remove(QString::fromLatin1(GuestSeatGameKey));
    }
}

bool NetworkPlay::hosting() const {
    return hosted_ && hosted_->shown;
}

bool NetworkPlay::joined() const {
    return joined_ != nullptr;
}

Session* NetworkPlay::hostedGame() {
    return hosting() ? &hosted_->host().game() : nullptr;
}

bool NetworkPlay::presenting() const {
    return joined_ && joined_->presenting();
}

const SeatView* NetworkPlay::joinedView() const {
    return joined_ && joined_->view() ? &*joined_->view() : nullptr;
}

int NetworkPlay::port() const {
    return hosted_ ? hosted_->link().port() : 0;
}

QString NetworkPlay::notice() const {
    return notice_ && notice_->isVisible() ? notice_->text() : QString();
}

void NetworkPlay::update() {
    // A join refused before any game was shown has nothing to leave.
    const bool playing = hosting() || (joined() && (!joinEnded() || joinedView()));
    // A refused or ended join leaves its last view up, and another may begin.
    const bool busy = hosting() || (joined() && !joinEnded());
    hostEntry_->setEnabled(!busy);
    joinEntry_->setEnabled(!busy);
    leaveEntry_->setEnabled(playing);
    freeSeatEntry_->setEnabled(hosted_ && hosted_->host().seatHeld());
    bool over = false;
    if (hosting()) over = hosted_->host().game().has(flag::gameOver) && !hosted_->host().paused();
    if (joined_ && joined_->view()) over = joined_->view()->gameOver;
    rematchEntry_->setEnabled(over);
}

void NetworkPlay::showNotice(const QString& text) {
    if (!notice_) {
        notice_ = new QLabel(&window_.board());
        notice_->setObjectName(QStringLiteral("networkNotice"));
        notice_->setWordWrap(true);
        notice_->setAlignment(Qt::AlignCenter);
        notice_->setAutoFillBackground(true);
        QPalette p = notice_->palette();
        p.setColor(QPalette::Window, QColor(255, 255, 192));
        p.setColor(QPalette::WindowText, Qt::black);
        notice_->setPalette(p);
        notice_->setMargin(4);
    }
    // A notice is news on both sides (a drop, a return, the other leaving, a rematch asked
    // or declined): a reader hears it as it appears, from the status line's sentences.
    if (!text.isEmpty() && (notice_->isHidden() || notice_->text() != text))
        announce(&window_.board(), text);
    if (!text.isEmpty()) notice_->setText(text); // hidden, it keeps its words: no empty name
    notice_->setVisible(!text.isEmpty());
    fitNotice();
    notice_->raise();
}

void NetworkPlay::fitNotice() {
    if (!notice_) return;
    // Across the board as it is now drawn, at the window's zoom, under the score panels
    // (Hand, Score, Won), which stay in sight.
    notice_->setFont(uiFont(window_.zoom()));
    const QRect area = window_.board().boardArea().toAlignedRect();
    const int below = int(area.height() * Layout::HeaderBottom / BoardHeight);
    notice_->setGeometry(area.left(), area.top() + below, area.width(),
                         notice_->heightForWidth(area.width()));
}

bool NetworkPlay::haveTransports() {
    if (!transports_ && setup_.transports) transports_ = setup_.transports();
    return transports_ != nullptr;
}

void NetworkPlay::host() {
    if (joinEnded()) stopJoining(false);
    if (hosting() || joined()) return;
    const NetworkStores stores = this->stores();
    if (!NetworkHost::savedCode(stores)) {
        openHostDialog(false);
        return;
    }
    ask(window_, qtext(nl::ResumeQuestion), "resumeQuestion", Enter::Yes,
        [this](bool yes) { openHostDialog(yes); });
}

void NetworkPlay::openHostDialog(bool resume) {
    const NetworkStores stores = this->stores();
    std::string code;
    if (resume) code = NetworkHost::savedCode(stores).value_or(std::string());
    if (code.empty()) code = net::makeJoinCode(QRandomGenerator::system()->generate64());
    int port = StandardPort;
    if (setup_.preferences) {
        const int kept = setup_.preferences->value(QString::fromLatin1(PortKey)).toInt();
        if (kept >= 1 && kept <= 65535) port = kept;
    }
    auto* dialog = new HostDialog(port, QString::fromStdString(code), localAddresses(),
                                  window_.zoom(), &window_.widget());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    hostDialog_ = dialog;
    QObject::connect(dialog, &QObject::destroyed, &window_.widget(),
                     [this] { hostDialog_ = nullptr; });
    // A new game's seat is free; a resumed one's may be kept for its guest.
    dialog->showSeat(resume && NetworkHost::savedSeat(stores).has_value());
    dialog->onFreeSeat = [this] { freeSeat(); };
    dialog->onHost = [this, dialog, code, resume](int chosen) {
        if (setup_.preferences) setup_.preferences->setValue(QString::fromLatin1(PortKey), chosen);
        std::string error;
        if (startHosting(chosen, code, resume, error))
            dialog->showWaiting();
        else if (lastPortTaken_)
            dialog->showError(qtext(nl::PortTaken).arg(chosen));
        else
            dialog->showError(QString::fromStdString(error));
    };
    // Cancelled before Player 2 came: nothing is hosted.
    QObject::connect(dialog, &QDialog::rejected, &window_.widget(), [this] {
        if (hosted_ && !hosted_->shown) stopHosting(false);
    });
    dialog->open();
}

bool NetworkPlay::startHosting(int port, const std::string& code, bool resume, std::string& error) {
    lastPortTaken_ = false;
    if (!haveTransports()) {
        error = "the network module is missing";
        return false;
    }
    stopHosting(false);
    hosted_ = std::make_unique<Hosted>(*this, stores(), code, transports_->lines());
    hosted_->setLink(transports_->host());
    const bool resumed =
        hosted_->host().start(ScreenWidth, ScreenHeight, resume, &window_.ownGame());
    if (resumed) {
        // The resumed game's last hand, against the network game's own mark.
        KeptStatistics& statistics = window_.statistics();
        statistics.setNetworkGame(true);
        statistics.settle(hosted_->host().game());
        statistics.setNetworkGame(false);
    }
    Hosted* hosted = hosted_.get();
    const bool listening = hosted->link().listen(
        {}, port, hosted->host(),
        [this, hosted] {
            for (const NetworkNotice& n : hosted->host().takeNotices()) {
                using K = NetworkNotice::Kind;
                switch (n.kind) {
                case K::GuestJoined:
                    if (!hosted->shown) {
                        hosted->shown = true;
                        window_.statistics().setNetworkGame(true);
                        window_.host().skipPictures();
                        window_.host().switchTo(hosted);
                        if (hostDialog_) hostDialog_->accept();
                    } else {
                        announce(&window_.board(), qtext(nl::GuestBack)); // a rejoin
                    }
                    showNotice({});
                    break;
                case K::GuestDropped:
                case K::GuestLeft: showNotice({}); break; // the status line says it
                case K::RematchAsked:
                    ask(window_, qtext(nl::RematchAsked), "rematchQuestion", Enter::Yes,
                        [this](bool yes) {
                            if (!hosted_) return;
                            hosted_->host().answerRematch(yes);
                            hosted_->flush();
                        });
                    break;
                case K::RematchAnswer:
                    showNotice(n.yes ? QString() : qtext(nl::RematchDeclined));
                    break;
                case K::ConnectionRefused:
                case K::ConnectionError:
                    if (hosted->shown) showNotice(hostRefusalText(n));
                    break;
                }
            }
            if (hosted->shown) window_.host().play();
            update();
        },
        error);
    if (!listening) {
        lastPortTaken_ = hosted->link().portTaken();
        hosted_.reset();
        return false;
    }
    update();
    return true;
}

void NetworkPlay::stopHosting(bool leaving) {
    if (!hosted_) return;
    if (leaving) {
        hosted_->host().leave();
        hosted_->link().flush();
    }
    hosted_->link().stop();
    if (hosted_->shown) {
        window_.host().skipPictures();
        window_.host().switchTo(nullptr);
        window_.statistics().setNetworkGame(false);
        window_.host().repaintBoard();
    }
    hosted_.reset();
}

void NetworkPlay::join() {
    if (joinEnded()) stopJoining(false);
    if (hosting() || joined()) return;
    QString address;
    QString code;
    if (setup_.preferences) {
        address = setup_.preferences->value(QString::fromLatin1(AddressKey)).toString();
        code = setup_.preferences->value(QString::fromLatin1(CodeKey)).toString();
    }
    auto* dialog = new JoinDialog(address, code, window_.zoom(), &window_.widget());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    joinDialog_ = dialog;
    QObject::connect(dialog, &QObject::destroyed, &window_.widget(),
                     [this] { joinDialog_ = nullptr; });
    QObject::connect(dialog, &QDialog::accepted, &window_.widget(), [this, dialog] {
        if (setup_.preferences) {
            setup_.preferences->setValue(QString::fromLatin1(AddressKey),
                                         QString::fromStdString(addressText(dialog->address())));
            setup_.preferences->setValue(QString::fromLatin1(CodeKey),
                                         QString::fromStdString(dialog->code()));
        }
        joinAt(dialog->address(), dialog->code());
    });
    dialog->open();
}

void NetworkPlay::joinAt(const PeerAddress& address, const std::string& code) {
    if (!haveTransports()) return;
    stopJoining(false);
    // The seat key kept for this code, if any.
    const QString shownAddress = QString::fromStdString(addressText(address));
    joinedGame_ = QString::fromStdString(code);
    std::optional<net::SeatKey> key;
    if (setup_.preferences &&
        setup_.preferences->value(QString::fromLatin1(GuestSeatGameKey)).toString() ==
            joinedGame_) {
        const QByteArray kept =
            setup_.preferences->value(QString::fromLatin1(GuestSeatKey)).toByteArray();
        if (kept.size() == qsizetype(net::SeatKeyLength)) {
            key.emplace();
            std::copy(kept.begin(), kept.end(), key->begin());
        }
    }
    joined_ = std::make_unique<Joined>(*this, code, key, shownAddress, transports_->lines());
    joined_->setLink(transports_->guest());
    window_.host().skipPictures();
    window_.host().switchTo(joined_.get());
    window_.host().paintWith([this](DrawingSurface& surface) {
        if (joined_) joined_->paint(surface);
    });
    window_.host().enableUndoButton(false);
    showNotice(qtext(nl::Connecting).arg(QString::fromStdString(addressText(address))));
    Joined* joined = joined_.get();
    joined->link().start(address.host, address.port, joined->session(),
                         [joined] { joined->take(); });
    window_.host().repaintBoard();
    update();
}

void NetworkPlay::stopJoining(bool leaving) {
    if (!joined_) return;
    if (leaving) {
        joined_->session().leave();
        joined_->flush();
        keepGuestSeat({}); // leaving gives the seat up
    }
    joined_->link().stop();
    window_.host().switchTo(nullptr);
    joined_.reset();
    window_.host().paintWith(nullptr);
    window_.host().repaintBoard();
}

void NetworkPlay::leave() {
    stopHosting(true);
    stopJoining(true);
    showNotice({});
    update();
}

void NetworkPlay::askToLeave(std::function<void()> then) {
    if (!hosting() && !joined()) {
        then();
        return;
    }
    ask(window_, qtext(nl::LeaveQuestion), "leaveQuestion", Enter::No,
        [this, then = std::move(then)](bool yes) {
            if (!yes) return;
            leave();
            then();
        });
}

void NetworkPlay::askRematch() {
    if (hosting()) {
        hosted_->host().askRematch();
        hosted_->flush();
    } else if (joined_) {
        joined_->session().rematch(net::Rematch::Kind::Ask);
        joined_->flush();
    } else {
        return;
    }
    showNotice(qtext(nl::RematchWaiting));
}

bool NetworkPlay::askHint() {
    if (!joined_) return false;
    joined_->askHint();
    return true;
}

bool NetworkPlay::tap(int x, int y) {
    if (!joined_) return false;
    // Cut off (or refused): a tap does nothing, and says why.
    if (notice_ && notice_->isVisible() && !joined_->session().admitted()) {
        announce(&window_.board(), notice_->text());
        return true;
    }
    const int place = hitTest(window_.ownGame().layout, x, y);
    if (place == target::Nothing) return true;
    window_.board().clearMarks(); // a hint lasts until the next move
    boardKeyed(&window_.board()); // the status line the host sends answers it
    joined_->send(net::Input{net::Input::Kind::Tap, place});
    return true;
}

bool NetworkPlay::command(int id) {
    const bool newGame = id == command::OnePlayerGame || id == command::TwoPlayerGame;
    if (newGame && (hosting() || joined())) {
        askToLeave([this, id] { window_.host().command(id); });
        return true;
    }
    if (!joined_) return false;
    switch (id) {
    case command::Undo: joined_->send(net::Input{net::Input::Kind::Undo, 0}); return true;
    case command::Scores: joined_->showScores(); return true;
    case command::Options: {
        // The guest's own options; the host is told how its taps are played now.
        auto dialog = std::make_shared<OptionsDialog>(window_.ownGame(), window_.host());
        window_.host().openOptionsDialog(*dialog, [this, dialog] {
            if (joined_) joined_->sendModes();
            window_.host().repaintBoard();
        });
        return true;
    }
    default: return false; // About, Help: the window's own
    }
}

} // namespace tarmigo
