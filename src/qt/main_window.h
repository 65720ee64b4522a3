#pragma once
// The one window of the program: the board above, the menu bar along the bottom.
#include <QWidget>

#include <functional>
#include <memory>

class QActionGroup;
class QMenu;
class QSettings;

namespace tarmigo {

class BoardView;
class CommandBar;
class KeptStatistics;
class QtHost;
class Shell;
class Sounds;
class Store;

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
};

class MainWindow : public QWidget {
  public:
    explicit MainWindow(const WindowSetup& setup, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The start-up: the game, the saved state and the first board. Before show().
    void start();

    Shell& shell() { return *shell_; }
    QtHost& host() { return *host_; }
    BoardView& board() { return *board_; }
    CommandBar& commandBar() { return *bar_; }

    int zoom() const;
    int maximumZoom() const { return maxZoom_; }
    // Shows the board at a whole zoom, fits the window to it and remembers the choice.
    void setZoom(int zoom);

    // A later start of the program asked for this window.
    void bringToFront();

    // Opens the Statistics window (View > Statistics).
    void showStatistics();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void addStatisticsEntry();
    void buildZoomMenu();
    void addKeyTaps();
    void applyZoom(int zoom);

    QSettings* preferences_;
    BoardView* board_ = nullptr;
    CommandBar* bar_ = nullptr;
    QActionGroup* zoomGroup_ = nullptr;
    std::unique_ptr<KeptStatistics> statistics_;
    std::unique_ptr<QtHost> host_;
    std::unique_ptr<Shell> shell_;
    int maxZoom_ = 1;
    bool started_ = false;
};

} // namespace tarmigo
