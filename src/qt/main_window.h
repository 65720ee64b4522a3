#pragma once
// The one window of the program: the board above, the menu bar along the bottom.
#include "game/view.h"
#include "qt/network/network_window.h"

#include <QWidget>

#include <functional>
#include <memory>

class QAction;
class QActionGroup;
class QMenu;
class QSettings;

namespace tarmigo {

class BoardView;
class CommandBar;
class KeptStatistics;
class MoveListWindow;
class NetworkPlay;
class NetworkTransports;
class QtHost;
class Shell;
class Sounds;
class Store;
class WatchControls;
struct Hint;
struct Layout;
struct Session;

// What the window is given from outside.
struct WindowSetup {
    // The two copies of the saved state; nothing is saved where one is missing.
    Store* fileStore = nullptr;
    Store* secondStore = nullptr;
    // The desktop's own settings (the zoom), kept apart from the saved game.
    QSettings* preferences = nullptr;
    // Null plays nothing.
    Sounds* sounds = nullptr;
    // Opens the help page; null does nothing.
    std::function<void()> openHelp;
    // The network game's own copies (saved apart from the other game) and its join code;
    // no network game is saved where they are missing.
    Store* networkFile = nullptr;
    Store* networkSecond = nullptr;
    Store* networkCode = nullptr;
    // Where the sockets of a network game come from; null: no network game.
    std::function<std::unique_ptr<NetworkTransports>()> networkTransports = nullptr;
    // The moves of the game in progress, saved beside it; none are kept where unset.
    Store* historyStore = nullptr;
};

// Its network games know it by the few calls of NetworkWindow alone.
class MainWindow : public QWidget, public NetworkWindow {
  public:
    explicit MainWindow(const WindowSetup& setup, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The start-up: the game, the saved state and the first board. Before show().
    void start();

    Shell& shell() { return *shell_; }
    NetworkPlay& network() { return *network_; }
    KeptStatistics& statistics() override { return *statistics_; }
    QtHost& host() { return *host_; }
    BoardView& board() override { return *board_; }
    CommandBar& commandBar() { return *bar_; }

    // The zoom the board is shown at: the largest whole one that fits the window.
    int zoom() const override;
    int maximumZoom() const { return maxZoom_; }
    // The Zoom menu's choice, kept for the next start: the size of a normal window (a
    // maximised or full-screen one keeps its size, and takes the choice once normal).
    int chosenZoom() const { return chosenZoom_; }
    void setZoom(int zoom);
    // F11: full screen, or back to the window as it was.
    void toggleFullScreen();

    // A later start of the program asked for this window.
    void bringToFront();

    // Opens the Statistics window (View > Statistics).
    void showStatistics();
    // View > Moves (M): the hand's moves in words, in a window beside the board.
    void showMoves();
    MoveListWindow* movesWindow() const { return moves_; }
    // View > Hint (H): the card Expert would play, marked on the board and said.
    void showHint();
    // Shows a hint made elsewhere (the host's, for a guest of a network game).
    void showHint(const Hint& hint) override;
    // R says the last sentence again, S the scores and distances: heard, and shown in
    // a note over the status line.
    void repeatLastSentence();
    void sayStanding();

    // The view the board shows: the window's own game's, or a joined network game's.
    SeatView shownView() const;
    // The layout the board is drawn on: a joined game's has the guest's side on the left.
    const Layout& shownLayout() const;

    // NetworkWindow
    QWidget& widget() override { return *this; }
    Session& ownGame() override;
    void ownCommand(int id) override;
    ShellHost& platform() override;
    void present(PlayedGame* game, std::function<void(DrawingSurface&)> painter) override;
    void playQueued() override;
    bool presenting() const override;
    void runCommand(int id) override;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void addStatisticsEntry();
    void addNetworkEntries(const WindowSetup& setup);
    // A tap or command of the window: a joined network game's first, else the window's game's.
    void tapBoard(int x, int y);
    void command(int id);
    void buildZoomMenu();
    void addWindowEntries();
    void addKeyTaps();
    void addMoveEntries();
    // A tap made by a key.
    void keyTap(int x, int y);
    // Makes a sentence heard and shows it over the status line.
    void tell(const QString& text);
    // Draws the board, and sizes the bar, menus and dialogs, at a zoom.
    void showZoom(int zoom);
    // Whether the window's size is the chosen zoom's (neither maximised nor full screen).
    bool sizedByZoom() const;
    void fitToChosenZoom();

    QSettings* preferences_;
    BoardView* board_ = nullptr;
    CommandBar* bar_ = nullptr;
    QActionGroup* zoomGroup_ = nullptr;
    QAction* fullScreen_ = nullptr;
    WatchControls* watch_ = nullptr;
    MoveListWindow* moves_ = nullptr;
    std::unique_ptr<KeptStatistics> statistics_;
    std::unique_ptr<QtHost> host_;
    std::unique_ptr<Shell> shell_;
    std::unique_ptr<NetworkPlay> network_;
    int maxZoom_ = 1;
    int chosenZoom_ = 1;
    bool started_ = false;
};

} // namespace tarmigo
