#pragma once
// The window's network games: the New menu's Network Game entries, the Host and Join
// dialogs, and the game that follows them, hosted (this program holds the game, saved
// apart from the other) or joined (this program shows what the host sends).
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QAction;
class QMenu;
class QSettings;

namespace tarmigo {

class HostDialog;
class JoinDialog;
class MainWindow;
class Store;

// What a network game keeps: the two copies of the hosted game and its join code
// (apart from the other game's), and the settings where a guest keeps the address and
// code it joined with.
struct NetworkSetup {
    Store* file = nullptr;
    Store* second = nullptr;
    Store* code = nullptr;
    QSettings* preferences = nullptr;
};

class NetworkPlay {
  public:
    NetworkPlay(MainWindow& window, const NetworkSetup& setup);
    ~NetworkPlay();
    NetworkPlay(const NetworkPlay&) = delete;
    NetworkPlay& operator=(const NetworkPlay&) = delete;

    // Adds the Network Game menu to the New menu.
    void fillMenu(QMenu* newMenu);

    // New > Network Game > Host...: offers to resume a saved network game, then opens
    // the Host dialog. The dialog is returned for the tests.
    void host();
    // New > Network Game > Join...
    void join();
    // Leaving on purpose, after a question.
    void leave();
    void askRematch();

    HostDialog* hostDialog() const { return hostDialog_; }
    JoinDialog* joinDialog() const { return joinDialog_; }

    // The settings keys of what a guest keeps to rejoin.
    static constexpr const char* AddressKey = "Network/address";
    static constexpr const char* CodeKey = "Network/code";
    static constexpr const char* PortKey = "Network/port";

  private:
    void openHostDialog(bool resume);
    void updateEntries();

    MainWindow& window_;
    NetworkSetup setup_;
    QAction* hostEntry_ = nullptr;
    QAction* joinEntry_ = nullptr;
    QAction* rematchEntry_ = nullptr;
    QAction* leaveEntry_ = nullptr;
    HostDialog* hostDialog_ = nullptr;
    JoinDialog* joinDialog_ = nullptr;
};

} // namespace tarmigo
