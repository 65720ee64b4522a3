#pragma once
// The window's network games: the New menu's Network Game entries, the Host and Join
// dialogs, and the game that follows them.
//
// Hosting, this program holds the game (app/network_host.h), saved apart from the
// other, and the window presents it as it does the other game, seat 0's hand always
// shown. Joining, the window holds no game: it paints the view of seat 1 the host sends,
// plays the steps of each move it is sent (sounds, the Undo button, the Scores dialog,
// the question) and sends the player's taps back. The sockets are in a module loaded
// only when a network game starts.
#include "app/network_host.h"
#include "net/address.h"
#include "net/messages.h"

#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <string>

class QAction;
class QLabel;
class QMenu;
class QSettings;

namespace tarmigo {

class HostDialog;
class JoinDialog;
class NetworkWindow;
class NetworkTransports;
class Store;
struct Session;
struct SeatView;

// What a network game keeps: the two copies of the hosted game and its join code
// (apart from the other game's), the settings where a guest keeps the address and
// code it joined with, and where the sockets come from.
struct NetworkSetup {
    Store* file = nullptr;
    Store* second = nullptr;
    Store* code = nullptr;
    QSettings* preferences = nullptr;
    // Null or returning null: no network game can start.
    std::function<std::unique_ptr<NetworkTransports>()> transports = nullptr;
};

// Loads the sockets' module from the folders beside the program; null without it.
std::unique_ptr<NetworkTransports> loadTransports(const QString& programFolder);

class NetworkPlay {
  public:
    NetworkPlay(NetworkWindow& window, NetworkSetup setup);
    ~NetworkPlay();
    NetworkPlay(const NetworkPlay&) = delete;
    NetworkPlay& operator=(const NetworkPlay&) = delete;

    // Adds the Network Game menu to the New menu.
    void fillMenu(QMenu* newMenu);

    // New > Network Game > Host...: offers to resume a saved network game, then opens
    // the Host dialog, which hosts on its button.
    void host();
    // New > Network Game > Join...: the dialog, then the connection.
    void join();
    // Joins at once, as the dialog does once its fields are read.
    void joinAt(const PeerAddress& address, const std::string& code);
    // Leaves the network game on purpose (the other side is told) and goes back to the
    // other game.
    void leave();
    void askRematch();
    // Frees Player 2's seat of the game hosted (or of the saved one, before hosting).
    void freeSeat();

    bool hosting() const;
    bool joined() const;
    // The port the game is hosted on (the system's choice for 0), or 0.
    int port() const;
    // The network's state shown over the board: empty while all is well.
    QString notice() const;

    // The window's taps and commands while joined go to the host; false when not joined
    // (the window's own game takes them). A command that leaves the game asks first.
    bool tap(int x, int y);
    bool command(int id);
    // H while joined: the host is asked for a hint; false when not joined.
    bool askHint();

    // The game hosted once Player 2 has come, or null.
    Session* hostedGame();
    // The view last shown of a game joined, or null.
    const SeatView* joinedView() const;
    // The layout a game joined is drawn on, null when none is.
    const Layout* joinedLayout() const;
    // Whether a game joined is still showing the moves it was sent.
    bool presenting() const;
    // The board's zoom or size changed: the notice over it follows.
    void fitNotice();

    HostDialog* hostDialog() const { return hostDialog_; }
    JoinDialog* joinDialog() const { return joinDialog_; }

    // The settings keys: what a guest keeps to rejoin, and the port last hosted on.
    static constexpr const char* AddressKey = "Network/address";
    static constexpr const char* CodeKey = "Network/code";
    static constexpr const char* PortKey = "Network/port";

  private:
    class Hosted;
    class Joined;

    void openHostDialog(bool resume);
    // Starts hosting on the port; false with the reason when it cannot listen.
    bool startHosting(int port, const std::string& code, bool resume, std::string& error);
    void stopHosting(bool leaving);
    void stopJoining(bool leaving);
    bool haveTransports();
    // The hosted game's stores: the copies, the code and the seat key.
    NetworkStores stores() const;
    // Whether the game joined was refused, left or broken: no reconnection follows.
    bool joinEnded() const;
    // Keeps (or forgets) the seat key of the game joined, beside its code.
    void keepGuestSeat(const std::optional<net::SeatKey>& key);
    void showNotice(const QString& text);
    void update();
    void askToLeave(std::function<void()> then);

    NetworkWindow& window_;
    NetworkSetup setup_;
    std::unique_ptr<NetworkTransports> transports_;
    std::unique_ptr<Hosted> hosted_;
    std::unique_ptr<Joined> joined_;
    QAction* hostEntry_ = nullptr;
    QAction* joinEntry_ = nullptr;
    QAction* rematchEntry_ = nullptr;
    QAction* leaveEntry_ = nullptr;
    QAction* freeSeatEntry_ = nullptr;
    std::unique_ptr<Store> seat_;
    QString joinedGame_; // the code of the game joined
    bool lastPortTaken_ = false;
    HostDialog* hostDialog_ = nullptr;
    JoinDialog* joinDialog_ = nullptr;
    QLabel* notice_ = nullptr;
};

} // namespace tarmigo
