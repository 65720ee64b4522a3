#include "qt/network/network_play.h"

#include "qt/platform/translation.h"

#include "app/commands.h"
#include "app/network_host.h"
#include "app/options_dialog.h"
#include "app/save_state.h"
#include "app/scores_dialog.h"
#include "app/shell.h"
#include "board/animation.h"
#include "board/bitmaps.h"
#include "board/board_events.h"
#include "board/draw.h"
#include "board/layout.h"
#include "game/strings.h"
#include "game/targets.h"
#include "net/guest_session.h"
#include "net/join_code.h"
#include "qt/board/board_view.h"
#include "qt/board/qt_surface.h"
#include "qt/dialogs/scores_window.h"
#include "qt/main_window.h"
#include "qt/network/local_addresses.h"
#include "qt/network/network_dialogs.h"
#include "qt/network/network_labels.h"
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

// A yes/no box over the window; `answered` runs once it closes.
void ask(QWidget* parent, int zoom, const QString& text, const char* name,
         std::function<void(bool)> answered) {
    auto* box = new QMessageBox(QMessageBox::Question, QString::fromLatin1(label::ProgramName),
                                text, QMessageBox::Yes | QMessageBox::No, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setAttribute(Qt::WA_DeleteOnClose);
    scaleToZoom(box, zoom);
    QObject::connect(box, &QDialog::finished, parent, [box, answered = std::move(answered)] {
        answered(box->clickedButton() == box->button(QMessageBox::Yes));
    });
    box->open();
}

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
    Hosted(NetworkPlay& owner, const NetworkStores& stores, const std::string& code)
        : owner_(owner), qtHost_(owner.window_.host()), game_(qtHost_, stores, code) {}

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
        case command::Scores: qtHost_.openScoresDialog([](int) {}); break;
        case command::Options: {
            // The options chosen are the person's: their game at this program takes them too.
            auto dialog = std::make_shared<OptionsDialog>(game_.game(), qtHost_);
            qtHost_.openOptionsDialog(*dialog, [this, dialog] {
                Session& own = owner_.window_.shell().game();
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
        case Step::Kind::Scores:
            qtHost_.openScoresDialog([this, handEnd = step.handEnd, done](int closeId) {
                // "New Hand" deals the next hand, as a tap on the status line does.
                if (handEnd && closeId == dialog::NewHand) game_.tapPlace(target::StatusLine);
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

// The game joined: the view and the steps the host sends, played in order.
class NetworkPlay::Joined {
  public:
    Joined(NetworkPlay& owner, const std::string& code) : owner_(owner), session_(code) {}

    net::GuestSession& session() { return session_; }
    GuestTransport& link() { return *link_; }
    void setLink(std::unique_ptr<GuestTransport> link) { link_ = std::move(link); }
    const std::optional<SeatView>& view() const { return view_; }
    // A move is being shown: a slide, or a dialog of it open.
    bool presenting() const { return waiting_ || !queue_.empty(); }

    void flush() {
        if (link_) link_->flush();
    }
    void send(const net::Input& input) {
        if (waiting_ || !session_.admitted()) return; // a dialog of the last move is open
        session_.send(input);
        flush();
    }

    // What the session made of what arrived.
    void take() {
        for (net::GuestEvent& e : session_.takeEvents()) {
            using K = net::GuestEvent::Kind;
            switch (e.kind) {
            case K::Admitted:
                owner_.showNotice({});
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
            case K::Error: owner_.showNotice(QString::fromStdString(e.text)); break;
            case K::Dropped: owner_.showNotice(qtext(nl::Reconnecting)); break;
            case K::Left: owner_.showNotice(qtext(nl::Player1Left)); break;
            }
        }
        play();
    }

    void paint(DrawingSurface& surface) {
        if (!view_) return;
        paintView(Board{shown(), owner_.window_.shell().game().layout, surface});
    }

    // The view as this program shows it: by the guest's own options, not the host's.
    SeatView shown() const {
        SeatView v = view_.value_or(SeatView{});
        const Session& own = owner_.window_.shell().game();
        v.showPlayable = own.has(flag::showPlayable);
        v.hideTips = own.has(flag::hideTips);
        return v;
    }

    // The guest plays its taps by its own "To play" and "To discard" options.
    void sendModes() {
        const RoundRecord& r = owner_.window_.shell().game().round;
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
            owner_.window_.showHint(shownHint({}, owner_.window_.shell().game().layout, 0, 0));
    }

    void showScores() {
        if (view_) openScores(scoresContent(*view_), [] {});
    }

  private:
    using Item = std::variant<SeatView, net::ShownStep>;

    void play() {
        while (!waiting_ && !queue_.empty()) {
            const Item item = queue_.front();
            queue_.pop_front();
            if (const auto* v = std::get_if<SeatView>(&item)) {
                view_ = *v;
                if (countNext_ && v->handOver) {
                    countNext_ = false;
                    owner_.window_.statistics().countSeatHand(*v);
                }
                owner_.window_.host().repaintBoard();
                owner_.update();
                continue;
            }
            step(std::get<net::ShownStep>(item));
        }
    }

    void step(const net::ShownStep& s) {
        QtHost& host = owner_.window_.host();
        using K = net::ShownStep::Kind;
        switch (s.kind) {
        case K::Sound: host.playSound(Sound(s.value)); break;
        case K::Undo: host.enableUndoButton(s.value != 0); break;
        case K::Scores: {
            if (s.value) countNext_ = true;
            // The hand's figures are those of the view that follows the steps.
            std::optional<SeatView> next;
            for (const Item& i : queue_)
                if (const auto* v = std::get_if<SeatView>(&i)) {
                    next = *v;
                    break;
                }
            const SeatView shown = next ? *next : view_.value_or(SeatView{});
            waiting_ = true;
            openScores(scoresContent(shown), [this, handEnd = s.value != 0, shown](int closeId) {
                if (handEnd && !shown.gameOver && closeId == dialog::NewHand)
                    session_.send(net::Input{net::Input::Kind::Tap, target::StatusLine});
                flush();
                resume();
            });
            break;
        }
        case K::Ask:
            waiting_ = true;
            ask(&owner_.window_, owner_.window_.zoom(), shownText(stringText(s.value)), "question",
                [this](bool yes) {
                    session_.send(net::Input{net::Input::Kind::Extension, yes ? 1 : 0});
                    flush();
                    resume();
                });
            break;
        case K::Laid:
        case K::Drawn: slide(s); break;
        case K::Hint:
            if (view_)
                owner_.window_.showHint(
                    shownHint(*view_, owner_.window_.shell().game().layout, s.slot, s.target));
            break;
        }
    }

    // A card laid or drawn slides across the board at this program's own pace, as the
    // window's own moves do; the host's hand is hidden, so its cards come from and go
    // to the top of the board. The view that follows draws the board as it now is.
    void slide(const net::ShownStep& s) {
        const Session& own = owner_.window_.shell().game();
        if (!own.has(flag::animate)) return;
        const Layout& l = own.layout;
        const Point top{l.halfWidth, 0};
        const bool guests = s.player == 1 && s.slot >= 1 && s.slot <= HandSize;
        Point from;
        Point to;
        int bitmap = CardBackBitmap;
        if (s.kind == net::ShownStep::Kind::Laid) {
            from = guests ? l.slotCard(s.slot) : top;
            to = pileCardPosition(l, s.target, s.card, s.depth);
            bitmap = s.card;
        } else {
            from = l.drawPileCard();
            to = guests ? l.slotCard(s.slot) : top;
        }
        const int dx = to.x - from.x;
        const int dy = to.y - from.y;
        const int steps = std::max(std::abs(dx), std::abs(dy)) / SlideStep;
        if (steps == 0) return;
        if (s.kind == net::ShownStep::Kind::Laid && guests)
            owner_.window_.board().surface().drawBitmap(EmptySlot, 0, from.x, from.y, CardWidth,
                                                        CardHeight);
        waiting_ = true;
        auto at = std::make_shared<int>(0);
        auto* timer = new QTimer(&timers_); // ends with the game joined
        const int pause = std::max(1, own.round.animDelay);
        QObject::connect(timer, &QTimer::timeout, timer,
                         [this, timer, at, from, dx, dy, steps, bitmap] {
                             DrawingSurface& surface = owner_.window_.board().surface();
                             if (*at > 0) surface.restoreBlock(lastSaved_.x, lastSaved_.y);
                             if (*at == steps) {
                                 timer->stop();
                                 timer->deleteLater();
                                 owner_.window_.board().update();
                                 resume();
                                 return;
                             }
                             const int x = from.x + dx * *at / steps;
                             const int y = from.y + dy * *at / steps;
                             surface.saveBlock(x, y, CardWidth, CardHeight);
                             surface.drawBitmap(bitmap, 0, x, y, CardWidth, CardHeight);
                             lastSaved_ = {x, y};
                             owner_.window_.board().update();
                             ++*at;
                         });
        timer->start(pause);
    }

    void openScores(const ScoresContent& content, std::function<void(int)> closed) {
        auto* window = new ScoresWindow(content, owner_.window_.zoom(), &owner_.window_);
        window->setAttribute(Qt::WA_DeleteOnClose);
        QObject::connect(window, &QDialog::finished, &owner_.window_,
                         [closed = std::move(closed)](int result) { closed(result); });
        window->open();
    }
    void openScores(const ScoresContent& content, std::function<void()> closed) {
        openScores(content, [closed = std::move(closed)](int) { closed(); });
    }

    void resume() {
        waiting_ = false;
        play();
    }

    void rematch(net::Rematch::Kind kind) {
        using R = net::Rematch::Kind;
        if (kind == R::Ask) {
            ask(&owner_.window_, owner_.window_.zoom(), qtext(nl::RematchAsked), "rematchQuestion",
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
    std::optional<SeatView> view_;
    std::deque<Item> queue_;
    QObject timers_;
    Point lastSaved_{};
    bool waiting_ = false;
    bool countNext_ = false;
};

NetworkPlay::NetworkPlay(MainWindow& window, NetworkSetup setup)
    : window_(window), setup_(std::move(setup)) {
    hostEntry_ = makeEntry(&window, nl::HostEntry, "hostNetworkGame");
    joinEntry_ = makeEntry(&window, nl::JoinEntry, "joinNetworkGame");
    rematchEntry_ = makeEntry(&window, nl::RematchEntry, "askRematch");
    leaveEntry_ = makeEntry(&window, nl::LeaveEntry, "leaveNetworkGame");
    QObject::connect(hostEntry_, &QAction::triggered, &window, [this] { host(); });
    QObject::connect(joinEntry_, &QAction::triggered, &window, [this] { join(); });
    QObject::connect(rematchEntry_, &QAction::triggered, &window, [this] { askRematch(); });
    QObject::connect(leaveEntry_, &QAction::triggered, &window,
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
    menu->addAction(leaveEntry_);
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
    const bool playing = hosting() || joined();
    hostEntry_->setEnabled(!playing);
    joinEntry_->setEnabled(!playing);
    leaveEntry_->setEnabled(playing);
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
    notice_->setText(text);
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
    if (hosting() || joined()) return;
    const NetworkStores stores{setup_.file, setup_.second, setup_.code};
    if (!NetworkHost::savedCode(stores)) {
        openHostDialog(false);
        return;
    }
    ask(&window_, window_.zoom(), qtext(nl::ResumeQuestion), "resumeQuestion",
        [this](bool yes) { openHostDialog(yes); });
}

void NetworkPlay::openHostDialog(bool resume) {
    const NetworkStores stores{setup_.file, setup_.second, setup_.code};
    std::string code;
    if (resume) code = NetworkHost::savedCode(stores).value_or(std::string());
    if (code.empty()) code = net::makeJoinCode(QRandomGenerator::system()->generate64());
    int port = StandardPort;
    if (setup_.preferences) {
        const int kept = setup_.preferences->value(QString::fromLatin1(PortKey)).toInt();
        if (kept >= 1 && kept <= 65535) port = kept;
    }
    auto* dialog = new HostDialog(port, QString::fromStdString(code), localAddresses(),
                                  window_.zoom(), &window_);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    hostDialog_ = dialog;
    QObject::connect(dialog, &QObject::destroyed, &window_, [this] { hostDialog_ = nullptr; });
    dialog->onHost = [this, dialog, code, resume](int chosen) {
        if (setup_.preferences) setup_.preferences->setValue(QString::fromLatin1(PortKey), chosen);
        std::string error;
        if (startHosting(chosen, code, resume, error))
            dialog->showWaiting();
        else
            dialog->showError(QString::fromStdString(error));
    };
    // Cancelled before Player 2 came: nothing is hosted.
    QObject::connect(dialog, &QDialog::rejected, &window_, [this] {
        if (hosted_ && !hosted_->shown) stopHosting(false);
    });
    dialog->open();
}

bool NetworkPlay::startHosting(int port, const std::string& code, bool resume, std::string& error) {
    if (!haveTransports()) {
        error = "the network module is missing";
        return false;
    }
    stopHosting(false);
    hosted_ = std::make_unique<Hosted>(
        *this, NetworkStores{setup_.file, setup_.second, setup_.code}, code);
    hosted_->setLink(transports_->host());
    const bool resumed =
        hosted_->host().start(ScreenWidth, ScreenHeight, resume, &window_.shell().game());
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
                    }
                    showNotice({});
                    break;
                case K::GuestDropped:
                case K::GuestLeft: showNotice({}); break; // the status line says it
                case K::RematchAsked:
                    ask(&window_, window_.zoom(), qtext(nl::RematchAsked), "rematchQuestion",
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
                    if (hosted->shown) showNotice(QString::fromStdString(n.text));
                    break;
                }
            }
            if (hosted->shown) window_.host().play();
            update();
        },
        error);
    if (!listening) {
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
    if (hosting() || joined()) return;
    QString address;
    QString code;
    if (setup_.preferences) {
        address = setup_.preferences->value(QString::fromLatin1(AddressKey)).toString();
        code = setup_.preferences->value(QString::fromLatin1(CodeKey)).toString();
    }
    auto* dialog = new JoinDialog(address, code, window_.zoom(), &window_);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    joinDialog_ = dialog;
    QObject::connect(dialog, &QObject::destroyed, &window_, [this] { joinDialog_ = nullptr; });
    QObject::connect(dialog, &QDialog::accepted, &window_, [this, dialog] {
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
    joined_ = std::make_unique<Joined>(*this, code);
    joined_->setLink(transports_->guest());
    window_.host().skipPictures();
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
    }
    joined_->link().stop();
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
    ask(&window_, window_.zoom(), qtext(nl::LeaveQuestion), "leaveQuestion",
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
    const int place = hitTest(window_.shell().game().layout, x, y);
    if (place != target::Nothing) joined_->send(net::Input{net::Input::Kind::Tap, place});
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
        auto dialog = std::make_shared<OptionsDialog>(window_.shell().game(), window_.host());
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
