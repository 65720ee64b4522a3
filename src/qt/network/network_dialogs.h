#pragma once
// The dialogs that begin a network game. Host shows the port to listen on (which the
// player may change before hosting), the addresses this computer is reached at and the
// join code, then waits for Player 2; Join takes the host's address and the code, and
// refuses a mistyped one with a plain sentence before any connection is tried. Neither
// blocks: the window starts and stops the network in answer to their buttons.
#include "net/address.h"

#include <QDialog>

#include <functional>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace tarmigo {

class HostDialog : public QDialog {
  public:
    HostDialog(int port, const QString& code, const std::vector<std::string>& addresses, int zoom,
               QWidget* parent = nullptr);

    // The Host button: the window begins to listen on the port, and answers with
    // showWaiting() or showError(). Cancel closes the dialog (rejected): the window
    // then stops listening.
    std::function<void(int port)> onHost;

    int port() const;
    // Whether a guest holds Player 2's seat (a resumed game), with the button that frees
    // it (onFreeSeat) when one does.
    void showSeat(bool held);
    std::function<void()> onFreeSeat;
    // Listening: the port is fixed and the dialog says it waits for Player 2.
    void showWaiting();
    // Listening failed (the port is taken, say): the sentence, and the port may be changed.
    void showError(const QString& text);

  private:
    QSpinBox* port_ = nullptr;
    QLabel* state_ = nullptr;
    QLabel* seat_ = nullptr;
    QPushButton* freeSeat_ = nullptr;
    QPushButton* host_ = nullptr;
};

class JoinDialog : public QDialog {
  public:
    // Filled in with what the last join used (from the settings).
    JoinDialog(const QString& address, const QString& code, int zoom, QWidget* parent = nullptr);

    // What the player typed, read; valid once the dialog is accepted.
    const PeerAddress& address() const { return address_; }
    const std::string& code() const { return code_; }

    // The sentence refusing a typed address or code; empty for one that can be used.
    static QString refusal(const QString& address, const QString& code);

  private:
    // The Join button: the fields are read, and a mistake is shown at its field.
    void tryJoin();

    QLineEdit* addressField_ = nullptr;
    QLineEdit* codeField_ = nullptr;
    QLabel* error_ = nullptr;
    PeerAddress address_;
    std::string code_;
};

} // namespace tarmigo
