#pragma once
// What a network game asks of the window it is played in. The window gives these few
// things and nothing else, so that hosting and joining depend on them alone.
#include <functional>

class QWidget;

namespace tarmigo {

class BoardView;
class DrawingSurface;
class KeptStatistics;
class PlayedGame;
class ShellHost;
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
    // The platform a network game is played on: its dialogs, the question, sounds,
    // sentences, the Undo button and the board's repaint requests.
    virtual ShellHost& platform() = 0;
    // Shows a game on the board at once, played and presented as the window's own (null:
    // the window's own again). `painter`, when given, draws the board from the seat's view
    // instead of from the game (a joined game, which holds none).
    virtual void present(PlayedGame* game,
                         std::function<void(DrawingSurface&)> painter = nullptr) = 0;
    // Plays the steps the game shown has queued.
    virtual void playQueued() = 0;
    // Whether the board still shows moves: a slide, or a dialog of one.
    virtual bool presenting() const = 0;
    // A menu command, once the moves shown are over.
    virtual void runCommand(int id) = 0;
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
