#pragma once
// Which message may come next from the peer: a small state machine for each side of
// the connection. The hello comes first each way, then each side's share and its
// confirmation of the key exchange; the guest's join comes before any game data; the host's first
// game data is the seat key or the view; a refusal may come at any time; nothing follows a leaving,
// an error or a refusal. A message out of order is refused with a one-line reason, and the
// connection is then closed.
#include "net/messages.h"

#include <string>

namespace tarmigo::net {

enum class Side { Host, Guest };

class Order {
  public:
    enum class Stage {
        Hello,   // nothing received yet: a hello must come
        Share,   // the key exchange: the peer's share must come
        Confirm, // then its key confirmation
        Join,    // (host) waiting for the join; (guest) waiting for the first view
        Playing, // game data flows
        Closed,  // the peer left, refused or failed: nothing more may come
    };

    // `receiver` is the side that reads the messages checked.
    explicit Order(Side receiver) : side_(receiver) {}

    // Empty when the message may come now, and the stage moves on; otherwise why not.
    std::string accept(const Message& m);

    Stage stage() const { return stage_; }
    // The connection is over, from this side's own decision (a wrong code refused).
    void close() { stage_ = Stage::Closed; }

  private:
    Side side_;
    Stage stage_ = Stage::Hello;
};

} // namespace tarmigo::net
