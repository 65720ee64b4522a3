#include "net/order.h"

namespace tarmigo::net {
namespace {

bool fromHostOnly(Type t) {
    return t == Type::Refusal || t == Type::View || t == Type::Steps;
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
        stage_ = Stage::Join;
        return {};
    }
    if (t == Type::Hello) return "a second hello";
    if (t == Type::Left || t == Type::Error) {
        stage_ = Stage::Closed;
        return {};
    }
    if (t == Type::KeepAlive) return {};
    if (stage_ == Stage::Join) {
        // The host waits for the join; the guest for the view that admits it.
        if (t == Type::Refusal) {
            stage_ = Stage::Closed;
            return {};
        }
        if (t == Type::Join || t == Type::View) {
            stage_ = Stage::Playing;
            return {};
        }
        return name + (side_ == Side::Host ? " before the join" : " before the first view");
    }
    if (t == Type::Join) return "a second join";
    if (t == Type::Refusal) return "a refusal after the join was accepted";
    return {};
}

} // namespace tarmigo::net
