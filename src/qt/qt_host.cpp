#include "qt/qt_host.h"

#include "qt/translation.h"

#include "app/options_dialog.h"
#include "app/scores_dialog.h"
#include "app/shell.h"
#include "app/taps.h"
#include "board/draw.h"
#include "game/strings.h"
#include "qt/about_window.h"
#include "qt/board_view.h"
#include "qt/command_bar.h"
#include "qt/kept_statistics.h"
#include "qt/options_window.h"
#include "qt/scores_window.h"
#include "qt/sound_player.h"
#include "qt/ui_scale.h"
#include "turns/tap.h"

#include <QApplication>
#include <QEvent>
#include <QMessageBox>
#include <QSettings>

#include <chrono>
#include <thread>

namespace tarmigo {
namespace {

// The longest the taps made during a slide are drained for.
constexpr int DrainLimitMs = 50;

bool isInput(QEvent::Type type) {
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::Wheel:
    case QEvent::ContextMenu: return true;
    default: return false;
    }
}

} // namespace

// While active, throws away every input event of the application.
class QtHost::InputDropper : public QObject {
  public:
    bool active = false;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (active && isInput(event->type())) return true;
        return QObject::eventFilter(watched, event);
    }
};

QtHost::QtHost(QWidget& window, BoardView& board, CommandBar& bar, Sounds* sounds,
               std::function<void()> openHelp)
    : window_(window), board_(board), bar_(bar), sounds_(sounds), openHelp_(std::move(openHelp)),
      dropper_(std::make_unique<InputDropper>()) {
    qApp->installEventFilter(dropper_.get());
}

QtHost::~QtHost() {
    if (qApp) qApp->removeEventFilter(dropper_.get());
}

Session& QtHost::game() {
    return shell_->game();
}

void QtHost::handle(const std::function<void()>& work) {
    ++depth_;
    work();
    --depth_;
    if (depth_ == 0) scheduleIdleWork();
}

void QtHost::whenIdle(std::function<void()> work) {
    if (!busy()) {
        work();
        return;
    }
    deferred_.push_back(std::move(work));
}

void QtHost::scheduleIdleWork() {
    if (idleScheduled_ || busy()) return;
    if (deferred_.empty() && posted_.empty() && !repaintPending_) return;
    idleScheduled_ = true;
    QMetaObject::invokeMethod(
        &queue_, [this] { runIdleWork(); }, Qt::QueuedConnection);
}

void QtHost::runIdleWork() {
    idleScheduled_ = false;
    // A modal box of a handling runs its own loop; the work waits for the handling's end.
    if (busy()) return;
    if (!deferred_.empty()) {
        const std::function<void()> work = std::move(deferred_.front());
        deferred_.pop_front();
        handle(work);
    } else if (!posted_.empty()) {
        // One posted message at a time, in order, each its own handling; the board
        // is repainted once they are all through, so a paint always shows their end.
        const int id = posted_.front();
        posted_.pop_front();
        handle([this, id] {
            if (id == HelpRequest) {
                if (openHelp_) openHelp_();
            } else {
                shell_->handleCommand(id);
            }
        });
    } else if (repaintPending_) {
        repaintBoard();
    }
}

void QtHost::penDown() {
    if (busy()) return;
    // The sound of the coming move should not wait for the audio output to open.
    if (sounds_ && game().has(flag::playSounds)) sounds_->prepare();
    handle([this] { tarmigo::penDown(game()); });
}

void QtHost::penUp(int x, int y) {
    if (busy()) return;
    handle([this, x, y] {
        // The tap draws on the board image: it must show the state the tap starts from.
        if (repaintPending_) repaintBoard();
        tarmigo::penUp(game(), x, y);
    });
}

void QtHost::tap(int x, int y) {
    if (busy()) return;
    penDown();
    penUp(x, y);
}

void QtHost::command(int id) {
    if (busy()) return;
    handle([this, id] { shell_->handleCommand(id); });
}

void QtHost::repaintBoard() {
    repaintPending_ = false;
    paintWindow(game(), board_.surface());
    board_.update();
}

std::uint32_t QtHost::tickCount() {
    // The steady clock counts from the start of the system on Linux.
    const auto since = std::chrono::steady_clock::now().time_since_epoch();
    return std::uint32_t(std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
}

void QtHost::playSound(std::string_view name) {
    if (sounds_) sounds_->play(name);
}

QWidget* QtHost::dialogParent() const {
    // A question asked from a dialog (Reset Scores) belongs over that dialog.
    QWidget* modal = QApplication::activeModalWidget();
    return modal ? modal : &window_;
}

bool QtHost::askYesNo(int stringId) {
    board_.update(); // the board behind the box shows the tap so far
    const char* text = stringText(stringId);
    QMessageBox box(QMessageBox::Question, QString::fromUtf8(label::ProgramName),
                    shownText(text).left(127), QMessageBox::Yes | QMessageBox::No, dialogParent());
    box.setFont(uiFont(board_.zoom()));
    return box.exec() == QMessageBox::Yes;
}

int QtHost::runScoresDialog() {
    board_.update();
    ScoresWindow dialog(scoresContent(game()), board_.zoom(), dialogParent());
    return dialog.exec();
}

void QtHost::postCommand(int commandId) {
    posted_.push_back(commandId);
    scheduleIdleWork();
}

namespace {
const QString ExpertKey = QStringLiteral("Desktop/expert");
} // namespace

bool QtHost::expertKept() {
    return preferences_ && preferences_->value(ExpertKey, false).toBool();
}

void QtHost::keepExpert(bool expert) {
    if (preferences_) preferences_->setValue(ExpertKey, expert);
}

void QtHost::postHelpRequest() {
    posted_.push_back(HelpRequest);
    scheduleIdleWork();
}

void QtHost::enableUndoButton(bool enabled) {
    bar_.setUndoEnabled(enabled);
}

void QtHost::invalidate(const Rect&, bool) {
    // The whole board is drawn afresh from the game, so one request covers any area.
    repaintPending_ = true;
    scheduleIdleWork();
}

void QtHost::paintNow() {
    paintWindow(game(), board_.surface());
    board_.repaint();
}

DrawingSurface* QtHost::acquireTapSurface() {
    return &board_.surface();
}

void QtHost::releaseTapSurface() {
    board_.update();
}

void QtHost::animationStep(int delayMs) {
    board_.repaint();
    if (delayMs > 0) std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
}

void QtHost::dropPendingTaps() {
    // The taps made while the card moved are waiting in the queue: take them in now
    // and throw them away. Posted work and repaints wait for the handling's end.
    dropper_->active = true;
    QCoreApplication::processEvents(QEventLoop::AllEvents, DrainLimitMs);
    dropper_->active = false;
}

void QtHost::runOptionsDialog(OptionsDialog& dialog) {
    OptionsWindow window(dialog, board_.zoom(), dialogParent());
    window.exec();
}

void QtHost::runAboutDialog() {
    AboutWindow window(board_.zoom(), dialogParent());
    window.exec();
}

void QtHost::handScored(const Game& g) {
    if (statistics_) statistics_->countHand(g);
}

void QtHost::gameForfeited(const Game& g, int creditedSeat) {
    if (statistics_) statistics_->countForfeit(g, creditedSeat);
}

void QtHost::handTakenBack() {
    if (statistics_) statistics_->takeBackHand();
}

} // namespace tarmigo
