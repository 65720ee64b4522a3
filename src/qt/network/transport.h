#pragma once
// The sockets of a network game: TCP connections fed to the sessions (net/), with
// nothing of Qt in this header, so that the desktop program can load the module that
// holds them (libtarmigo_net) only when a network game starts, as it does its sounds.
// Everything runs on the thread's event loop: the callbacks come from it.
#include "net/guest_session.h"
#include "net/host_session.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tarmigo {

class HostTransport {
  public:
    virtual ~HostTransport() = default;
    // Listens on the address (an IPv4 or IPv6 literal; empty for every address of the
    // machine) and port (0: one the system picks), feeding every connection to the
    // endpoint; `changed` runs after each thing fed. False, with the reason, when the
    // port cannot be had.
    virtual bool listen(const std::string& address, int port, net::HostEndpoint& endpoint,
                        std::function<void()> changed, std::string& error) = 0;
    // The port listened on.
    virtual int port() const = 0;
    // Whether the last listen failed because another program has the port.
    virtual bool portTaken() const = 0;
    // Writes what the endpoint has to send (after a call the transport did not make).
    virtual void flush() = 0;
    virtual void stop() = 0;
};

class GuestTransport {
  public:
    virtual ~GuestTransport() = default;
    // Connects to the host (a name, an IPv4 or IPv6 address) and port, and again after
    // every drop while the session wants it, waiting GuestSession::nextDelay between
    // attempts (the exchanges that failed count, not only the connections); `changed`
    // runs after each thing fed to the session.
    virtual void start(const std::string& host, int port, net::GuestSession& session,
                       std::function<void()> changed) = 0;
    // Connection attempts that failed in a row (0 once connected).
    virtual int failures() const = 0;
    // Why the last attempt failed, while failures() is not 0.
    enum class Failure { None, NothingListens, Unreachable };
    virtual Failure lastFailure() const = 0;
    virtual void flush() = 0;
    virtual void stop() = 0;
};

class NetworkTransports {
  public:
    virtual ~NetworkTransports() = default;
    virtual std::unique_ptr<HostTransport> host() = 0;
    virtual std::unique_ptr<GuestTransport> guest() = 0;
    // The addresses this machine may be reached at, the loopback ones last.
    virtual std::vector<std::string> addresses() = 0;
    // Each connection's keys: the sealed lines, whose library (libsodium) comes with
    // the module rather than with the program's start.
    virtual net::LineFactory lines() = 0;
};

// The module's one entry point, for QLibrary::resolve.
inline constexpr const char* CreateTransportsSymbol = "tarmigo_create_transports";
using CreateTransports = NetworkTransports* (*)();

// The transports linked in (the module exports the same through its entry point).
std::unique_ptr<NetworkTransports> makeTransports();

} // namespace tarmigo
