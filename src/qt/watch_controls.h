#pragma once
// The window's controls for watching a finished hand again: W watches the newest, N and P
// step forward and back, O shows the other seat's cards, Escape goes back to the game;
// the same in the View menu and, while watching, on the bar. A network game watches
// nothing: the entries are disabled there.
#include <QObject>

#include <functional>

class QAction;
class QWidget;

namespace tarmigo {

class CommandBar;
class Shell;

class WatchControls : public QObject {
  public:
    struct Setup {
        QWidget* window = nullptr; // where the keys act
        CommandBar* bar = nullptr;
        Shell* shell = nullptr;
        std::function<bool()> networkGame; // a network game is hosted or joined
        std::function<void(const QString&)> tell;
    };
    explicit WatchControls(const Setup& setup);

    // Whether the command is one of watching, which a network game does not take.
    static bool watchCommand(int id);
    // The entries and buttons as the game now stands.
    void update();

  private:
    void showOtherHand() const;

    Setup setup_;
    QAction* otherHand_ = nullptr;
};

} // namespace tarmigo
