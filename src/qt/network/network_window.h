#pragma once
// What a network game asks of the window it is played in. The window gives these few
// things and nothing else, so that hosting and joining depend on them alone.
class QWidget;

namespace tarmigo {

class BoardView;
class KeptStatistics;
class QtHost;
struct Hint;
struct Session;

class NetworkWindow {
  public:
    virtual ~NetworkWindow() = default;

    // The window itself: the parent of the network's dialogs and questions, and what
    // their connections live as long as.
    virtual QWidget& widget() = 0;
    // The zoom the network's dialogs are sized by.
    virtual int zoom() const = 0;
    // The board, over which the network's notice is shown.
    virtual BoardView& board() = 0;
    // What presents a game on the board: plays its steps, repaints it, and is told which
    // game the board shows.
    virtual QtHost& host() = 0;
    // The window's own game: the board's layout and the person's options, by which a
    // joined game is shown and played and which a hosted game starts from.
    virtual Session& ownGame() = 0;
    // A command of the window's own game (About and Help while joined).
    virtual void ownCommand(int id) = 0;
    // Where the hands of a network game are counted.
    virtual KeptStatistics& statistics() = 0;
    // Marks and says a hint made elsewhere (the host's, for a guest).
    virtual void showHint(const Hint& hint) = 0;

  protected:
    NetworkWindow() = default;
    NetworkWindow(const NetworkWindow&) = default;
    NetworkWindow& operator=(const NetworkWindow&) = default;
};

} // namespace tarmigo
