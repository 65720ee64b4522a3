#include "qt/main_window.h"

#include "qt/board/accessible_board.h"
#include "qt/language_menu.h"
#include "qt/platform/translation.h"

#include "app/commands.h"
#include "app/shell.h"
#include "board/draw.h"
#include "game/strings.h"
#include "game/targets.h"
#include "qt/board/announce.h"
#include "qt/board/bitmaps.h"
#include "qt/board/board_view.h"
#include "qt/board/packed_text.h"
#include "qt/command_bar.h"
#include "qt/desktop_labels.h"
#include "qt/dialogs/move_list.h"
#include "qt/dialogs/statistics_window.h"
#include "qt/network/network_play.h"
#include "qt/platform/kept_statistics.h"
#include "qt/platform/ui_scale.h"
#include "qt/qt_host.h"
#include "qt/watch_controls.h"
#include "turns/hint.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QResizeEvent>
#include <QScreen>
#include <QSettings>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindowStateChangeEvent>

#include <algorithm>

namespace tarmigo {
namespace {

const QString ZoomKey = QStringLiteral("Desktop/zoom");

QString qtext(const char* s) {
    return shownText(s);
}

QRect availableArea() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, ScreenWidth, ScreenHeight);
}

} // namespace

MainWindow::MainWindow(const WindowSetup& setup, QWidget* parent)
    : QWidget(parent), preferences_(setup.preferences) {
    setWindowTitle(qtext(label::ProgramName));
    boardBitmaps(); // the card pictures and the button strip, loaded once

    board_ = new BoardView(this);
    bar_ = new CommandBar(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(board_, 1);
    layout->addWidget(bar_);

    host_ = std::make_unique<QtHost>(*this, *board_, *bar_, setup.sounds, setup.openHelp);
    host_->setPreferences(preferences_);
    shell_ =
        std::make_unique<Shell>(*host_, setup.fileStore, setup.secondStore, setup.historyStore);
    host_->attach(*shell_);
    statistics_ = std::make_unique<KeptStatistics>(preferences_);
    host_->countIn(statistics_.get());

    board_->onPenDown = [this] {
        if (!network_->joined()) host_->penDown();
    };
    board_->onPenUp = [this](QPoint p) {
        if (!network_->tap(p.x(), p.y())) host_->penUp(p.x(), p.y());
    };
    board_->onDensityChanged = [this] { showZoom(zoom()); };
    bar_->onCommand = [this](int id) { command(id); };
    bar_->onDone = [this] { board_->setFocus(Qt::OtherFocusReason); };
    board_->onPlaceTapped = [this](QPoint p) { keyTap(p.x(), p.y()); };
    board_->onFocusMoved = [this](int place) { boardFocusMoved(board_, place); };
    host_->onSaid = [this](const QString&) {
        if (moves_) moves_->refresh();
    };
    host_->onIdle = [this] {
        if (watch_) watch_->update(); // a hand may have ended, or its watching
    };
    describeBoard(board_,
                  {[this] { return shownView(); },
                   [this]() -> const Layout& { return shownLayout(); },
                   [this](Point p) { keyTap(p.x, p.y); },
                   [this] { return host_->presenting() || (network_ && network_->presenting()); }});

    const QRect area = availableArea();
    maxZoom_ = largestZoom(area.width(), area.height());
    int zoom = comfortableZoom(area.width(), area.height());
    if (preferences_) {
        bool ok = false;
        const int kept = preferences_->value(ZoomKey).toInt(&ok);
        if (ok && kept >= 1 && kept <= maxZoom_) zoom = kept;
    }
    addNetworkEntries(setup);
    addStatisticsEntry();
    addMoveEntries();
    watch_ = new WatchControls(
        {this, bar_, shell_.get(),
         [this] { return network_ && (network_->hosting() || network_->joined()); },
         [this](const QString& text) { tell(text); }});
    buildZoomMenu();
    addWindowEntries();
    addKeyTaps();
    chosenZoom_ = zoom;
    for (QAction* action : zoomGroup_->actions())
        action->setChecked(action->data().toInt() == zoom);
    showZoom(zoom);
    fitToChosenZoom();
    board_->setFocus();
}

MainWindow::~MainWindow() {
    // The move list goes while the window is whole: its closing reaches back into it.
    delete moves_;
    host_->onIdle = nullptr; // the games go before the entries watching them

    // The games refer to the host; they go first.
    network_.reset();
    shell_.reset();
}

void MainWindow::start() {
    shell_->start(ScreenWidth, ScreenHeight);
    board_->setPlaces(shell_->game().layout);
    // The statistics catch up with the restored game, wherever a kill left them.
    statistics_->settle(shell_->game());
    started_ = true;
    // Nothing is on the screen yet: what the start showed is drawn as it ends, at the
    // queue's end, or at once behind a question the start left open.
    host_->skipPictures();
    host_->play();
    if (host_->presenting()) host_->repaintBoard();
    host_->setSpeaking(true);
}

int MainWindow::zoom() const {
    return board_->zoom();
}

void MainWindow::setZoom(int zoom) {
    chosenZoom_ = std::clamp(zoom, 1, maxZoom_);
    for (QAction* action : zoomGroup_->actions())
        action->setChecked(action->data().toInt() == chosenZoom_);
    if (preferences_) preferences_->setValue(ZoomKey, chosenZoom_);
    // Heard as it is seen: "Zoom 2×".
    if (started_)
        announce(board_, qtext(desktop_label::Zoom) + QLatin1Char(' ') +
                             QString::fromUtf8(desktop_label::ZoomFactor).arg(chosenZoom_));
    if (!sizedByZoom()) return;
    showZoom(chosenZoom_);
    fitToChosenZoom();
}

bool MainWindow::sizedByZoom() const {
    return !(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen));
}

void MainWindow::fitToChosenZoom() {
    layout()->activate();
    resize(ScreenWidth * chosenZoom_, ScreenHeight * chosenZoom_);
}

void MainWindow::showZoom(int zoom) {
    // A slide in progress does not carry over to the new board image: it is drawn
    // afresh, at the end of the moves.
    if (started_) host_->skipPictures();
    board_->setZoom(zoom);
    bar_->setZoom(zoom);
    PackedText::releaseSizesOtherThan(board_->surface().zoom());
    if (started_) host_->repaintBoard();
    QTimer::singleShot(0, this, [this] { network_->fitNotice(); });
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The board and the bar below it at the largest whole zoom that fits, the board
    // centred in the room left (at least 1: a smaller window squeezes the board).
    const int fit =
        std::clamp(std::min(width() / ScreenWidth, height() / ScreenHeight), 1, MaxZoom);
    if (fit != zoom()) showZoom(fit);
    // The board takes its new size once the layout has run.
    QTimer::singleShot(0, this, [this] { network_->fitNotice(); });
}

void MainWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange) return;
    if (fullScreen_) fullScreen_->setChecked(isFullScreen());
    const auto before = static_cast<QWindowStateChangeEvent*>(event)->oldState();
    // Back from maximised or full screen: the size of the zoom chosen meanwhile, once
    // the window system has given the window back its own.
    if (sizedByZoom() && !isMinimized() && (before & (Qt::WindowMaximized | Qt::WindowFullScreen)))
        QTimer::singleShot(0, this, [this] {
            if (sizedByZoom()) fitToChosenZoom();
        });
}

void MainWindow::toggleFullScreen() {
    // A maximised window goes back to maximised.
    setWindowState(windowState() ^ Qt::WindowFullScreen);
    announce(board_,
             qtext(isFullScreen() ? desktop_label::FullScreen : desktop_label::FullScreenOff));
}

void MainWindow::addWindowEntries() {
    // Ctrl+N is New > 1 Player Game itself, with its question about the game in
    // progress; the shortcut works without the menu, which shows it.
    QAction* onePlayer = bar_->action(command::OnePlayerGame);
    onePlayer->setShortcut(QKeySequence::New);
    addAction(onePlayer);

    auto* fullScreen = new QAction(qtext(desktop_label::FullScreen), this);
    fullScreen->setObjectName(QStringLiteral("fullScreen"));
    fullScreen->setCheckable(true);
    QList<QKeySequence> keys = QKeySequence::keyBindings(QKeySequence::FullScreen);
    if (!keys.contains(QKeySequence(Qt::Key_F11))) keys.prepend(QKeySequence(Qt::Key_F11));
    fullScreen->setShortcuts(keys);
    connect(fullScreen, &QAction::triggered, this, &MainWindow::toggleFullScreen);
    addAction(fullScreen);
    fullScreen_ = fullScreen;

    // Ctrl+Q is the window's own key (with the board's keys); the entry only shows it,
    // its shortcut acting in the open menu alone, so that the two never clash.
    auto* quit = new QAction(qtext(desktop_label::Quit), this);
    quit->setObjectName(QStringLiteral("quit"));
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    quit->setShortcutContext(Qt::WidgetShortcut);
    connect(quit, &QAction::triggered, this, &QWidget::close);

    bar_->addToMenu(CommandBar::Menu::View, [fullScreen, quit](QMenu* view) {
        view->addAction(fullScreen);
        view->addSeparator();
        view->addAction(quit);
    });
}

void MainWindow::keyTap(int x, int y) {
    tapBoard(x, y);
    // At the change of players only the status line answers: the ring goes there.
    if (shownView().turnHandover) board_->setFocusPlace(target::StatusLine);
}

void MainWindow::addMoveEntries() {
    auto* moves = new QAction(qtext(desktop_label::Moves), this);
    moves->setObjectName(QStringLiteral("moves"));
    moves->setShortcut(QKeySequence(Qt::Key_M));
    connect(moves, &QAction::triggered, this, &MainWindow::showMoves);
    auto* hint = new QAction(qtext(desktop_label::Hint), this);
    hint->setObjectName(QStringLiteral("hint"));
    hint->setShortcut(QKeySequence(Qt::Key_H));
    connect(hint, &QAction::triggered, this, [this] { showHint(); });
    addAction(moves);
    addAction(hint);
    const auto key = [this](Qt::Key k, void (MainWindow::*said)()) {
        auto* shortcut = new QShortcut(QKeySequence(k), this);
        shortcut->setAutoRepeat(false);
        connect(shortcut, &QShortcut::activated, this, said);
    };
    key(Qt::Key_R, &MainWindow::repeatLastSentence);
    key(Qt::Key_S, &MainWindow::sayStanding);
    bar_->addToMenu(CommandBar::Menu::View, [moves, hint](QMenu* view) {
        view->addAction(moves);
        view->addAction(hint);
    });
}

void MainWindow::showMoves() {
    if (!moves_) {
        moves_ = new MoveListWindow(host_->moves(), zoom(), this);
        moves_->setAttribute(Qt::WA_DeleteOnClose);
        connect(moves_, &QObject::destroyed, this, [this] { moves_ = nullptr; });
    }
    moves_->refresh();
    moves_->show();
    moves_->raise();
}

void MainWindow::tell(const QString& text) {
    board_->showNote(text);
    announce(board_, text);
}

void MainWindow::showHint() {
    // The board shows the move's end only once its slides are over; a guest of a network
    // game asks the host, which holds the game.
    if (host_->presenting() || network_->askHint()) return;
    showHint(hintFor(std::as_const(*host_).game()));
}

void MainWindow::showHint(const Hint& hint) {
    board_->clearMarks();
    if (hint.given) {
        const auto box = [](const Rect& r) {
            return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
        };
        board_->showHint(box(hint.card), box(hint.place));
        board_->setFocusPlace(hint.slot); // Enter plays it
    }
    tell(shownSentence(hint.sentence));
}

void MainWindow::repeatLastSentence() {
    QString last = host_->moves().last();
    if (last.isEmpty()) {
        Sentence none;
        none.pattern = text::NoMoveYet;
        last = shownSentence(none);
    }
    tell(last);
}

void MainWindow::sayStanding() {
    const SeatView v = shownView();
    tell(shownSentence(standingSentence(v, 0)) + QLatin1Char('\n') +
         shownSentence(standingSentence(v, 1)));
}

Session& MainWindow::ownGame() {
    return shell_->game();
}

void MainWindow::ownCommand(int id) {
    shell_->handleCommand(id);
}

ShellHost& MainWindow::platform() {
    return *host_;
}

void MainWindow::present(PlayedGame* game, std::function<void(DrawingSurface&)> painter) {
    host_->skipPictures();
    host_->switchTo(game);
    host_->paintWith(std::move(painter));
    host_->repaintBoard(); // the seat's view, hand row and names, not what was drawn last
}

void MainWindow::playQueued() {
    host_->play();
}

bool MainWindow::presenting() const {
    return host_->presenting();
}

void MainWindow::runCommand(int id) {
    host_->command(id);
}

SeatView MainWindow::shownView() const {
    if (!network_->joined()) return tableView(std::as_const(*host_).game());
    if (const SeatView* sent = network_->joinedView()) return *sent;
    // Joined, before the host's first view: the sides are named, and no card.
    SeatView waiting;
    waiting.seat = 1;
    waiting.playerCount = 2;
    return waiting;
}

const Layout& MainWindow::shownLayout() const {
    const Layout* joined = network_ ? network_->joinedLayout() : nullptr;
    return joined ? *joined : std::as_const(*host_).game().layout;
}

void MainWindow::addNetworkEntries(const WindowSetup& setup) {
    NetworkSetup network;
    network.file = setup.networkFile;
    network.second = setup.networkSecond;
    network.code = setup.networkCode;
    network.preferences = preferences_;
    network.transports = setup.networkTransports;
    network_ = std::make_unique<NetworkPlay>(*this, network);
    bar_->addToMenu(CommandBar::Menu::New, [this](QMenu* menu) { network_->fillMenu(menu); });
}

void MainWindow::tapBoard(int x, int y) {
    if (!network_->tap(x, y)) host_->tap(x, y);
}

void MainWindow::command(int id) {
    const bool network = network_->hosting() || network_->joined();
    if (WatchControls::watchCommand(id) && network) return; // a network game watches nothing
    if (!network_->command(id)) host_->command(id);
}

void MainWindow::addStatisticsEntry() {
    auto* entry = new QAction(qtext(desktop_label::Statistics), this);
    entry->setObjectName(QStringLiteral("statistics"));
    connect(entry, &QAction::triggered, this, &MainWindow::showStatistics);
    bar_->addToMenu(CommandBar::Menu::View, [entry](QMenu* view) { view->addAction(entry); });
}

void MainWindow::showStatistics() {
    auto* window = new StatisticsWindow(*statistics_, zoom(), this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->onReset = [this](const QString& done) { announce(board_, done); };
    connect(window, &QDialog::finished, board_, [this] { board_->setFocus(Qt::OtherFocusReason); });
    window->open();
}

void MainWindow::buildZoomMenu() {
    auto* in = new QAction(qtext(desktop_label::ZoomIn), this);
    in->setShortcuts({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    connect(in, &QAction::triggered, this, [this] { setZoom(zoom() + 1); });
    auto* out = new QAction(qtext(desktop_label::ZoomOut), this);
    out->setShortcut(QKeySequence::ZoomOut);
    connect(out, &QAction::triggered, this, [this] { setZoom(zoom() - 1); });
    // The menu's shortcuts work without opening it.
    addAction(in);
    addAction(out);
    zoomGroup_ = new QActionGroup(this);
    for (int z = 1; z <= maxZoom_; ++z) {
        QAction* choice = zoomGroup_->addAction(qtext(desktop_label::ZoomFactor).arg(z));
        choice->setCheckable(true);
        choice->setData(z);
        connect(choice, &QAction::triggered, this, [this, z] { setZoom(z); });
    }
    // The Language and Zoom menus themselves are made with the View menu.
    bar_->addToMenu(CommandBar::Menu::View, [this, in, out](QMenu* view) {
        view->addSeparator();
        addLanguageMenu(view, preferences_);
        QMenu* menu = view->addMenu(qtext(desktop_label::Zoom));
        menu->setObjectName(QStringLiteral("zoomMenu"));
        menu->addAction(in);
        menu->addAction(out);
        menu->addSeparator();
        menu->addActions(zoomGroup_->actions());
    });
}

void MainWindow::addKeyTaps() {
    // Keys that tap the board where a stylus would: the hand slots, the draw pile and
    // the status line. The places follow the layout of the game in progress.
    const auto addTap = [this](const QList<QKeySequence>& keys,
                               const std::function<Point(const Layout&)>& at) {
        for (const QKeySequence& key : keys) {
            auto* shortcut = new QShortcut(key, this);
            shortcut->setAutoRepeat(false);
            connect(shortcut, &QShortcut::activated, this, [this, at] {
                const Point p = at(shell_->game().layout);
                keyTap(p.x, p.y);
            });
        }
    };
    for (int s = 1; s <= 7; ++s) {
        const auto key = Qt::Key(Qt::Key_0 + s);
        addTap({QKeySequence(key), QKeySequence(Qt::KeypadModifier | key)},
               [s](const Layout& l) { return l.slotTap(s); });
    }
    addTap({QKeySequence(Qt::Key_D)}, [](const Layout& l) { return l.drawPileTap(); });
    // Space and Enter tap the place the board's focus ring is on (BoardView).
    auto* quit = new QShortcut(QKeySequence::Quit, this);
    connect(quit, &QShortcut::activated, this, &QWidget::close);
    if (QKeySequence(QKeySequence::Quit) != QKeySequence(Qt::CTRL | Qt::Key_Q)) {
        auto* ctrlQ = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this);
        connect(ctrlQ, &QShortcut::activated, this, &QWidget::close);
    }
}

void MainWindow::bringToFront() {
    // Back as it was left: a maximised or full-screen window stays so.
    if (isMinimized()) setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    // Space and Enter left over by the window's other controls tap the board's place.
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter: QCoreApplication::sendEvent(board_, event); break;
    default: QWidget::keyPressEvent(event);
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Nothing is saved here: the state was written when the last move was made, before
    // its presentation began, so a close in the middle of a slide loses nothing.
    event->accept();
}

} // namespace tarmigo
