#pragma once
// A message as one line of JSON, for tarmigo-peer's --log.
#include "net/messages.h"

#include <string>

namespace tarmigo::peer {

std::string jsonOf(const net::Message& m);

} // namespace tarmigo::peer
