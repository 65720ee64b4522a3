#include "net/order.h"

namespace tarmigo::net {
namespace {

bool fromHostOnly(Type t) {
    return t == Type::Refusal || t == Type::View || t == Type::Steps || t == Type::Seat ||
           t == Type::ViewChange;
}

bool fromGuestOnly(Type t) {
    return t == Type::Join || t == Type::Input;
}

} // namespace

std::string Order::accept(const Message& m) {
    const Type t = Type(m.index() + 1);
    const std::string name = nameOf(m);
    if (stage_ == Stage::Closed) return name + " after the connection ended";
    if (side_ == Side::Host && fromHostOnly(t)) return name + " is the host's to send";
    if (side_ == Side::Guest && fromGuestOnly(t)) return name + " is the guest's to send";
    if (stage_ == Stage::Hello) {
        if (t != Type::Hello) return name + " before the hello";
        stage_ = Stage::Share;
        return {};
    }
    if (t == Type::Hello) return "a second hello";
    // A refusal ends the connection at any time: a join refused, or the seat taken back.
    if (t == Type::Left || t == Type::Error || t == Type::Refusal) {
        stage_ = Stage::Closed;
        return {};
    }
    if (stage_ == Stage::Share || stage_ == Stage::Confirm) {
        const bool share = stage_ == Stage::Share;
        if (t != (share ? Type::Share : Type::Confirm))
            return name + (share ? " before the share" : " before the key confirmation");
        stage_ = share ? Stage::Confirm : Stage::Join;
        return {};
    }
    if (t == Type::Share || t == Type::Confirm) return name + " after the key exchange";
    if (t == Type::KeepAlive) return {};
    if (stage_ == Stage::Join) {
        // The host waits for the join; the guest for its seat key, then the view that
        // admits it.
        if (t == Type::Seat) return {};
        if (t == Type::Join || t == Type::View) {
            stage_ = Stage::Playing;
            return {};
        }
        return name + (side_ == Side::Host ? " before the join" : " before the first view");
    }
    if (t == Type::Join) return "a second join";
    if (t == Type::Seat) return "a seat key after the first view";
    return {};
}

} // namespace tarmigo::net
