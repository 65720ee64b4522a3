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

// Why a typed address is refused (addressErrorText says it in English); the window
// words each one in the player's language.
enum class AddressError { Empty, BadPort, BadIPv4, BadIPv6, BadName };

struct AddressReading {
    std::optional<PeerAddress> address;
    AddressError error = AddressError::Empty; // when there is no address
};

// Reads a typed address; spaces around it are dropped.
AddressReading readPeerAddress(std::string_view typed);

// The reason, for tools: "brackets or colons that make no IPv6 address".
const char* addressErrorText(AddressError e);

// The address as it would be typed: the port always, an IPv6 address in brackets.
std::string addressText(const PeerAddress& a);

// A port typed alone (the host's): 1..65535, or nothing.
std::optional<int> readPort(std::string_view typed);

} // namespace tarmigo
