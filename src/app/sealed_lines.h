#pragma once
// The programs' keys for a network connection (net/line_keys.h) on libsodium: CPace on
// the join code with key confirmation (seal/exchange.h), then one secretstream each way
// (seal/sealed_line.h). The sessions take the factory; the seal layer knows nothing of
// them.
#include "net/line_keys.h"
#include "seal/exchange.h"

#include <optional>

namespace tarmigo::app {

// Fresh random scalars, one per connection.
net::LineFactory sealedLines();
// The given scalar for every connection: for tests and the protocol document's worked
// example only, where the bytes on the line must be the same at every run.
net::LineFactory sealedLines(const seal::Scalar& scalar);

} // namespace tarmigo::app
