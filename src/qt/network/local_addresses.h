#pragma once
// The addresses at which this computer can be reached, for the host to read out to
// the guest: its name, then the addresses of its network interfaces that are up,
// IPv4 first. The loopback and link-local addresses are left out (they reach no
// other computer), so the list may be empty. Read from the system directly, so that
// opening the Host dialog loads no network library.
#include <string>
#include <vector>

namespace tarmigo {

std::vector<std::string> localAddresses();

} // namespace tarmigo
