#pragma once
// The address a guest types to reach a host: a host name, an IPv4 address or an IPv6
// address, with an optional port ("myhost", "127.0.0.1:5000", "[::1]:47470", "::1").
// An IPv6 address takes a port only inside brackets, since its own colons would
// otherwise be read as one. The text is checked here, before any connection is tried,
// so that a typing mistake gets a plain sentence rather than a failed look-up.
#include <optional>
#include <string>
#include <string_view>

namespace tarmigo {

// The port a host listens on, and a guest connects to, unless told otherwise.
inline constexpr int StandardPort = 47470;

struct PeerAddress {
    enum class Kind { Name, IPv4, IPv6 };
    Kind kind = Kind::Name;
    std::string host; // without brackets; a name in lower case
    int port = StandardPort;

    bool operator==(const PeerAddress&) const = default;
};

// Why a typed address is refused; the window words each one.
enum class AddressError {
    Empty,   // nothing typed
    BadPort, // the port is not a whole number from 1 to 65535
    BadIPv4, // four numbers and dots, one of them over 255 or missing
    BadIPv6, // brackets or colons that make no IPv6 address
    BadName, // a character or a part that no host name has
};

struct AddressReading {
    std::optional<PeerAddress> address;
    AddressError error = AddressError::Empty; // when there is no address
};

// Reads a typed address; spaces around it are dropped.
AddressReading readPeerAddress(std::string_view typed);

// The address as it would be typed: the port always, an IPv6 address in brackets.
std::string addressText(const PeerAddress& a);

// A port typed alone (the host's): 1..65535, or nothing.
std::optional<int> readPort(std::string_view typed);

} // namespace tarmigo
