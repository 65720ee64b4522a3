#include "qt/qt_host.h"

#include "qt/platform/translation.h"

#include "app/options_dialog.h"
#include "app/scores_dialog.h"
#include "app/shell.h"
#include "board/draw.h"
#include "board/pictures.h"
#include "board/status_line.h"
#include "game/strings.h"
#include "qt/board/accessible_board.h"
#include "qt/board/announce.h"
#include "qt/board/board_view.h"
#include "qt/command_bar.h"
#include "qt/desktop_labels.h"
#include "qt/dialogs/about_window.h"
#include "qt/dialogs/options_window.h"
#include "qt/dialogs/question_box.h"
#include "qt/dialogs/scores_window.h"
#include "qt/platform/kept_statistics.h"
#include "qt/platform/sound_player.h"
#include "qt/platform/ui_scale.h"

#include <QApplication>
#include <QMessageBox>
#include <QSettings>
#include <QToolButton>

#include <chrono>
#include <utility>

namespace tarmigo {
namespace {

const QString ExpertKey = QStringLiteral("Desktop/expert");

// How long the board's name changes wait after a sentence: time for a reader to take the
// sentence's event before the names arrive.
constexpr int NamesAfterSentenceMs = 30;

// The commands that change the game: they wait until what the last tap showed is over.
bool changesGame(int id) {
    switch (id) {
    case command::OnePlayerGame:
    case command::TwoPlayerGame:
    case command::Options:
    case command::Scores:
    case command::Undo:
    case command::Redo:
    case command::WatchHand:
    case command::NextMove:
    case command::PreviousMove:
    case command::EndWatch: return true;
    default: return false;
    }
}

} // namespace

// A dialog of the window that deletes itself once closed, without a loop of its own; what
// its closing queued is then played.
template <class Dialog> void QtHost::open(Dialog* dialog, std::function<void(int)> closed) {
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialog, &QDialog::finished, dialog,
                     [this, closed = std::move(closed)](int result) {
                         // Back on the board, which names its place, unless a dialog
                         // under this one is still open (Options under Reset Scores').
                         if (!QApplication::activeModalWidget())
                             board_.setFocus(Qt::OtherFocusReason);
                         closed(result);
                         play();
                     });
    dialog->open();
}

QtHost::QtHost(QWidget& window, BoardView& board, CommandBar& bar, Sounds* sounds,
               std::function<void()> openHelp)
    : window_(window), board_(board), bar_(bar), sounds_(sounds), openHelp_(std::move(openHelp)) {
    // One timer beats the slides' pace while frames follow each other; it stops when
    // the queue ends or waits on a dialog.
    frame_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&frame_, &QTimer::timeout, &frame_, [this] {
        if (phase_ == Phase::OnFrame) phase_ = Phase::Idle;
        play();
    });
}

namespace {

class ShellGame : public PlayedGame {
  public:
    explicit ShellGame(Shell& shell) : shell_(shell) {}
    Session* game() override { return &shell_.game(); }
    void penDown() override { shell_.penDown(); }
    void penUp(int x, int y) override { shell_.penUp(x, y); }
    void handleCommand(int id) override { shell_.handleCommand(id); }
    StepGame& steps() override { return shell_; }

  private:
    Shell& shell_;
};

} // namespace

QtHost::~QtHost() = default;

void QtHost::attach(Shell& shell) {
    shellGame_ = std::make_unique<ShellGame>(shell);
    played_ = shellGame_.get();
}

void QtHost::switchTo(PlayedGame* game) {
    played_ = game ? game : shellGame_.get();
    repaintPending_ = true;
    // A network game has no Redo; the window's own game gets back what it had.
    enableRedoButton(!game && played_->game()->redoable);
}

Presentation& PlayedGame::presentation() {
    return game()->presentation;
}

const Layout& PlayedGame::boardLayout() {
    return game()->layout;
}

Session& QtHost::game() {
    Session* held = played_->game();
    return held ? *held : *shellGame_->game();
}

const Session& QtHost::game() const {
    const Session* held = played_->game();
    return held ? *held : *shellGame_->game();
}

bool QtHost::presenting() const {
    const bool awaiting =
        phase_ == Phase::InStep || phase_ == Phase::OnStep || phase_ == Phase::OnFrame;
    return awaiting || !played_->presentation().empty();
}

void QtHost::play() {
    if (phase_ == Phase::Taking || phase_ == Phase::InStep) return;
    Presentation& queue = played_->presentation();
    if (phase_ == Phase::Idle) {
        phase_ = Phase::Taking;
        while (phase_ == Phase::Taking && !queue.empty()) {
            const Step step = queue.take();
            switch (step.kind) {
            case Step::Kind::Draw:
                applyDraw(step.op, board_.surface());
                noteChange(step.op);
                break;
            case Step::Kind::Slide:
            case Step::Kind::Show: {
                // Made now, on the board as the steps before it left it.
                Presentation made;
                made.startFrom(board_.surface().background());
                made.takeTextsFrom(&board_.surface());
                makePicture(step, played_->boardLayout(), made);
                queue.putFront(std::move(made));
                break;
            }
            case Step::Kind::Frame:
                // Shown now; the next step waits for the timer's next beat.
                board_.repaintBoardPixels(changed_);
                changed_ = QRect();
                phase_ = Phase::OnFrame;
                if (!frame_.isActive() || frame_.interval() != step.delayMs)
                    frame_.start(step.delayMs);
                break;
            default:
                phase_ = Phase::InStep;
                playStep(*this, played_->steps(), step, [this] { stepDone(); });
                if (phase_ == Phase::InStep) phase_ = Phase::OnStep; // its dialog is open
                break;
            }
        }
        if (phase_ == Phase::Taking) phase_ = Phase::Idle;
    }
    raiseNameChanges();
    if (phase_ != Phase::OnFrame) frame_.stop();
    if (!presenting()) idle();
}

void QtHost::raiseNameChanges() {
    if (namesHeld_) return;
    // A reader takes events in order and looks each up before the next: the places'
    // names, all changed by a move, follow its sentence a moment later, so that the move
    // is heard at the key rather than after every name is read.
    if (std::exchange(said_, false)) {
        namesHeld_ = true;
        QTimer::singleShot(NamesAfterSentenceMs, &frame_, [this] {
            namesHeld_ = false;
            boardChanged(&board_);
        });
        return;
    }
    boardChanged(&board_); // the state is the move's end: a reader hears it at once
}

void QtHost::stepDone() {
    if (phase_ == Phase::InStep) {
        phase_ = Phase::Taking; // ended at once: the loop takes the next step
        return;
    }
    // A dialog closed later: the presentation goes on from here.
    if (phase_ == Phase::OnStep) phase_ = Phase::Idle;
    play();
}

void QtHost::noteChange(const DrawOp& op) {
    const Rect& r = op.rect;
    switch (op.kind) {
    case DrawOp::Kind::Background: return;
    case DrawOp::Kind::Save: saved_ = QSize(op.width(), op.height()); return;
    case DrawOp::Kind::Restore: changed_ |= QRect(QPoint(r.left, r.top), saved_); return;
    default: // with a pixel around it, for an outline's edge
        changed_ |= QRect(r.left, r.top, r.right - r.left, r.bottom - r.top).adjusted(-1, -1, 1, 1);
        return;
    }
}

void QtHost::idle() {
    if (repaintPending_) repaintBoard();
    board_.update();
    // The commands that waited, in order; one may start a presentation of its own.
    while (!presenting() && !deferred_.empty()) {
        const std::function<void()> work = std::move(deferred_.front());
        deferred_.pop_front();
        work();
    }
    if (onIdle) onIdle();
}

void QtHost::skipPictures() {
    played_->presentation().dropPictures();
    repaintPending_ = true;
    if (phase_ == Phase::OnFrame) {
        phase_ = Phase::Idle;
        frame_.stop();
        play();
    }
}

void QtHost::penDown() {
    if (presenting()) return;
    // The sound of the coming move should not wait for the audio output to open.
    if (sounds_ && game().has(flag::playSounds)) sounds_->prepare();
    played_->penDown();
}

void QtHost::penUp(int x, int y) {
    if (presenting()) {
        game().penDown = false; // a tap begun before the presentation is lost with it
        return;
    }
    board_.clearMarks(); // a hint or a note lasts until the next move
    // The tap draws on the board image: it must show the state the tap starts from.
    if (repaintPending_) repaintBoard();
    boardKeyed(&board_); // the status line answers the tap, changed or not
    played_->penUp(x, y);
    play();
}

void QtHost::tap(int x, int y) {
    if (presenting()) return;
    penDown();
    penUp(x, y);
}

void QtHost::command(int id) {
    if (changesGame(id) && presenting()) {
        deferred_.emplace_back([this, id] { command(id); });
        return;
    }
    board_.clearMarks();
    played_->handleCommand(id);
    play();
}

void QtHost::repaintBoard() {
    repaintPending_ = false;
    if (painter_)
        painter_(board_.surface());
    else
        paintWindow(settled(), board_.surface());
    board_.update();
    boardChanged(&board_);
}

std::uint32_t QtHost::tickCount() {
    // The steady clock counts from the start of the system on Linux.
    const auto since = std::chrono::steady_clock::now().time_since_epoch();
    return std::uint32_t(std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
}

void QtHost::playSound(Sound sound) {
    if (sounds_) sounds_->play(soundName(sound));
}

QWidget* QtHost::dialogParent() const {
    // A question asked from a dialog (Reset Scores) belongs over that dialog.
    QWidget* modal = QApplication::activeModalWidget();
    return modal ? modal : &window_;
}

void QtHost::askYesNo(int stringId, std::function<void(bool)> answered) {
    board_.update(); // the board behind the box shows the tap so far
    // Enter must not give up a game or wipe the scores: those questions default to No.
    const bool losesSomething = stringId == text::ForfeitGame || stringId == text::ResetScores;
    auto* box = new QuestionBox(shownText(stringText(stringId)).left(127),
                                losesSomething ? Enter::No : Enter::Yes, board_.zoom(), &window_);
    open(box, [this, box, stringId, answered = std::move(answered)](int) {
        const bool yes = box->clickedButton() == box->button(QMessageBox::Yes);
        if (yes && stringId == text::ResetScores)
            announce(&board_, shownText(desktop_label::ScoresReset));
        answered(yes);
    });
}

void QtHost::openScoresDialog(const ScoresContent& content, std::function<void(int)> closed) {
    board_.update();
    open(new ScoresWindow(content, board_.zoom(), dialogParent()), std::move(closed));
}

void QtHost::openOptionsDialog(OptionsDialog& dialog, std::function<void()> closed) {
    open(new OptionsWindow(dialog, board_.zoom(), dialogParent()),
         [this, closed = std::move(closed)](int) {
             closed();
             repaintPending_ = true; // the options may change what the board shows
         });
}

void QtHost::openAboutDialog() {
    open(new AboutWindow(board_.zoom(), dialogParent()), [](int) {});
}

void QtHost::postCommand(int commandId) {
    deferred_.emplace_back([this, commandId] { command(commandId); });
}

void QtHost::postHelpRequest() {
    // The viewer starts once the menu that asked for it has closed.
    QTimer::singleShot(0, &frame_, [this] {
        if (openHelp_) openHelp_();
    });
}

bool QtHost::expertKept() {
    return preferences_ && preferences_->value(ExpertKey, false).toBool();
}

void QtHost::keepExpert(bool expert) {
    if (preferences_) preferences_->setValue(ExpertKey, expert);
}

void QtHost::say(const Sentence& sentence) {
    if (!speaking_) return;
    // A new deal starts the hand's list afresh, and ends a hint no move followed.
    if (sentence.pattern == text::NewHandDealt) {
        moves_.clear();
        board_.clearMarks();
    }
    // A hand watched again has its list of moves, the game's coming back after it; what
    // the watching itself says is not a move.
    bool move = sentence.pattern != text::YouDraw;
    switch (sentence.pattern) {
    case text::WatchingHand:
        gameMoves_ = moves_;
        moves_.clear();
        move = false;
        break;
    case text::SteppedBack:
        moves_.takeBack();
        move = false;
        break;
    case text::WatchEnded:
        moves_ = gameMoves_;
        move = false;
        break;
    default: break;
    }
    QString text = shownSentence(sentence);
    // An Undo names the move it took back, which leaves the hand's list. A draw is the
    // drawer's news, not a move: R repeats the last move.
    if (sentence.pattern == text::Undone) {
        if (const QString taken = moves_.takeBack(); !taken.isEmpty())
            text = shownText(desktop_label::UndoneMove).arg(taken);
    } else if (move) {
        moves_.add(sentence);
    }
    announce(&board_, text);
    said_ = true;
    if (onSaid) onSaid(text);
}

void QtHost::enableUndoButton(bool enabled) {
    // A button disabled with the focus hands it to the next one (Help): after Undo from
    // the bar the player goes on with the board instead.
    const bool focused = !enabled && bar_.undoButton()->hasFocus();
    bar_.setUndoEnabled(enabled);
    if (focused) board_.setFocus(Qt::OtherFocusReason);
}

void QtHost::enableRedoButton(bool enabled) {
    const bool focused = !enabled && bar_.redoButton()->hasFocus();
    bar_.setRedoEnabled(enabled);
    if (focused) board_.setFocus(Qt::OtherFocusReason);
}

void QtHost::invalidate(const Rect&) {
    // The whole board is drawn afresh from the game once the presentation is over, so
    // one request covers any area.
    repaintPending_ = true;
    if (repaintQueued_) return;
    repaintQueued_ = true;
    QTimer::singleShot(0, &frame_, [this] {
        repaintQueued_ = false;
        if (!presenting() && repaintPending_) repaintBoard();
    });
}

Session& QtHost::settled() {
    // The status is settled before the board is shown: the paint changes nothing.
    noteNothingPlayable(game());
    return game();
}

void QtHost::paintNow() {
    // Shown in its turn: the board as it is now, before the moves that follow it.
    Session& g = settled();
    g.presentation.show(Region::Board, 0, tableView(g));
}

DrawingSurface* QtHost::acquireTapSurface() {
    Presentation& queue = game().presentation;
    if (queue.empty()) queue.startFrom(board_.surface().background());
    queue.takeTextsFrom(&board_.surface()); // the board's texts in the window's language
    return &queue;
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
