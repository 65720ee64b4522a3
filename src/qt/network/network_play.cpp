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
#include "qt/network/hosted_game.h"
#include "qt/network/joined_game.h"
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

namespace netplay {

QString qtext(const char* s) {
    return shownText(s);
}

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

} // namespace netplay

using netplay::ask;
using netplay::qtext;

namespace {

QAction* makeEntry(QObject* parent, const char* label, const char* name) {
    auto* action = new QAction(qtext(label), parent);
    action->setObjectName(QString::fromLatin1(name));
    return action;
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

const Layout* NetworkPlay::joinedLayout() const {
    return joined_ ? &joined_->layout() : nullptr;
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
    hosted_->host().game().layout.ownSeat = 0; // the host's side marked as its own
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
                        window_.present(hosted);
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
            if (hosted->shown) window_.playQueued();
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
        window_.statistics().setNetworkGame(false);
        window_.present(nullptr);
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
    window_.present(joined_.get(), [this](DrawingSurface& surface) {
        if (joined_) joined_->paint(surface);
    });
    window_.platform().enableUndoButton(false);
    showNotice(qtext(nl::Connecting).arg(QString::fromStdString(addressText(address))));
    Joined* joined = joined_.get();
    joined->link().start(address.host, address.port, joined->session(),
                         [joined] { joined->take(); });
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
    window_.present(nullptr);
    joined_.reset();
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
    const int place = hitTest(joined_->layout(), x, y);
    if (place == target::Nothing) return true;
    window_.board().clearMarks(); // a hint lasts until the next move
    boardKeyed(&window_.board()); // the status line the host sends answers it
    joined_->send(net::Input{net::Input::Kind::Tap, place});
    return true;
}

bool NetworkPlay::command(int id) {
    const bool newGame = id == command::OnePlayerGame || id == command::TwoPlayerGame;
    if (newGame && (hosting() || joined())) {
        askToLeave([this, id] { window_.runCommand(id); });
        return true;
    }
    if (!joined_) return false;
    switch (id) {
    case command::Undo: joined_->send(net::Input{net::Input::Kind::Undo, 0}); return true;
    case command::Scores: joined_->showScores(); return true;
    case command::Options: {
        // The guest's own options; the host is told how its taps are played now.
        // The board is drawn afresh once the dialog closes: the options may change it.
        auto dialog = std::make_shared<OptionsDialog>(window_.ownGame(), window_.platform());
        window_.platform().openOptionsDialog(*dialog, [this, dialog] {
            if (joined_) joined_->sendModes();
        });
        return true;
    }
    default: return false; // About, Help: the window's own
    }
}

} // namespace tarmigo
