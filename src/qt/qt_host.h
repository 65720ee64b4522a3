#pragma once
// The game's platform on the desktop: the board image and its repaints, the dialogs,
// sounds, commands, and the playing of each tap's presentation at its own pace.
//
// A tap runs the rules to their end at once and saves; what it showed waits in the
// game's presentation queue, which this host plays on a timer: a slide's frames at
// the Options' pace, sounds, the Undo button, the Scores dialog and the question of a
// move. Meanwhile the window stays live: quitting, the menus, About, Help, Zoom and
// the window itself act at once. A tap on the board during a presentation is
// dropped, as a card may no longer be where it was aimed; the commands that change
// the game (New, Options, Undo, Scores) wait for the presentation's end.
#include "app/shell_host.h"
#include "board/recording_surface.h"
#include "qt/dialogs/move_list.h"

#include <QObject>
#include <QRect>
#include <QTimer>

#include <chrono>
#include <deque>
#include <functional>
#include <memory>

class QSettings;
class QWidget;

namespace tarmigo {

class BoardView;
class CommandBar;
class KeptStatistics;
class Presentation;
struct Layout;
class Shell;
class Sounds;
class StepGame;
struct Session;
struct Step;

// The game the window plays and presents: the shell's, or a network game, which takes
// the same taps and commands its own way.
class PlayedGame {
  public:
    virtual ~PlayedGame() = default;
    // The game held here, rules and all; null for a game joined, which holds only the
    // views and moves it is sent.
    virtual Session* game() = 0;
    // The steps the window plays, and the layout it draws them on: by default the held
    // game's.
    virtual Presentation& presentation();
    virtual const Layout& boardLayout();
    virtual void penDown() = 0;
    virtual void penUp(int x, int y) = 0;
    virtual void handleCommand(int id) = 0;
    // What answers the dialogs of the game's steps (app/step_player.h).
    virtual StepGame& steps() = 0;
};

class QtHost : public ShellHost {
  public:
    QtHost(QWidget& window, BoardView& board, CommandBar& bar, Sounds* sounds,
           std::function<void()> openHelp);
    QtHost(const QtHost&) = delete;
    QtHost& operator=(const QtHost&) = delete;

    // The shell whose game this host serves; set once, right after both exist.
    void attach(Shell& shell);
    // Another game for a while (the network game hosted), or back to the shell's with
    // null. Only while nothing is presented.
    void switchTo(PlayedGame* game);
    ~QtHost() override;
    // Where finished hands and games are counted; null counts nothing.
    void countIn(KeptStatistics* statistics) { statistics_ = statistics; }

    // Whether a presentation is being played (or waits on its dialog).
    bool presenting() const;
    // Plays the queued steps up to the next pause (a frame's wait, a dialog); at the
    // queue's end the board is repainted and the waiting commands run.
    void play();
    // The board is about to be drawn afresh (a new zoom): the pictures still queued
    // are dropped, the rest of the presentation goes on.
    void skipPictures();

    // The stylus and the keys that stand for it; dropped during a presentation.
    void penDown();
    void penUp(int x, int y);
    void tap(int x, int y);
    // A menu command: those that change the game wait for the presentation's end.
    void command(int id);

    // Draws the whole board afresh on the board image and shows it.
    void repaintBoard();
    // Draws the board with this instead of from the game (a joined network game, which
    // holds none), until given null.
    void paintWith(std::function<void(DrawingSurface&)> painter) { painter_ = std::move(painter); }

    // Host
    std::uint32_t tickCount() override;
    // ScreenHost
    void invalidate(const Rect& area) override;
    void dropPendingRepaint() override { repaintPending_ = false; }
    void paintNow() override;
    DrawingSurface* acquireTapSurface() override;
    void releaseTapSurface() override {}
    // ShellHost
    void playSound(Sound sound) override;
    void enableUndoButton(bool enabled) override;
    void enableRedoButton(bool enabled) override;
    void say(const Sentence& sentence) override;
    void askYesNo(int stringId, std::function<void(bool)> answered) override;
    void openScoresDialog(const ScoresContent& content, std::function<void(int)> closed) override;
    void openOptionsDialog(OptionsDialog& dialog, std::function<void()> closed) override;
    void openAboutDialog() override;
    void postCommand(int commandId) override;
    void postHelpRequest() override;
    void handScored(const Game& g) override;
    void gameForfeited(const Game& g, int creditedSeat) override;
    void handTakenBack() override;
    bool expertKept() override;
    void keepExpert(bool expert) override;

    // The sentences of the hand in progress, and whom to tell of a new one.
    const MoveLog& moves() const { return moves_; }
    std::function<void(const QString&)> onSaid;
    // Told whenever the presentation has ended and nothing waits (the game may have changed).
    std::function<void()> onIdle;
    // Sentences are heard only once the window is up: a start's deal is not news.
    void setSpeaking(bool speaking) { speaking_ = speaking; }

    // The desktop's own settings, where the Expert choice is kept; null keeps nothing.
    void setPreferences(QSettings* preferences) { preferences_ = preferences; }

    // The game played on the board: the shell's, or the network game hosted (the shell's
    // while a game joined is shown, for its layout and options).
    const Session& game() const;

  private:
    // The game, its status settled as its board is about to be shown.
    Session& settled();
    Session& game();
    QWidget* dialogParent() const;
    template <class Dialog> void open(Dialog* dialog, std::function<void(int)> closed);
    // A step the game played has ended: at once (the queue goes on) or later (play on).
    void stepDone();
    void idle();
    // Adds the board pixels a drawing call changes to those the next frame shows.
    void noteChange(const DrawOp& op);
    // Tells a reader which places' names the steps played have changed.
    void raiseNameChanges();

    QWidget& window_;
    BoardView& board_;
    CommandBar& bar_;
    Sounds* sounds_;
    std::function<void()> openHelp_;
    std::unique_ptr<PlayedGame> shellGame_;
    PlayedGame* played_ = nullptr;
    QSettings* preferences_ = nullptr;
    KeptStatistics* statistics_ = nullptr;

    // Where the playing of the queue stands. Only Idle takes steps: play() is never
    // entered twice, and a step that ends while it is played goes on in the same loop.
    enum class Phase {
        Idle,    // nothing is shown or awaited (steps may wait in the queue)
        Taking,  // play() is taking steps off the queue
        InStep,  // inside the game's playing of a step (one that opens a dialog)
        OnStep,  // that step's dialog is open; its end plays on
        OnFrame, // a frame is shown and waits for the timer's beat
    };
    Phase phase_ = Phase::Idle;
    QTimer frame_;  // the pace of a slide's frames
    QRect changed_; // the board pixels drawn since the last frame was shown
    QSize saved_;   // the size of the block last saved, which a restore puts back
    // The board must be drawn afresh from the game (once nothing is presented), and a
    // call to do so is queued for the event loop.
    bool repaintPending_ = false;
    bool repaintQueued_ = false;
    std::deque<std::function<void()>> deferred_;
    MoveLog moves_;
    MoveLog gameMoves_; // the game's, while a hand is watched again
    bool speaking_ = false;
    bool said_ = false;      // a sentence was announced in this pass of the queue
    bool namesHeld_ = false; // the board's name changes wait for the sentence to be read
    std::function<void(DrawingSurface&)> painter_;
};

} // namespace tarmigo
