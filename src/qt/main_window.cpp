#include "qt/main_window.h"

#include "qt/accessible_board.h"
#include "qt/language_menu.h"
#include "qt/translation.h"

#include "app/commands.h"
#include "app/shell.h"
#include "game/strings.h"
#include "qt/bitmaps.h"
#include "qt/board_view.h"
#include "qt/command_bar.h"
#include "qt/desktop_labels.h"
#include "qt/kept_statistics.h"
#include "qt/packed_text.h"
#include "qt/qt_host.h"
#include "qt/statistics_window.h"
#include "qt/ui_scale.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QGuiApplication>
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
    shell_ = std::make_unique<Shell>(*host_, setup.fileStore, setup.secondStore);
    host_->attach(*shell_);
    statistics_ = std::make_unique<KeptStatistics>(preferences_);
    host_->countIn(statistics_.get());

    board_->onPenDown = [this] { host_->penDown(); };
    board_->onPenUp = [this](QPoint p) { host_->penUp(p.x(), p.y()); };
    board_->onDensityChanged = [this] { showZoom(zoom()); };
    bar_->onCommand = [this](int id) { host_->command(id); };
    describeBoard(board_, {[this]() -> const Table& { return shell_->game(); },
                           [this](Point p) { host_->tap(p.x, p.y); },
                           [this] { return host_->presenting(); }});

    const QRect area = availableArea();
    maxZoom_ = largestZoom(area.width(), area.height());
    int zoom = comfortableZoom(area.width(), area.height());
    if (preferences_) {
        bool ok = false;
        const int kept = preferences_->value(ZoomKey).toInt(&ok);
        if (ok && kept >= 1 && kept <= maxZoom_) zoom = kept;
    }
    addStatisticsEntry();
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
    // The shell's game refers to the host; it goes first.
    shell_.reset();
}

void MainWindow::start() {
    shell_->start(ScreenWidth, ScreenHeight);
    // The statistics catch up with the restored game, wherever a kill left them.
    statistics_->settle(shell_->game());
    started_ = true;
    // Nothing is on the screen yet: what the start showed is drawn as it ends.
    host_->skipPictures();
    host_->play();
    host_->repaintBoard();
}

int MainWindow::zoom() const {
    return board_->zoom();
}

void MainWindow::setZoom(int zoom) {
    chosenZoom_ = std::clamp(zoom, 1, maxZoom_);
    for (QAction* action : zoomGroup_->actions())
        action->setChecked(action->data().toInt() == chosenZoom_);
    if (preferences_) preferences_->setValue(ZoomKey, chosenZoom_);
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
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The board and the bar below it at the largest whole zoom that fits, the board
    // centred in the room left (at least 1: a smaller window squeezes the board).
    const int fit =
        std::clamp(std::min(width() / ScreenWidth, height() / ScreenHeight), 1, MaxZoom);
    if (fit != zoom()) showZoom(fit);
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

void MainWindow::addStatisticsEntry() {
    auto* entry = new QAction(qtext(desktop_label::Statistics), this);
    entry->setObjectName(QStringLiteral("statistics"));
    connect(entry, &QAction::triggered, this, &MainWindow::showStatistics);
    bar_->addToMenu(CommandBar::Menu::View, [entry](QMenu* view) { view->addAction(entry); });
}

void MainWindow::showStatistics() {
    auto* window = new StatisticsWindow(*statistics_, zoom(), this);
    window->setAttribute(Qt::WA_DeleteOnClose);
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
                host_->tap(p.x, p.y);
            });
        }
    };
    for (int s = 1; s <= 7; ++s) {
        const auto key = Qt::Key(Qt::Key_0 + s);
        addTap({QKeySequence(key), QKeySequence(Qt::KeypadModifier | key)},
               [s](const Layout& l) { return l.slotTap(s); });
    }
    addTap({QKeySequence(Qt::Key_D)}, [](const Layout& l) { return l.drawPileTap(); });
    addTap({QKeySequence(Qt::Key_Space), QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter),
            QKeySequence(Qt::KeypadModifier | Qt::Key_Enter)},
           [](const Layout& l) { return l.statusTap(); });
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

void MainWindow::closeEvent(QCloseEvent* event) {
    // Nothing is saved here: the state was written when the last move was made, before
    // its presentation began, so a close in the middle of a slide loses nothing.
    event->accept();
}

} // namespace tarmigo
