#pragma once
// The game's platform on the desktop: the board image and its repaints, the dialogs,
// sounds, posted commands and the pacing of card slides.
//
// Everything the window hands to the game goes through handle(): the game is never
// entered twice at once, and what it posts (commands, the help request, the board
// repaint) runs only after the handling that posted it, in the order it was posted.
#include "app/shell_host.h"

#include <QObject>

#include <deque>
#include <functional>
#include <memory>

class QSettings;
class QWidget;

namespace tarmigo {

class BoardView;
class CommandBar;
class KeptStatistics;
class Shell;
class Sounds;
struct Session;

class QtHost : public ShellHost {
  public:
    QtHost(QWidget& window, BoardView& board, CommandBar& bar, Sounds* sounds,
           std::function<void()> openHelp);
    ~QtHost() override;
    QtHost(const QtHost&) = delete;
    QtHost& operator=(const QtHost&) = delete;

    // The shell whose game this host serves; set once, right after both exist.
    void attach(Shell& shell) { shell_ = &shell; }
    // Where finished hands and games are counted; null counts nothing.
    void countIn(KeptStatistics* statistics) { statistics_ = statistics; }

    // Runs one handling of the window (a tap, a command, the start-up).
    void handle(const std::function<void()>& work);
    bool busy() const { return depth_ > 0; }
    // Runs work at once when nothing is being handled, else right after the handling.
    void whenIdle(std::function<void()> work);

    // The stylus and the keys that stand for it. Ignored while a handling runs.
    void penDown();
    void penUp(int x, int y);
    void tap(int x, int y);
    void command(int id);

    // Draws the whole board afresh on the board image and shows it.
    void repaintBoard();

    // Host
    std::uint32_t tickCount() override;
    void playSound(std::string_view name) override;
    bool askYesNo(int stringId) override;
    int runScoresDialog() override;
    void postCommand(int commandId) override;
    void enableUndoButton(bool enabled) override;
    void invalidate(const Rect& area, bool erase) override;
    void dropPendingRepaint() override { repaintPending_ = false; }
    void paintNow() override;
    DrawingSurface* acquireTapSurface() override;
    void releaseTapSurface() override;
    void animationStep(int delayMs) override;
    void dropPendingTaps() override;
    // ShellHost
    void handScored(const Game& g) override;
    void gameForfeited(const Game& g, int creditedSeat) override;
    void handTakenBack() override;
    void runOptionsDialog(OptionsDialog& dialog) override;
    void runAboutDialog() override;
    void postHelpRequest() override;
    bool expertKept() override;
    void keepExpert(bool expert) override;

    // The desktop's own settings, where the Expert choice is kept; null keeps nothing.
    void setPreferences(QSettings* preferences) { preferences_ = preferences; }

  private:
    class InputDropper;
    static constexpr int HelpRequest = -1;

    Session& game();
    QWidget* dialogParent() const;
    void scheduleIdleWork();
    void runIdleWork();

    QWidget& window_;
    BoardView& board_;
    CommandBar& bar_;
    Sounds* sounds_;
    std::function<void()> openHelp_;
    Shell* shell_ = nullptr;
    QSettings* preferences_ = nullptr;

    QObject queue_; // receives the queued calls of the idle work
    std::unique_ptr<InputDropper> dropper_;
    std::deque<std::function<void()>> deferred_;
    std::deque<int> posted_;
    bool repaintPending_ = false;
    bool idleScheduled_ = false;
    int depth_ = 0;
    KeptStatistics* statistics_ = nullptr;
};

} // namespace tarmigo
